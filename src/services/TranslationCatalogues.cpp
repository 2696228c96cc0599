#include "TranslationCatalogues.h"

#include "Log.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

static void registerCatalogues()
{
    Q_INIT_RESOURCE(plandraw_translations);
}

namespace {
const QString kFolder = QStringLiteral(":/translations/language/");

void ensureRegistered()
{
    // The resources live in a static library: nothing else pulls them in.
    static const bool registered = (registerCatalogues(), true);
    Q_UNUSED(registered);
}
} // namespace

QString TranslationCatalogues::appCatalogue(const QString &suffix)
{
    return kFolder + QStringLiteral("Translation_%1.qm").arg(suffix);
}

QString TranslationCatalogues::qtCatalogue(const QString &suffix)
{
    return kFolder + QStringLiteral("qt_%1.qm").arg(suffix);
}

bool TranslationCatalogues::load(QTranslator *translator, const QString &path)
{
    ensureRegistered();
    if (translator->load(path))
        return true;
    Log::warn(QStringLiteral("Translation catalogue %1 could not be loaded; its texts stay in English.")
                  .arg(path));
    return false;
}

QString TranslationCatalogues::suffixForLocale(const QLocale &locale)
{
    static const QStringList translated = {QStringLiteral("de"), QStringLiteral("en"),
                                           QStringLiteral("es"), QStringLiteral("fr"),
                                           QStringLiteral("it"), QStringLiteral("pt"),
                                           QStringLiteral("ja")};
    const QString language = locale.name().section(QLatin1Char('_'), 0, 0);
    return translated.contains(language) ? language : QString();
}

void TranslationCatalogues::installForSystemLocale()
{
    QCoreApplication *app = QCoreApplication::instance();
    const QString suffix = suffixForLocale(QLocale::system());
    if (!app || suffix.isEmpty())
        return;
    for (const QString &path : {appCatalogue(suffix), qtCatalogue(suffix)}) {
        auto *translator = new QTranslator(app);
        if (load(translator, path))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
