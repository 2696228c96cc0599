#include "DebugRenderer.h"

#include "VisioUtils.h"

#include <QDateTime>
#include "LogCategories.h"

#include <QDebug>

namespace {

constexpr int kValueLimit = 100;
constexpr int kPathDataLimit = 200;
constexpr int kBinaryPreview = 50;
constexpr int kShortText = 50;

QString toQString(const librevenge::RVNGString &text)
{
    return QString::fromUtf8(text.cstr(), int(text.size()));
}

// Property string of key, empty when absent or not a plain value.
QString stringOf(const librevenge::RVNGPropertyList &propList, const char *key)
{
    const librevenge::RVNGProperty *property = propList[key];
    return property ? toQString(property->getStr()) : QString();
}

// Control characters as two-character escapes, long values cut: one value, one line.
QString escapeAndCut(QString value)
{
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    if (value.size() > kValueLimit)
        value = value.left(kValueLimit) + QStringLiteral("...");
    return value;
}

} // namespace

DebugRenderer::DebugRenderer(const QString &logFilePath)
{
    if (logFilePath.isEmpty())
        return;
    m_logFile.setFileName(logFilePath);
    if (m_logFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        const QString stamp =
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        m_logFile.write(
            QStringLiteral("\n=== DebugRenderer started at %1 ===\n").arg(stamp).toUtf8());
    }
}

DebugRenderer::~DebugRenderer()
{
    if (!m_logFile.isOpen())
        return;
    QStringList lines;
    lines << QStringLiteral("\n=== DebugRenderer ended ===") << QStringLiteral("=== Call Statistics ===")
          << QStringLiteral("Total calls: %1").arg(m_stats.totalCalls)
          << QStringLiteral("Pages: %1").arg(m_stats.pages)
          << QStringLiteral("Rectangles: %1").arg(m_stats.rectangles)
          << QStringLiteral("Ellipses: %1").arg(m_stats.ellipses)
          << QStringLiteral("Paths: %1").arg(m_stats.paths)
          << QStringLiteral("Polygons: %1").arg(m_stats.polygons)
          << QStringLiteral("Polylines: %1").arg(m_stats.polylines)
          << QStringLiteral("Connectors: %1").arg(m_stats.connectors)
          << QStringLiteral("Graphic objects: %1").arg(m_stats.graphicObjects)
          << QStringLiteral("Text objects: %1").arg(m_stats.textObjects)
          << QStringLiteral("Text insertions: %1").arg(m_stats.textInsertions)
          << QStringLiteral("Styles set: %1").arg(m_stats.stylesSet)
          << QStringLiteral("Groups: %1").arg(m_stats.groups)
          << QStringLiteral("Layers: %1").arg(m_stats.layers)
          << QStringLiteral("\n=== All property keys found ===");
    for (const QString &key : m_propertyKeys)
        lines << key;
    m_logFile.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    m_logFile.close();
}

void DebugRenderer::CallStats::printSummary() const
{
    qDebug().noquote() << QStringLiteral("\n=== 解析统计 ===");
    qDebug().noquote() << QStringLiteral("总回调次数:") << totalCalls;
    qDebug().noquote() << QStringLiteral("页面数:") << pages;
    qDebug().noquote() << QStringLiteral("矩形:") << rectangles;
    qDebug().noquote() << QStringLiteral("椭圆:") << ellipses;
    qDebug().noquote() << QStringLiteral("路径:") << paths;
    qDebug().noquote() << QStringLiteral("多边形:") << polygons;
    qDebug().noquote() << QStringLiteral("折线:") << polylines;
    qDebug().noquote() << QStringLiteral("连接线:") << connectors;
    qDebug().noquote() << QStringLiteral("图形对象:") << graphicObjects;
    qDebug().noquote() << QStringLiteral("文本对象:") << textObjects;
    qDebug().noquote() << QStringLiteral("文本插入:") << textInsertions;
    qDebug().noquote() << QStringLiteral("样式设置:") << stylesSet;
    qDebug().noquote() << QStringLiteral("组:") << groups;
    qDebug().noquote() << QStringLiteral("图层:") << layers;
}

void DebugRenderer::resetStats()
{
    m_stats = CallStats();
}

