#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run
{
    int exitCode = -1;
    QString err;
};

Run runTrace(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(PLANDRAW_TRACE_EXE), args);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
} // namespace

class TestTraceTool : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void tracesFixtureToFile()
    {
        const QString fixture = QStringLiteral(PLANDRAW_FIXTURES_DIR "/Visio11FormatLine.vsd");
        if (!QFile::exists(fixture))
            QSKIP("sample drawings not available");
        const QString out = m_dir.filePath(QStringLiteral("line.txt"));
        const Run run = runTrace({fixture, out});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains(QStringLiteral("=== 解析统计 ===")));

        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.contains(QStringLiteral("startPage(): Page-1")));
        QVERIFY(lines.contains(QStringLiteral("Pages: 1")));
        const int keys = lines.indexOf(QStringLiteral("=== All property keys found ==="));
        QVERIFY(keys > 0);
        // The key list ends the file; svg:d is reported by every drawPath.
        QVERIFY(lines.mid(keys + 1).contains(QStringLiteral("svg:d")));
        QCOMPARE(lines.last(), lines.mid(keys + 1).last());
        QVERIFY(!lines.last().contains(' '));
    }

    void failsWithOneLineReason_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("reason");
        const QString junk = m_dir.filePath(QStringLiteral("junk.vsd"));
        QFile file(junk);
        if (file.open(QIODevice::WriteOnly))
            file.write("this is not a drawing at all\n");
        QTest::newRow("not a drawing") << junk << "unsupported file format";
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("absent.vsd")) << "no such file";
        QTest::newRow("directory") << m_dir.path() << "is a directory";
    }

    void failsWithOneLineReason()
    {
        QFETCH(QString, input);
        QFETCH(QString, reason);
        const Run run = runTrace({input});
        QVERIFY(run.exitCode > 0);
        const QStringList reasons = run.err.split('\n', Qt::SkipEmptyParts).filter("plandraw-trace:");
        QCOMPARE(reasons.size(), 1);
        QVERIFY2(reasons.first().contains(reason), qPrintable(reasons.first()));
    }

    void refusesUnwritableTraceFile()
    {
        const QString fixture = QStringLiteral(PLANDRAW_FIXTURES_DIR "/Visio11FormatLine.vsd");
        if (!QFile::exists(fixture))
            QSKIP("sample drawings not available");
        const Run run = runTrace({fixture, m_dir.filePath(QStringLiteral("no/such/dir/t.txt"))});
        QVERIFY(run.exitCode > 0);
        QVERIFY(run.err.contains(QStringLiteral("cannot write the trace file")));
    }
};

QTEST_GUILESS_MAIN(TestTraceTool)
#include "tst_tracetool.moc"
