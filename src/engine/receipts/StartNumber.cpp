#include "engine/receipts/StartNumber.h"

#include "engine/text/TextRules.h"

#include <QRegularExpression>

#include <limits>

namespace StartNumber {

namespace {

const QString Fallback = QStringLiteral("1");

} // namespace

QString afterFocusLoss(const QString &text)
{
    const QString trimmed = TextRules::trimmed(text);
    if (trimmed.isEmpty())
        return Fallback;

    // ',' is the program's decimal separator. The field takes digits only
    // from the keyboard, so anything else has been pasted; a sign or an
    // exponent is not a start number.
    static const QRegularExpression number(QStringLiteral("^([0-9]*)(?:,([0-9]*))?$"));
    const QRegularExpressionMatch parts = number.match(trimmed);
    const QString whole = parts.captured(1);
    const QString decimals = parts.captured(2);
    if (!parts.hasMatch() || (whole.isEmpty() && decimals.isEmpty()))
        return Fallback;

    qint64 value = 0;
    if (!whole.isEmpty()) {
        bool ok = false;
        value = whole.toLongLong(&ok);
        if (!ok)
            return Fallback;
    }
    // Only the first decimal digit decides: from 5 on, the half goes up.
    if (!decimals.isEmpty() && decimals.at(0) >= QLatin1Char('5')) {
        if (value == std::numeric_limits<qint64>::max())
            return Fallback;
        ++value;
    }
    return QString::number(value);
}

} // namespace StartNumber
