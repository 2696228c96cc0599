#include "AppConfig.h"

#include "ProductConstants.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace {
const QString kLanguageKey = QStringLiteral("language");
const QString kLastOpenPathKey = QStringLiteral("LastOpenPath");
const QString kLastSavePathKey = QStringLiteral("LastSavePath");
constexpr int kDefaultLanguage = 1; // English
} // namespace

AppConfig *AppConfig::m_instance = nullptr;

AppConfig *AppConfig::instance()
{
    if (!m_instance)
        m_instance = new AppConfig(nullptr);
    return m_instance;
}

AppConfig::AppConfig(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::setOrganizationName(g_organization);
    QCoreApplication::setApplicationName(QString(g_product_name).remove(QLatin1Char(' ')));
    m_settings = new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                               QCoreApplication::organizationName(),
                               QCoreApplication::applicationName(), this);
    m_settings->setFallbacksEnabled(false);
}

bool AppConfig::hasLanguageVal() const
{
    return m_settings->contains(kLanguageKey);
}

int AppConfig::getLanguageVal() const
{
    return m_settings->value(kLanguageKey, kDefaultLanguage).toInt();
}

void AppConfig::setLanguageVal(int value)
{
    m_settings->setValue(kLanguageKey, value);
    m_settings->sync();
}

QString AppConfig::getLastOpenPath() const
{
    return m_settings->value(kLastOpenPathKey, QDir::homePath()).toString();
}

void AppConfig::setLastOpenPath(const QString &path)
{
    m_settings->setValue(kLastOpenPathKey, path);
    m_settings->sync();
}

QString AppConfig::getLastSavePath() const
{
    return m_settings->value(kLastSavePathKey, QDir::homePath()).toString();
}

void AppConfig::setLastSavePath(const QString &path)
{
    m_settings->setValue(kLastSavePathKey, path);
    m_settings->sync();
}