QStringList DebugRenderer::propertyKeys() const
{
    return QStringList(m_propertyKeys.begin(), m_propertyKeys.end());
}

void DebugRenderer::log(const QString &message)
{
    const QString line = QString(QStringLiteral("  ")).repeated(m_indent) + message;
    qCDebug(lcImport).noquote() << line;
    if (m_logFile.isOpen())
        m_logFile.write((line + QLatin1Char('\n')).toUtf8());
}

void DebugRenderer::logPropertyList(const librevenge::RVNGPropertyList &propList,
                                    const QString &header)
{
    if (propList.empty()) {
        log(header + QStringLiteral(" (empty)"));
        return;
    }
    log(header);
    // Property lines sit one step below the header, keeping its own leading blanks.
    int headerIndent = 0;
    while (headerIndent < header.size() && header.at(headerIndent) == QLatin1Char(' '))
        ++headerIndent;
    const QString prefix = QString(headerIndent + 2, QLatin1Char(' '));

    librevenge::RVNGPropertyList::Iter it(propList);
    for (it.rewind(); it.next();) {
        const QString key = QString::fromUtf8(it.key());
        const librevenge::RVNGProperty *property = it();
        const librevenge::RVNGPropertyListVector *child = it.child();

        QString value = QStringLiteral("[null]");
        QString type;
        if (!property) {
            type = QStringLiteral("null");
        } else if (!property->getStr().empty()) {
            value = toQString(property->getStr());
            type = QStringLiteral("string");
        } else if (child) {
            // A nested list has neither text nor number of its own.
            value = QStringLiteral("[Property list vector, size: %1]").arg(child->count());
            type = QStringLiteral("vector");
        } else if (property->getUnit() != librevenge::RVNG_UNIT_ERROR) {
            value = QString::number(property->getDouble(), 'g', 6)
                    + VisioUtils::unitSuffix(property->getUnit(), &type);
        } else {
            value = QString::number(property->getInt());
            type = QStringLiteral("int");
        }

        if (key.contains(QLatin1String("binary"), Qt::CaseInsensitive)
            || key.contains(QLatin1String("data"), Qt::CaseInsensitive)) {
            if (child) {
                value = QStringLiteral("[Binary data vector, size: %1]").arg(child->count());
                type = QStringLiteral("binary-vector");
            } else {
                value = QStringLiteral("[Binary data]");
                type = QStringLiteral("binary");
            }
        }

        if (value.isEmpty()) {
            value = QStringLiteral("[empty]");
            type = QStringLiteral("empty");
        } else {
            value = escapeAndCut(value);
        }

        if (type.isEmpty())
            log(prefix + QStringLiteral("%1 = %2").arg(key, value));
        else
            log(prefix + QStringLiteral("%1 = %2 (%3)").arg(key, value, type));
        m_propertyKeys.insert(key);
    }
}

void DebugRenderer::traceCall(const QString &name, const librevenge::RVNGPropertyList &propList,
                              const QString &header)
{
    log(name);
    logPropertyList(propList, header);
}

void DebugRenderer::traceCall(const QString &name)
{
    log(name);
}

void DebugRenderer::startDocument(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("startDocument()"), propList, QStringLiteral("  Document properties:"));
}

void DebugRenderer::endDocument()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("endDocument()"));
}

void DebugRenderer::setDocumentMetaData(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("setDocumentMetaData()"), propList, QStringLiteral("  Metadata:"));
}

void DebugRenderer::defineEmbeddedFont(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("defineEmbeddedFont()"), propList, QStringLiteral("  Font data:"));
}

void DebugRenderer::startPage(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.pages;
    m_currentPageName = stringOf(propList, "draw:name");
    if (m_currentPageName.isEmpty())
        m_currentPageName = QStringLiteral("Page %1").arg(m_stats.pages);
    traceCall(QStringLiteral("startPage(): %1").arg(m_currentPageName), propList,
              QStringLiteral("  Page properties:"));
}

void DebugRenderer::endPage()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("endPage(): %1").arg(m_currentPageName));
    m_currentPageName.clear();
}

void DebugRenderer::startMasterPage(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("startMasterPage()"), propList, QStringLiteral("  Master page properties:"));
}

