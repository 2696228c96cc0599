#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTranslator>

// The interface language: loads the catalogue pair of the chosen language
// into the two translators the application consults, tells listeners, and
// passes the choice on to the language service.
class MultiLanguage : public QObject
{
    Q_OBJECT

public:
    struct Language
    {
        int index;        // stored under "language"
        QString label;    // in the language itself, never translated
        QString suffix;   // catalogue suffix
        int serviceCode;  // LanguageService::LanguageCode
    };

    static MultiLanguage *instance();

    // In menu order.
    static const QList<Language> &languages();
    // Any index that names no language means English.
    static const Language &language(int index);
    // The language of the locale, English when there is no catalogue for it.
    static int indexForLocale(const QLocale &locale);

    void languageSwitch(int index);
    // The stored language, or the system's when the user has not chosen yet.
    void initAppLanguage();
    int currentIndex() const { return m_currentIndex; }

    static QString multilingualLink(const QString &link);

    const QTranslator &appTranslator() const { return m_appTranslator; }
    const QTranslator &qtTranslator() const { return m_qtTranslator; }

signals:
    void languageChanged();

private:
    explicit MultiLanguage(QObject *parent);

    static MultiLanguage *m_instance;
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
    int m_currentIndex = 1;
};
