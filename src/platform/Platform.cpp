#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace {
Platform *installedPlatform = nullptr;
}

Platform &platform()
{
    if (installedPlatform)
        return *installedPlatform;
    static QtPlatform qtPlatform;
    return qtPlatform;
}

void setPlatform(Platform *replacement)
{
    installedPlatform = replacement;
}
