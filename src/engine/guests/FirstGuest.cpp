#include "engine/guests/FirstGuest.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/PoliceCodes.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <QDir>

namespace FirstGuest {

QChar sexFromFiscalCode(const QString &fiscalCode)
{
    const QString code = TextRules::upperAscii(TextRules::trimmed(fiscalCode));
    if (code.size() != 16)
        return {};
    bool number = false;
    const int day = code.mid(9, 2).toInt(&number);
    if (!number)
        return {};
    if (day >= 1 && day <= 31)
        return QLatin1Char('M');
    if (day >= 41 && day <= 71)
        return QLatin1Char('F');
    return {};
}

Guest fromContract(const Record &contract, const std::optional<Record> &tenantCard, const PlaceCode &placeCode)
{
    Guest guest;
    const QString tenant = TextRules::trimmed(contract.value(QStringLiteral("Conduttore")));
    const qsizetype blank = tenant.indexOf(QLatin1Char(' '));
    guest.surname = blank < 0 ? tenant : tenant.left(blank);
    guest.name = blank < 0 ? QString() : TextRules::trimmed(tenant.mid(blank + 1));

    const auto field = [&](const char *name) {
        const QString fromContract = contract.value(QLatin1String(name));
        if (!fromContract.isEmpty() || !tenantCard)
            return fromContract;
        return tenantCard->value(QLatin1String(name));
    };
    const QString cardSex = tenantCard ? tenantCard->value(QStringLiteral("SessoCon")).toUpper() : QString();
    guest.sex = cardSex == QLatin1String("M") || cardSex == QLatin1String("F")
        ? cardSex.at(0)
        : sexFromFiscalCode(contract.value(QStringLiteral("CodFiscCon")));
    guest.birthDate = DateText::parse(field("DataNascCon")).value_or(QDate());
    if (placeCode) {
        guest.birthPlace = placeCode(field("LuogoNascCon"), field("ProvNascCon"));
        guest.residence = placeCode(field("ComuneRes"), field("ProvRes"));
    }
    // Born in an Italian province: Italian, most likely; the user corrects it.
    const QString birthProvince = TextRules::upperAscii(TextRules::trimmed(field("ProvNascCon")));
    if (!guest.birthPlace.isEmpty() && !birthProvince.isEmpty() && birthProvince != QLatin1String("EE"))
        guest.citizenship = PoliceCodes::italyCode();
    return guest;
}

std::optional<Record> tenantCard(const QString &programFolder, const QString &fiscalCode)
{
    const QString wanted = TextRules::upperAscii(TextRules::trimmed(fiscalCode));
    if (wanted.isEmpty())
        return std::nullopt;
    const RecordLayout &layout = RecordLayouts::conduttore();
    ArchiveFile file(QDir(programFolder).filePath(layout.archiveName()), layout.recordSize());
    if (!file.open())
        return std::nullopt;
    std::optional<Record> found;
    file.scan([&](qint64, const QByteArray &bytes) {
        const Record card = Record::decode(layout, bytes);
        if (TextRules::upperAscii(card.value(QStringLiteral("CodFiscCon"))) == wanted)
            found = card;
        return true;
    });
    return found;
}

} // namespace FirstGuest
