#include "DebugRenderer.h"
#include "VisioImporter.h"

#include <libvisio/libvisio.h>
#include <librevenge-stream/librevenge-stream.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The demo drawing that ships with the program must keep showing everything a
// demo needs: if an edit breaks it, libvisio quietly drops the broken part.
class TestSample : public QObject
{
    Q_OBJECT

private slots:
    void libvisioReportsEveryFeature()
    {
        QTemporaryDir dir;
        const QString tracePath = dir.filePath(QStringLiteral("sample.txt"));
        DebugRenderer::CallStats stats;
        {
            DebugRenderer renderer(tracePath);
            librevenge::RVNGFileStream stream(PLANDRAW_SAMPLE_FILE);
            QVERIFY(libvisio::VisioDocument::isSupported(&stream));
            stream.seek(0, librevenge::RVNG_SEEK_SET);
            QVERIFY(libvisio::VisioDocument::parse(&stream, &renderer));
            stats = renderer.stats();
        }
        QCOMPARE(stats.pages, 2);
        QCOMPARE(stats.graphicObjects, 1);
        QVERIFY(stats.paths >= 8);
        QVERIFY(stats.textObjects >= 5);

        QFile file(tracePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString trace = QString::fromUtf8(file.readAll());
        QVERIFY(trace.contains(QStringLiteral("startPage(): Overview")));
        QVERIFY(trace.contains(QStringLiteral("startPage(): Details")));
        QVERIFY(trace.contains(QStringLiteral("draw:style = linear (string)")));
        QVERIFY(trace.contains(QStringLiteral("draw:style = radial (string)")));
        QVERIFY(trace.contains(QStringLiteral("draw:marker-end-path = ")));
        QVERIFY(trace.contains(QStringLiteral("draw:marker-start-path = ")));
        QVERIFY(trace.contains(QStringLiteral("draw:stroke = dash (string)")));
        QVERIFY(trace.contains(QStringLiteral("MIME type: image/png")));
        QVERIFY(trace.contains(QStringLiteral("style:font-name = DejaVu Serif (string)")));
        // Labels of two and three paragraphs.
        QVERIFY(trace.contains(QStringLiteral("insertText(): \"Sample drawing\"")));
        QVERIFY(trace.contains(QStringLiteral("insertText(): \"with a line break\"")));
        QVERIFY(trace.contains(QStringLiteral("insertText(): \"Pictures can be extracted as PNG files.\"")));
    }

    void importBuildsTheDemoModel()
    {
        const VisioImporter::Result result = VisioImporter::importFile(QStringLiteral(PLANDRAW_SAMPLE_FILE));
        QCOMPARE(result.outcome, VisioImporter::Loaded);
        const QList<VisioPage> &pages = result.model.pages;
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].name, QStringLiteral("Overview"));
        QCOMPARE(pages[0].pageSize, QSizeF(11, 8.5));
        QCOMPARE(pages[1].name, QStringLiteral("Details"));

        int gradients = 0;
        int markers = 0;
        for (const VisioPage &page : pages) {
            for (const VisioShape &shape : page.shapes) {
                gradients += shape.style.fillType == VisioStyle::GradientFill;
                markers += shape.style.hasEndMarker;
            }
        }
        QVERIFY(gradients >= 2);
        QVERIFY(markers >= 2);

        QStringList texts;
        for (const VisioPage &page : pages)
            for (const VisioText &text : page.texts)
                texts << text.text;
        const QString all = texts.join(QLatin1Char('|'));
        QVERIFY2(all.contains(QStringLiteral("Sample drawing")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("Second page")), qPrintable(all));

        QCOMPARE(pages[0].images.size(), 1);
        QVERIFY(!pages[0].images[0].image.isNull());
        QCOMPARE(pages[0].images[0].rect.size(), QSizeF(1, 1));
    }
};

QTEST_GUILESS_MAIN(TestSample)
#include "tst_sample.moc"
