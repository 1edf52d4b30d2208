#pragma once

#include "widgets/checks/CheckHeading.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// What the fiscal code and VAT number check windows share: a fixed-size
// dialog without title-bar buttons, centred on the screen, with a heading
// picture, an instruction, one code field in a large monospaced font and the
// buttons "Controlla" and "Chiudi". Each window supplies its own check.
class CheckWindow : public QDialog
{
    Q_OBJECT
public:
    // Puts a value handed over by a card window into the field whole, even
    // when it is longer than the field lets the user type, so that the check
    // sees what the card holds rather than a cut copy of it. The typing limit
    // comes back as soon as the user's edits bring the text within it.
    void setValue(const QString &value);

protected:
    struct Setup
    {
        QString objectName;
        QString caption;
        int width = 0;
        CheckHeading::Icon icon = CheckHeading::Icon::FiscalCard;
        QString title;
        QString instruction;
        QString fieldName;
        int maxLength = 0;
    };

    CheckWindow(const Setup &setup, QWidget *parent);

    QLineEdit *field() const { return m_field; }
    QPushButton *checkButton() const { return m_checkButton; }
    // The field's text as the check takes it: trimmed, a to z upper-cased.
    QString valueToCheck() const;
    // After a message that asks for a correction.
    void returnToField();

    void showEvent(QShowEvent *event) override;

    // Runs the check of `btnControlla`.
    virtual void btnControllaClick() = 0;

private:
    void centreOnScreen();

    QLineEdit *m_field = nullptr;
    QPushButton *m_checkButton = nullptr;
    int m_maxLength = 0;
};
