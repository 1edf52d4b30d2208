#include "engine/reports/YearSummary.h"

#include "engine/settings/IniFile.h"
#include "engine/text/EuroAmount.h"
#include "engine/text/TextRules.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace {

const QString kSection = QStringLiteral("Riepilogo Annuale");
const QString kThresholdKey = QStringLiteral("Soglia Impresa");
const QString kFirstRateKey = QStringLiteral("Cedolare Prima");
const QString kOtherRateKey = QStringLiteral("Cedolare Altre");

constexpr std::array kPropertyColumns = {
    ReportColumn{"Immobile", 330, false},
    ReportColumn{"Locatore", 220, false},
    ReportColumn{"Codice fiscale", 160, false},
    ReportColumn{"Contratti", 80, true},
    ReportColumn{"Notti locate", 90, true},
    ReportColumn{"Canoni pattuiti €", 130, true},
    ReportColumn{"Ricevute", 80, true},
    ReportColumn{"Importo ricevute €", 130, true},
};

constexpr std::array kLandlordColumns = {
    ReportColumn{"Locatore", 220, false},
    ReportColumn{"Codice fiscale", 160, false},
    ReportColumn{"Immobili locati", 100, true},
    ReportColumn{"Canoni pattuiti €", 130, true},
    ReportColumn{"Cedolare secca (stima) €", 160, true},
    ReportColumn{"Nota", 400, false},
};

QString folded(const QString &text)
{
    return TextRules::upperAscii(TextRules::trimmed(text));
}

// A landlord by fiscal code, or by name when the contract has none.
QString landlordKey(const ReportStay &stay)
{
    return stay.landlordFiscalCode.isEmpty() ? QStringLiteral("N:") + folded(stay.landlord)
                                              : QStringLiteral("C:") + stay.landlordFiscalCode;
}

QString businessNote(int threshold)
{
    return QStringLiteral("Soglia di %1 immobili raggiunta: attività d'impresa").arg(threshold);
}

} // namespace

