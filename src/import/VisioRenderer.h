#pragma once

#include "VisioDocumentModel.h"
#include "VisioLayerAssignment.h"
#include "VisioStyle.h"
#include "VisioText.h"

#include <librevenge/librevenge.h>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QStack>
#include <QString>

#include <atomic>
#include <functional>

class PictureStandIns;

// Receives libvisio's drawing callbacks and builds a VisioDocumentModel from
// them. One renderer serves one parse.
class VisioRenderer : public librevenge::RVNGDrawingInterface
{
public:
    struct RenderState
    {
        VisioStyle style;
        QString currentLayer;
        int zCounter = 0;
    };

    struct TextState
    {
        VisioText text;
        QFont spanFont;
        QColor spanColor = Qt::black;
        QColor spanBackground = Qt::transparent;
        bool spanOpen = false;
        // Formatting of the paragraph opened last, taken by its first character.
        VisioTextParagraph paragraph;
        bool paragraphPending = false;
        // Paragraph ends, line breaks, tabs and explicit blanks wait here until
        // the next character arrives, so trailing ones add nothing.
        QString pendingSeparators;
        quint32 shapeId = 0;
    };

    struct CubicSegment
    {
        QPointF control1;
        QPointF control2;
        QPointF end;
    };

    explicit VisioRenderer(const QString &fileName = QString());
    ~VisioRenderer() override;

    const VisioDocumentModel &documentModel() const { return model; }
    // Moves the model out; the renderer is left with an empty model.
    VisioDocumentModel takeDocumentModel();

    void reset();
    QString generateId(const QString &prefix);
    // Once the flag is set, the next drawing call unwinds the parse: libvisio
    // would otherwise still hand over everything it has read so far. libvisio
    // catches the unwinding and reports a failed parse.
    void setCancelFlag(const std::atomic<bool> *flag) { cancelFlag = flag; }
    // Turns the stand-ins of a package's pictures back into their bytes.
    void setPictureStandIns(const PictureStandIns *standIns) { pictureStandIns = standIns; }
    // Sees each picture's bytes and MIME type as they arrive, before decoding.
    using PictureTap = std::function<void(const QByteArray &bytes, const QString &mimeType)>;
    void setPictureTap(const PictureTap &tap) { pictureTap = tap; }
    // The drawing's own layers, which libvisio does not report, to put the
    // items on; from VisioLayerReader, before the parse.
    void setPageLayers(const QList<VisioPageLayers> &pages) { layerAssignment.setPages(pages); }

    QString extractString(const librevenge::RVNGPropertyList &props, const char *key) const;
    double extractInches(const librevenge::RVNGPropertyList &props, const char *key) const;
    QRectF extractRect(const librevenge::RVNGPropertyList &props) const;
    QPointF extractPoint(const librevenge::RVNGPropertyList &props, const char *xKey,
                         const char *yKey) const;
    QByteArray extractImageData(const librevenge::RVNGPropertyList &props) const;

    QPainterPath parsePathFromChildren(const librevenge::RVNGPropertyListVector *actions);
    void handleEllipticalArc(const librevenge::RVNGPropertyList &action, QPainterPath &path,
                             QPointF &current);
    // Endpoint arc to cubic segments; empty when the arc has no extent or the
    // arithmetic leaves the finite range.
    static QList<CubicSegment> svgArcToBezier(const QPointF &from, const QPointF &to, double rx,
                                              double ry, double xAxisRotationRadians,
                                              bool largeArc, bool sweep);
    // Blank-separated path data (M, L, C, Z and bare number pairs).
    static QPainterPath parseSvgPath(const QString &d);
    // Family used in place of a diagram's font family.
    static QString substituteFontFamily(const QString &family);

