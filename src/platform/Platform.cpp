#include "Platform.h"

#include "QtPlatform.h"

namespace {
Platform *g_platform = nullptr;
}

Platform &Platform::instance()
{
    if (g_platform)
        return *g_platform;
    static QtPlatform real;
    return real;
}

void Platform::install(Platform *platform)
{
    g_platform = platform;
}
