#include "LogCategories.h"
#include "VisioStyle.h"
#include "VisioUtils.h"

#include <librevenge/librevenge.h>

#include <QtTest>

#include <cmath>
#include <limits>

using librevenge::RVNGPropertyList;

class TestVisioUtils : public QObject
{
    Q_OBJECT

private slots:
    void hatchFill();
    void readersFallBackToDefaults();
    void percentReader_data();
    void percentReader();
    void numericPercentsReadAsTheirText();
    void parseColor_data();
    void parseColor();
    void tintAndShade();
    void propertyDump();

    void solidFillFoldsOpacities();
    void gradientGates();
    void dashScalesWithStrokeWidth();
    void capsJoinsMarkerAndFillRule();

    void generalPathParser();
    void generalPathParserSurvivesBadInput_data();
    void generalPathParserSurvivesBadInput();
};

void TestVisioUtils::readersFallBackToDefaults()
{
    RVNGPropertyList props;
    props.insert("svg:width", 2.0);
    props.insert("nan", std::numeric_limits<double>::quiet_NaN());
    props.insert("inf", std::numeric_limits<double>::infinity());
    props.insert("name", "Seite 1 \xc3\xa4");
    props.insert("count", 7);

    QCOMPARE(VisioUtils::getInchProp(props, "svg:width", 5.0), 2.0);
    QCOMPARE(VisioUtils::getInchProp(props, "missing", 5.0), 5.0);
    // Non-finite numbers never reach the callers' geometry.
    QCOMPARE(VisioUtils::getInchProp(props, "nan", 1.5), 1.5);
    QCOMPARE(VisioUtils::getDoubleProp(props, "inf", -1.0), -1.0);
    QCOMPARE(VisioUtils::getIntProp(props, "count", 3), 7);
    QCOMPARE(VisioUtils::getIntProp(props, "missing", 3), 3);
    QCOMPARE(VisioUtils::getStringProp(props, "name"), QString::fromUtf8("Seite 1 \xc3\xa4"));
    QVERIFY(VisioUtils::getStringProp(props, "missing").isNull());
}

void TestVisioUtils::percentReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("percent") << "100%" << 100.0;
    QTest::newRow("blanks around") << "  12.5% " << 12.5;
    QTest::newRow("bare number") << "75" << 75.0;
    QTest::newRow("fraction stays a percent") << "0.5" << 0.5;
    QTest::newRow("empty") << "" << -7.0;
    QTest::newRow("only blanks") << "   " << -7.0;
    QTest::newRow("not a number") << "abc%" << -7.0;
    QTest::newRow("nan") << "nan%" << -7.0;
    QTest::newRow("inf") << "inf" << -7.0;
}

void TestVisioUtils::percentReader()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    RVNGPropertyList props;
    props.insert("key", text.toUtf8().constData());
    QCOMPARE(VisioUtils::getPercentProp(props, "key", -7.0), expected);
    QCOMPARE(VisioUtils::getPercentProp(props, "missing", -7.0), -7.0);

    RVNGPropertyList numeric;
    numeric.insert("key", 0.5, librevenge::RVNG_PERCENT);
    QCOMPARE(VisioUtils::getPercentProp(numeric, "key", -7.0), 50.0);
}

// Numeric percentages are read without going through their text; the value
// must be the one the text gives, rounding and all.
void TestVisioUtils::numericPercentsReadAsTheirText()
{
    const double values[] = {0.5,      1.0,       0.0,         -0.0,        0.123456789,
                             0.333333, 0.6666667, 0.000001,    0.00000049,  -0.00000049,
                             -0.25,    12.5,      0.123455,    0.123445,    1e-300,
                             1e300,    -1e300,    std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()};
    for (double value : values) {
        RVNGPropertyList numeric;
        numeric.insert("key", value, librevenge::RVNG_PERCENT);
        RVNGPropertyList text;
        text.insert("key", numeric["key"]->getStr());
        const double fromNumber = VisioUtils::getPercentProp(numeric, "key", -7.0);
        const double fromText = VisioUtils::getPercentProp(text, "key", -7.0);
        QVERIFY2(fromNumber == fromText && std::signbit(fromNumber) == std::signbit(fromText),
                 qPrintable(QStringLiteral("%1: %2 instead of %3")
                                .arg(value)
                                .arg(fromNumber, 0, 'g', 17)
                                .arg(fromText, 0, 'g', 17)));
    }
}

