#include "AppConfig.h"

#include "ProductConstants.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <algorithm>

namespace {
const QString kLanguageKey = QStringLiteral("language");
const QString kLastOpenPathKey = QStringLiteral("LastOpenPath");
const QString kLastSavePathKey = QStringLiteral("LastSavePath");
const QString kRecentFilesKey = QStringLiteral("RecentFiles");
const QString kRecentPathKey = QStringLiteral("path");
// Entry numbers past this are not looked at, whatever a damaged file says.
constexpr int kMaxRecentEntryNumber = 100;
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

QStringList AppConfig::getRecentFiles() const
{
    // One entry per group, read by the groups present rather than by the
    // stored count: a damaged count or entry loses only itself.
    QList<int> numbers;
    m_settings->beginGroup(kRecentFilesKey);
    const QStringList groups = m_settings->childGroups();
    for (const QString &group : groups) {
        bool ok = false;
        const int number = group.toInt(&ok);
        if (ok && number >= 1 && number <= kMaxRecentEntryNumber)
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList paths;
    for (int number : std::as_const(numbers)) {
        const QVariant value = m_settings->value(QString::number(number) + QLatin1Char('/') + kRecentPathKey);
        if (value.typeId() == QMetaType::QString)
            paths.append(value.toString());
    }
    m_settings->endGroup();
    return paths;
}

void AppConfig::setRecentFiles(const QStringList &paths)
{
    m_settings->remove(kRecentFilesKey);
    m_settings->beginWriteArray(kRecentFilesKey, int(paths.size()));
    for (int i = 0; i < paths.size(); ++i) {
        m_settings->setArrayIndex(i);
        m_settings->setValue(kRecentPathKey, paths.at(i));
    }
    m_settings->endArray();
    m_settings->sync();
}
