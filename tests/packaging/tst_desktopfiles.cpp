// The files that tell the desktop about the programs: the desktop entry, the
// thumbnailer entry, the AppStream metadata, the file type and the manual
// pages. They are checked with the tools that desktops and Debian use.

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
const QString appId = QStringLiteral(PLANDRAW_APP_ID);

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Groups of a desktop-style key file, each a map of its keys; empty when the
// file does not parse: a line outside any group, or one that is neither a
// comment, a group header nor KEY=VALUE.
QMap<QString, QMap<QString, QString>> readKeyFile(const QString &path)
{
    QMap<QString, QMap<QString, QString>> groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression header(QStringLiteral("^\\[([^\\[\\]]+)\\]$"));
    static const QRegularExpression entry(QStringLiteral("^([A-Za-z0-9-]+(?:\\[[^\\]]+\\])?)\\s*=\\s*(.*)$"));
    QString group;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto h = header.match(line);
        const auto e = entry.match(line);
        if (h.hasMatch()) {
            group = h.captured(1);
            if (groups.contains(group))
                return {};
            groups[group];
        } else if (e.hasMatch() && !group.isEmpty() && !groups[group].contains(e.captured(1))) {
            groups[group].insert(e.captured(1), e.captured(2));
        } else {
            return {};
        }
    }
    return groups;
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
    // File managers run the thumbnailer for every type the viewer opens.
    void thumbnailerEntry()
    {
        const auto thumbnailer = readKeyFile(QStringLiteral(PLANDRAW_THUMBNAILER_FILE));
        QCOMPARE(thumbnailer.keys(), QStringList{QStringLiteral("Thumbnailer Entry")});
        const auto entry = thumbnailer.value(QStringLiteral("Thumbnailer Entry"));
        QCOMPARE(entry.value(QStringLiteral("TryExec")), QStringLiteral("plandraw-thumbnailer"));
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("plandraw-thumbnailer -s %s %i %o"));
        const QStringList thumbnailed = listValue(entry.value(QStringLiteral("MimeType")));
        QCOMPARE(thumbnailed, DrawingFileTypes::mimeTypes());

        const auto desktop = readKeyFile(QDir(desktopDir).filePath(appId + QStringLiteral(".desktop")));
        const QStringList opened =
            listValue(desktop.value(QStringLiteral("Desktop Entry")).value(QStringLiteral("MimeType")));
        QVERIFY(!opened.isEmpty());
        for (const QString &type : opened)
            QVERIFY2(thumbnailed.contains(type), qPrintable(type));
    }

    // The desktop entry names types we open, and the one the shared MIME
    // database lacks is registered by our own MIME file.
    void desktopEntryAndFileType()
    {
        const QString path = QDir(desktopDir).filePath(appId + QStringLiteral(".desktop"));
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            const Run run = runTool(validator, {path});
            QVERIFY2(run.exitCode == 0 && run.out.isEmpty(), qPrintable(run.out + run.err));
        }
        const auto entry = readKeyFile(path).value(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0), QStringLiteral("plandraw"));
        for (const QString &type : listValue(entry.value(QStringLiteral("MimeType"))))
            QVERIFY2(DrawingFileTypes::mimeTypes().contains(type), qPrintable(type));

        QFile mime(QDir(desktopDir).filePath(QStringLiteral("plandraw-visio.xml")));
        QVERIFY(mime.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&mime);
        QStringList registered;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("mime-type"))
                registered << xml.attributes().value(QStringLiteral("type")).toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (const DrawingFileTypes::FileType &type : DrawingFileTypes::all()) {
            if (type.suffix == QLatin1String("vdx"))
                QVERIFY2(registered.contains(type.mimeType), qPrintable(registered.join(' ')));
        }
    }

    // Software centres read the metadata; it names the desktop entry and
    // every type we open.
    void appStreamMetadata()
    {
        const QString metainfo = QStringLiteral(PLANDRAW_METAINFO_FILE);
        QCOMPARE(QFileInfo(metainfo).fileName(), appId + QStringLiteral(".metainfo.xml"));
        const QString appstreamcli = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (appstreamcli.isEmpty())
            QSKIP("appstreamcli not installed (scripts/install-deps.sh installs it)");
        const Run run = runTool(appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                               QStringLiteral("--pedantic"), metainfo});
        QVERIFY2(run.exitCode == 0 && !run.out.contains(QRegularExpression(QStringLiteral("^[EWIP]:"),
                                                                          QRegularExpression::MultilineOption)),
                 qPrintable(run.out + run.err));

        QFile file(metainfo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString id, launchable, release;
        QStringList mediaTypes;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("id"))
                id = xml.readElementText();
            else if (xml.name() == QLatin1String("launchable"))
                launchable = xml.readElementText();
            else if (xml.name() == QLatin1String("mediatype"))
                mediaTypes << xml.readElementText();
            else if (xml.name() == QLatin1String("release") && release.isEmpty())
                release = xml.attributes().value(QStringLiteral("version")).toString();
        }
        QCOMPARE(id, appId);
        QCOMPARE(launchable, appId + QStringLiteral(".desktop"));
        QVERIFY(QFile::exists(QDir(desktopDir).filePath(launchable)));
        QCOMPARE(mediaTypes, DrawingFileTypes::mimeTypes());
        QCOMPARE(release, QStringLiteral(PLANDRAW_VERSION));
    }

    void manualPages_data()
    {
        QTest::addColumn<QString>("program");
        for (const char *program : {"plandraw", "plandraw-export", "plandraw-trace", "plandraw-thumbnailer"})
            QTest::newRow(program) << QString::fromLatin1(program);
    }

    // Each page renders without a warning from man or groff, and has the
    // sections a reader looks for.
    void manualPages()
    {
        QFETCH(QString, program);
        const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
        if (man.isEmpty())
            QSKIP("man not installed (scripts/install-deps.sh installs it)");
        const QString page = QStringLiteral(PLANDRAW_BINARY_DIR "/packaging/man/%1.1.gz").arg(program);
        QVERIFY2(QFile::exists(page), qPrintable(page));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.start(man, {QStringLiteral("--warnings"), QStringLiteral("-l"), page});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.isEmpty(), qPrintable(err));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        for (const char *section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS"})
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("^%1$").arg(QLatin1String(section)),
                                                      QRegularExpression::MultilineOption)),
                     qPrintable(section));
        QVERIFY(text.contains(QRegularExpression(QRegularExpression::escape(program) + QStringLiteral("\\s+-\\s+\\w"))));
        QVERIFY(text.contains(QStringLiteral("--help")));
        QVERIFY(text.contains(QStringLiteral(PLANDRAW_VERSION)));
        // The synopsis names the program, not the build folder it ran from.
        QVERIFY2(!text.contains(QStringLiteral(PLANDRAW_BINARY_DIR)), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