void TestVisioUtils::parseColor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("alpha digits ignored") << "#FF000080" << QColor(255, 0, 0, 255);
    QTest::newRow("six digits") << "#00ff7f" << QColor(0, 255, 127);
    QTest::newRow("three digits") << "#F00" << QColor(255, 0, 0);
    QTest::newRow("three digits, bad digit") << "#F0Z" << QColor(255, 0, 0);
    QTest::newRow("colour name") << "red" << QColor(Qt::black);
    QTest::newRow("empty") << "" << QColor(Qt::transparent);
    QTest::newRow("none") << "none" << QColor(Qt::transparent);
    QTest::newRow("five digits") << "#12345" << QColor(Qt::black);
    QTest::newRow("seven, not hex") << "#GGHHII" << QColor();
}

void TestVisioUtils::parseColor()
{
    QFETCH(QString, text);
    QFETCH(QColor, expected);
    QCOMPARE(VisioUtils::parseColor(text), expected);
}

void TestVisioUtils::tintAndShade()
{
    QCOMPARE(VisioUtils::applyTintShade(QColor(0, 0, 0), 0.5, 0), QColor(127, 127, 127));
    QCOMPARE(VisioUtils::applyTintShade(QColor(255, 255, 255), 0, 0.5), QColor(127, 127, 127));
    QCOMPARE(VisioUtils::applyTintShade(QColor(10, 20, 30, 40), 0, 0), QColor(10, 20, 30, 40));
    // Factors beyond 1, huge or not a number give an invalid colour, never garbage.
    QVERIFY(!VisioUtils::applyTintShade(QColor(100, 100, 100), 0, 2.0).isValid());
    QVERIFY(!VisioUtils::applyTintShade(QColor(0, 0, 0), 1e308, 0).isValid());
    QCOMPARE(VisioUtils::applyTintShade(QColor(0, 0, 0), std::numeric_limits<double>::quiet_NaN(), 0.5),
             QColor(0, 0, 0));
}

namespace {
QStringList g_debugLines;
void collectDebug(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        g_debugLines << text;
}
} // namespace

void TestVisioUtils::propertyDump()
{
    RVNGPropertyList child;
    child.insert("svg:x", 0.25);
    librevenge::RVNGPropertyListVector children;
    children.append(child);
    RVNGPropertyList props;
    props.insert("long", QByteArray(101, 'a').constData());
    props.insert("lines", "a\nb\tc");
    props.insert("size", 12.0, librevenge::RVNG_POINT);
    props.insert("count", 3);
    props.insert("svg:d", children);

    g_debugLines.clear();
    LogCategories::enableVerbose();
    const QtMessageHandler previous = qInstallMessageHandler(collectDebug);
    VisioUtils::getPropertyKeys(props, QStringLiteral(">"));
    VisioUtils::getPropertyKeys(RVNGPropertyList(), QString());
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());

    QVERIFY(g_debugLines.contains(">long = " + QString(100, 'a') + "...[truncated]"));
    QVERIFY(g_debugLines.contains(QStringLiteral(">lines = a\\nb\\tc")));
    QVERIFY(g_debugLines.contains(QStringLiteral(">size = 12.0000pt")));
    QVERIFY(g_debugLines.contains(QStringLiteral(">count = 3")));
    QVERIFY(g_debugLines.contains(QStringLiteral(">  ^ has 1 child items:")));
    QVERIFY(g_debugLines.contains(QStringLiteral(">  --- child[ 0 ] ---")));
    QVERIFY(g_debugLines.contains(QStringLiteral(">    svg:x = 0.2500in")));
    QCOMPARE(g_debugLines.last(), QStringLiteral("(empty property list)"));
}