void DebugRenderer::endMasterPage()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("endMasterPage()"));
}

void DebugRenderer::setStyle(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.stylesSet;
    traceCall(QStringLiteral("setStyle()"), propList, QStringLiteral("  Style properties:"));
}

void DebugRenderer::startLayer(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.layers;
    m_currentLayerName = stringOf(propList, "draw:name");
    if (m_currentLayerName.isEmpty())
        m_currentLayerName = QStringLiteral("Layer %1").arg(m_stats.layers);
    ++m_indent;
    traceCall(QStringLiteral("startLayer(): %1").arg(m_currentLayerName), propList,
              QStringLiteral("  Layer properties:"));
}

void DebugRenderer::endLayer()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("endLayer(): %1").arg(m_currentLayerName));
    m_currentLayerName.clear();
    m_indent = qMax(0, m_indent - 1);
}

void DebugRenderer::startEmbeddedGraphics(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("startEmbeddedGraphics()"), propList,
              QStringLiteral("  Embedded graphics properties:"));
}

void DebugRenderer::endEmbeddedGraphics()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("endEmbeddedGraphics()"));
}

void DebugRenderer::openGroup(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.groups;
    ++m_groupDepth;
    ++m_indent;
    traceCall(QStringLiteral("openGroup() [depth: %1]").arg(m_groupDepth), propList,
              QStringLiteral("  Group properties:"));
}

void DebugRenderer::closeGroup()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeGroup() [depth: %1]").arg(m_groupDepth));
    // An unmatched close takes nothing away from an open layer's indentation.
    if (m_groupDepth > 0) {
        --m_groupDepth;
        m_indent = qMax(0, m_indent - 1);
    }
}

void DebugRenderer::drawRectangle(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.rectangles;
    traceCall(QStringLiteral("drawRectangle()"), propList, QStringLiteral("  Rectangle properties:"));
}

void DebugRenderer::drawEllipse(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.ellipses;
    traceCall(QStringLiteral("drawEllipse()"), propList, QStringLiteral("  Ellipse properties:"));
}

void DebugRenderer::drawPolygon(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.polygons;
    traceCall(QStringLiteral("drawPolygon()"), propList, QStringLiteral("  Polygon properties:"));
}

void DebugRenderer::drawPolyline(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.polylines;
    traceCall(QStringLiteral("drawPolyline()"), propList, QStringLiteral("  Polyline properties:"));
}

void DebugRenderer::drawPath(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.paths;
    log(QStringLiteral("drawPath()"));
    QString pathData = stringOf(propList, "svg:d");
    if (pathData.isEmpty()) {
        // libvisio hands the outline over as a list of path actions, not as text.
        if (const librevenge::RVNGPropertyListVector *actions = propList.child("svg:d"))
            pathData = QStringLiteral("[%1 path actions]").arg(actions->count());
    }
    if (pathData.size() > kPathDataLimit)
        pathData = pathData.left(kPathDataLimit) + QStringLiteral("... [truncated]");
    log(QStringLiteral("  Path data (svg:d): ") + pathData);
    logPropertyList(propList, QStringLiteral("  Other path properties:"));
}

void DebugRenderer::drawGraphicObject(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.graphicObjects;
    log(QStringLiteral("drawGraphicObject()"));
    log(QStringLiteral("  MIME type: ") + stringOf(propList, "librevenge:mime-type"));

    if (const librevenge::RVNGProperty *data = propList["office:binary-data"]) {
        const QString text = toQString(data->getStr());
        if (!text.isEmpty()) {
            QString preview = text.left(kBinaryPreview);
            if (text.size() > kBinaryPreview)
                preview += QStringLiteral("... [base64]");
            log(QStringLiteral("  Data (string): ") + preview);
        } else {
            log(QStringLiteral("  [Binary data present, size unknown]"));
        }
    }

    if (const librevenge::RVNGPropertyListVector *replacements =
            propList.child("librevenge:replacement-objects")) {
        log(QStringLiteral("  Replacement objects: %1").arg(replacements->count()));
        for (unsigned long i = 0; i < replacements->count(); ++i) {
            log(QStringLiteral("    Replacement %1: %2")
                    .arg(i + 1)
                    .arg(stringOf((*replacements)[i], "librevenge:mime-type")));
        }
    }

    if (propList["librevenge:replacement-text"]) {
        QString text = stringOf(propList, "librevenge:replacement-text");
        if (text.size() > kValueLimit)
            text = text.left(kValueLimit) + QStringLiteral("...");
        log(QStringLiteral("  Replacement text: ") + text);
    }
    logPropertyList(propList, QStringLiteral("  Graphic object properties:"));
}

