#include "LayerPanel.h"

#include "LayerVisibility.h"

#include <QGraphicsItemGroup>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int EntryRole = Qt::UserRole;
constexpr int VisibleRows = 8;

} // namespace

LayerPanel::LayerPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("layerPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_title = new QLabel(tr("Layers"), this);
    m_title->setStyleSheet(QStringLiteral(
        "QLabel { background-color: white; color: black; font-weight: bold; padding: 6px 8px;"
        " border-top: 1px solid #DCDCDC; }"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("layerList"));
    // Long names keep both ends, where names that share a start differ.
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setUniformItemSizes(true);
    m_list->setStyleSheet(QStringLiteral(
        "QListWidget { background-color: white; border: none; outline: 0; }"
        "QListWidget::item { color: black; padding: 2px 4px; }"));
    layout->addWidget(m_title);
    layout->addWidget(m_list);

    connect(m_list, &QListWidget::itemChanged, this, &LayerPanel::onItemChanged);
    setVisible(false);
}

void LayerPanel::setPage(QGraphicsItemGroup *page)
{
    m_page = page;
    m_filling = true;
    m_list->clear();
    const LayerVisibility::PageLayers state = LayerVisibility::pageLayers(page);

    QHash<QString, int> uses;
    for (const VisioLayer &layer : state.layers) {
        if (layer.kind == VisioLayer::Named)
            ++uses[layer.name];
    }
    QHash<QString, int> seen;
    for (int i = 0; i < state.layers.size(); ++i) {
        const VisioLayer &layer = state.layers.at(i);
        QString text;
        QString tip;
        switch (layer.kind) {
        case VisioLayer::Named:
            if (layer.name.trimmed().isEmpty()) {
                text = tr("Unnamed layer %1").arg(i + 1);
            } else {
                text = layer.name;
                // Names the drawing repeats are told apart by their place.
                if (uses.value(layer.name) > 1)
                    text = tr("%1 (%2)").arg(layer.name).arg(++seen[layer.name]);
            }
            tip = layer.name;
            break;
        case VisioLayer::HiddenContent:
            text = tr("Hidden layers");
            tip = tr("What the drawing keeps on hidden layers, where the file does not say "
                     "which.");
            break;
        case VisioLayer::ScreenOnlyContent:
            text = tr("Layers not printed");
            tip = tr("What the drawing shows but does not print, where the file does not say "
                     "on which layers.");
            break;
        case VisioLayer::PrintOnlyContent:
            text = tr("Layers printed only");
            tip = tr("What the drawing prints but does not show, where the file does not say "
                     "on which layers.");
            break;
        }
        if (!layer.printable)
            tip += QLatin1Char('\n') + tr("Not printed");
        auto *item = new QListWidgetItem(text, m_list);
        item->setToolTip(tip.trimmed());
        item->setData(EntryRole, i);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(state.shown.value(i) ? Qt::Checked : Qt::Unchecked);
        if (layer.kind != VisioLayer::Named) {
            QFont font = item->font();
            font.setItalic(true);
            item->setFont(font);
        }
    }
    m_filling = false;

    const int rows = std::min<int>(VisibleRows, m_list->count());
    const int rowHeight = m_list->count() > 0 ? m_list->sizeHintForRow(0) : 0;
    m_list->setFixedHeight(rows * rowHeight + 2 * m_list->frameWidth() + 4);
    setVisible(m_list->count() > 0);
}

void LayerPanel::onItemChanged(QListWidgetItem *item)
{
    if (m_filling || !item || !m_page)
        return;
    LayerVisibility::setShown(m_page, item->data(EntryRole).toInt(),
                              item->checkState() == Qt::Checked);
    emit layersChanged(m_page);
}
