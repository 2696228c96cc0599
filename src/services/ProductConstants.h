#pragma once

#include <QString>

// Product constants: the one place that names, versions and links the product.
extern const QString g_organization;
extern const QString g_product_name;
extern const QString g_version;
extern const QString g_product_id;
// Reverse-DNS name of the desktop entry and the AppStream metadata; the
// windows carry it so that desktops find their entry.
extern const QString g_app_id;

// macOS per-user folders, relative to the home directory. Other platforms use
// the XDG locations chosen by UserFolders.
extern const QString g_configDirPath;
extern const QString g_logDirPath;
extern const QString g_tempDirPath;

extern const QString g_sentry_sdk_dsn;

extern const QString g_link_product;
extern const QString g_link_guide;
extern const QString g_link_support;
extern const QString g_link_faq;