    // librevenge::RVNGDrawingInterface
    void startDocument(const librevenge::RVNGPropertyList &props) override;
    void endDocument() override;
    void setDocumentMetaData(const librevenge::RVNGPropertyList &props) override;
    void defineEmbeddedFont(const librevenge::RVNGPropertyList &props) override;
    void startPage(const librevenge::RVNGPropertyList &props) override;
    void endPage() override;
    void startMasterPage(const librevenge::RVNGPropertyList &props) override;
    void endMasterPage() override;
    void setStyle(const librevenge::RVNGPropertyList &props) override;
    void startLayer(const librevenge::RVNGPropertyList &props) override;
    void endLayer() override;
    void startEmbeddedGraphics(const librevenge::RVNGPropertyList &props) override;
    void endEmbeddedGraphics() override;
    void openGroup(const librevenge::RVNGPropertyList &props) override;
    void closeGroup() override;
    void drawRectangle(const librevenge::RVNGPropertyList &props) override;
    void drawEllipse(const librevenge::RVNGPropertyList &props) override;
    void drawPolygon(const librevenge::RVNGPropertyList &props) override;
    void drawPolyline(const librevenge::RVNGPropertyList &props) override;
    void drawPath(const librevenge::RVNGPropertyList &props) override;
    void drawGraphicObject(const librevenge::RVNGPropertyList &props) override;
    void drawConnector(const librevenge::RVNGPropertyList &props) override;
    void startTextObject(const librevenge::RVNGPropertyList &props) override;
    void endTextObject() override;
    void startTableObject(const librevenge::RVNGPropertyList &props) override;
    void openTableRow(const librevenge::RVNGPropertyList &props) override;
    void closeTableRow() override;
    void openTableCell(const librevenge::RVNGPropertyList &props) override;
    void closeTableCell() override;
    void insertCoveredTableCell(const librevenge::RVNGPropertyList &props) override;
    void endTableObject() override;
    void insertTab() override;
    void insertSpace() override;
    void insertText(const librevenge::RVNGString &text) override;
    void insertLineBreak() override;
    void insertField(const librevenge::RVNGPropertyList &props) override;
    void openOrderedListLevel(const librevenge::RVNGPropertyList &props) override;
    void openUnorderedListLevel(const librevenge::RVNGPropertyList &props) override;
    void closeOrderedListLevel() override;
    void closeUnorderedListLevel() override;
    void openListElement(const librevenge::RVNGPropertyList &props) override;
    void closeListElement() override;
    void defineParagraphStyle(const librevenge::RVNGPropertyList &props) override;
    void openParagraph(const librevenge::RVNGPropertyList &props) override;
    void closeParagraph() override;
    void defineCharacterStyle(const librevenge::RVNGPropertyList &props) override;
    void openSpan(const librevenge::RVNGPropertyList &props) override;
    void closeSpan() override;
    void openLink(const librevenge::RVNGPropertyList &props) override;
    void closeLink() override;

private:
    VisioPage *page();
    void stopIfCancelled() const;
    int takeZIndex();
    void addPendingSeparator(QChar separator);
    void finishLayerAssignment();
    // The shape libvisio names around the items drawn now; 0 for none.
    quint32 enclosingShapeId() const;

    VisioDocumentModel model;
    // Index into model.pages rather than a pointer: appending pages may move them.
    qsizetype currentPage = -1;
    RenderState currentState;
    TextState textState;
    QStack<RenderState> stateStack;
    // Groups opened past the depth limit, so that their closes pop nothing.
    int groupsBeyondDepth = 0;
    qint64 idCounter = 0;
    // The current page's layer names: files may give every shape a layer of
    // its own, too many to search the page's list each time.
    QSet<QString> pageLayerNames;
    const std::atomic<bool> *cancelFlag = nullptr;
    const PictureStandIns *pictureStandIns = nullptr;
    PictureTap pictureTap;
    VisioLayerAssignment layerAssignment;
    // The shape of each open libvisio layer, inherited by unnamed inner ones.
    QList<quint32> layerShapeIds;
};
