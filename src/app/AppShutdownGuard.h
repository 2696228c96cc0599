#pragma once

#include "AppInitialization.h"

// Put one in main() right after start-up: however main() is left, normally
// or by an exception, the services are shut down and "Program is exiting."
// is written.
class AppShutdownGuard
{
public:
    AppShutdownGuard() = default;
    ~AppShutdownGuard()
    {
        AppInitialization::instance();
        AppInitialization::release();
    }

    AppShutdownGuard(const AppShutdownGuard &) = delete;
    AppShutdownGuard &operator=(const AppShutdownGuard &) = delete;
};
