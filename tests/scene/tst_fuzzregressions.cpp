// Inputs the fuzzers once broke on, replayed through the fuzz targets' own
// calls. Each must finish; the sanitizer run catches what a plain build cannot.

#include "FuzzPipeline.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void TestFuzzRegressions::replay_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("document");

    const QDir root(QStringLiteral(PLANDRAW_TEST_DATA_DIR "/fuzz"));
    int count = 0;
    for (const QString &kind : {QStringLiteral("document"), QStringLiteral("picture")}) {
        const QDir dir(root.filePath(kind));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QTest::newRow(qPrintable(kind + QLatin1Char('/') + name))
                << dir.filePath(name) << (kind == QLatin1String("document"));
            ++count;
        }
    }
    QVERIFY2(count > 0, "no saved fuzz inputs found");
}

void TestFuzzRegressions::replay()
{
    QFETCH(QString, path);
    QFETCH(bool, document);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (document) {
        FuzzPipeline::runDocument(bytes);
    } else {
        // Every saved picture is broken: it must be turned away before the
        // converter reads it.
        QVERIFY(!FuzzPipeline::runPicture(bytes));
    }
}

QTEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
