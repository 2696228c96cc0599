#include "VisioRenderer.h"

#include "ImportLimits.h"
#include "PictureStandIns.h"
#include "VisioImage.h"
#include "VisioPictureConversion.h"
#include "VisioPictureLoader.h"
#include "VisioUtils.h"

#include "LogCategories.h"

#include <QDebug>
#include <QHash>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Larger sizes only make the text layout stall; no diagram needs them.
constexpr double kMaxFontPointSize = 4000.0;
// Longer family names are no font's name; matching them only costs time.
constexpr qsizetype kMaxFontFamilyLength = 256;
// Formats kept per text block; later changes continue the last one.
constexpr qsizetype kMaxTextRuns = 4096;
constexpr qsizetype kMaxTextParagraphs = 4096;
// Paragraph indents and spacing beyond this are damage, not layout.
constexpr double kMaxParagraphInches = 100.0;

double paragraphLength(const librevenge::RVNGPropertyList &props, const char *key)
{
    const double v = VisioUtils::getInchProp(props, key, 0.0);
    return qBound(-kMaxParagraphInches, v, kMaxParagraphInches);
}

bool sameFormat(const VisioTextRun &run, const QFont &font, const QColor &color,
                const QColor &background)
{
    return run.font == font && run.color == color && run.background == background;
}

VisioDisplay displayOf(const librevenge::RVNGPropertyList &props)
{
    const librevenge::RVNGString display = VisioUtils::getRawStringProp(props, "draw:display");
    if (VisioUtils::isKeyword(display, "none"))
        return VisioDisplay::Never;
    if (VisioUtils::isKeyword(display, "screen"))
        return VisioDisplay::ScreenOnly;
    if (VisioUtils::isKeyword(display, "printer"))
        return VisioDisplay::PrintOnly;
    return VisioDisplay::Always;
}

bool isFinitePoint(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// One path action's command and coordinates, read in a single pass over its
// keys: looking each possible key up by name costs more than the rest of the
// import of a path.
struct PathAction
{
    enum Coordinate { X, Y, X1, Y1, X2, Y2, RX, RY, CoordinateCount };

    librevenge::RVNGString command;
    double values[CoordinateCount] = {};
    // A coordinate is present but not a finite number.
    bool nonFinite = false;

    explicit PathAction(const librevenge::RVNGPropertyList &element)
    {
        static const char *const keys[CoordinateCount] = {"svg:x",  "svg:y",  "svg:x1", "svg:y1",
                                                          "svg:x2", "svg:y2", "svg:rx", "svg:ry"};
        librevenge::RVNGPropertyList::Iter it(element);
        for (it.rewind(); it.next();) {
            const char *key = it.key();
            const librevenge::RVNGProperty *prop = it();
            if (!key || !prop)
                continue;
            if (std::strcmp(key, "librevenge:path-action") == 0) {
                try {
                    command = prop->getStr();
                } catch (...) {
                    command.clear();
                }
                continue;
            }
            for (int i = 0; i < CoordinateCount; ++i) {
                if (std::strcmp(key, keys[i]) != 0)
                    continue;
                try {
                    const double v = prop->getDouble();
                    if (std::isfinite(v))
                        values[i] = v;
                    else
                        nonFinite = true;
                } catch (...) {
                    nonFinite = true;
                }
                break;
            }
        }
    }

    bool is(const char *name) const { return VisioUtils::isKeyword(command, name); }
    QPointF point(Coordinate x, Coordinate y) const { return QPointF(values[x], values[y]); }
};

} // namespace

VisioRenderer::VisioRenderer(const QString &fileName)
{
    reset();
    model.fileName = fileName;
}

VisioRenderer::~VisioRenderer() = default;

VisioDocumentModel VisioRenderer::takeDocumentModel()
{
    finishLayerAssignment();
    VisioDocumentModel taken = std::move(model);
    model = VisioDocumentModel();
    model.fileName = taken.fileName;
    currentPage = -1;
    pageLayerNames.clear();
    return taken;
}

void VisioRenderer::reset()
{
    model.pages.clear();
    currentPage = -1;
    currentState = RenderState();
    textState = TextState();
    stateStack.clear();
    groupsBeyondDepth = 0;
    idCounter = 0;
    pageLayerNames.clear();
    layerShapeIds.clear();
}

QString VisioRenderer::generateId(const QString &prefix)
{
    return prefix + QLatin1Char('_') + QString::number(++idCounter);
}