void DebugRenderer::drawConnector(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.connectors;
    log(QStringLiteral("drawConnector()"));
    log(QStringLiteral("  Start shape: ") + stringOf(propList, "draw:start-shape"));
    log(QStringLiteral("  End shape: ") + stringOf(propList, "draw:end-shape"));
    logPropertyList(propList, QStringLiteral("  Connector properties:"));
}

void DebugRenderer::startTextObject(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    ++m_stats.textObjects;
    traceCall(QStringLiteral("startTextObject()"), propList, QStringLiteral("  Text object properties:"));
}

void DebugRenderer::endTextObject()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("endTextObject()"));
}

void DebugRenderer::startTableObject(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("startTableObject()"), propList, QStringLiteral("  Table properties:"));
}

void DebugRenderer::openTableRow(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openTableRow()"), propList, QStringLiteral("  Table row properties:"));
}

void DebugRenderer::closeTableRow()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeTableRow()"));
}

void DebugRenderer::openTableCell(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openTableCell()"), propList, QStringLiteral("  Table cell properties:"));
}

void DebugRenderer::closeTableCell()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeTableCell()"));
}

void DebugRenderer::insertCoveredTableCell(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("insertCoveredTableCell()"), propList,
              QStringLiteral("  Covered cell properties:"));
}

void DebugRenderer::endTableObject()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("endTableObject()"));
}

void DebugRenderer::insertTab()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("insertTab()"));
}

void DebugRenderer::insertSpace()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("insertSpace()"));
}

void DebugRenderer::insertText(const librevenge::RVNGString &text)
{
    ++m_stats.totalCalls;
    ++m_stats.textInsertions;
    QString value = toQString(text);
    if (value.contains(QLatin1Char('\n')) || value.size() > kShortText)
        value = escapeAndCut(value);
    log(QStringLiteral("insertText(): \"%1\"").arg(value));
}

void DebugRenderer::insertLineBreak()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("insertLineBreak()"));
}

void DebugRenderer::insertField(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("insertField()"), propList, QStringLiteral("  Field properties:"));
}

void DebugRenderer::openOrderedListLevel(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openOrderedListLevel()"), propList,
              QStringLiteral("  Ordered list properties:"));
}

void DebugRenderer::openUnorderedListLevel(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openUnorderedListLevel()"), propList,
              QStringLiteral("  Unordered list properties:"));
}

void DebugRenderer::closeOrderedListLevel()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeOrderedListLevel()"));
}

void DebugRenderer::closeUnorderedListLevel()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeUnorderedListLevel()"));
}

void DebugRenderer::openListElement(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openListElement()"), propList, QStringLiteral("  List element properties:"));
}

void DebugRenderer::closeListElement()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeListElement()"));
}

void DebugRenderer::defineParagraphStyle(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("defineParagraphStyle()"), propList, QStringLiteral("  Paragraph style:"));
}

void DebugRenderer::openParagraph(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openParagraph()"), propList, QStringLiteral("  Paragraph properties:"));
}

void DebugRenderer::closeParagraph()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeParagraph()"));
}

void DebugRenderer::defineCharacterStyle(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("defineCharacterStyle()"), propList, QStringLiteral("  Character style:"));
}

void DebugRenderer::openSpan(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openSpan()"), propList, QStringLiteral("  Span properties:"));
}

void DebugRenderer::closeSpan()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeSpan()"));
}

void DebugRenderer::openLink(const librevenge::RVNGPropertyList &propList)
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("openLink()"), propList, QStringLiteral("  Link properties:"));
}

void DebugRenderer::closeLink()
{
    ++m_stats.totalCalls;
    traceCall(QStringLiteral("closeLink()"));
}