namespace YearSummary {

QString settingsFile()
{
    return QStringLiteral("Rovoziv.ini");
}

Settings readSettings(const QString &settingsPath)
{
    const IniFile ini(settingsPath);
    Settings settings;
    if (const auto threshold = parseThreshold(ini.readString(kSection, kThresholdKey)))
        settings.businessThreshold = *threshold;
    if (const auto rate = parseRate(ini.readString(kSection, kFirstRateKey)))
        settings.firstRateBasisPoints = *rate;
    if (const auto rate = parseRate(ini.readString(kSection, kOtherRateKey)))
        settings.otherRateBasisPoints = *rate;
    return settings;
}

std::optional<int> parseThreshold(const QString &text)
{
    const QString threshold = TextRules::trimmed(text);
    if (!TextRules::isDigitsOnly(threshold) || threshold.size() > kThresholdDigits || threshold.toInt() < 1)
        return std::nullopt;
    return threshold.toInt();
}

std::optional<qint64> parseRate(const QString &text)
{
    const std::optional<qint64> rate = EuroAmount::parseBasisPoints(text);
    if (!rate || *rate > 10000)
        return std::nullopt;
    return rate;
}

bool writeSettings(const QString &settingsPath, const Settings &settings)
{
    IniFile ini(settingsPath);
    return ini.writeString(kSection, kThresholdKey, QString::number(settings.businessThreshold))
        && ini.writeString(kSection, kFirstRateKey, EuroAmount::formatBasisPoints(settings.firstRateBasisPoints))
        && ini.writeString(kSection, kOtherRateKey, EuroAmount::formatBasisPoints(settings.otherRateBasisPoints));
}

Summary compute(const ReportStayList &stays, const QList<YearReceipt> &receipts, int year,
                const QByteArray &propertyKey, const Settings &settings)
{
    Summary summary;
    summary.year = year;
    summary.unreadableContracts = stays.unreadable;
    const QDate first(year, 1, 1);
    const QDate last(year, 12, 31);

    // One line per property and landlord.
    QList<PropertyLine> lines;
    QList<QString> lineLandlords;
    QHash<QByteArray, qsizetype> lineOf;
    QHash<QString, QSet<qsizetype>> linesOfTenant;
    for (const ReportStay &stay : stays.stays) {
        const bool begins = stay.arrival.year() == year;
        const int nights = ReportStays::nightsBetween(stay, first, last);
        if (!begins && nights == 0)
            continue;
        const QString landlord = landlordKey(stay);
        const QByteArray key = stay.property.key + '\x1e' + landlord.toUtf8();
        auto found = lineOf.constFind(key);
        if (found == lineOf.cend()) {
            found = lineOf.insert(key, lines.size());
            lines.append(PropertyLine{stay.property, stay.landlord, stay.landlordFiscalCode});
            lineLandlords.append(landlord);
        }
        PropertyLine &line = lines[*found];
        line.nights += nights;
        if (!begins)
            continue;
        ++line.contracts;
        if (stay.rentCents)
            line.rentCents += *stay.rentCents;
        else
            ++line.unreadableRents;
        linesOfTenant[folded(stay.tenant)].insert(*found);
    }

    for (const YearReceipt &receipt : receipts) {
        ++summary.receipts;
        const qint64 cents = receipt.amountCents.value_or(0);
        if (!receipt.amountCents)
            ++summary.unreadableReceipts;
        summary.receiptCents += cents;
        const QSet<qsizetype> owners = linesOfTenant.value(folded(receipt.payer));
        if (owners.size() != 1) {
            ++summary.unattributedReceipts;
            summary.unattributedCents += cents;
            continue;
        }
        PropertyLine &line = lines[*owners.cbegin()];
        ++line.receipts;
        line.receiptCents += cents;
    }

    // Every landlord over all their properties; then the lines chosen.
    QHash<QString, qsizetype> landlordOf;
    QList<QList<qint64>> rentsOf;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto found = landlordOf.constFind(lineLandlords.at(i));
        if (found == landlordOf.cend()) {
            found = landlordOf.insert(lineLandlords.at(i), summary.landlords.size());
            summary.landlords.append(LandlordLine{lines.at(i).landlord, lines.at(i).fiscalCode});
            rentsOf.append(QList<qint64>());
        }
        LandlordLine &landlord = summary.landlords[*found];
        ++landlord.properties;
        landlord.rentCents += lines.at(i).rentCents;
        rentsOf[*found].append(lines.at(i).rentCents);
    }
    for (qsizetype l = 0; l < summary.landlords.size(); ++l) {
        LandlordLine &landlord = summary.landlords[l];
        QList<qint64> &rents = rentsOf[l];
        // The lower rate on the property that saves the most.
        std::sort(rents.begin(), rents.end(), std::greater<>());
        for (qsizetype r = 0; r < rents.size(); ++r) {
            landlord.estimateCents += EuroAmount::percentOf(
                rents.at(r), r == 0 ? settings.firstRateBasisPoints : settings.otherRateBasisPoints);
        }
        landlord.business = landlord.properties >= settings.businessThreshold;
    }

    QSet<QString> chosenLandlords;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!propertyKey.isEmpty() && lines.at(i).property.key != propertyKey)
            continue;
        const PropertyLine &line = lines.at(i);
        summary.properties.append(line);
        chosenLandlords.insert(lineLandlords.at(i));
        summary.total.contracts += line.contracts;
        summary.total.nights += line.nights;
        summary.total.rentCents += line.rentCents;
        summary.total.unreadableRents += line.unreadableRents;
        summary.total.receipts += line.receipts;
        summary.total.receiptCents += line.receiptCents;
        if (!propertyKey.isEmpty())
            summary.propertyLabel = line.property.label;
    }
    if (!propertyKey.isEmpty()) {
        QList<LandlordLine> chosen;
        for (auto it = landlordOf.cbegin(); it != landlordOf.cend(); ++it) {
            if (chosenLandlords.contains(it.key()))
                chosen.append(summary.landlords.at(*it));
        }
        summary.landlords = chosen;
    }
    std::stable_sort(summary.properties.begin(), summary.properties.end(),
                     [](const PropertyLine &a, const PropertyLine &b) { return a.property.label < b.property.label; });
    std::stable_sort(summary.landlords.begin(), summary.landlords.end(),
                     [](const LandlordLine &a, const LandlordLine &b) {
                         return a.landlord != b.landlord ? a.landlord < b.landlord : a.fiscalCode < b.fiscalCode;
                     });
    return summary;
}

