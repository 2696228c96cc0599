#pragma once

#include <librevenge/librevenge.h>

// A drawing interface that ignores every callback: parsing into it measures
// what libvisio alone costs.
class NullDrawingInterface : public librevenge::RVNGDrawingInterface
{
public:
    void startDocument(const librevenge::RVNGPropertyList &) override {}
    void endDocument() override {}
    void setDocumentMetaData(const librevenge::RVNGPropertyList &) override {}
    void defineEmbeddedFont(const librevenge::RVNGPropertyList &) override {}
    void startPage(const librevenge::RVNGPropertyList &) override {}
    void endPage() override {}
    void startMasterPage(const librevenge::RVNGPropertyList &) override {}
    void endMasterPage() override {}
    void setStyle(const librevenge::RVNGPropertyList &) override {}
    void startLayer(const librevenge::RVNGPropertyList &) override {}
    void endLayer() override {}
    void startEmbeddedGraphics(const librevenge::RVNGPropertyList &) override {}
    void endEmbeddedGraphics() override {}
    void openGroup(const librevenge::RVNGPropertyList &) override {}
    void closeGroup() override {}
    void drawRectangle(const librevenge::RVNGPropertyList &) override {}
    void drawEllipse(const librevenge::RVNGPropertyList &) override {}
    void drawPolygon(const librevenge::RVNGPropertyList &) override {}
    void drawPolyline(const librevenge::RVNGPropertyList &) override {}
    void drawPath(const librevenge::RVNGPropertyList &) override {}
    void drawGraphicObject(const librevenge::RVNGPropertyList &) override {}
    void drawConnector(const librevenge::RVNGPropertyList &) override {}
    void startTextObject(const librevenge::RVNGPropertyList &) override {}
    void endTextObject() override {}
    void startTableObject(const librevenge::RVNGPropertyList &) override {}
    void openTableRow(const librevenge::RVNGPropertyList &) override {}
    void closeTableRow() override {}
    void openTableCell(const librevenge::RVNGPropertyList &) override {}
    void closeTableCell() override {}
    void insertCoveredTableCell(const librevenge::RVNGPropertyList &) override {}
    void endTableObject() override {}
    void insertTab() override {}
    void insertSpace() override {}
    void insertText(const librevenge::RVNGString &) override {}
    void insertLineBreak() override {}
    void insertField(const librevenge::RVNGPropertyList &) override {}
    void openOrderedListLevel(const librevenge::RVNGPropertyList &) override {}
    void openUnorderedListLevel(const librevenge::RVNGPropertyList &) override {}
    void closeOrderedListLevel() override {}
    void closeUnorderedListLevel() override {}
    void openListElement(const librevenge::RVNGPropertyList &) override {}
    void closeListElement() override {}
    void defineParagraphStyle(const librevenge::RVNGPropertyList &) override {}
    void openParagraph(const librevenge::RVNGPropertyList &) override {}
    void closeParagraph() override {}
    void defineCharacterStyle(const librevenge::RVNGPropertyList &) override {}
    void openSpan(const librevenge::RVNGPropertyList &) override {}
    void closeSpan() override {}
    void openLink(const librevenge::RVNGPropertyList &) override {}
    void closeLink() override {}
};
