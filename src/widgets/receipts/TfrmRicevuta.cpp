#include "widgets/receipts/TfrmRicevuta.h"

#include "engine/platform/Platform.h"
#include "engine/receipts/AmountInWords.h"
#include "engine/receipts/ReceiptNumbers.h"
#include "engine/receipts/ReceiptAmount.h"
#include "engine/receipts/RevenueStamp.h"
#include "engine/settings/IniFile.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"
#include "widgets/app/GuideLauncher.h"
#include "widgets/contracts/ContractLists.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/print/DocumentWindow.h"
#include "widgets/receipts/ReceiptCard.h"
#include "widgets/receipts/TfrmLogo.h"
#include "widgets/receipts/TfrmNumerazione.h"
#include "widgets/search/OpenSearch.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QToolButton>

#include <limits>
#include <optional>

namespace {

const QString kSettingsFile = QStringLiteral("Ricevute_Generiche.ini");
const QString kPayeeSection = QStringLiteral("Ricevente");
const QString kNumberingSection = QStringLiteral("Numerazione Ricevute");
const QString kStartKey = QStringLiteral("Inizio");

QString payeeField(int line)
{
    return QStringLiteral("Ricevente%1").arg(line, 2, 10, QLatin1Char('0'));
}

QString payeeKey(int line)
{
    return QStringLiteral("Rigo %1").arg(line);
}

// The start number of the settings as a whole number (an optional sign and
// digits); nothing for any other text.
std::optional<qint64> wholeNumber(const QString &text)
{
    const QString digits = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? text.mid(1) : text;
    if (!TextRules::isDigitsOnly(digits))
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

TfrmRicevuta::TfrmRicevuta(QWidget *parent)
    : CardWindow(receiptCardTable(), parent)
{
    DocumentWindows::provideButtons(*this, PrintedDocument::Receipt);
    provideAction(QStringLiteral("cmdTrova"), [this] { openSearch(this, SearchArchive::Receipts); });
    provideAction(QStringLiteral("cmdEsporta"), [this] { openExportWindow(this, ExportArchive::Ricevute); });
    provideAction(QStringLiteral("impPagatore"), [this] { openTenantImport(this, QStringLiteral("ricevuta")); });
    provideAction(QStringLiteral("cmdGuida"), [this] { showGuide(this, GuideTopic::Receipts); });
    buildLogoButton();
    provideAction(QStringLiteral("cmdNumerazione"), [this] {
        TfrmNumerazione numbering(this);
        numbering.setCallerTag(QStringLiteral("ricevute"));
        numbering.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione ricevute"));
        numbering.exec();
    });
    m_words = fieldControl(QStringLiteral("ImpLettere"));
    m_wordsBar = findChild<QWidget *>(QStringLiteral("bkgLettere"));
    // The words cannot be typed: a click on them says where the amount goes.
    m_words->installEventFilter(this);
    m_wordsBar->installEventFilter(this);
    m_words->setCursor(Qt::IBeamCursor);
}

void TfrmRicevuta::buildLogoButton()
{
    auto *receipt = findChild<QWidget *>(QStringLiteral("bkgRicevuta"));
    m_logoButton = new QToolButton(receipt);
    m_logoButton->setObjectName(QStringLiteral("cmdLogo"));
    m_logoButton->setText(QStringLiteral("LOGO"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(20);
    font.setBold(true);
    m_logoButton->setFont(font);
    m_logoButton->setFocusPolicy(Qt::NoFocus);
    m_logoButton->setCursor(Qt::PointingHandCursor);
    m_logoButton->setStyleSheet(QStringLiteral("QToolButton { color: rgb(120, 130, 150); background: white; "
                                               "border: 2px dashed rgb(150, 160, 185); border-radius: 6px; }"));
    m_logoButton->setGeometry(16, 14, 214, 122);
    setHint(m_logoButton, QStringLiteral("Carica il logo della Ditta del beneficiario."));
    connect(m_logoButton, &QToolButton::clicked, this, [this] {
        // The logo takes effect at the next print; the button keeps its look.
        TfrmLogo logo(this);
        logo.exec();
    });
}

QString TfrmRicevuta::settingsPath()
{
    return platform().programFolder() + kSettingsFile;
}

void TfrmRicevuta::setArchiveFile(const QString &path)
{
    hiddenLabel(QStringLiteral("lblFile"))->setText(path);
    operations().setArchivePath(path);
}

QString TfrmRicevuta::archivePath() const
{
    return hiddenLabel(QStringLiteral("lblFile"))->text();
}

void TfrmRicevuta::putToday()
{
    setFieldText(QStringLiteral("Data"), DateText::format(platform().today()));
}

void TfrmRicevuta::prepareOnShow()
{
    const IniFile settings(settingsPath());
    for (int line = 1; line <= 4; ++line)
        setFieldText(payeeField(line), settings.readString(kPayeeSection, payeeKey(line)));
    for (const char *name : {"NumRic", "Pagatore01", "Pagatore02", "Causale01", "Causale02", "Importo",
                             "ImpLettere", "Intero"})
        setFieldText(QString::fromLatin1(name), QString());
    setPosition(QString());
    setFieldText(QStringLiteral("Cents"), QStringLiteral("00"));
    setFieldText(QStringLiteral("CentLettere"), QStringLiteral("00"));
    putToday();
    updateStampReminder();
    focusField(QStringLiteral("Pagatore01"));
}

void TfrmRicevuta::beforeClose()
{
    // The payee's block comes back at the next use of the module, whatever
    // the year. Failing to write it is not worth a message.
    IniFile settings(settingsPath());
    for (int line = 1; line <= 4; ++line)
        settings.writeString(kPayeeSection, payeeKey(line), TextRules::trimmed(fieldText(payeeField(line))));
}

void TfrmRicevuta::resetReceipt()
{
    putToday();
    setFieldText(QStringLiteral("Cents"), QStringLiteral("00"));
    setFieldText(QStringLiteral("CentLettere"), QStringLiteral("00"));
    setFieldText(QStringLiteral("Intero"), QStringLiteral("0,00"));
    for (const char *name : {"Importo", "ImpLettere", "Pagatore01", "Pagatore02", "Causale01", "Causale02"})
        setFieldText(QString::fromLatin1(name), QString());
    setPosition(QString());
    updateStampReminder();
}

void TfrmRicevuta::newCard()
{
    QLabel *start = hiddenLabel(QStringLiteral("lblInizio"));
    const QString stored = TextRules::trimmed(IniFile(settingsPath()).readString(kNumberingSection, kStartKey));
    start->setText(stored.isEmpty() ? QStringLiteral("1") : stored);

    const qint64 records = operations().countRecords();
    if (records < 0) {
        CardOperations::showAccessDenied(MessageKind::Error);
        return;
    }
    resetReceipt();
    // The number counts the receipts already stored, from the start number.
    const std::optional<qint64> first = wholeNumber(start->text());
    if (!first || *first > std::numeric_limits<qint64>::max() - records) {
        CardOperations::showAccessDenied(MessageKind::Error);
        return;
    }
    setFieldText(QStringLiteral("NumRic"), QString::number(*first + records));
    focusField(QStringLiteral("Pagatore01"));
}

void TfrmRicevuta::prepareDuplicate()
{
    setFieldText(QStringLiteral("NumRic"), QString());
    putToday();
}

bool TfrmRicevuta::checkBeforeSave()
{
    // The amount is made whole first, whether or not the checks let the
    // receipt through.
    const ReceiptAmountBoxes amount = normaliseForSave({fieldText(QStringLiteral("Importo")),
                                                        fieldText(QStringLiteral("Cents")),
                                                        fieldText(QStringLiteral("CentLettere")),
                                                        fieldText(QStringLiteral("Intero"))});
    setFieldText(QStringLiteral("Importo"), amount.importo);
    setFieldText(QStringLiteral("Cents"), amount.cents);
    setFieldText(QStringLiteral("CentLettere"), amount.centLettere);
    setFieldText(QStringLiteral("Intero"), amount.intero);
    updateStampReminder();

    struct Check
    {
        const char *field;
        bool (*fails)(const QString &text);
        const char *message;
    };
    static const Check checks[] = {
        {"NumRic", [](const QString &text) { return TextRules::trimmed(text).isEmpty(); },
         "Attenzione: per salvare la scheda è necessario indicare il numero progressivo della ricevuta."},
        {"Data", [](const QString &text) { return TextRules::trimmed(text).isEmpty(); },
         "Attenzione: per salvare la scheda è necessario indicare la data di emissione della ricevuta."},
        {"Data", [](const QString &text) { return !DateText::parse(text).has_value(); },
         "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare "
         "una data valida nel formato gg/mm/anno."},
        {"Pagatore01", [](const QString &text) { return TextRules::trimmed(text).isEmpty(); },
         "Attenzione: per salvare la scheda è necessario indicare il nome del Pagatore."},
        {"Causale01", [](const QString &text) { return TextRules::trimmed(text).isEmpty(); },
         "Attenzione: per salvare la scheda è necessario indicare la causale del pagamento."},
    };
    for (const Check &check : checks) {
        const QString field = QString::fromLatin1(check.field);
        if (!check.fails(fieldText(field)))
            continue;
        platform().showMessage(MessageKind::Warning, QString::fromUtf8(check.message));
        focusField(field);
        return false;
    }
    return true;
}

QString TfrmRicevuta::questionBeforeWriting(const ArchiveFile &archive, qint64 ownPosition)
{
    const QString number = fieldText(QStringLiteral("NumRic"));
    const std::optional<ReceiptNumbers::UsedBy> used = ReceiptNumbers::findUsed(archive, number, ownPosition);
    return used ? ReceiptNumbers::duplicateQuestion(number, *used) : QString();
}

void TfrmRicevuta::savingDeclined()
{
    focusField(QStringLiteral("NumRic"));
}

void TfrmRicevuta::fieldKeyReleased(QWidget *field)
{
    if (field == fieldControl(QStringLiteral("Importo"))) {
        setFieldText(QStringLiteral("ImpLettere"),
                     wordsForEuroBox(fieldText(QStringLiteral("Importo")), fieldText(QStringLiteral("ImpLettere"))));
    } else if (field == fieldControl(QStringLiteral("Cents"))) {
        setFieldText(QStringLiteral("CentLettere"), centLettereAfterKeyRelease(fieldText(QStringLiteral("Cents"))));
    } else {
        return;
    }
    updateStampReminder();
}

void TfrmRicevuta::fieldFocusLost(QWidget *field)
{
    if (field != fieldControl(QStringLiteral("Cents")))
        return;
    const ReceiptAmountBoxes amount = centsAfterFocusLoss({fieldText(QStringLiteral("Importo")),
                                                           fieldText(QStringLiteral("Cents")),
                                                           fieldText(QStringLiteral("CentLettere")),
                                                           fieldText(QStringLiteral("Intero"))});
    if (amount.cents != fieldText(QStringLiteral("Cents")))
        setFieldText(QStringLiteral("Cents"), amount.cents);
    setFieldText(QStringLiteral("CentLettere"), amount.centLettere);
    updateStampReminder();
}

void TfrmRicevuta::showCardRecord(const Record &record)
{
    CardWindow::showCardRecord(record);
    updateStampReminder();
}

void TfrmRicevuta::updateStampReminder()
{
    // No message box: the window's messages stay as they are; the status
    // line says it while the amount calls for it.
    const std::optional<qint64> amount =
        RevenueStamp::amountOfBoxes(fieldText(QStringLiteral("Importo")), fieldText(QStringLiteral("Cents")));
    setRestingStatus(amount ? RevenueStamp::reminder(*amount, RevenueStamp::read(settingsPath())) : QString());
}

bool TfrmRicevuta::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_words || watched == m_wordsBar) && event->type() == QEvent::MouseButtonRelease) {
        platform().showMessage(MessageKind::Information,
                               QStringLiteral("Digitare l'importo in cifre nella casella del Totale.\n\r\n\r"
                                              "L'importo in lettere apparirà in automatico."));
        focusField(QStringLiteral("Importo"));
        return true;
    }
    return CardWindow::eventFilter(watched, event);
}
