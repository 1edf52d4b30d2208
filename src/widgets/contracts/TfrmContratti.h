#pragma once

#include "widgets/card/CardWindow.h"

// The contract window on Archivio_Contratti.pro. Beyond the shared card
// window it keeps the place of signing between runs, dates new and
// duplicated contracts today, takes the three dates from the date picker and
// checks a contract before saving it, asking first when the property is
// already let for part of the same period.
class TfrmContratti : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmContratti(QWidget *parent = nullptr);

    // The settings file that remembers the place of signing.
    QString settingsPath() const;

protected:
    void clearCard() override;
    void prepareDuplicate() override;
    bool checkBeforeSave() override;
    QString questionBeforeWriting(const ArchiveFile &archive, qint64 ownPosition) override;
    void savingDeclined() override;
    bool handleFieldKey(QWidget *field, QKeyEvent *event) override;
    void prepareOnShow() override;
    void beforeClose() override;

private:
    void openDatePicker(const QString &callerTag);
    void putToday();
};
