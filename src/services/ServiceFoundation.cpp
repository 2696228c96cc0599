#include "ServiceFoundation.h"

#include "Log.h"

bool ServiceFoundation::m_started = false;

void ServiceFoundation::startUp(bool enabled)
{
    m_started = enabled;
}

void ServiceFoundation::close()
{
    m_started = false;
    Log::shutdown();
}
