// The files that tell the desktop about the programs, checked with the tools
// that desktops and Debian use.

#include "DrawingFileTypes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString desktopDir = QStringLiteral(PLANDRAW_SOURCE_DIR "/resources/desktop");
const QString desktopEntry = desktopDir + QStringLiteral("/" PLANDRAW_APP_ID ".desktop");

// Exit code (-1 when it did not run), standard output and error together.
std::pair<int, QString> runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// KEY=VALUE entries by "group/key"; empty unless every line is a comment,
// a [group] header or an entry, and no key repeats within its group.
QMap<QString, QString> readKeyFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression line(QStringLiteral(
        "^(?:\\[([^\\[\\]]+)\\]|([A-Za-z0-9-]+(?:\\[[^\\]]+\\])?)\\s*=\\s*(.*)|#.*|)$"));
    QMap<QString, QString> entries;
    QString group;
    for (const QString &text : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const auto match = line.match(text);
        if (!match.hasMatch())
            return {};
        if (match.hasCaptured(1))
            group = match.captured(1);
        const QString key = group + QLatin1Char('/') + match.captured(2);
        if (match.hasCaptured(2) && (group.isEmpty() || entries.contains(key)))
            return {};
        if (match.hasCaptured(2))
            entries.insert(key, match.captured(3));
    }
    return entries;
}

QStringList listValue(const QString &value)
{
    return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

} // namespace

class TestDesktopFiles : public QObject
{
    Q_OBJECT

private slots:
    // File managers run the thumbnailer for every type we open; the desktop
    // entry offers the viewer for types we open, and the one the shared MIME
    // database lacks is registered by our own file.
    void thumbnailerAndDesktopEntry()
    {
        const auto thumbnailer = readKeyFile(QStringLiteral(PLANDRAW_THUMBNAILER_FILE));
        QCOMPARE(thumbnailer.value(QStringLiteral("Thumbnailer Entry/TryExec")),
                 QStringLiteral("plandraw-thumbnailer"));
        QCOMPARE(thumbnailer.value(QStringLiteral("Thumbnailer Entry/Exec")),
                 QStringLiteral("plandraw-thumbnailer -s %s %i %o"));
        const QStringList thumbnailed
            = listValue(thumbnailer.value(QStringLiteral("Thumbnailer Entry/MimeType")));
        QCOMPARE(thumbnailed, DrawingFileTypes::mimeTypes());

        const QString validator
            = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            const auto [code, output] = runTool(validator, {desktopEntry});
            QVERIFY2(code == 0 && output.isEmpty(), qPrintable(output));
        }
        const auto entry = readKeyFile(desktopEntry);
        QCOMPARE(entry.value(QStringLiteral("Desktop Entry/Exec")), QStringLiteral("plandraw %F"));
        const QStringList opened = listValue(entry.value(QStringLiteral("Desktop Entry/MimeType")));
        QVERIFY(!opened.isEmpty());
        for (const QString &type : opened)
            QVERIFY2(thumbnailed.contains(type), qPrintable(type));

        QFile mime(desktopDir + QStringLiteral("/plandraw-visio.xml"));
        QVERIFY(mime.open(QIODevice::ReadOnly));
        const QByteArray registered = mime.readAll();
        for (const DrawingFileTypes::FileType &type : DrawingFileTypes::all()) {
            if (type.suffix == QLatin1String("vdx"))
                QVERIFY(registered.contains("type=\"" + type.mimeType.toUtf8() + '"'));
        }
    }

    // Software centres read the metadata: valid, naming the desktop entry,
    // every type we open and this version.
    void appStreamMetadata()
    {
        const QString appstreamcli = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (appstreamcli.isEmpty())
            QSKIP("appstreamcli not installed (scripts/install-deps.sh installs it)");
        const QString metainfo = QStringLiteral(PLANDRAW_METAINFO_FILE);
        const auto [code, output] = runTool(appstreamcli,
                                            {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             QStringLiteral("--pedantic"), metainfo});
        QVERIFY2(code == 0
                     && !output.contains(QRegularExpression(QStringLiteral("^[EWIP]:"),
                                                            QRegularExpression::MultilineOption)),
                 qPrintable(output));

        QFile file(metainfo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QMap<QString, QStringList> elements;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("release"))
                elements[QStringLiteral("release")]
                    << xml.attributes().value(QStringLiteral("version")).toString();
            else if (xml.name() == QLatin1String("id") || xml.name() == QLatin1String("launchable")
                     || xml.name() == QLatin1String("mediatype"))
                elements[xml.name().toString()] << xml.readElementText();
        }
        QCOMPARE(elements.value(QStringLiteral("id")),
                 QStringList{QStringLiteral(PLANDRAW_APP_ID)});
        QCOMPARE(QDir(desktopDir).filePath(elements.value(QStringLiteral("launchable")).value(0)),
                 desktopEntry);
        QCOMPARE(elements.value(QStringLiteral("mediatype")), DrawingFileTypes::mimeTypes());
        QCOMPARE(elements.value(QStringLiteral("release")).value(0),
                 QStringLiteral(PLANDRAW_VERSION));
    }

    // Each page renders without a warning from man or groff, under its own
    // name and with the program's options.
    void manualPages()
    {
        const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
        if (man.isEmpty())
            QSKIP("man not installed (scripts/install-deps.sh installs it)");
        for (const QString program :
             {"plandraw", "plandraw-export", "plandraw-trace", "plandraw-thumbnailer"}) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
            environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
            process.setProcessEnvironment(environment);
            process.start(
                man,
                {QStringLiteral("--warnings"), QStringLiteral("-l"),
                 QStringLiteral(PLANDRAW_BINARY_DIR "/packaging/man/%1.1.gz").arg(program)});
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), 0);
            const QString warnings = QString::fromUtf8(process.readAllStandardError());
            QVERIFY2(warnings.isEmpty(), qPrintable(program + warnings));
            const QString page = QString::fromUtf8(process.readAllStandardOutput());
            QVERIFY2(page.contains(QRegularExpression(QStringLiteral("^NAME\\n\\s+%1\\s+-\\s+\\w")
                                                          .arg(QRegularExpression::escape(program)),
                                                      QRegularExpression::MultilineOption)),
                     qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("--help"))
                         && page.contains(QStringLiteral(PLANDRAW_VERSION)),
                     qPrintable(page));
            // The synopsis names the program, not the build folder it ran from.
            QVERIFY2(!page.contains(QStringLiteral(PLANDRAW_BINARY_DIR)), qPrintable(page));
        }
    }
};

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