QString VisioRenderer::extractString(const librevenge::RVNGPropertyList &props,
                                     const char *key) const
{
    return VisioUtils::getStringProp(props, key);
}

double VisioRenderer::extractInches(const librevenge::RVNGPropertyList &props,
                                    const char *key) const
{
    return VisioUtils::getInchProp(props, key, 0.0);
}

QRectF VisioRenderer::extractRect(const librevenge::RVNGPropertyList &props) const
{
    return QRectF(extractInches(props, "svg:x"), extractInches(props, "svg:y"),
                  extractInches(props, "svg:width"), extractInches(props, "svg:height"));
}

QPointF VisioRenderer::extractPoint(const librevenge::RVNGPropertyList &props, const char *xKey,
                                    const char *yKey) const
{
    return QPointF(extractInches(props, xKey), extractInches(props, yKey));
}

QByteArray VisioRenderer::extractImageData(const librevenge::RVNGPropertyList &props) const
{
    const QString text = VisioUtils::getStringProp(props, "office:binary-data");
    if (text.isEmpty())
        return QByteArray();
    return QByteArray::fromBase64(text.toLatin1());
}

void VisioRenderer::stopIfCancelled() const
{
    struct ParseCancelled
    {
    };
    if (cancelFlag && cancelFlag->load(std::memory_order_relaxed))
        throw ParseCancelled();
}

VisioPage *VisioRenderer::page()
{
    if (currentPage < 0 || currentPage >= model.pages.size())
        return nullptr;
    return &model.pages[currentPage];
}

int VisioRenderer::takeZIndex()
{
    return currentState.zCounter++;
}

void VisioRenderer::finishLayerAssignment()
{
    if (VisioPage *current = page())
        layerAssignment.finishPage(*current);
}

quint32 VisioRenderer::enclosingShapeId() const
{
    return layerShapeIds.isEmpty() ? 0 : layerShapeIds.last();
}

// ---- document, pages, layers, groups ---------------------------------------

void VisioRenderer::startDocument(const librevenge::RVNGPropertyList &)
{
    reset();
}

void VisioRenderer::endDocument() {}

void VisioRenderer::setDocumentMetaData(const librevenge::RVNGPropertyList &props)
{
    model.title = extractString(props, "dc:title");
    model.creator = extractString(props, "dc:creator");
    const QString created = extractString(props, "meta:creation-date");
    if (!created.isEmpty())
        model.creationDate = QDateTime::fromString(created, Qt::ISODate);
}

