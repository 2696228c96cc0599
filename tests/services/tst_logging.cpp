#include "Log.h"
#include "LogStream.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList g_delivered;
void captureSink(const QString &message)
{
    g_delivered << message;
}

QString readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
} // namespace

class TestLogging : public QObject
{
    Q_OBJECT

private slots:
    void init() { g_delivered.clear(); }

    void streamJoinsPiecesByType()
    {
        { LogStream(captureSink) << "Failed to load file:" << QStringLiteral("/tmp/a b.vsd")
                                 << "- Reason: Unsupported file format or corrupted document."; }
        { LogStream(captureSink) << "count=" << 42 << "," << qint64(-7) << std::size_t(3) << 5u; }
        { LogStream(captureSink) << QStringLiteral("x") << QStringLiteral("y"); }
        QCOMPARE(g_delivered,
                 QStringList({QStringLiteral("Failed to load file:/tmp/a b.vsd - Reason: Unsupported "
                                             "file format or corrupted document."),
                              QStringLiteral("count=42,-735"),
                              QStringLiteral("x y")}));
    }

    void streamTrimsAndDropsBlankMessages()
    {
        { LogStream(captureSink) << "  \t\n"; }
        { LogStream(captureSink) << QStringLiteral("   "); }
        { LogStream{captureSink}; }
        QVERIFY(g_delivered.isEmpty());

        { LogStream(captureSink) << "  padded\t" << QStringLiteral("end"); }
        QCOMPARE(g_delivered, QStringList{QStringLiteral("padded\tend")});

        // A stream without a sink must not crash.
        { LogStream(nullptr) << "nowhere"; }
    }

    void logWritesThreeLevelsToFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString logDir = dir.filePath(QStringLiteral("nested/log"));
        Log::initialize(logDir);
        QVERIFY(Log::filePath().startsWith(logDir));

        Log::info(QStringLiteral("first line, info"));
        Log::warn(QStringLiteral("second line, warn ünïcode"));
        // warn flushes, so everything before it is on disk already
        const QString afterWarn = readAll(Log::filePath());
        QVERIFY(afterWarn.contains(QStringLiteral("[info] first line, info")));
        QVERIFY(afterWarn.contains(QStringLiteral("[warn] second line, warn ünïcode")));

        { LogStream(Log::fatal) << "third line," << 3; }
        const QString path = Log::filePath();
        const QStringList lines = readAll(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[2].endsWith(QStringLiteral("[fatal] third line,3")));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\[info\\] "))
                    .match(lines[0]).hasMatch());

        // After shutdown a new line reopens the same folder, not the default one.
        Log::shutdown();
        QVERIFY(Log::filePath().isEmpty());
        Log::warn(QStringLiteral("after shutdown"));
        QCOMPARE(Log::filePath(), path);
        QVERIFY(readAll(path).contains(QStringLiteral("[warn] after shutdown")));
        Log::shutdown();
    }

    void logInUnwritableFolderIsSilent()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        // A file where the folder should be: nothing can be opened there.
        Log::initialize(blocker + QStringLiteral("/log"));
        QVERIFY(Log::filePath().isEmpty());
        Log::info(QStringLiteral("lost"));
        Log::fatal(QStringLiteral("lost too"));
        Log::shutdown();
    }
};

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