void TestVisioUtils::solidFillFoldsOpacities()
{
    RVNGPropertyList props;
    props.insert("draw:fill", "solid");
    props.insert("draw:fill-color", "#FF0000");
    props.insert("draw:fill-opacity", "50%");
    props.insert("draw:opacity", "50%");
    VisioStyle style = VisioStyle::fromPropertyList(props);
    QVERIFY(style.filled);
    QCOMPARE(style.fillType, VisioStyle::SolidFill);
    QCOMPARE(style.fillColor.red(), 255);
    QVERIFY(qAbs(style.fillColor.alphaF() - 0.25) < 0.002);
    QCOMPARE(style.fillOpacity, 0.5);

    props.insert("draw:opacity", "0%");
    style = VisioStyle::fromPropertyList(props);
    QVERIFY(!style.filled);
    QCOMPARE(style.fillType, VisioStyle::NoFill);
    QCOMPARE(style.fillColor.alpha(), 0);

    RVNGPropertyList noColour;
    noColour.insert("draw:fill", "solid");
    style = VisioStyle::fromPropertyList(noColour);
    QVERIFY(style.filled);
    QCOMPARE(style.fillColor, QColor(0, 0, 0, 255));

    // Opacities beyond 100% are clamped, not wrapped.
    noColour.insert("draw:fill-opacity", "250%");
    style = VisioStyle::fromPropertyList(noColour);
    QCOMPARE(style.fillColor.alpha(), 255);
}

void TestVisioUtils::gradientGates()
{
    RVNGPropertyList props;
    props.insert("draw:fill", "gradient");
    props.insert("draw:start-color", "#0000FF");
    props.insert("draw:end-color", "#00FF00");
    props.insert("librevenge:start-opacity", "0%");
    props.insert("librevenge:end-opacity", "0%");
    QCOMPARE(VisioStyle::fromPropertyList(props).fillType, VisioStyle::NoFill);

    props.insert("librevenge:end-opacity", "100%");
    props.insert("draw:style", "radial");
    props.insert("draw:angle", 30.0, librevenge::RVNG_GENERIC);
    VisioStyle style = VisioStyle::fromPropertyList(props);
    QCOMPARE(style.fillType, VisioStyle::GradientFill);
    QCOMPARE(style.gradientType, VisioStyle::RadialGradient);
    QCOMPARE(style.gradientStops.size(), 2);
    QCOMPARE(style.gradientStops.first().second.alpha(), 0);
    QCOMPARE(style.gradientStops.last().second, QColor(0, 255, 0));
    QCOMPARE(style.gradientAngle, 30.0);
    QCOMPARE(style.gradientCenter, QPointF(0.5, 0.5));

    props.insert("draw:opacity", "0%");
    QCOMPARE(VisioStyle::fromPropertyList(props).fillType, VisioStyle::NoFill);

    RVNGPropertyList same;
    same.insert("draw:fill", "gradient");
    same.insert("draw:start-color", "#123456");
    same.insert("draw:end-color", "#123456");
    same.insert("draw:style", "rectangular");
    QCOMPARE(VisioStyle::fromPropertyList(same).fillType, VisioStyle::GradientFill);
    QCOMPARE(VisioStyle::fromPropertyList(same).gradientType, VisioStyle::RectangularGradient);
    same.insert("svg:cx", "0%");
    same.insert("svg:cy", "0%");
    QCOMPARE(VisioStyle::fromPropertyList(same).fillType, VisioStyle::NoFill);
}

