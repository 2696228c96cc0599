#include "AppInitialization.h"

#include "BookmarkManager.h"
#include "CrashReporter.h"
#include "Log.h"
#include "ProductConstants.h"
#include "ProductMeta.h"
#include "ServiceFoundation.h"
#include "UpdatesService.h"
#include "UserFolders.h"

AppInitialization *AppInitialization::m_instance = nullptr;

AppInitialization *AppInitialization::instance()
{
    if (!m_instance)
        m_instance = new AppInitialization();
    return m_instance;
}

AppInitialization::AppInitialization()
{
    BookmarkManager::instance()->setName(g_product_name);
    mkdirConfigDir();
    initTlBaseService();
    initSentryService();
    ServiceFoundation::startUp(true);
}

void AppInitialization::release()
{
    Log::info(QStringLiteral("Program is exiting."));
    ServiceFoundation::close();
    CrashReporter::end();
    delete m_instance;
    m_instance = nullptr;
}

void AppInitialization::mkdirConfigDir()
{
    UserFolders::createAll();
}

void AppInitialization::initTlBaseService()
{
    Log::initialize(UserFolders::logDir());
    Log::info(QStringLiteral("Program startup: initialization in progress..."));

    auto meta = ProductMeta::create(g_product_id);
    meta->setVersion(g_version);
    meta->setCompany(g_organization);
    UpdatesService::shared().setProductMeta(meta, true);
}

void AppInitialization::initSentryService()
{
    CrashReporter::start(g_sentry_sdk_dsn);
}
