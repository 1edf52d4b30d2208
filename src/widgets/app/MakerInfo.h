#pragma once

#include <QString>

// The maker's name and addresses, shown and opened by the home,
// information and splash windows.
namespace MakerInfo {

inline QString makerName()
{
    return QStringLiteral("Vacanzio Software");
}

inline QString webAddress()
{
    return QStringLiteral("https://www.vacanzio.it");
}

inline QString emailAddress()
{
    return QStringLiteral("info@vacanzio.it");
}

} // namespace MakerInfo
