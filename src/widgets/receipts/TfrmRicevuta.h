#pragma once

#include "widgets/card/CardWindow.h"

class QToolButton;

// The receipt window on the chosen year's archive (the path in the hidden
// label lblFile, set by the year selection window). Beyond the shared card
// window it numbers new receipts from the start number in the settings,
// keeps the payee's lines between runs, writes the euros in words as they
// are typed, reminds of the revenue stamp on amounts above its threshold and
// checks a receipt before saving it.
class TfrmRicevuta : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmRicevuta(QWidget *parent = nullptr);

    // The year's archive, set before the window is shown.
    void setArchiveFile(const QString &path);
    // Ricevute_Generiche.ini in the program folder.
    static QString settingsPath();

protected:
    QString archivePath() const override;
    void prepareOnShow() override;
    void beforeClose() override;
    void newCard() override;
    void prepareDuplicate() override;
    bool checkBeforeSave() override;
    QString questionBeforeWriting(const ArchiveFile &archive, qint64 ownPosition) override;
    void savingDeclined() override;
    void fieldKeyReleased(QWidget *field) override;
    void fieldFocusLost(QWidget *field) override;
    void showCardRecord(const Record &record) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLogoButton();
    void resetReceipt();
    void putToday();
    // The status line reminds of the revenue stamp while the amount on
    // screen is above the threshold of the settings.
    void updateStampReminder();

    QToolButton *m_logoButton = nullptr;
    QWidget *m_wordsBar = nullptr;
    QWidget *m_words = nullptr;
};
