#pragma once

#include <QString>

class QLocale;
class QTranslator;

// The interface-language catalogues built into the program: the program's
// own texts and Qt's standard texts, one pair per language, named by a
// language suffix ("de", "ja", ...).
class TranslationCatalogues
{
public:
    static QString appCatalogue(const QString &suffix);
    static QString qtCatalogue(const QString &suffix);

    // Loads one catalogue into the translator. A catalogue that is missing
    // or unreadable leaves the translator empty (source texts show) and
    // writes one warning to the log.
    static bool load(QTranslator *translator, const QString &path);

    // The suffix of the locale's language when the program has a catalogue
    // for it, otherwise empty.
    static QString suffixForLocale(const QLocale &locale);

    // Installs both catalogues of the system locale's language into the
    // running application, which owns them: a command-line tool speaks the
    // language of the terminal it runs in.
    static void installForSystemLocale();
};
