#include "engine/report/FontFamilies.h"

#include <QFontDatabase>

#include <array>

namespace Report::FontFamilies {

namespace {

struct StandIn
{
    QLatin1StringView designed;
    QLatin1StringView replacement;
};

constexpr std::array standIns{
    StandIn{QLatin1StringView("Arial"), QLatin1StringView("Liberation Sans")},
    StandIn{QLatin1StringView("Courier New"), QLatin1StringView("Liberation Mono")},
    StandIn{QLatin1StringView("Times New Roman"), QLatin1StringView("Liberation Serif")},
    StandIn{QLatin1StringView("Verdana"), QLatin1StringView("DejaVu Sans")},
    StandIn{QLatin1StringView("Tahoma"), QLatin1StringView("DejaVu Sans")},
};

bool isInstalled(const QString &family, const QStringList &installed)
{
    return installed.contains(family, Qt::CaseInsensitive);
}

// The system's families, read once: the font list does not change while
// the program prints. An empty list (asked before the application had its
// fonts) is not kept, so that a later call reads the real one.
const QStringList &systemFamilies()
{
    static QStringList families;
    if (families.isEmpty())
        families = QFontDatabase::families();
    return families;
}

} // namespace

QString resolve(const QString &designed, const QStringList &installed)
{
    if (isInstalled(designed, installed))
        return designed;
    for (const StandIn &standIn : standIns) {
        if (designed.compare(standIn.designed, Qt::CaseInsensitive) == 0) {
            if (isInstalled(standIn.replacement, installed))
                return QString(standIn.replacement);
            break;
        }
    }
    return designed;
}

QString resolve(const QString &designed)
{
    return resolve(designed, systemFamilies());
}

QFont font(const TextFont &look)
{
    QFont result(resolve(look.family));
    result.setPointSizeF(look.pointSize);
    result.setBold(look.bold);
    result.setItalic(look.italic);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

} // namespace Report::FontFamilies
