#include "TranslationCatalogues.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
struct Message
{
    QString context;
    QString source;
    QStringList translations; // one per plural form
    bool finished = true;
    bool numerus = false;
};

QList<Message> readCatalogue(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message{context, {}, {}, true, xml.attributes().value("numerus") == QLatin1String("yes")};
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value("type");
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            current.finished = type.isEmpty();
            if (current.numerus) {
                while (xml.readNextStartElement())
                    current.translations << xml.readElementText();
            } else {
                current.translations << xml.readElementText();
            }
            messages << current;
        }
    }
    return messages;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    QSet<QString> found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

bool hasMnemonic(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("&[^& ]")));
}
} // namespace

// Every catalogue under translations/ is complete, keeps the placeholders
// and menu mnemonics of its sources, and is built into the program.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyCatalogueIsCompleteAndBuiltIn_data();
    void everyCatalogueIsCompleteAndBuiltIn();
    void qtCataloguesOfEveryLanguageAreBuiltIn();
    void aMissingCatalogueLeavesTheTranslatorEmpty();
};

void TestTranslations::everyCatalogueIsCompleteAndBuiltIn_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(PLANDRAW_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("Translation_*.ts")}, QDir::Files);
    QVERIFY(files.size() >= 7);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
}

void TestTranslations::everyCatalogueIsCompleteAndBuiltIn()
{
    QFETCH(QString, path);
    const QList<Message> messages = readCatalogue(path);
    QVERIFY(!messages.isEmpty());

    const QString suffix = QFileInfo(path).baseName().section(QLatin1Char('_'), 1);
    QTranslator translator;
    QVERIFY(TranslationCatalogues::load(&translator, TranslationCatalogues::appCatalogue(suffix)));

    for (const Message &message : messages) {
        const QString where = message.context + QStringLiteral(": ") + message.source;
        QVERIFY2(message.finished, qPrintable(where));
        QVERIFY2(!message.translations.isEmpty(), qPrintable(where));
        for (const QString &translation : message.translations) {
            QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(where));
            QCOMPARE(placeholders(translation), placeholders(message.source));
            QCOMPARE(hasMnemonic(translation), hasMnemonic(message.source));
        }
        // What lrelease built is what the sources say.
        const QString built = translator.translate(message.context.toUtf8().constData(),
                                                   message.source.toUtf8().constData(), nullptr,
                                                   message.numerus ? 1 : -1);
        QVERIFY2(!built.isEmpty(), qPrintable(where));
    }
}

void TestTranslations::qtCataloguesOfEveryLanguageAreBuiltIn()
{
    for (const char *suffix : {"en", "fr", "pt", "it", "de", "es", "ja"}) {
        QTranslator translator;
        QVERIFY2(TranslationCatalogues::load(&translator, TranslationCatalogues::qtCatalogue(QLatin1String(suffix))),
                 suffix);
    }
    QTranslator german;
    QVERIFY(TranslationCatalogues::load(&german, TranslationCatalogues::qtCatalogue(QStringLiteral("de"))));
    QCOMPARE(german.translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestTranslations::aMissingCatalogueLeavesTheTranslatorEmpty()
{
    QTranslator translator;
    QVERIFY(TranslationCatalogues::load(&translator, TranslationCatalogues::appCatalogue(QStringLiteral("de"))));
    QVERIFY(!TranslationCatalogues::load(&translator, TranslationCatalogues::appCatalogue(QStringLiteral("xx"))));
    QVERIFY(translator.isEmpty());
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
