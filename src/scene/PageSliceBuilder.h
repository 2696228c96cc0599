#pragma once

#include "VisioDocumentModel.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>

class QGraphicsItemGroup;
class QGraphicsRectItem;
class QGraphicsScene;
class QTimer;

// Builds a document's scene a slice at a time on the GUI thread, page 1
// first, so that a large drawing never holds the event loop for long. Until
// a page is complete its group shows a light placeholder of the page's size;
// a page's items are gathered out of sight and move into its group at once,
// so the view never paints a half-built page.
class PageSliceBuilder : public QObject
{
    Q_OBJECT

public:
    // How long one slice may take, in milliseconds.
    static constexpr int DefaultSliceMs = 25;

    PageSliceBuilder(const VisioDocumentModel &model, double dpi, QObject *parent = nullptr);
    ~PageSliceBuilder() override;

    // A new scene, owned by the caller, holding every page as a placeholder
    // in the place and size buildScene() would give it. Call once.
    QGraphicsScene *createScene(QList<QRectF> *pageRects, QList<QGraphicsItemGroup *> *pageGroups);

    // Builds for about budgetMs (at least a few items); returns whether
    // anything is left to build.
    bool buildSlice(int budgetMs);
    // Builds the rest in slices of later event-loop turns.
    void start(int sliceMs = DefaultSliceMs);

    int pageCount() const { return m_pageCount; }
    int builtPageCount() const { return m_page; }
    bool isFinished() const { return m_page >= pageCount(); }

signals:
    void pageBuilt(int index);
    void finished();

private:
    void finishPage();
    void releaseModel();

    VisioDocumentModel m_model;
    double m_dpi = 96.0;
    int m_pageCount = 0;
    QPointer<QGraphicsScene> m_scene;
    QList<QRectF> m_rects;
    QList<QGraphicsItemGroup *> m_groups;
    QList<QGraphicsRectItem *> m_placeholders;
    QGraphicsItemGroup *m_staging = nullptr;
    int m_page = 0;
    int m_record = 0;
    int m_sliceMs = DefaultSliceMs;
    QTimer *m_timer = nullptr;
};