void VisioRenderer::defineEmbeddedFont(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::startPage(const librevenge::RVNGPropertyList &props)
{
    if (model.pages.size() >= ImportLimits::maxPages) {
        endPage();
        return;
    }
    finishLayerAssignment();
    VisioPage newPage;
    newPage.name = extractString(props, "draw:name");
    newPage.pageSize = QSizeF(extractInches(props, "svg:width"), extractInches(props, "svg:height"));
    model.pages.append(newPage);
    currentPage = model.pages.size() - 1;
    currentState.zCounter = 0;
    pageLayerNames.clear();
    layerAssignment.startPage(model.pages.last());
    qCDebug(lcImport) << "★ Page size (inches):" << newPage.pageSize.width() << "x"
             << newPage.pageSize.height();
}

void VisioRenderer::endPage()
{
    finishLayerAssignment();
    currentPage = -1;
    pageLayerNames.clear();
}

void VisioRenderer::startMasterPage(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::endMasterPage() {}

void VisioRenderer::setStyle(const librevenge::RVNGPropertyList &props)
{
    currentState.style = VisioStyle::fromPropertyList(props);
}

void VisioRenderer::startLayer(const librevenge::RVNGPropertyList &props)
{
    VisioPage *current = page();
    QString name = extractString(props, "draw:name");
    if (name.isEmpty())
        name = QStringLiteral("Layer_%1").arg(current ? current->layers.size() + 1 : 1);
    currentState.currentLayer = name;
    const quint32 shapeId =
        VisioLayerAssignment::shapeIdFrom(extractString(props, "draw:id"));
    if (layerShapeIds.size() < ImportLimits::maxGroupDepth)
        layerShapeIds.append(shapeId ? shapeId : enclosingShapeId());
    if (current && !pageLayerNames.contains(name)) {
        pageLayerNames.insert(name);
        current->layers.append(name);
    }
}

void VisioRenderer::endLayer()
{
    currentState.currentLayer.clear();
    if (!layerShapeIds.isEmpty())
        layerShapeIds.removeLast();
}

void VisioRenderer::startEmbeddedGraphics(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::endEmbeddedGraphics() {}

void VisioRenderer::openGroup(const librevenge::RVNGPropertyList &)
{
    if (stateStack.size() >= ImportLimits::maxGroupDepth) {
        ++groupsBeyondDepth;
        return;
    }
    stateStack.push(currentState);
    currentState.zCounter = 0;
}

void VisioRenderer::closeGroup()
{
    if (groupsBeyondDepth > 0)
        --groupsBeyondDepth;
    else if (!stateStack.isEmpty())
        currentState = stateStack.pop();
}

void VisioRenderer::drawRectangle(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::drawEllipse(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::drawPolygon(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::drawPolyline(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::drawConnector(const librevenge::RVNGPropertyList &) {}

// ---- paths -----------------------------------------------------------------

void VisioRenderer::drawPath(const librevenge::RVNGPropertyList &props)
{
    stopIfCancelled();
    if (!page() || page()->shapes.size() >= ImportLimits::maxItemsPerPage)
        return;

    QString id = extractString(props, "draw:id");
    quint32 shapeId = VisioLayerAssignment::shapeIdFrom(id);
    if (!shapeId)
        shapeId = enclosingShapeId();
    if (id.isEmpty())
        id = generateId(QStringLiteral("shape"));

    QPainterPath path;
    const librevenge::RVNGPropertyListVector *actions = props.child("svg:d");
    const bool hasActions = actions && actions->count() > 0;
    const QString pathText = hasActions ? QString() : extractString(props, "svg:d");
    if (hasActions) {
        path = parsePathFromChildren(actions);
    } else if (!pathText.isEmpty() && pathText != QLatin1String("0")) {
        path = parseSvgPath(pathText);
    } else {
        const QRectF rect = extractRect(props);
        const bool finiteCorners =
            std::isfinite(rect.x() + rect.width()) && std::isfinite(rect.y() + rect.height());
        if (rect.width() > 0 && rect.height() > 0 && finiteCorners) {
            path.addRect(rect);
            qCDebug(lcImport) << "Created rectangle path from explicit dimensions";
        } else {
            qCDebug(lcImport) << "No valid path data found for shape" << id;
            return;
        }
    }

    if (path.isEmpty()) {
        qCDebug(lcImport) << "Empty path for shape" << id << "- skipping";
        return;
    }

    VisioShape shape;
    shape.id = id;
    shape.path = path;
    shape.style = currentState.style;
    shape.layer = currentState.currentLayer;
    shape.zIndex = takeZIndex();
    shape.display = displayOf(props);
    page()->shapes.append(std::move(shape));
    layerAssignment.place(*page(), VisioLayerAssignment::Shape, page()->shapes.size() - 1,
                          page()->shapes.last().display, shapeId);
}

QPainterPath VisioRenderer::parsePathFromChildren(const librevenge::RVNGPropertyListVector *actions)
{
    QPainterPath path;
    if (!actions)
        return path;

    QPointF current(0, 0);
    QPointF subpathStart(0, 0);
    for (unsigned long i = 0; i < actions->count(); ++i) {
        const librevenge::RVNGPropertyList &element = (*actions)[i];
        const PathAction action(element);
        if (action.nonFinite) {
            qCDebug(lcImport) << "Skipping path action with non-finite coordinates:"
                     << QString::fromUtf8(action.command.cstr());
            continue;
        }

        if (action.is("M")) {
            const QPointF p = action.point(PathAction::X, PathAction::Y);
            path.moveTo(p);
            current = subpathStart = p;
        } else if (action.is("L")) {
            const QPointF p = action.point(PathAction::X, PathAction::Y);
            if (path.elementCount() == 0) {
                path.moveTo(p);
                subpathStart = p;
            } else {
                path.lineTo(p);
            }
            current = p;
        } else if (action.is("C")) {
            const QPointF end = action.point(PathAction::X, PathAction::Y);
            path.cubicTo(action.point(PathAction::X1, PathAction::Y1),
                         action.point(PathAction::X2, PathAction::Y2), end);
            current = end;
        } else if (action.is("A")) {
            if (path.elementCount() == 0) {
                const QPointF p = action.point(PathAction::X, PathAction::Y);
                path.moveTo(p);
                current = subpathStart = p;
            } else {
                handleEllipticalArc(element, path, current);
            }
        } else if (action.is("Z")) {
            path.closeSubpath();
            current = subpathStart;
        } else if (action.is("Q")) {
            const QPointF end = action.point(PathAction::X, PathAction::Y);
            path.quadTo(action.point(PathAction::X1, PathAction::Y1), end);
            current = end;
        } else {
            qCWarning(lcImport) << "Unknown path action:" << QString::fromUtf8(action.command.cstr());
        }
    }
    return path;
}

void VisioRenderer::handleEllipticalArc(const librevenge::RVNGPropertyList &action,
                                        QPainterPath &path, QPointF &current)
{
    const QPointF end(VisioUtils::getInchProp(action, "svg:x", current.x()),
                      VisioUtils::getInchProp(action, "svg:y", current.y()));
    const double rx = VisioUtils::getInchProp(action, "svg:rx", 0.0);
    const double ry = VisioUtils::getInchProp(action, "svg:ry", 0.0);
    if (rx <= 0 || ry <= 0) {
        path.lineTo(end);
        current = end;
        return;
    }

    const bool largeArc = VisioUtils::getIntProp(action, "librevenge:large-arc", 0) != 0;
    bool sweep;
    if (action["librevenge:sweep"])
        sweep = VisioUtils::getIntProp(action, "librevenge:sweep", 0) != 0;
    else
        sweep = std::abs(VisioUtils::getDoubleProp(action, "librevenge:rotate", 0.0) - 180.0) < 0.001;

    const QList<CubicSegment> segments = svgArcToBezier(current, end, rx, ry, 0.0, largeArc, sweep);
    for (const CubicSegment &segment : segments)
        path.cubicTo(segment.control1, segment.control2, segment.end);
    // An arc too large for double arithmetic still reaches its end point.
    if (segments.isEmpty() && end != current)
        path.lineTo(end);
    current = end;
}

QList<VisioRenderer::CubicSegment> VisioRenderer::svgArcToBezier(const QPointF &from,
                                                                 const QPointF &to, double rx,
                                                                 double ry,
                                                                 double xAxisRotationRadians,
                                                                 bool largeArc, bool sweep)
{
    QList<CubicSegment> segments;
    if (!isFinitePoint(from) || !isFinitePoint(to) || !std::isfinite(xAxisRotationRadians)
        || !(rx > 0) || !(ry > 0) || !std::isfinite(rx) || !std::isfinite(ry))
        return segments;

    const double cosPhi = std::cos(xAxisRotationRadians);
    const double sinPhi = std::sin(xAxisRotationRadians);

    const double dx = (from.x() - to.x()) / 2.0;
    const double dy = (from.y() - to.y()) / 2.0;
    const double x1p = cosPhi * dx + sinPhi * dy;
    const double y1p = -sinPhi * dx + cosPhi * dy;

    const double lambda = (x1p * x1p) / (rx * rx) + (y1p * y1p) / (ry * ry);
    if (lambda > 1) {
        const double root = std::sqrt(lambda);
        rx *= root;
        ry *= root;
    }

    const double rx2 = rx * rx;
    const double ry2 = ry * ry;
    const double denominator = rx2 * y1p * y1p + ry2 * x1p * x1p;
    const double numerator = rx2 * ry2 - rx2 * y1p * y1p - ry2 * x1p * x1p;
    double coefficient = std::sqrt(std::max(0.0, numerator / denominator));
    if (largeArc == sweep)
        coefficient = -coefficient;
    const double cxp = coefficient * (rx * y1p / ry);
    const double cyp = coefficient * (-ry * x1p / rx);
    const QPointF center(cosPhi * cxp - sinPhi * cyp + (from.x() + to.x()) / 2.0,
                         sinPhi * cxp + cosPhi * cyp + (from.y() + to.y()) / 2.0);

    const double ux = (x1p - cxp) / rx;
    const double uy = (y1p - cyp) / ry;
    const double vx = (-x1p - cxp) / rx;
    const double vy = (-y1p - cyp) / ry;
    const double theta1 = std::atan2(uy, ux);
    double delta = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    if (!std::isfinite(theta1) || !std::isfinite(delta) || !isFinitePoint(center))
        return segments;
    if (!sweep && delta > 0)
        delta -= 2 * kPi;
    else if (sweep && delta < 0)
        delta += 2 * kPi;

    // The small allowance keeps an exact quarter turn at one segment.
    const int count = int(std::ceil(std::abs(delta) / (kPi / 2) - 1e-9));
    if (count < 1 || from == to)
        return segments;

    const double step = delta / count;
    const double t = 4.0 / 3.0 * std::tan(step / 4.0);
    auto pointAt = [&](double angle) {
        const double ex = rx * std::cos(angle);
        const double ey = ry * std::sin(angle);
        return QPointF(center.x() + cosPhi * ex - sinPhi * ey, center.y() + sinPhi * ex + cosPhi * ey);
    };
    auto tangentAt = [&](double angle) {
        const double ex = -rx * std::sin(angle);
        const double ey = ry * std::cos(angle);
        return QPointF(cosPhi * ex - sinPhi * ey, sinPhi * ex + cosPhi * ey);
    };

    for (int i = 0; i < count; ++i) {
        const double a = theta1 + i * step;
        const double b = a + step;
        CubicSegment segment;
        segment.control1 = pointAt(a) + t * tangentAt(a);
        segment.control2 = pointAt(b) - t * tangentAt(b);
        segment.end = pointAt(b);
        if (!isFinitePoint(segment.control1) || !isFinitePoint(segment.control2)
            || !isFinitePoint(segment.end))
            return {};
        segments.append(segment);
    }
    return segments;
}

QPainterPath VisioRenderer::parseSvgPath(const QString &d)
{
    QPainterPath path;
    if (d.isEmpty() || d == QLatin1String("0"))
        return path;

    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList tokens = d.split(blanks, Qt::SkipEmptyParts);
    const qsizetype count = tokens.size();
    auto number = [&](qsizetype index, double &out) {
        bool ok = false;
        const double value = tokens.at(index).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return false;
        out = value;
        return true;
    };

    QPointF current(0, 0);
    QPointF subpathStart(0, 0);
    qsizetype i = 0;
    while (i < count) {
        const QString &token = tokens.at(i);
        if (token == QLatin1String("M") || token == QLatin1String("m") || token == QLatin1String("L")
            || token == QLatin1String("l")) {
            if (i + 2 >= count) {
                ++i;
                continue;
            }
            const bool relative = token.at(0).isLower();
            double x = 0, y = 0;
            if (number(i + 1, x) && number(i + 2, y)) {
                QPointF p = relative ? current + QPointF(x, y) : QPointF(x, y);
                if (isFinitePoint(p)) {
                    if (token.at(0).toUpper() == QLatin1Char('M')) {
                        path.moveTo(p);
                        subpathStart = p;
                    } else {
                        path.lineTo(p);
                    }
                    current = p;
                }
            }
            i += 3;
        } else if (token == QLatin1String("C") || token == QLatin1String("c")) {
            if (i + 6 >= count) {
                ++i;
                continue;
            }
            double v[6];
            bool ok = true;
            for (int k = 0; k < 6 && ok; ++k)
                ok = number(i + 1 + k, v[k]);
            if (ok) {
                const QPointF base = token == QLatin1String("c") ? current : QPointF(0, 0);
                const QPointF c1 = base + QPointF(v[0], v[1]);
                const QPointF c2 = base + QPointF(v[2], v[3]);
                const QPointF end = base + QPointF(v[4], v[5]);
                if (isFinitePoint(c1) && isFinitePoint(c2) && isFinitePoint(end)) {
                    path.cubicTo(c1, c2, end);
                    current = end;
                }
            }
            i += 7;
        } else if (token == QLatin1String("Z") || token == QLatin1String("z")) {
            path.closeSubpath();
            current = subpathStart;
            ++i;
        } else {
            double x = 0;
            if (number(i, x) && i + 1 < count) {
                double y = 0;
                if (number(i + 1, y)) {
                    current = QPointF(x, y);
                    path.lineTo(current);
                }
                i += 2;
            } else {
                ++i;
            }
        }
    }
    return path;
}

// ---- text ------------------------------------------------------------------

QString VisioRenderer::substituteFontFamily(const QString &family)
{
#ifdef Q_OS_MACOS
    static const QHash<QString, QString> substitutes = {
        {QStringLiteral("Calibri"), QStringLiteral("Arial")},
        {QStringLiteral("Franklin Gothic Book"), QStringLiteral("Arial Narrow")},
        {QStringLiteral("Franklin Gothic"), QStringLiteral("Arial Narrow")},
        {QStringLiteral("Segoe UI"), QStringLiteral("Helvetica Neue")},
        {QStringLiteral("Tahoma"), QStringLiteral("Arial")},
        {QStringLiteral("Verdana"), QStringLiteral("Arial")},
        {QStringLiteral("Microsoft YaHei"), QStringLiteral("PingFang SC")},
        {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("PingFang SC")},
        {QStringLiteral("SimSun"), QStringLiteral("STSong")},
        {QStringLiteral("SimHei"), QStringLiteral("Heiti SC")},
        {QStringLiteral("NSimSun"), QStringLiteral("STSong")},
        {QStringLiteral("Aptos"), QStringLiteral("Helvetica Neue")},
    };
#else
    // Metric-compatible families where Debian has them, so labels wrap
    // where they did for the drawing's author.
    static const QHash<QString, QString> substitutes = {
        {QStringLiteral("Calibri"), QStringLiteral("Carlito")},
        {QStringLiteral("Cambria"), QStringLiteral("Caladea")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Franklin Gothic Book"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Franklin Gothic"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Aptos"), QStringLiteral("Carlito")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC")},
        {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Noto Sans CJK SC")},
        {QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")},
        {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")},
        {QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC")},
        {QStringLiteral("MS Gothic"), QStringLiteral("Noto Sans CJK JP")},
        {QStringLiteral("MS Mincho"), QStringLiteral("Noto Serif CJK JP")},
    };
#endif
    return substitutes.value(family, family);
}

void VisioRenderer::startTextObject(const librevenge::RVNGPropertyList &props)
{
    stopIfCancelled();
    textState = TextState();
    VisioText &text = textState.text;
    text.id = generateId(QStringLiteral("text"));
    text.bounds = extractRect(props);
    text.rotation = extractInches(props, "librevenge:rotate");
    text.padding = QMarginsF(extractInches(props, "fo:padding-left"),
                             extractInches(props, "fo:padding-top"),
                             extractInches(props, "fo:padding-right"),
                             extractInches(props, "fo:padding-bottom"));

    const librevenge::RVNGString vertical =
        VisioUtils::getRawStringProp(props, "draw:textarea-vertical-align");
    int verticalFlag = Qt::AlignVCenter;
    if (VisioUtils::isKeyword(vertical, "top"))
        verticalFlag = Qt::AlignTop;
    else if (VisioUtils::isKeyword(vertical, "bottom"))
        verticalFlag = Qt::AlignBottom;
    text.alignment = (text.alignment & ~int(Qt::AlignVertical_Mask)) | verticalFlag;

    text.layer = currentState.currentLayer;
    text.zIndex = takeZIndex();
    text.display = displayOf(props);
    textState.shapeId = enclosingShapeId();
}

void VisioRenderer::endTextObject()
{
    VisioPage *current = page();
    if (current && !textState.text.text.isEmpty()
        && current->texts.size() < ImportLimits::maxItemsPerPage) {
        const VisioDisplay display = textState.text.display;
        current->texts.append(std::move(textState.text));
        layerAssignment.place(*current, VisioLayerAssignment::Text, current->texts.size() - 1,
                              display, textState.shapeId);
    }
    textState = TextState();
}

void VisioRenderer::openParagraph(const librevenge::RVNGPropertyList &props)
{
    const librevenge::RVNGString align = VisioUtils::getRawStringProp(props, "fo:text-align");
    int horizontal = 0;
    if (VisioUtils::isKeyword(align, "left"))
        horizontal = Qt::AlignLeft;
    else if (VisioUtils::isKeyword(align, "right"))
        horizontal = Qt::AlignRight;
    else if (VisioUtils::isKeyword(align, "center"))
        horizontal = Qt::AlignHCenter;
    else if (VisioUtils::isKeyword(align, "justify"))
        horizontal = Qt::AlignJustify;
    if (horizontal) {
        int &alignment = textState.text.alignment;
        alignment = (alignment & ~int(Qt::AlignHorizontal_Mask)) | horizontal;
    }

    VisioTextParagraph paragraph;
    paragraph.alignment = horizontal;
    if (const librevenge::RVNGProperty *height = props["fo:line-height"]) {
        const bool percent = height->getUnit() == librevenge::RVNG_PERCENT;
        const double value = percent ? VisioUtils::getPercentProp(props, "fo:line-height", 100) / 100.0
                                     : VisioUtils::getInchProp(props, "fo:line-height", 0.0);
        // libvisio passes Visio's "solid" spacing on as 0 %: one font size.
        if (percent && value == 0) {
            paragraph.lineHeight = 1.0;
        } else if (value > 0 && value <= (percent ? 10.0 : kMaxParagraphInches)) {
            paragraph.lineHeight = value;
            paragraph.lineHeightAbsolute = !percent;
        }
    }
    paragraph.margins = QMarginsF(paragraphLength(props, "fo:margin-left"),
                                  paragraphLength(props, "fo:margin-top"),
                                  paragraphLength(props, "fo:margin-right"),
                                  paragraphLength(props, "fo:margin-bottom"));
    paragraph.textIndent = paragraphLength(props, "fo:text-indent");
    // Closer stops than a hundredth of an inch would put a stop at every pixel.
    const double tabs = VisioUtils::getInchProp(props, "style:tab-stop-distance", 0.0);
    if (tabs >= 0.01 && tabs <= kMaxParagraphInches)
        paragraph.tabStopDistance = tabs;
    textState.paragraph = paragraph;
    textState.paragraphPending = true;
}

void VisioRenderer::closeParagraph()
{
    addPendingSeparator(QLatin1Char('\n'));
}

void VisioRenderer::openSpan(const librevenge::RVNGPropertyList &props)
{
    textState.spanOpen = true;
    // Every span carries its whole format: bold or italic of an earlier span
    // must not carry over.
    QFont font = textState.text.font;
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);

    const librevenge::RVNGString familyText = VisioUtils::getRawStringProp(props, "style:font-name");
    if (familyText.size() <= kMaxFontFamilyLength) {
        const QString family = substituteFontFamily(QString::fromUtf8(familyText.cstr()));
        if (!family.isEmpty())
            font.setFamily(family);
    }

    // Every span gives its size, nearly always as librevenge's plain
    // "12.0000pt"; that form is read without a QString round trip.
    const librevenge::RVNGString size = VisioUtils::getRawStringProp(props, "fo:font-size");
    const char *sizeText = size.cstr();
    const size_t sizeLength = std::strlen(sizeText);
    if (sizeLength >= 2 && std::strcmp(sizeText + sizeLength - 2, "pt") == 0) {
        const char *numberEnd = sizeText + sizeLength - 2;
        double points = 0;
        const std::from_chars_result parsed = std::from_chars(sizeText, numberEnd, points);
        if (parsed.ec != std::errc() || parsed.ptr != numberEnd || *sizeText == '+')
            points = QString::fromUtf8(sizeText, qsizetype(sizeLength - 2)).toDouble();
        if (points > 0 && std::isfinite(points))
            font.setPointSizeF(std::min(points, kMaxFontPointSize));
    }

    if (VisioUtils::isKeyword(VisioUtils::getRawStringProp(props, "fo:font-weight"), "bold"))
        font.setWeight(QFont::Bold);
    if (VisioUtils::isKeyword(VisioUtils::getRawStringProp(props, "fo:font-style"), "italic"))
        font.setItalic(true);
    const librevenge::RVNGString underline =
        VisioUtils::getRawStringProp(props, "style:text-underline-type");
    if (underline.size() > 0 && !VisioUtils::isKeyword(underline, "none"))
        font.setUnderline(true);
    const librevenge::RVNGString strike =
        VisioUtils::getRawStringProp(props, "style:text-line-through-type");
    if (strike.size() > 0 && !VisioUtils::isKeyword(strike, "none"))
        font.setStrikeOut(true);
    textState.spanFont = font;

    const QString color = extractString(props, "fo:color");
    if (!color.isEmpty())
        textState.spanColor = VisioUtils::parseColor(color);
    const QString background = extractString(props, "fo:background-color");
    textState.spanBackground = background.isEmpty() ? QColor(Qt::transparent)
                                                    : VisioUtils::parseColor(background);
    if (!background.isEmpty())
        textState.spanBackground.setAlphaF(1.0);
}

void VisioRenderer::closeSpan()
{
    textState.spanOpen = false;
    textState.spanFont = textState.text.font;
    textState.spanColor = textState.text.color;
    textState.spanBackground = Qt::transparent;
}

void VisioRenderer::insertText(const librevenge::RVNGString &text)
{
    const QString s = QString::fromUtf8(text.cstr());
    if (s.isEmpty())
        return;
    VisioText &record = textState.text;
    if (record.text.size() + textState.pendingSeparators.size() + s.size()
        > ImportLimits::maxTextLength)
        return;
    if (record.text.isEmpty() && textState.spanOpen) {
        record.font = textState.spanFont;
        record.color = textState.spanColor;
    }
    const qsizetype start = record.text.size();
    record.text += textState.pendingSeparators;
    if (textState.paragraphPending) {
        textState.paragraphPending = false;
        // The paragraph starts after the break that ended the one before.
        const qsizetype lastBreak = textState.pendingSeparators.lastIndexOf(QLatin1Char('\n'));
        textState.paragraph.start = start + lastBreak + 1;
        if (record.paragraphs.size() < kMaxTextParagraphs)
            record.paragraphs.append(textState.paragraph);
    }
    textState.pendingSeparators.clear();
    record.text += s;

    const QFont &font = textState.spanOpen ? textState.spanFont : record.font;
    const QColor &color = textState.spanOpen ? textState.spanColor : record.color;
    const QColor background = textState.spanOpen ? textState.spanBackground : QColor(Qt::transparent);
    QList<VisioTextRun> &runs = record.runs;
    if (!runs.isEmpty()
        && (sameFormat(runs.last(), font, color, background) || runs.size() >= kMaxTextRuns)) {
        runs.last().length = record.text.size() - runs.last().start;
        return;
    }
    VisioTextRun run;
    run.start = start;
    run.length = record.text.size() - start;
    run.font = font;
    run.color = color;
    run.background = background;
    runs.append(run);
}

void VisioRenderer::addPendingSeparator(QChar separator)
{
    if (textState.text.text.size() + textState.pendingSeparators.size()
        < ImportLimits::maxTextLength)
        textState.pendingSeparators += separator;
}

void VisioRenderer::insertTab()
{
    addPendingSeparator(QLatin1Char('\t'));
}

void VisioRenderer::insertSpace()
{
    addPendingSeparator(QLatin1Char(' '));
}

void VisioRenderer::insertLineBreak()
{
    addPendingSeparator(QLatin1Char('\n'));
}

void VisioRenderer::insertField(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::openOrderedListLevel(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::openUnorderedListLevel(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::closeOrderedListLevel() {}

void VisioRenderer::closeUnorderedListLevel() {}

void VisioRenderer::openListElement(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::closeListElement()
{
    // A list element is a paragraph of a bulleted block.
    addPendingSeparator(QLatin1Char('\n'));
}

void VisioRenderer::defineParagraphStyle(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::defineCharacterStyle(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::openLink(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::closeLink() {}

// ---- tables ----------------------------------------------------------------

void VisioRenderer::startTableObject(const librevenge::RVNGPropertyList &props)
{
    qCDebug(lcImport) << "=== startTableObject ===";
    VisioUtils::getPropertyKeys(props, QString());
}

void VisioRenderer::openTableRow(const librevenge::RVNGPropertyList &props)
{
    qCDebug(lcImport) << "=== openTableRow ===";
    VisioUtils::getPropertyKeys(props, QString());
}

void VisioRenderer::closeTableRow()
{
    qCDebug(lcImport) << "=== closeTableRow ===";
}

void VisioRenderer::openTableCell(const librevenge::RVNGPropertyList &props)
{
    qCDebug(lcImport) << "=== openTableCell ===";
    VisioUtils::getPropertyKeys(props, QString());
}

void VisioRenderer::closeTableCell()
{
    qCDebug(lcImport) << "=== closeTableCell ===";
}

void VisioRenderer::insertCoveredTableCell(const librevenge::RVNGPropertyList &) {}

void VisioRenderer::endTableObject()
{
    qCDebug(lcImport) << "=== endTableObject ===";
}

// ---- pictures --------------------------------------------------------------

void VisioRenderer::drawGraphicObject(const librevenge::RVNGPropertyList &props)
{
    stopIfCancelled();
    if (!page() || page()->images.size() >= ImportLimits::maxItemsPerPage)
        return;

    VisioImage record;
    record.id = generateId(QStringLiteral("image"));

    const QString mime = extractString(props, "librevenge:mime-type");
    const QString format = mime.mid(mime.lastIndexOf(QLatin1Char('/')) + 1).toLower();
    const QRectF placement = extractRect(props);

    QByteArray data = extractImageData(props);
    if (pictureStandIns)
        data = pictureStandIns->resolve(data);
    if (pictureTap)
        pictureTap(data, mime);
    if (data.isEmpty()) {
        qCWarning(lcImport) << "No image data found";
        return;
    }

    QString error;
    if (!VisioPictureLoader::load(data, format, placement.size(), record, &error)) {
        if (error.isEmpty())
            qCWarning(lcImport) << "Failed to load image:" << mime;
        else
            qCWarning(lcImport) << "Failed to load image:" << mime << "-" << qPrintable(error);
        return;
    }

    record.rect = placement;
    record.layer = currentState.currentLayer;
    record.zIndex = takeZIndex();
    record.display = displayOf(props);
    page()->images.append(record);
    layerAssignment.place(*page(), VisioLayerAssignment::Image, page()->images.size() - 1,
                          record.display, enclosingShapeId());
}
