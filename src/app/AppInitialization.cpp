#include "AppInitialization.h"

AppInitialization *AppInitialization::m_instance = nullptr;

AppInitialization *AppInitialization::instance()
{
    if (!m_instance)
        m_instance = new AppInitialization();
    return m_instance;
}

AppInitialization::AppInitialization() = default;

void AppInitialization::release()
{
    delete m_instance;
    m_instance = nullptr;
}

void AppInitialization::mkdirConfigDir() {}
void AppInitialization::initTlBaseService() {}
void AppInitialization::initSentryService() {}
