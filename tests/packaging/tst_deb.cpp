// Builds the Debian package from this build, as scripts/package.sh does, and
// checks what is in it and what lintian says of it.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Exit code (-1 when it did not run) and standard output and error together.
std::pair<int, QString> runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
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
        for (const QString tool : {"dpkg-deb", "dpkg-shlibdeps", "lintian"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(
                    tool + QStringLiteral(" not installed (scripts/install-deps.sh installs it)")));
        }
        QVERIFY(m_dir.isValid());
        const auto [code, output]
            = runTool(QStringLiteral(PLANDRAW_CPACK),
                      {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                       QStringLiteral(PLANDRAW_BINARY_DIR "/CPackConfig.cmake"),
                       QStringLiteral("-B"), m_dir.path()});
        // dpkg-shlibdeps is skipped, with only a warning, when it cannot run.
        QVERIFY2(code == 0 && !output.contains(QLatin1String("Warning")), qPrintable(output));
        const QString architecture
            = runTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).second;
        m_deb = m_dir.filePath(
            QStringLiteral("plandraw_" PLANDRAW_VERSION "_%1.deb").arg(architecture.trimmed()));
        QVERIFY2(QFile::exists(m_deb), qPrintable(QDir(m_dir.path()).entryList().join(' ')));
    }

    void carriesEveryPart()
    {
        const auto [code, listing]
            = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_deb});
        QCOMPARE(code, 0);
        QStringList expected = {"/usr/bin/plandraw",
                                "/usr/bin/plandraw-export",
                                "/usr/bin/plandraw-trace",
                                "/usr/bin/plandraw-thumbnailer",
                                "/usr/share/applications/" PLANDRAW_APP_ID ".desktop",
                                "/usr/share/metainfo/" PLANDRAW_APP_ID ".metainfo.xml",
                                "/usr/share/mime/packages/plandraw-visio.xml",
                                "/usr/share/thumbnailers/plandraw.thumbnailer",
                                "/usr/share/icons/hicolor/scalable/apps/plandraw.svg",
                                "/usr/share/icons/hicolor/48x48/apps/plandraw.png",
                                "/usr/share/icons/hicolor/256x256/apps/plandraw.png",
                                "/usr/share/doc/plandraw/copyright",
                                "/usr/share/doc/plandraw/changelog.gz",
                                "/usr/share/man/man1/plandraw.1.gz",
                                "/usr/share/man/man1/plandraw-export.1.gz",
                                "/usr/share/man/man1/plandraw-trace.1.gz",
                                "/usr/share/man/man1/plandraw-thumbnailer.1.gz"};
        for (const QString &file : expected)
            QVERIFY2(listing.contains(QLatin1Char('.') + file + QLatin1Char('\n')),
                     qPrintable(file));
        const auto [fieldCode, depends]
            = runTool(QStringLiteral("dpkg-deb"),
                      {QStringLiteral("--field"), m_deb, QStringLiteral("Depends")});
        QVERIFY2(depends.contains(QLatin1String("libvisio-0.1-1")), qPrintable(depends));
        // Nothing of the build: no tests, benchmarks or build helpers.
        QVERIFY2(!listing.contains(
                     QRegularExpression(QStringLiteral("test|bench|iconrender|filetypes"))),
                 qPrintable(listing));
    }

    void lintianFindsNoErrorOrWarning()
    {
        const auto [code, findings]
            = runTool(QStringLiteral("lintian"),
                      {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_deb});
        QVERIFY2(code == 0
                     && !findings.contains(QRegularExpression(QStringLiteral("^[EW]: "),
                                                              QRegularExpression::MultilineOption)),
                 qPrintable(findings));
    }
};

QTEST_GUILESS_MAIN(TestDeb)
#include "tst_deb.moc"
