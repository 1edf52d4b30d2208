#include "engine/platform/Platform.h"

#include <QtGlobal>

namespace {
Platform *installedPlatform = nullptr;
}

Platform &platform()
{
    // The program installs the real platform before it creates a window;
    // reaching this without one is a programming error, not a user's.
    if (!installedPlatform)
        qFatal("Vacanzio: no platform installed");
    return *installedPlatform;
}

void setPlatform(Platform *replacement)
{
    installedPlatform = replacement;
}
