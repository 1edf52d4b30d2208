#pragma once

#include <QString>

// The maker's addresses, shown and opened by the home window.
namespace MakerInfo {

inline QString webAddress()
{
    return QStringLiteral("https://www.vacanzio.it");
}

} // namespace MakerInfo
