// Runs plandraw-thumbnailer the way file managers do: the Exec line of the
// installed thumbnailer entry, with %s, %i and %o filled in.

#include "DrawingFileTypes.h"
#include "VdxGenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

// The process's own limit, plus what a loaded machine adds to starting it.
constexpr qint64 defaultLimitMs = 5000;
constexpr qint64 slackMs = 3000;

struct Run
{
    bool crashed = false;
    int exitCode = -1;
    QString err;
    qint64 elapsedMs = 0;
};

// Entries of one group of a desktop-style key file.
QMap<QString, QString> readKeyFile(const QString &path, const QString &group)
{
    QMap<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    QString current;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = line.mid(1, line.size() - 2);
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (current == group && equals > 0)
            entries.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return entries;
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

QStringList entriesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestThumbnailer : public QObject
{
    Q_OBJECT

private:
    QString m_program;
    QStringList m_exec;
    QTemporaryDir m_dir;

    // The Exec line with its codes filled in, as file managers expand them.
    QStringList commandLine(const QString &size, const QString &input, const QString &output) const
    {
        QStringList arguments;
        for (const QString &token : m_exec.mid(1)) {
            if (token == QLatin1String("%s"))
                arguments << size;
            else if (token == QLatin1String("%i"))
                arguments << input;
            else if (token == QLatin1String("%o"))
                arguments << output;
            else
                arguments << token;
        }
        return arguments;
    }

    // Runs every command at once, two at a time, each timed on its own.
    QList<Run> runAll(const QList<QStringList> &commands)
    {
        QList<Run> runs(commands.size());
        const int parallel = std::max(2, QThread::idealThreadCount());
        int next = 0;
        int running = 0;
        QEventLoop loop;
        std::function<void()> startNext = [&] {
            while (running < parallel && next < commands.size()) {
                const int index = next++;
                auto *process = new QProcess(&loop);
                auto *timer = new QElapsedTimer;
                connect(process, &QProcess::finished, &loop,
                        [&, process, timer, index](int code, QProcess::ExitStatus status) {
                            runs[index].elapsedMs = timer->elapsed();
                            delete timer;
                            runs[index].crashed = status != QProcess::NormalExit;
                            runs[index].exitCode = code;
                            runs[index].err = QString::fromUtf8(process->readAllStandardError());
                            process->deleteLater();
                            --running;
                            startNext();
                            if (running == 0)
                                loop.quit();
                        });
                ++running;
                timer->start();
                process->setProcessEnvironment(m_environment);
                process->start(m_program, commands.at(index));
            }
        };
        startNext();
        if (running > 0)
            loop.exec();
        return runs;
    }

    Run run(const QStringList &arguments)
    {
        return runAll({arguments}).first();
    }

    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();

    // A failed run says why in one line and leaves its output folder as it was.
    void verifyCleanFailure(const Run &run, const QString &outputDir, const QString &what)
    {
        QVERIFY2(!run.crashed, qPrintable(what));
        QVERIFY2(run.exitCode != 0, qPrintable(what));
        QVERIFY2(run.err.startsWith(QLatin1String("plandraw-thumbnailer: ")), qPrintable(what + run.err));
        QVERIFY2(run.elapsedMs < defaultLimitMs + slackMs, qPrintable(what));
        QVERIFY2(entriesIn(outputDir).isEmpty(), qPrintable(what + entriesIn(outputDir).join(' ')));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const auto entry = readKeyFile(QStringLiteral(PLANDRAW_THUMBNAILER_FILE),
                                       QStringLiteral("Thumbnailer Entry"));
        m_exec = entry.value(QStringLiteral("Exec")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(!m_exec.isEmpty());
        // Found through PATH, as TryExec is.
        QCOMPARE(m_exec.first(), entry.value(QStringLiteral("TryExec")));
        m_program = QStandardPaths::findExecutable(m_exec.first(),
                                                   {QStringLiteral(PLANDRAW_THUMBNAILER_DIR)});
        QVERIFY(!m_program.isEmpty());
    }

    // Every sample drawing, through a path with spaces and letters beyond
    // ASCII: a picture of the asked size, or a clean failure for those
    // without a page 1 to show.
    void everyFixture()
    {
        QStringList fixtures;
        for (const QString &folder :
             {QStringLiteral(PLANDRAW_FIXTURES_DIR), QStringLiteral(PLANDRAW_MORE_FIXTURES_DIR)}) {
            const QDir dir(folder);
            for (const QString &name : dir.entryList(DrawingFileTypes::nameFilters(), QDir::Files, QDir::Name))
                fixtures << dir.filePath(name);
        }
        if (fixtures.isEmpty())
            QSKIP("sample drawings not available");

        const QString inputDir = m_dir.filePath(QStringLiteral("Pläne für Ämter 図面"));
        QVERIFY(QDir().mkpath(inputDir));
        const QString size = QStringLiteral("128");
        QList<QStringList> commands;
        QStringList outputDirs;
        for (int i = 0; i < fixtures.size(); ++i) {
            const QString input = QDir(inputDir).filePath(QStringLiteral("Zeichnung Nr %1 – %2")
                                                              .arg(i)
                                                              .arg(fileNameOf(fixtures.at(i))));
            QVERIFY(QFile::link(fixtures.at(i), input));
            outputDirs << m_dir.filePath(QStringLiteral("out %1 ü").arg(i));
            QVERIFY(QDir().mkpath(outputDirs.last()));
            commands << commandLine(size, input, QDir(outputDirs.last()).filePath(QStringLiteral("thumb é.png")));
        }
        const QList<Run> runs = runAll(commands);

        // Known pages 1 without anything on them.
        const QStringList emptyFirstPages = {
            QStringLiteral("aspose-Comments-Drawing1.vsdx"), QStringLiteral("aspose-TestTemplate.vsdm"),
            QStringLiteral("recursion-cycle.vsdx"), QStringLiteral("tab-short-prefix.vsdx")};
        int timedOut = 0;
        for (int i = 0; i < fixtures.size(); ++i) {
            const QString name = fileNameOf(fixtures.at(i));
            const Run &run = runs.at(i);
            if (run.exitCode != 0) {
                verifyCleanFailure(run, outputDirs.at(i), name);
                // Stencils may have no page 1 to show; anything else must be
                // drawn, unless it is known to be empty or the machine is
                // too slow for it.
                const bool expected = DrawingFileTypes::kindOf(name) == DrawingFileTypes::Stencil
                                      || emptyFirstPages.contains(name) || run.exitCode == 3;
                QVERIFY2(expected, qPrintable(name + QLatin1String(": ") + run.err));
                timedOut += run.exitCode == 3;
                continue;
            }
            QVERIFY2(!emptyFirstPages.contains(name), qPrintable(name));
            QCOMPARE(entriesIn(outputDirs.at(i)), QStringList{QStringLiteral("thumb é.png")});
            const QImage image(QDir(outputDirs.at(i)).filePath(QStringLiteral("thumb é.png")), "png");
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY2(std::max(image.width(), image.height()) == 128, qPrintable(name));
            QVERIFY2(std::min(image.width(), image.height()) >= 1, qPrintable(name));
            // Something is drawn: the page is not bare white.
            bool inked = false;
            for (int y = 0; y < image.height() && !inked; ++y)
                for (int x = 0; x < image.width() && !inked; ++x)
                    inked = image.pixel(x, y) != qRgb(255, 255, 255);
            QVERIFY2(inked, qPrintable(name));
        }
        // One sample takes libvisio alone about five seconds.
        QVERIFY2(timedOut <= 2, qPrintable(QString::number(timedOut)));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        const QByteArray drawing = VdxGenerator::generate(2, 40);
        QTest::newRow("empty") << "empty.vsdx" << QByteArray();
        QTest::newRow("truncated") << "cut.vdx" << drawing.left(drawing.size() / 2);
        QByteArray damaged = drawing;
        damaged.replace(damaged.indexOf("<Shapes>"), 8, "<Sh\x01\x02pes");
        QTest::newRow("damaged") << "damaged.vdx" << damaged;
        QTest::newRow("not a drawing") << "notes.vsd" << QByteArray("Just some text, no drawing.\n");
        QTest::newRow("zip without a drawing") << "package.vsdx"
                                               << QByteArray::fromHex("504b0506000000000000000000000000000000000000");
        QByteArray blankFirst = VdxGenerator::generate(2, 1);
        const qsizetype shapes = blankFirst.indexOf("<Shapes>");
        blankFirst.remove(shapes, blankFirst.indexOf("</Shapes>") + 9 - shapes);
        QTest::newRow("empty page 1") << "blank.vdx" << blankFirst;
        QTest::newRow("huge") << "huge.vsdx" << QByteArray();
        QTest::newRow("folder") << "folder.vsdx" << QByteArray();
        QTest::newRow("pipe") << "pipe.vsd" << QByteArray();
    }

    // Nothing at OUTPUT, a reason on stderr and a non-zero exit, quickly.
    void badInput()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString dir = m_dir.filePath(QStringLiteral("bad %1").arg(QTest::currentDataTag()));
        const QString outDir = dir + QStringLiteral("/out");
        QVERIFY(QDir().mkpath(outDir));
        const QString input = QDir(dir).filePath(name);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        if (tag == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(input));
        } else if (tag == QLatin1String("pipe")) {
            // Nobody writes to it: reading would wait for ever.
            QProcess mkfifo;
            mkfifo.start(QStringLiteral("mkfifo"), {input});
            QVERIFY(mkfifo.waitForFinished() && mkfifo.exitCode() == 0);
        } else {
            QFile file(input);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), content.size());
            // Sparse: past the size limit without filling the disk.
            if (tag == QLatin1String("huge"))
                QVERIFY(file.resize(qint64(64) * 1024 * 1024));
        }
        const Run result = run(commandLine(QStringLiteral("256"), input, outDir + QStringLiteral("/t.png")));
        verifyCleanFailure(result, outDir, tag);
        QCOMPARE(result.exitCode, 1);
    }

    // Sizes are refused or brought within bounds; outputs that cannot be
    // written fail with a reason.
    void badArguments_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("side");
        QTest::newRow("zero") << "0" << "t.png" << 2 << 0;
        QTest::newRow("negative") << "-64" << "t.png" << 2 << 0;
        QTest::newRow("not a number") << "big" << "t.png" << 2 << 0;
        QTest::newRow("beyond any integer") << "99999999999999999999999" << "t.png" << 2 << 0;
        QTest::newRow("absurd") << "1000000000" << "t.png" << 0 << 4096;
        QTest::newRow("one pixel") << "1" << "t.png" << 0 << 1;
        QTest::newRow("folder missing") << "128" << "no such folder/t.png" << 1 << 0;
        QTest::newRow("folder is a file") << "128" << "a file/t.png" << 1 << 0;
        QTest::newRow("output is a folder") << "128" << "a folder" << 1 << 0;
    }

    void badArguments()
    {
        QFETCH(QString, size);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QFETCH(int, side);
        const QString dir = m_dir.filePath(QStringLiteral("args %1").arg(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(dir + QStringLiteral("/a folder")));
        QFile marker(dir + QStringLiteral("/a file"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QString input = dir + QStringLiteral("/drawing.vdx");
        QVERIFY(VdxGenerator::writeFile(input, 1, 8));
        const QStringList before = entriesIn(dir);

        const Run result = run(commandLine(size, input, QDir(dir).filePath(output)));
        QVERIFY(!result.crashed);
        QCOMPARE(result.exitCode, exitCode);
        if (exitCode != 0) {
            QVERIFY(result.err.startsWith(QLatin1String("plandraw-thumbnailer: ")));
            QCOMPARE(entriesIn(dir), before);
            QVERIFY(entriesIn(dir + QStringLiteral("/a folder")).isEmpty());
            return;
        }
        const QImage image(QDir(dir).filePath(output), "png");
        QCOMPARE(std::max(image.width(), image.height()), side);
    }

    // As file managers run it: a private /tmp and no runtime folder. Nothing
    // may be left in that /tmp, which they remove afterwards.
    void privateTemp()
    {
        const QString temp = m_dir.filePath(QStringLiteral("private tmp"));
        QVERIFY(QDir().mkpath(temp));
        QVERIFY(QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString input = m_dir.filePath(QStringLiteral("sandboxed.vdx"));
        QVERIFY(VdxGenerator::writeFile(input, 1, 8));
        const QProcessEnvironment saved = m_environment;
        m_environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        m_environment.insert(QStringLiteral("TMPDIR"), temp);
        const Run result = run(commandLine(QStringLiteral("64"), input, temp + QStringLiteral("/out.png")));
        m_environment = saved;
        QCOMPARE(result.exitCode, 0);
        QVERIFY(QFile::remove(temp + QStringLiteral("/out.png")));
        QVERIFY2(entriesIn(temp).isEmpty(), qPrintable(entriesIn(temp).join(' ')));
    }

    // The clock ends a parse that takes too long, from inside the parse.
    void timeLimit()
    {
        const QString dir = m_dir.filePath(QStringLiteral("slow"));
        QVERIFY(QDir().mkpath(dir + QStringLiteral("/out")));
        const QString input = dir + QStringLiteral("/large.vdx");
        QVERIFY(VdxGenerator::writeFile(input, 1, 20000));
        const Run result = run({QStringLiteral("-t"), QStringLiteral("0.3"), QStringLiteral("-s"),
                                QStringLiteral("256"), input, dir + QStringLiteral("/out/t.png")});
        verifyCleanFailure(result, dir + QStringLiteral("/out"), QStringLiteral("time limit"));
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.elapsedMs < 300 + slackMs, qPrintable(QString::number(result.elapsedMs)));
    }
};

QTEST_GUILESS_MAIN(TestThumbnailer)
#include "tst_thumbnailer.moc"
