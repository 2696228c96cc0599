#pragma once

#include <QPointer>
#include <QWidget>

class QGraphicsItemGroup;
class QLabel;
class QListWidget;
class QListWidgetItem;

// The Layers section of the side panel: the current page's layers with a
// check box each, starting as the drawing shows them. Turning one shows or
// hides its items at once. Hidden on pages without layers.
class LayerPanel : public QWidget
{
    Q_OBJECT

public:
    explicit LayerPanel(QWidget *parent = nullptr);

    // The page group whose layers to list; null for none.
    void setPage(QGraphicsItemGroup *page);
    QGraphicsItemGroup *page() const { return m_page; }
    QListWidget *list() const { return m_list; }

signals:
    // Items of the page were shown or hidden.
    void layersChanged(QGraphicsItemGroup *page);

private:
    void onItemChanged(QListWidgetItem *item);

    QLabel *m_title = nullptr;
    QListWidget *m_list = nullptr;
    QGraphicsItemGroup *m_page = nullptr;
    bool m_filling = false;
};
