// Runs plandraw-thumbnailer the way file managers do: the Exec line of the
// installed thumbnailer entry, with %s, %i and %o filled in.

#include "DrawingFileTypes.h"
#include "VdxGenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The process's own limit, plus what a loaded machine adds to starting it.
constexpr qint64 limitMs = 5000 + 3000;

struct Run
{
    int exitCode = -1; // -1 for a crash
    QString err;
    qint64 elapsedMs = 0;
};

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
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir m_dir;

    QStringList commandLine(const QString &size, const QString &input, const QString &output) const
    {
        QStringList arguments = m_exec.mid(1);
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^%s$")), size);
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^%i$")), input);
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^%o$")), output);
        return arguments;
    }

    // Two at a time; each run timed from its own start.
    QList<Run> runAll(const QList<QStringList> &commands)
    {
        QList<Run> runs(commands.size());
        std::vector<std::unique_ptr<QProcess>> processes(commands.size());
        std::vector<QElapsedTimer> timers(commands.size());
        int finished = 0;
        for (int started = 0; finished < commands.size();) {
            if (started < commands.size() && started - finished < 2) {
                processes[started] = std::make_unique<QProcess>();
                processes[started]->setProcessEnvironment(m_environment);
                timers[started].start();
                processes[started]->start(m_program, commands.at(started));
                ++started;
                continue;
            }
            for (int i = finished; i < started; ++i) {
                QProcess *process = processes[i].get();
                if (!process || !process->waitForFinished(i == finished ? 20 : 0))
                    continue;
                runs[i].elapsedMs = timers[i].elapsed();
                runs[i].exitCode
                    = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
                runs[i].err = QString::fromUtf8(process->readAllStandardError());
                processes[i].reset();
            }
            while (finished < started && !processes[finished])
                ++finished;
        }
        return runs;
    }

    // A failed run says why in one line, ends in time and leaves its output
    // folder as it was.
    void verifyCleanFailure(const Run &run, const QString &outputDir, const QString &what)
    {
        QVERIFY2(run.exitCode > 0, qPrintable(what));
        QVERIFY2(run.err.startsWith(QLatin1String("plandraw-thumbnailer: ")),
                 qPrintable(what + run.err));
        QVERIFY2(run.elapsedMs < limitMs, qPrintable(what));
        QVERIFY2(entriesIn(outputDir).isEmpty(), qPrintable(what + entriesIn(outputDir).join(' ')));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile entry(QStringLiteral(PLANDRAW_THUMBNAILER_FILE));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QByteArray &line : entry.readAll().split('\n')) {
            if (line.startsWith("Exec="))
                m_exec = QString::fromUtf8(line.mid(5)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        }
        QVERIFY(!m_exec.isEmpty());
        // Found through PATH, as file managers find it.
        m_program = QStandardPaths::findExecutable(m_exec.first(),
                                                   {QStringLiteral(PLANDRAW_THUMBNAILER_DIR)});
        QVERIFY(!m_program.isEmpty());
    }

    // Every sample, through paths with spaces and letters beyond ASCII: a
    // picture of the asked size, or a clean failure where there is no page 1
    // to show.
    void everyFixture()
    {
        QStringList fixtures;
        for (const QString &folder :
             {QStringLiteral(PLANDRAW_FIXTURES_DIR), QStringLiteral(PLANDRAW_MORE_FIXTURES_DIR)}) {
            for (const QFileInfo &file :
                 QDir(folder).entryInfoList(DrawingFileTypes::nameFilters(), QDir::Files))
                fixtures << file.filePath();
        }
        if (fixtures.isEmpty())
            QSKIP("sample drawings not available");

        const QDir inputs(m_dir.filePath(QStringLiteral("Pläne für Ämter 図面")));
        QVERIFY(inputs.mkpath(QStringLiteral(".")));
        QList<QStringList> commands;
        for (int i = 0; i < fixtures.size(); ++i) {
            const QString input = inputs.filePath(QStringLiteral("Zeichnung %1 – %2")
                                                      .arg(i)
                                                      .arg(QFileInfo(fixtures.at(i)).fileName()));
            QVERIFY(QFile::link(fixtures.at(i), input));
            QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("out %1 ü").arg(i))));
            commands << commandLine(QStringLiteral("128"), input,
                                    m_dir.filePath(QStringLiteral("out %1 ü/thumb é.png").arg(i)));
        }
        const QList<Run> runs = runAll(commands);

        const QStringList emptyFirstPages
            = {QStringLiteral("aspose-Comments-Drawing1.vsdx"),
               QStringLiteral("aspose-TestTemplate.vsdm"), QStringLiteral("recursion-cycle.vsdx"),
               QStringLiteral("tab-short-prefix.vsdx")};
        int timedOut = 0;
        for (int i = 0; i < fixtures.size(); ++i) {
            const QString name = QFileInfo(fixtures.at(i)).fileName();
            const QString outDir = m_dir.filePath(QStringLiteral("out %1 ü").arg(i));
            if (runs.at(i).exitCode != 0) {
                verifyCleanFailure(runs.at(i), outDir, name);
                // Stencils may have no page 1; one sample takes libvisio alone
                // about five seconds.
                QVERIFY2(DrawingFileTypes::kindOf(name) == DrawingFileTypes::Stencil
                             || emptyFirstPages.contains(name) || runs.at(i).exitCode == 3,
                         qPrintable(name + runs.at(i).err));
                timedOut += runs.at(i).exitCode == 3;
                continue;
            }
            QVERIFY2(!emptyFirstPages.contains(name), qPrintable(name));
            QCOMPARE(entriesIn(outDir), QStringList{QStringLiteral("thumb é.png")});
            const QImage image(outDir + QStringLiteral("/thumb é.png"), "png");
            QVERIFY2(std::max(image.width(), image.height()) == 128, qPrintable(name));
            // Something is drawn on the white page.
            QImage white(image.size(), image.format());
            white.fill(Qt::white);
            QVERIFY2(image != white, qPrintable(name));
        }
        QVERIFY2(timedOut <= 2, qPrintable(QString::number(timedOut)));
    }

    void badRun_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitCode");
        const QByteArray drawing = VdxGenerator::generate(2, 40);
        QByteArray blankFirst = VdxGenerator::generate(2, 1);
        const qsizetype shapes = blankFirst.indexOf("<Shapes>");
        blankFirst.remove(shapes, blankFirst.indexOf("</Shapes>") + 9 - shapes);
        QByteArray damaged = drawing;
        damaged.replace(damaged.indexOf("<Shapes>"), 8, "<Sh\x01\x02pes");
        const QString png = QStringLiteral("out/t.png");
        QTest::newRow("empty") << "a.vsdx" << QByteArray() << "256" << png << 1;
        QTest::newRow("truncated")
            << "a.vdx" << drawing.left(drawing.size() / 2) << "256" << png << 1;
        QTest::newRow("damaged") << "a.vdx" << damaged << "256" << png << 1;
        QTest::newRow("not a drawing")
            << "a.vsd" << QByteArray("Some text.\n") << "256" << png << 1;
        QTest::newRow("zip without a drawing")
            << "a.vsdx" << QByteArray::fromHex("504b0506000000000000000000000000000000000000")
            << "256" << png << 1;
        QTest::newRow("empty page 1") << "a.vdx" << blankFirst << "256" << png << 1;
        QTest::newRow("huge") << "huge" << QByteArray() << "256" << png << 1;
        QTest::newRow("folder") << "folder" << QByteArray() << "256" << png << 1;
        QTest::newRow("pipe") << "pipe" << QByteArray() << "256" << png << 1;
        QTest::newRow("size zero") << "a.vdx" << drawing << "0" << png << 2;
        QTest::newRow("size negative") << "a.vdx" << drawing << "-64" << png << 2;
        QTest::newRow("size not a number") << "a.vdx" << drawing << "big" << png << 2;
        QTest::newRow("size beyond any integer")
            << "a.vdx" << drawing << "99999999999999999999999" << png << 2;
        QTest::newRow("folder missing") << "a.vdx" << drawing << "128"
                                        << "out/none/t.png" << 1;
        QTest::newRow("folder is a file") << "a.vdx" << drawing << "128"
                                          << "a.vdx/t.png" << 1;
        QTest::newRow("output is a folder") << "a.vdx" << drawing << "128"
                                            << "out" << 1;
    }

    // Nothing written, a reason on stderr and a non-zero exit, quickly.
    void badRun()
    {
        QFETCH(QString, input);
        QFETCH(QByteArray, content);
        QFETCH(QString, size);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        const QDir dir(m_dir.filePath(QStringLiteral("bad %1").arg(QTest::currentDataTag())));
        QVERIFY(dir.mkpath(QStringLiteral("out")));
        if (input == QLatin1String("folder")) {
            QVERIFY(dir.mkpath(input));
        } else if (input == QLatin1String("pipe")) {
            // Nobody writes to it: reading would wait for ever.
            QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {dir.filePath(input)}), 0);
        } else {
            QFile file(dir.filePath(input));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), content.size());
            // Sparse: past the size limit without filling the disk.
            if (input == QLatin1String("huge"))
                QVERIFY(file.resize(qint64(64) * 1024 * 1024));
        }
        const QStringList before = entriesIn(dir.path());
        const Run run
            = runAll({commandLine(size, dir.filePath(input), dir.filePath(output))}).first();
        verifyCleanFailure(run, dir.filePath(QStringLiteral("out")),
                           QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(entriesIn(dir.path()), before);
    }

    // Absurd sizes are brought down rather than allocated; and as file
    // managers run it, with a private /tmp and no runtime folder, nothing is
    // left in that /tmp, which they remove afterwards.
    void absurdSizeInPrivateTemp()
    {
        const QString temp = m_dir.filePath(QStringLiteral("private tmp"));
        QVERIFY(QDir().mkpath(temp));
        QVERIFY(
            QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString input = m_dir.filePath(QStringLiteral("sandboxed.vdx"));
        QVERIFY(VdxGenerator::writeFile(input, 1, 8));
        const QProcessEnvironment saved = m_environment;
        m_environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        m_environment.insert(QStringLiteral("TMPDIR"), temp);
        const Run run = runAll({commandLine(QStringLiteral("1000000000"), input,
                                            temp + QStringLiteral("/out.png"))})
                            .first();
        m_environment = saved;
        QCOMPARE(run.exitCode, 0);
        const QImage image(temp + QStringLiteral("/out.png"), "png");
        QCOMPARE(std::max(image.width(), image.height()), 4096);
        QVERIFY(QFile::remove(temp + QStringLiteral("/out.png")));
        QVERIFY2(entriesIn(temp).isEmpty(), qPrintable(entriesIn(temp).join(' ')));
    }

    // The clock ends a parse that takes too long, from inside the parse.
    void timeLimit()
    {
        const QString out = m_dir.filePath(QStringLiteral("slow"));
        QVERIFY(QDir().mkpath(out));
        const QString input = m_dir.filePath(QStringLiteral("large.vdx"));
        QVERIFY(VdxGenerator::writeFile(input, 1, 20000));
        const Run run = runAll({{QStringLiteral("-t"), QStringLiteral("0.3"), QStringLiteral("-s"),
                                 QStringLiteral("256"), input, out + QStringLiteral("/t.png")}})
                            .first();
        verifyCleanFailure(run, out, QStringLiteral("time limit"));
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.elapsedMs < 300 + 3000, qPrintable(QString::number(run.elapsedMs)));
    }
};

QTEST_GUILESS_MAIN(TestThumbnailer)
#include "tst_thumbnailer.moc"
