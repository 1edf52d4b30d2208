#include "engine/text/ProgramFormats.h"

namespace ProgramFormats {

QString shortDateFormat()
{
    return QStringLiteral("dd/MM/yyyy");
}

QChar decimalSeparator()
{
    return QLatin1Char(',');
}

QLocale locale()
{
    return QLocale(QLocale::Italian, QLocale::Italy);
}

void install()
{
    QLocale::setDefault(locale());
}

} // namespace ProgramFormats
