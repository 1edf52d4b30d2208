#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The revenue stamp ("marca da bollo") that a receipt for more than a set
// amount must carry on its original. The threshold and the stamp's value
// are settings, in Ricevute_Generiche.ini, section "Marca da bollo", keys
// "Soglia" and "Importo" ("77,47" and "2,00" when absent or unreadable),
// read at every check so that a changed setting counts at once.
namespace RevenueStamp {

struct Settings
{
    qint64 thresholdCents = 7747;
    qint64 stampCents = 200;
};

Settings read(const QString &settingsPath);

// The amount of the receipt's euro and cents boxes as it would be saved
// (an empty euro box is 0, a single cent digit is tens of cents); nothing
// when the boxes do not hold an amount.
std::optional<qint64> amountOfBoxes(const QString &euros, const QString &cents);

// The reminder for the status line, "Importo superiore a € 77,47: applicare
// la marca da bollo da € 2,00 sull'originale.", when `amountCents` is more
// than the threshold; empty otherwise.
QString reminder(qint64 amountCents, const Settings &settings);

} // namespace RevenueStamp
