#include "engine/receipts/RevenueStamp.h"

#include "engine/receipts/ReceiptAmount.h"
#include "engine/settings/IniFile.h"
#include "engine/text/EuroAmount.h"
#include "engine/text/TextRules.h"

namespace {

const QString kSection = QStringLiteral("Marca da bollo");

qint64 amountSetting(const IniFile &settings, const QString &key, qint64 fallback)
{
    const std::optional<qint64> cents = EuroAmount::parseCents(settings.readString(kSection, key));
    return cents && *cents >= 0 ? *cents : fallback;
}

} // namespace

namespace RevenueStamp {

Settings read(const QString &settingsPath)
{
    const IniFile settings(settingsPath);
    const Settings defaults;
    return {amountSetting(settings, QStringLiteral("Soglia"), defaults.thresholdCents),
            amountSetting(settings, QStringLiteral("Importo"), defaults.stampCents)};
}

std::optional<qint64> amountOfBoxes(const QString &euros, const QString &cents)
{
    const ReceiptAmountBoxes saved = normaliseForSave({euros, cents, QString(), QString()});
    if (!TextRules::isDigitsOnly(TextRules::trimmed(saved.importo))
        || !TextRules::isDigitsOnly(TextRules::trimmed(saved.cents)))
        return std::nullopt;
    return EuroAmount::parseCents(saved.intero);
}

QString reminder(qint64 amountCents, const Settings &settings)
{
    if (amountCents <= settings.thresholdCents)
        return QString();
    return QStringLiteral("Importo superiore a %1: applicare la marca da bollo da %2 sull'originale.")
        .arg(EuroAmount::withEuroSign(settings.thresholdCents), EuroAmount::withEuroSign(settings.stampCents));
}

} // namespace RevenueStamp
