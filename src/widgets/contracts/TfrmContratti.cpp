#include "widgets/contracts/TfrmContratti.h"

#include "engine/contracts/BookingOverlap.h"
#include "engine/contracts/ContractChecks.h"
#include "engine/platform/Platform.h"
#include "engine/settings/IniFile.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"
#include "widgets/app/GuideLauncher.h"
#include "widgets/contracts/ContractCard.h"
#include "widgets/contracts/ContractLists.h"
#include "widgets/contracts/TfrmCalendario.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/guests/GuestsLauncher.h"
#include "widgets/print/DocumentWindow.h"
#include "widgets/search/OpenSearch.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

const QString kSettingsFile = QStringLiteral("Rovoziv.ini");
const QString kSection = QStringLiteral("Contratti Locazione");
const QString kPlaceKey = QStringLiteral("Luogo");

// The date fields and the picker's caller tag for each.
struct DateFieldTag
{
    const char *control;
    const char *callerTag;
};
constexpr DateFieldTag kDateFields[] = {
    {"txtInizioCon", "contratti_iniziocon"},
    {"txtFineCon", "contratti_finecon"},
    {"txtData", "contratti_data"},
};

bool isModifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

} // namespace

TfrmContratti::TfrmContratti(QWidget *parent)
    : CardWindow(contractCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::Contract);
    provideAction(QStringLiteral("cmdTrova"), [this] { openSearch(this, SearchArchive::Contracts); });
    provideAction(QStringLiteral("cmdEsporta"), [this] { openExportWindow(this, ExportArchive::Contratti); });
    provideAction(QStringLiteral("impLocatore"), [this] { openLandlordImport(this); });
    provideAction(QStringLiteral("impConduttore"), [this] { openTenantImport(this, QStringLiteral("contratti")); });
    provideAction(QStringLiteral("cmdNumerazione"), [this] { openNonExpiredContracts(this); });
    provideAction(QStringLiteral("cmdGuida"), [this] { showGuide(this, GuideTopic::Contracts); });
    provideAction(QStringLiteral("cmdOspiti"), [this] { openGuests(this, cardRecord(), storedPosition()); });
}

QString TfrmContratti::settingsPath() const
{
    return platform().programFolder() + kSettingsFile;
}

void TfrmContratti::putToday()
{
    setFieldText(QStringLiteral("Data"), DateText::format(platform().today()));
}

void TfrmContratti::clearCard()
{
    // A new contract keeps the place of signing and is dated today.
    const QString place = fieldText(QStringLiteral("Luogo"));
    clearAllFields();
    setFieldText(QStringLiteral("Luogo"), place);
    putToday();
}

void TfrmContratti::prepareDuplicate()
{
    putToday();
}

bool TfrmContratti::checkBeforeSave()
{
    const auto failure = firstFailedContractCheck([this](const QString &name) { return fieldText(name); });
    if (!failure)
        return true;
    platform().showMessage(failure->kind, failure->message);
    focusField(failure->focusField);
    return false;
}

QString TfrmContratti::questionBeforeWriting(const ArchiveFile &archive, qint64 ownPosition)
{
    const std::optional<BookingOverlap::Booking> booking
        = BookingOverlap::findOverlap(archive, cardRecord(), ownPosition);
    return booking ? BookingOverlap::question(*booking) : QString();
}

void TfrmContratti::savingDeclined()
{
    focusField(QStringLiteral("InizioCon"));
}

bool TfrmContratti::handleFieldKey(QWidget *field, QKeyEvent *event)
{
    for (const DateFieldTag &date : kDateFields) {
        if (field->objectName() != QLatin1String(date.control))
            continue;
        const int key = event->key();
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            setFieldText(field->objectName().mid(3), QString());
            return true;
        }
        // Enter follows the chain; moving between fields and bare modifier
        // keys are not a request for a date.
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab
            || isModifierOnly(key))
            return false;
        openDatePicker(QString::fromLatin1(date.callerTag));
        return true;
    }
    return false;
}

void TfrmContratti::openDatePicker(const QString &callerTag)
{
    TfrmCalendario picker(this);
    picker.setCallerTag(callerTag);
    picker.exec();
}

void TfrmContratti::prepareOnShow()
{
    setFieldText(kPlaceKey, IniFile(settingsPath()).readString(kSection, kPlaceKey));
    CardWindow::prepareOnShow();
}

void TfrmContratti::beforeClose()
{
    // The settings file is a convenience: a failure to write it is not
    // reported.
    IniFile(settingsPath()).writeString(kSection, kPlaceKey, TextRules::trimmed(fieldText(kPlaceKey)));
}
