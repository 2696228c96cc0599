#pragma once

#include <librevenge/librevenge.h>

#include <QFile>
#include <QString>
#include <QStringList>

#include <set>

// A drawing interface for finding out what libvisio reports: every callback
// becomes one trace line with its properties, written to Qt's debug output
// and, when a file was given, to that file, and every call is counted.
// Substitute it for the document renderer when investigating a drawing.
class DebugRenderer : public librevenge::RVNGDrawingInterface
{
public:
    struct CallStats
    {
        int totalCalls = 0;
        int rectangles = 0;
        int ellipses = 0;
        int paths = 0;
        int polygons = 0;
        int polylines = 0;
        int connectors = 0;
        int graphicObjects = 0;
        int textObjects = 0;
        int textInsertions = 0;
        int pages = 0;
        int stylesSet = 0;
        int groups = 0;
        int layers = 0;

        void printSummary() const;
    };

    // Appends to logFilePath when it is not empty and can be opened.
    explicit DebugRenderer(const QString &logFilePath);
    // Ends the trace file with the call statistics and every property key seen.
    ~DebugRenderer() override;

    DebugRenderer(const DebugRenderer &) = delete;
    DebugRenderer &operator=(const DebugRenderer &) = delete;

    const CallStats &stats() const { return m_stats; }
    void resetStats();
    bool isFileOpen() const { return m_logFile.isOpen(); }
    QStringList propertyKeys() const;

    void startDocument(const librevenge::RVNGPropertyList &propList) override;
    void endDocument() override;
    void setDocumentMetaData(const librevenge::RVNGPropertyList &propList) override;
    void defineEmbeddedFont(const librevenge::RVNGPropertyList &propList) override;
    void startPage(const librevenge::RVNGPropertyList &propList) override;
    void endPage() override;
    void startMasterPage(const librevenge::RVNGPropertyList &propList) override;
    void endMasterPage() override;
    void setStyle(const librevenge::RVNGPropertyList &propList) override;
    void startLayer(const librevenge::RVNGPropertyList &propList) override;
    void endLayer() override;
    void startEmbeddedGraphics(const librevenge::RVNGPropertyList &propList) override;
    void endEmbeddedGraphics() override;
    void openGroup(const librevenge::RVNGPropertyList &propList) override;
    void closeGroup() override;
    void drawRectangle(const librevenge::RVNGPropertyList &propList) override;
    void drawEllipse(const librevenge::RVNGPropertyList &propList) override;
    void drawPolygon(const librevenge::RVNGPropertyList &propList) override;
    void drawPolyline(const librevenge::RVNGPropertyList &propList) override;
    void drawPath(const librevenge::RVNGPropertyList &propList) override;
    void drawGraphicObject(const librevenge::RVNGPropertyList &propList) override;
    void drawConnector(const librevenge::RVNGPropertyList &propList) override;
    void startTextObject(const librevenge::RVNGPropertyList &propList) override;
    void endTextObject() override;
    void startTableObject(const librevenge::RVNGPropertyList &propList) override;
    void openTableRow(const librevenge::RVNGPropertyList &propList) override;
    void closeTableRow() override;
    void openTableCell(const librevenge::RVNGPropertyList &propList) override;
    void closeTableCell() override;
    void insertCoveredTableCell(const librevenge::RVNGPropertyList &propList) override;
    void endTableObject() override;
    void insertTab() override;
    void insertSpace() override;
    void insertText(const librevenge::RVNGString &text) override;
    void insertLineBreak() override;
    void insertField(const librevenge::RVNGPropertyList &propList) override;
    void openOrderedListLevel(const librevenge::RVNGPropertyList &propList) override;
    void openUnorderedListLevel(const librevenge::RVNGPropertyList &propList) override;
    void closeOrderedListLevel() override;
    void closeUnorderedListLevel() override;
    void openListElement(const librevenge::RVNGPropertyList &propList) override;
    void closeListElement() override;
    void defineParagraphStyle(const librevenge::RVNGPropertyList &propList) override;
    void openParagraph(const librevenge::RVNGPropertyList &propList) override;
    void closeParagraph() override;
    void defineCharacterStyle(const librevenge::RVNGPropertyList &propList) override;
    void openSpan(const librevenge::RVNGPropertyList &propList) override;
    void closeSpan() override;
    void openLink(const librevenge::RVNGPropertyList &propList) override;
    void closeLink() override;

private:
    void log(const QString &message);
    void logPropertyList(const librevenge::RVNGPropertyList &propList, const QString &header);
    // Name line, then the property list under its header.
    void traceCall(const QString &name, const librevenge::RVNGPropertyList &propList,
                   const QString &header);
    void traceCall(const QString &name);

    QFile m_logFile;
    CallStats m_stats;
    std::set<QString> m_propertyKeys; // sorted, so the key list reads the same every run
    int m_indent = 0;
    QString m_currentPageName;
    QString m_currentLayerName;
    int m_groupDepth = 0;
};
