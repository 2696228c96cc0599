#include "ProductConstants.h"

const QString g_organization = QStringLiteral("Bramwick");
const QString g_product_name = QStringLiteral("Bramwick Plandraw");
const QString g_version = QStringLiteral(PLANDRAW_VERSION);
const QString g_product_id = QStringLiteral("10013");
const QString g_app_id = QStringLiteral(PLANDRAW_APP_ID);

const QString g_configDirPath = QStringLiteral("/Library/Application Support/Bramwick/Plandraw/Config/");
const QString g_logDirPath = QStringLiteral("/Library/Application Support/Bramwick/Plandraw/Log/");
const QString g_tempDirPath = QStringLiteral("/Library/Application Support/Bramwick/Plandraw/Temp/");

const QString g_sentry_sdk_dsn = QString();

const QString g_link_product = QStringLiteral("https://www.bramwick.com/plandraw/");
const QString g_link_guide = QStringLiteral("https://www.bramwick.com/plandraw/guide/");
const QString g_link_support = QStringLiteral("https://www.bramwick.com/support/");
const QString g_link_faq = g_link_support;
