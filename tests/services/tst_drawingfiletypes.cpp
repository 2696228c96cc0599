#include "DrawingFileTypes.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

// The desktop entry and the MIME definitions are written by hand; they must
// offer every kind of file the viewer opens.
class TestDrawingFileTypes : public QObject
{
    Q_OBJECT

private slots:
    void desktopEntryListsEveryType()
    {
        QFile file(QStringLiteral(PLANDRAW_DESKTOP_DIR "/com.bramwick.plandraw.desktop"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QRegularExpressionMatch line =
            QRegularExpression(QStringLiteral("^MimeType=(.*)$"), QRegularExpression::MultilineOption)
                .match(text);
        QVERIFY(line.hasMatch());
        QCOMPARE(line.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts),
                 DrawingFileTypes::mimeTypes());
    }

    void mimeDefinitionsGlobEverySuffix()
    {
        QFile file(QStringLiteral(PLANDRAW_DESKTOP_DIR "/plandraw-visio.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QMultiHash<QString, QString> globs; // by MIME type
        QString type;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"mime-type")
                type = xml.attributes().value(QLatin1String("type")).toString();
            else if (xml.name() == u"glob")
                globs.insert(type, xml.attributes().value(QLatin1String("pattern")).toString());
        }
        QVERIFY(!xml.hasError());
        for (const DrawingFileTypes::FileType &fileType : DrawingFileTypes::all()) {
            QVERIFY2(globs.values(fileType.mimeType).contains(QStringLiteral("*.") + fileType.suffix),
                     qPrintable(fileType.suffix));
        }
    }

    void kindsFollowTheSuffixInAnyCase()
    {
        QCOMPARE(DrawingFileTypes::kindOf(QStringLiteral("/a/Network.VSSX")), DrawingFileTypes::Stencil);
        QCOMPARE(DrawingFileTypes::kindOf(QStringLiteral("old.vss")), DrawingFileTypes::Stencil);
        QCOMPARE(DrawingFileTypes::kindOf(QStringLiteral("plan.vstm")), DrawingFileTypes::Template);
        QCOMPARE(DrawingFileTypes::kindOf(QStringLiteral("plan.vsdm")), DrawingFileTypes::Drawing);
        QCOMPARE(DrawingFileTypes::kindOf(QStringLiteral("stencil.vssx.bak")), DrawingFileTypes::Drawing);
        QVERIFY(DrawingFileTypes::hasDrawingSuffix(QStringLiteral("x.VSTX")));
        QVERIFY(!DrawingFileTypes::hasDrawingSuffix(QStringLiteral("vssx")));
    }
};

QTEST_GUILESS_MAIN(TestDrawingFileTypes)
#include "tst_drawingfiletypes.moc"