ReportTable table(const Summary &summary, const Settings &settings)
{
    ReportTable report;
    report.reportName = QStringLiteral("Riepilogo annuale");
    report.title = QStringLiteral("RIEPILOGO ANNUALE DELLE LOCAZIONI - ANNO %1").arg(summary.year);
    report.parameters = {
        QStringLiteral("Anno: %1.  Immobile: %2.")
            .arg(summary.year)
            .arg(summary.propertyLabel.isEmpty() ? QStringLiteral("tutti") : summary.propertyLabel),
        QStringLiteral("Ricevute emesse nell'anno: %1 per %2, di cui %3 per %4 non attribuite a un immobile.")
            .arg(summary.receipts)
            .arg(EuroAmount::withEuroSign(summary.receiptCents))
            .arg(summary.unattributedReceipts)
            .arg(EuroAmount::withEuroSign(summary.unattributedCents)),
    };

    ReportSection properties;
    properties.heading = QStringLiteral("Immobili");
    properties.sheetName = QStringLiteral("Immobili");
    properties.columns = kPropertyColumns;
    for (const PropertyLine &line : summary.properties) {
        properties.rows.append({line.property.label, line.landlord, line.fiscalCode, QString::number(line.contracts),
                                QString::number(line.nights), EuroAmount::format(line.rentCents),
                                QString::number(line.receipts), EuroAmount::format(line.receiptCents)});
    }
    const PropertyLine &total = summary.total;
    properties.totals = {QStringLiteral("Totale (%1 immobili)").arg(summary.properties.size()), QString(), QString(),
                         QString::number(total.contracts), QString::number(total.nights),
                         EuroAmount::format(total.rentCents), QString::number(total.receipts),
                         EuroAmount::format(total.receiptCents)};

    ReportSection landlords;
    landlords.heading = QStringLiteral("Locatori: immobili locati per brevi periodi e STIMA della cedolare secca");
    landlords.sheetName = QStringLiteral("Locatori (stima)");
    landlords.columns = kLandlordColumns;
    for (const LandlordLine &line : summary.landlords) {
        landlords.rows.append({line.landlord, line.fiscalCode, QString::number(line.properties),
                               EuroAmount::format(line.rentCents), EuroAmount::format(line.estimateCents),
                               line.business ? businessNote(settings.businessThreshold) : QString()});
    }
    report.sections = {properties, landlords};

    report.notes = {
        QStringLiteral("STIMA: la cedolare secca indicata è solo una stima, calcolata sui canoni pattuiti nei contratti "
                       "iniziati nell'anno (non sugli incassi), al %1 % sull'immobile con i canoni più alti e al %2 % "
                       "sugli altri; non sostituisce la dichiarazione dei redditi né il parere di un professionista.")
            .arg(EuroAmount::formatBasisPoints(settings.firstRateBasisPoints),
                 EuroAmount::formatBasisPoints(settings.otherRateBasisPoints)),
        QStringLiteral("Da %1 immobili locati per brevi periodi nello stesso anno l'attività si considera svolta in "
                       "forma d'impresa: la soglia si imposta nella finestra dei rapporti.")
            .arg(settings.businessThreshold),
        QStringLiteral("Contratti e canoni: i contratti con inizio nell'anno. Notti locate: le notti che cadono "
                       "nell'anno. Una ricevuta è attribuita all'immobile quando il pagatore è il conduttore di un suo "
                       "contratto dell'anno e di nessun altro immobile."),
    };
    if (total.unreadableRents > 0)
        report.notes.append(QStringLiteral("%1 contratti hanno un canone che non si legge come importo in euro: non "
                                           "è sommato.")
                                .arg(total.unreadableRents));
    if (summary.unreadableReceipts > 0)
        report.notes.append(QStringLiteral("%1 ricevute hanno un importo che non si legge: non è sommato.")
                                .arg(summary.unreadableReceipts));
    if (summary.unreadableContracts > 0)
        report.notes.append(ReportStays::unreadableContractsNote(summary.unreadableContracts));
    report.fileWords = QStringLiteral("Riepilogo annuale");
    report.fileData = QString::number(summary.year)
        + (summary.propertyLabel.isEmpty() ? QString() : QLatin1Char(' ') + summary.propertyLabel);
    return report;
}

} // namespace YearSummary
