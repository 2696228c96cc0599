#include "PageTextExtractor.h"
#include "SelectableTextItem.h"
#include "VectorPictureItem.h"

#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QtTest>

namespace {

SelectableTextItem *addText(QGraphicsItemGroup *page, const QString &text, const QPointF &at,
                            double width = 60)
{
    auto *item = new SelectableTextItem();
    item->setPlainText(text);
    item->setTextWidth(width);
    item->setPos(at);
    page->addToGroup(item);
    return item;
}

QStringList texts(const QList<PageTextExtractor::Block> &blocks)
{
    QStringList list;
    for (const PageTextExtractor::Block &block : blocks)
        list << block.text;
    return list;
}

} // namespace

class TestPageTextExtractor : public QObject
{
    Q_OBJECT

private slots:
    void rowsTopToBottomThenLeftToRight();
    void pagesAreHeadedAndEndedByFormFeeds();
};

void TestPageTextExtractor::rowsTopToBottomThenLeftToRight()
{
    QGraphicsScene scene;
    auto *page = new QGraphicsItemGroup();
    scene.addItem(page);
    // Added out of order; the row's blocks start a few units apart.
    addText(page, QStringLiteral("below"), QPointF(10, 300));
    addText(page, QStringLiteral("right"), QPointF(300, 104));
    addText(page, QStringLiteral("left"), QPointF(10, 100));
    addText(page, QStringLiteral("middle"), QPointF(150, 98));
    addText(page, QStringLiteral("hidden layer"), QPointF(0, 0))->setVisible(false);
    addText(page, QStringLiteral("  \n "), QPointF(0, 0));
    // A picture's words count as one block where the picture is.
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='40' "
                           "viewBox='0 0 100 40'><text x='2' y='20' font-size='10'>pictured"
                           "</text><text x='2' y='35' font-size='10'>words</text></svg>";
    auto *picture = new VectorPictureItem(VisioVectorPicture::fromSvg(svg), QSizeF(100, 40));
    picture->setPos(200, 200);
    page->addToGroup(picture);
    // A turned box is placed by what it covers.
    addText(page, QStringLiteral("turned"), QPointF(10, 200))->setRotation(90);

    QCOMPARE(texts(PageTextExtractor::readingOrder(page)),
             QStringList({"left", "middle", "right", "turned", "pictured words", "below"}));
}

void TestPageTextExtractor::pagesAreHeadedAndEndedByFormFeeds()
{
    QGraphicsScene scene;
    QList<QGraphicsItemGroup *> pages;
    for (int i = 0; i < 3; ++i) {
        pages << new QGraphicsItemGroup();
        scene.addItem(pages.last());
    }
    // A form feed inside a text would split its page in two for an indexer.
    addText(pages[0], QStringLiteral("one\r\ntwo\fthree  \u2029four\u2028\n"), QPointF(0, 0), 400);
    addText(pages[0], QStringLiteral("second block"), QPointF(0, 100));
    addText(pages[2], QStringLiteral("last"), QPointF(0, 0));

    QCOMPARE(PageTextExtractor::documentText(pages, {QStringLiteral("Plan\fA"), QString()}, 0, 2),
             QStringLiteral("Plan A\n\none\ntwo three\nfour\n\nsecond block\n\f"
                            "Page 2\n\f"
                            "Page 3\n\nlast\n\f"));
    // A range names its pages as they are numbered in the drawing.
    QCOMPARE(PageTextExtractor::documentText(pages, {}, 2, 9), QStringLiteral("Page 3\n\nlast\n\f"));
}

QTEST_MAIN(TestPageTextExtractor)
#include "tst_pagetextextractor.moc"
