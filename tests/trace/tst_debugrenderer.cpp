#include "DebugRenderer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A property with no text form, as librevenge's own numeric properties never are.
class BareNumber : public librevenge::RVNGProperty
{
public:
    BareNumber(double value, librevenge::RVNGUnit unit) : m_value(value), m_unit(unit) {}
    int getInt() const override { return int(m_value); }
    double getDouble() const override { return m_value; }
    librevenge::RVNGUnit getUnit() const override { return m_unit; }
    librevenge::RVNGString getStr() const override { return librevenge::RVNGString(); }
    librevenge::RVNGProperty *clone() const override { return new BareNumber(m_value, m_unit); }

private:
    double m_value;
    librevenge::RVNGUnit m_unit;
};

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

} // namespace

class TestDebugRenderer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void structureIndentationAndStatistics()
    {
        const QString path = m_dir.filePath(QStringLiteral("structure.txt"));
        {
            DebugRenderer renderer(path);
            QVERIFY(renderer.isFileOpen());
            librevenge::RVNGPropertyList empty;
            renderer.startDocument(empty);

            librevenge::RVNGPropertyList page;
            page.insert("svg:width", 8.5);
            renderer.startPage(page); // unnamed: counted name
            renderer.startLayer(empty);
            librevenge::RVNGPropertyList group;
            group.insert("draw:id", "g1");
            renderer.openGroup(group);
            renderer.openGroup(empty);

            librevenge::RVNGPropertyList path1;
            path1.insert("svg:d", QByteArray(250, 'L').constData());
            renderer.drawPath(path1);
            renderer.closeGroup();
            renderer.closeGroup();
            renderer.closeGroup(); // unmatched: must not indent to the left of the margin
            renderer.endLayer();

            renderer.startTextObject(empty);
            renderer.insertText(librevenge::RVNGString("short"));
            renderer.insertText(librevenge::RVNGString("two\nlines"));
            renderer.endTextObject();
            renderer.endPage();

            librevenge::RVNGPropertyList named;
            named.insert("draw:name", "Floor plan");
            renderer.startPage(named);
            renderer.endPage();
            renderer.endDocument();

            QCOMPARE(renderer.stats().totalCalls, 18);
            QCOMPARE(renderer.stats().pages, 2);
            QCOMPARE(renderer.stats().groups, 2);
            QCOMPARE(renderer.stats().layers, 1);
            QCOMPARE(renderer.stats().paths, 1);
            QCOMPARE(renderer.stats().textObjects, 1);
            QCOMPARE(renderer.stats().textInsertions, 2);
        }

        QStringList lines = readLines(path);
        QCOMPARE(lines.value(0), QString());
        QVERIFY(QRegularExpression(QStringLiteral(
                    "^=== DebugRenderer started at \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ===$"))
                    .match(lines.value(1)).hasMatch());
        const QStringList trace = lines.mid(2, 31);
        const QStringList expected = {
            "startDocument()",
            "  Document properties: (empty)",
            "startPage(): Page 1",
            "  Page properties:",
            "    svg:width = 8.5000in (string)",
            "  startLayer(): Layer 1",
            "    Layer properties: (empty)",
            "    openGroup() [depth: 1]",
            "      Group properties:",
            "        draw:id = g1 (string)",
            "      openGroup() [depth: 2]",
            "        Group properties: (empty)",
            "      drawPath()",
            "        Path data (svg:d): " + QString(200, 'L') + "... [truncated]",
            "        Other path properties:",
            "          svg:d = " + QString(100, 'L') + "... (string)",
            "      closeGroup() [depth: 2]",
            "    closeGroup() [depth: 1]",
            "  closeGroup() [depth: 0]",
            "  endLayer(): Layer 1",
            "startTextObject()",
            "  Text object properties: (empty)",
            "insertText(): \"short\"",
            "insertText(): \"two\\nlines\"",
            "endTextObject()",
            "endPage(): Page 1",
            "startPage(): Floor plan",
            "  Page properties:",
            "    draw:name = Floor plan (string)",
            "endPage(): Floor plan",
            "endDocument()",
        };
        QCOMPARE(trace, expected);

        const QStringList tail = lines.mid(33);
        const QStringList expectedTail = {
            "", "=== DebugRenderer ended ===", "=== Call Statistics ===", "Total calls: 18",
            "Pages: 2", "Rectangles: 0", "Ellipses: 0", "Paths: 1", "Polygons: 0", "Polylines: 0",
            "Connectors: 0", "Graphic objects: 0", "Text objects: 1", "Text insertions: 2",
            "Styles set: 0", "Groups: 2", "Layers: 1", "", "=== All property keys found ===",
            "draw:id", "draw:name", "svg:d", "svg:width", "",
        };
        QCOMPARE(tail, expectedTail);
    }

    void propertyValueRules()
    {
        const QString path = m_dir.filePath(QStringLiteral("values.txt"));
        {
            DebugRenderer renderer(path);
            librevenge::RVNGPropertyList props;
            props.insert("a:points", new BareNumber(12.345678, librevenge::RVNG_POINT));
            props.insert("b:generic", new BareNumber(3, librevenge::RVNG_GENERIC));
            props.insert("c:int", new BareNumber(7.9, librevenge::RVNG_UNIT_ERROR));
            props.insert("d:text", "tab\there\r\nend");
            props.insert("e:long", QByteArray(150, 'x').constData());
            const unsigned char bytes[] = {1, 2, 3};
            props.insert("office:binary-data", librevenge::RVNGBinaryData(bytes, 3));
            librevenge::RVNGPropertyListVector pieces;
            pieces.append(librevenge::RVNGPropertyList());
            pieces.append(librevenge::RVNGPropertyList());
            props.insert("f:DATA-chunks", pieces);
            librevenge::RVNGPropertyListVector stops;
            stops.append(librevenge::RVNGPropertyList());
            props.insert("g:stops", stops);
            renderer.setStyle(props);
            QCOMPARE(renderer.stats().stylesSet, 1);
            QCOMPARE(renderer.propertyKeys().size(), 8);
            renderer.resetStats();
            QCOMPARE(renderer.stats().totalCalls, 0);
            QCOMPARE(renderer.stats().stylesSet, 0);
        }
        const QStringList lines = readLines(path);
        const QStringList expected = {
            "setStyle()",
            "  Style properties:",
            "    a:points = 12.3457 pt (points)",
            "    b:generic = 3 (generic)",
            "    c:int = 7 (int)",
            "    d:text = tab\\there\\r\\nend (string)",
            "    e:long = " + QString(100, 'x') + "... (string)",
            "    f:DATA-chunks = [Binary data vector, size: 2] (binary-vector)",
            "    g:stops = [Property list vector, size: 1] (vector)",
            "    office:binary-data = [Binary data] (binary)",
        };
        QCOMPARE(lines.mid(2, expected.size()), expected);
        // Counters were reset before the renderer ended.
        QVERIFY(lines.contains(QStringLiteral("Total calls: 0")));
    }

    void graphicObjectAndConnectorDetails()
    {
        const QString path = m_dir.filePath(QStringLiteral("graphic.txt"));
        {
            DebugRenderer renderer(path);
            librevenge::RVNGPropertyList image;
            image.insert("librevenge:mime-type", "image/png");
            QByteArray bytes(100, '\x7f');
            image.insert("office:binary-data",
                         librevenge::RVNGBinaryData(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                                    bytes.size()));
            librevenge::RVNGPropertyListVector replacements;
            librevenge::RVNGPropertyList emf;
            emf.insert("librevenge:mime-type", "image/emf");
            replacements.append(emf);
            image.insert("librevenge:replacement-objects", replacements);
            image.insert("librevenge:replacement-text", QByteArray(120, 'r').constData());
            renderer.drawGraphicObject(image);

            librevenge::RVNGPropertyList connector;
            connector.insert("draw:start-shape", "s1");
            renderer.drawConnector(connector);
            QCOMPARE(renderer.stats().graphicObjects, 1);
            QCOMPARE(renderer.stats().connectors, 1);
        }
        const QStringList lines = readLines(path);
        QCOMPARE(lines.value(2), QStringLiteral("drawGraphicObject()"));
        QCOMPARE(lines.value(3), QStringLiteral("  MIME type: image/png"));
        QVERIFY(lines.value(4).startsWith(QStringLiteral("  Data (string): f39/f39/")));
        QVERIFY(lines.value(4).endsWith(QStringLiteral("... [base64]")));
        QCOMPARE(lines.value(4).size(), QStringLiteral("  Data (string): ").size() + 50 + 12);
        QCOMPARE(lines.value(5), QStringLiteral("  Replacement objects: 1"));
        QCOMPARE(lines.value(6), QStringLiteral("    Replacement 1: image/emf"));
        QCOMPARE(lines.value(7), QStringLiteral("  Replacement text: ") + QString(100, 'r') + "...");
        QCOMPARE(lines.value(8), QStringLiteral("  Graphic object properties:"));
        const int connector = lines.indexOf(QStringLiteral("drawConnector()"));
        QVERIFY(connector > 0);
        QCOMPARE(lines.value(connector + 1), QStringLiteral("  Start shape: s1"));
        QCOMPARE(lines.value(connector + 2), QStringLiteral("  End shape: "));
    }

    void appendsAndToleratesMissingFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("twice.txt"));
        { DebugRenderer first(path); }
        { DebugRenderer second(path); }
        const QStringList lines = readLines(path);
        QCOMPARE(lines.filter(QStringLiteral("=== DebugRenderer started at")).size(), 2);
        QCOMPARE(lines.filter(QStringLiteral("=== DebugRenderer ended ===")).size(), 2);

        // No file, or one that cannot be opened: tracing still works.
        DebugRenderer none{QString()};
        QVERIFY(!none.isFileOpen());
        DebugRenderer unwritable(m_dir.filePath(QStringLiteral("no/such/folder/t.txt")));
        QVERIFY(!unwritable.isFileOpen());
        unwritable.insertSpace();
        QCOMPARE(unwritable.stats().totalCalls, 1);
    }
};

QTEST_GUILESS_MAIN(TestDebugRenderer)
#include "tst_debugrenderer.moc"
