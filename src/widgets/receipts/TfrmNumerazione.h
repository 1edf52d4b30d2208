#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The numbering window: sets the number from which the receipt window's New
// button starts numbering receipts ("Inizio" in the "Numerazione Ricevute"
// section of Ricevute_Generiche.ini). The receipt window creates it for one
// use, sets its caller tag to "ricevute" and its caption, and runs exec():
//
//     TfrmNumerazione window(this);
//     window.setCallerTag(QStringLiteral("ricevute"));
//     window.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione ricevute"));
//     window.exec();
//
// Under any other caller tag the window neither reads nor writes the file.
class TfrmNumerazione : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *owner);

    void setCallerTag(const QString &tag);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formShow();
    void txtInizioExit();
    void btnApplicaClick();

    bool isForReceipts() const;
    // Sets the field's text whole: a value read from the file may be longer
    // than the user may type.
    void setStartText(const QString &text);

    QLabel *m_callerTag;
    QLineEdit *m_txtInizio;
    QPushButton *m_btnApplica;
};