// Hatch values reach the scene in inches and degrees; values that would
// draw nothing or a line per atom are held to a range.
void TestVisioUtils::hatchFill()
{
    RVNGPropertyList props;
    props.insert("draw:fill", "hatch");
    props.insert("draw:color", "#00FF00");
    props.insert("draw:style", "triple");
    props.insert("draw:rotation", 405);
    props.insert("draw:distance", 0.05);
    props.insert("draw:fill-hatch-solid", "true");
    props.insert("draw:fill-color", "#0000FF");
    VisioStyle style = VisioStyle::fromPropertyList(props);
    QCOMPARE(style.fillType, VisioStyle::HatchFill);
    QCOMPARE(style.hatchColor, QColor(0, 255, 0));
    QCOMPARE(style.hatchStyle, VisioStyle::TripleHatch);
    QCOMPARE(style.hatchRotation, 45.0);
    QCOMPARE(style.hatchDistance, 0.05);
    QCOMPARE(style.fillColor, QColor(0, 0, 255));
    props.insert("draw:fill-hatch-solid", "false");
    QCOMPARE(VisioStyle::fromPropertyList(props).fillColor.alpha(), 0);

    for (double distance : {0.0, -1.0, 1e9, std::nan("")}) {
        props.insert("draw:distance", distance);
        props.insert("draw:rotation", std::nan(""));
        style = VisioStyle::fromPropertyList(props);
        QVERIFY(style.hatchDistance >= 0.005 && style.hatchDistance <= 100);
        QVERIFY(std::isfinite(style.hatchRotation));
    }
}

