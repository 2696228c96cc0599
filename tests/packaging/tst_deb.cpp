// Builds the Debian package from this build, as scripts/package.sh does,
// and checks what is in it and what lintian says of it.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QString &program, const QStringList &arguments, const QString &directory = QString())
{
    QProcess process;
    process.setWorkingDirectory(directory);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestDeb : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_deb;

private slots:
    void initTestCase()
    {
        for (const char *tool : {"dpkg-deb", "dpkg-shlibdeps", "lintian"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 not installed (scripts/install-deps.sh installs it)")
                                     .arg(QLatin1String(tool))));
        }
        QVERIFY(m_dir.isValid());
        const Run cpack = runTool(QStringLiteral(PLANDRAW_CPACK),
                                  {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                   QStringLiteral(PLANDRAW_BINARY_DIR "/CPackConfig.cmake"),
                                   QStringLiteral("-B"), m_dir.path()},
                                  m_dir.path());
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.out + cpack.err));
        // dpkg-shlibdeps is skipped, with only a warning, when it cannot run.
        QVERIFY2(!cpack.out.contains(QLatin1String("CMake Warning")) && !cpack.err.contains(QLatin1String("Warning")),
                 qPrintable(cpack.out + cpack.err));
        const QString architecture = runTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).out.trimmed();
        m_deb = m_dir.filePath(QStringLiteral("plandraw_%1_%2.deb").arg(QLatin1String(PLANDRAW_VERSION), architecture));
        QVERIFY2(QFile::exists(m_deb), qPrintable(QDir(m_dir.path()).entryList().join(' ')));
    }

    void carriesEveryPart()
    {
        const Run list = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_deb});
        QCOMPARE(list.exitCode, 0);
        QStringList files;
        for (const QString &line : list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (!line.startsWith(QLatin1Char('d')))
                files << line.section(QLatin1Char(' '), -1).mid(1); // "./usr/…" to "/usr/…"
        }
        const QString id = QStringLiteral(PLANDRAW_APP_ID);
        QStringList expected = {
            QStringLiteral("/usr/bin/plandraw"),
            QStringLiteral("/usr/bin/plandraw-export"),
            QStringLiteral("/usr/bin/plandraw-trace"),
            QStringLiteral("/usr/bin/plandraw-thumbnailer"),
            QStringLiteral("/usr/share/applications/%1.desktop").arg(id),
            QStringLiteral("/usr/share/metainfo/%1.metainfo.xml").arg(id),
            QStringLiteral("/usr/share/mime/packages/plandraw-visio.xml"),
            QStringLiteral("/usr/share/thumbnailers/plandraw.thumbnailer"),
            QStringLiteral("/usr/share/icons/hicolor/scalable/apps/plandraw.svg"),
            QStringLiteral("/usr/share/icons/hicolor/48x48/apps/plandraw.png"),
            QStringLiteral("/usr/share/icons/hicolor/256x256/apps/plandraw.png"),
            QStringLiteral("/usr/share/doc/plandraw/copyright"),
            QStringLiteral("/usr/share/doc/plandraw/changelog.gz"),
        };
        for (const char *program : {"plandraw", "plandraw-export", "plandraw-trace", "plandraw-thumbnailer"})
            expected << QStringLiteral("/usr/share/man/man1/%1.1.gz").arg(QLatin1String(program));
        for (const QString &file : expected)
            QVERIFY2(files.contains(file), qPrintable(file));
        // Nothing of the build: no tests, benchmarks or build helpers.
        for (const QString &file : files)
            QVERIFY2(file.startsWith(QLatin1String("/usr/")) && !file.contains(QLatin1String("bench"))
                         && !file.contains(QLatin1String("test")) && !file.contains(QLatin1String("iconrender")),
                     qPrintable(file));
    }

    // Libraries come from dpkg-shlibdeps, the fonts that stand in for
    // Visio's from our own list.
    void dependsOnLibrariesAndFonts()
    {
        const Run depends = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), m_deb, QStringLiteral("Depends")});
        QCOMPARE(depends.exitCode, 0);
        for (const char *package : {"libvisio-0.1-1", "librevenge-0.0-0", "libemf2svg1", "libuemf0",
                                    "libqt6widgets6", "libqt6svg6", "fonts-liberation2", "fonts-crosextra-carlito"})
            QVERIFY2(depends.out.contains(QLatin1String(package)), qPrintable(depends.out));
    }

    void lintianFindsNoError()
    {
        const Run lintian = runTool(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_deb});
        QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.out + lintian.err));
        QVERIFY2(!lintian.out.contains(QRegularExpression(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption)),
                 qPrintable(lintian.out));
    }
};

QTEST_GUILESS_MAIN(TestDeb)
#include "tst_deb.moc"
