#include "MultiLanguage.h"

#include "AppConfig.h"
#include "LanguageService.h"
#include "TranslationCatalogues.h"

#include <QCoreApplication>
#include <QLocale>

MultiLanguage *MultiLanguage::m_instance = nullptr;

MultiLanguage *MultiLanguage::instance()
{
    if (!m_instance)
        m_instance = new MultiLanguage(QCoreApplication::instance());
    return m_instance;
}

MultiLanguage::MultiLanguage(QObject *parent)
    : QObject(parent)
{
    // Installed once while empty; later loads replace their content in place.
    QCoreApplication::installTranslator(&m_appTranslator);
    QCoreApplication::installTranslator(&m_qtTranslator);
}

const QList<MultiLanguage::Language> &MultiLanguage::languages()
{
    static const QList<Language> table = {
        {5, QStringLiteral("Deutsch"), QStringLiteral("de"), LanguageService::German},
        {1, QStringLiteral("English"), QStringLiteral("en"), LanguageService::English},
        {6, QStringLiteral("Español"), QStringLiteral("es"), LanguageService::Spanish},
        {2, QStringLiteral("Français"), QStringLiteral("fr"), LanguageService::French},
        {4, QStringLiteral("Italiano"), QStringLiteral("it"), LanguageService::Italian},
        {3, QStringLiteral("Português"), QStringLiteral("pt"), LanguageService::Portuguese},
        {7, QStringLiteral("日本語"), QStringLiteral("ja"), LanguageService::Japanese},
    };
    return table;
}

const MultiLanguage::Language &MultiLanguage::language(int index)
{
    const QList<Language> &table = languages();
    for (const Language &entry : table) {
        if (entry.index == index)
            return entry;
    }
    return table.at(1);
}

int MultiLanguage::indexForLocale(const QLocale &locale)
{
    const QString suffix = TranslationCatalogues::suffixForLocale(locale);
    for (const Language &entry : languages()) {
        if (entry.suffix == suffix)
            return entry.index;
    }
    return 1;
}

void MultiLanguage::languageSwitch(int index)
{
    const Language &chosen = language(index);
    m_currentIndex = chosen.index;
    TranslationCatalogues::load(&m_appTranslator, TranslationCatalogues::appCatalogue(chosen.suffix));
    TranslationCatalogues::load(&m_qtTranslator, TranslationCatalogues::qtCatalogue(chosen.suffix));
    emit languageChanged();
    LanguageService::setLanguageCode(LanguageService::LanguageCode(chosen.serviceCode));
}

void MultiLanguage::initAppLanguage()
{
    AppConfig *config = AppConfig::instance();
    languageSwitch(config->hasLanguageVal() ? config->getLanguageVal()
                                            : indexForLocale(QLocale::system()));
}

QString MultiLanguage::multilingualLink(const QString &link)
{
    return link;
}