void TestVisioUtils::dashScalesWithStrokeWidth()
{
    // One 2-width dash and one 1-width dash, each followed by a half-width gap.
    RVNGPropertyList props;
    props.insert("draw:stroke", "dash");
    props.insert("svg:stroke-width", 0.01);
    props.insert("draw:dots1", 1);
    props.insert("draw:dots1-length", "200%");
    props.insert("draw:dots2", 1);
    props.insert("draw:dots2-length", "100%");
    props.insert("draw:distance", "50%");
    VisioStyle style = VisioStyle::fromPropertyList(props);
    QCOMPARE(style.strokeType, VisioStyle::DashStroke);
    const QList<double> expected{0.02, 0.005, 0.01, 0.005};
    QCOMPARE(style.dashPattern.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY(qFuzzyCompare(style.dashPattern.at(i), expected.at(i)));

    // Two dots and no second kind: dot, gap, dot, gap.
    props.insert("draw:dots1", 2);
    props.insert("draw:dots2", 0);
    QCOMPARE(VisioStyle::fromPropertyList(props).dashPattern.size(), 4);

    // A hairline's dashes are measured against a visible width.
    props.insert("svg:stroke-width", 0.0);
    QVERIFY(VisioStyle::fromPropertyList(props).dashPattern.at(0) > 0.01);

    RVNGPropertyList none;
    none.insert("draw:stroke", "none");
    none.insert("svg:stroke-color", "#00FF00");
    none.insert("svg:stroke-opacity", "40%");
    style = VisioStyle::fromPropertyList(none);
    QCOMPARE(style.strokeType, VisioStyle::NoStroke);
    QCOMPARE(style.strokeColor.green(), 255);
    QVERIFY(qAbs(style.strokeColor.alphaF() - 0.4) < 0.002);
}

void TestVisioUtils::capsJoinsMarkerAndFillRule()
{
    RVNGPropertyList props;
    props.insert("svg:stroke-linecap", "butt");
    props.insert("svg:stroke-linejoin", "miter");
    props.insert("svg:fill-rule", "evenodd");
    props.insert("draw:marker-end-path", "M 0 0 L 1 1");
    VisioStyle style = VisioStyle::fromPropertyList(props);
    QCOMPARE(style.capStyle, Qt::FlatCap);
    QCOMPARE(style.joinStyle, Qt::MiterJoin);
    QCOMPARE(style.fillRule, Qt::OddEvenFill);
    QVERIFY(style.hasEndMarker);
    QCOMPARE(style.markerEndWidth, 0.0);

    props.insert("svg:stroke-linecap", "round");
    props.insert("svg:stroke-linejoin", "bevel");
    props.insert("draw:marker-end-width", 0.1);
    style = VisioStyle::fromPropertyList(props);
    QCOMPARE(style.capStyle, Qt::RoundCap);
    QCOMPARE(style.joinStyle, Qt::BevelJoin);
    QCOMPARE(style.markerEndWidth, 0.1);
    props.insert("svg:stroke-linecap", "square");
    QCOMPARE(VisioStyle::fromPropertyList(props).capStyle, Qt::SquareCap);
}

void TestVisioUtils::generalPathParser()
{
    // Commas, glued letters and an implicitly repeated L.
    QPainterPath triangle = VisioUtils::parseSvgPath(QStringLiteral("M0,0L10,0 10,10z"));
    QCOMPARE(triangle.elementCount(), 4);
    QCOMPARE(QPointF(triangle.elementAt(2)), QPointF(10, 10));
    QCOMPARE(QPointF(triangle.elementAt(3)), QPointF(0, 0));
    QCOMPARE(triangle.boundingRect(), QRectF(0, 0, 10, 10));

    // Curves as arrowhead outlines use them: c relative to the segment start,
    // s mirroring the last control point, v vertical; after z, m starts from
    // the closed subpath's first point.
    QPainterPath curves = VisioUtils::parseSvgPath(
        QStringLiteral("M0 0 C 1 2 3 4 5 6 s 1 1 2 0 v 3 z m1 1 h1"));
    QCOMPARE(QPointF(curves.elementAt(3)), QPointF(5, 6));
    QCOMPARE(QPointF(curves.elementAt(4)), QPointF(7, 8)); // mirrored (3, 4) about (5, 6)
    QCOMPARE(QPointF(curves.elementAt(6)), QPointF(7, 6));
    QCOMPARE(QPointF(curves.elementAt(7)), QPointF(7, 9));
    QCOMPARE(QPointF(curves.elementAt(curves.elementCount() - 2)), QPointF(1, 1));

    // Relative move with following pairs as relative lines; signs and dots separate numbers.
    QPainterPath relative = VisioUtils::parseSvgPath(QStringLiteral("m1 1 2 2h3"));
    QCOMPARE(relative.elementCount(), 3);
    QCOMPARE(QPointF(relative.elementAt(1)), QPointF(3, 3));
    QCOMPARE(QPointF(relative.elementAt(2)), QPointF(6, 3));
    QPainterPath glued = VisioUtils::parseSvgPath(QStringLiteral("M10-5L20.5.5"));
    QCOMPARE(QPointF(glued.elementAt(0)), QPointF(10, -5));
    QCOMPARE(QPointF(glued.elementAt(1)), QPointF(20.5, 0.5));

    QPainterPath quad = VisioUtils::parseSvgPath(QStringLiteral("M0 0 q1 1 2 0"));
    QCOMPARE(quad.elementCount(), 4); // move + quad converted to a cubic
    QCOMPARE(QPointF(quad.elementAt(3)), QPointF(2, 0));
}

void TestVisioUtils::generalPathParserSurvivesBadInput_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("maxElements");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("lone letter") << "M" << 0;
    QTest::newRow("numbers without command") << "1 2 3 4" << 0;
    QTest::newRow("numbers after close") << "M0 0 L1 1 Z 5 5 6 6" << 3;
    QTest::newRow("junk") << "#$%^&*()" << 0;
    QTest::newRow("unicode letters") << QString::fromUtf8("M0 0 \xc3\xa4 1 2 L 3 4") << 2;
    QTest::newRow("overflowing exponent") << "M1e400 0 L1 1" << 0;
    QTest::newRow("relative overflow") << "m1e308 0 l1e308 0" << 1;
    QTest::newRow("unterminated pair") << "M0 0 L5" << 1;
}

void TestVisioUtils::generalPathParserSurvivesBadInput()
{
    QFETCH(QString, data);
    QFETCH(int, maxElements);
    const QPainterPath path = VisioUtils::parseSvgPath(data);
    QVERIFY(path.elementCount() <= maxElements);
    for (int i = 0; i < path.elementCount(); ++i) {
        QVERIFY(std::isfinite(path.elementAt(i).x));
        QVERIFY(std::isfinite(path.elementAt(i).y));
    }
}

QTEST_MAIN(TestVisioUtils)
#include "tst_VisioUtils.moc"
