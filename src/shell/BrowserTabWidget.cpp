#include "BrowserTabWidget.h"

#include "BrowserTabBar.h"
#include "ShellResources.h"

#include "LogCategories.h"

#include <QDebug>

namespace {
const char *const kStyleSheet = R"(
BrowserTabWidget {
    background: none;
    border: none;
}
BrowserTabWidget::pane {
    background: transparent;
}
QTabBar {
    /* The bar elides with its own font: it must be the tabs' font. */
    font-size: 12px;
    background: #e6e6e6;
    qproperty-drawBase: 0;
    border: none;
    border-bottom: 1px solid #CFD4DA;
}
BrowserTabWidget::tab-bar {
    alignment: left;
    background: #F8F9FA;
}
QTabBar::tab {
    font-size: 12px;
    background: #F1F3F5;
    border: none;
    border-bottom: 1px solid #CFD4DA;
    color: #485056;
    margin: 0px;
    padding: 5px 8px;
}
QTabBar::tab:selected {
    background: #ffffff;
    border-left: 1px solid #CFD4DA;
    border-right: 1px solid #CFD4DA;
    border-top: 1px solid #CFD4DA;
    border-bottom: none;
    margin-bottom: -1px;
    padding: 5px 8px;
}
QTabBar::tab:hover:!selected {
    background: #E7EDF3;
}
QTabBar::close-button {
    subcontrol-position: right;
    border-image: url(:/img/icons8-close-24.png);
}
QTabBar::close-button:hover {
    background: rgb(183, 183, 183);
}
)";
} // namespace

BrowserTabWidget::BrowserTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    ShellResources::ensureLoaded();
    m_tabBar = new BrowserTabBar(this);
    setTabBar(m_tabBar);
    setTabsClosable(true);
    setDocumentMode(true);
    setUsesScrollButtons(false);
    setStyleSheet(QString::fromLatin1(kStyleSheet));

    connect(m_tabBar, &BrowserTabBar::addTabRequested, this, &BrowserTabWidget::addFileClicked);
    connect(this, &QTabWidget::tabCloseRequested, this, &BrowserTabWidget::closeTab);
    setAcceptDrops(true);
}

BrowserTabWidget::~BrowserTabWidget()
{
    qCDebug(lcShell) << "~BrowserTabWidget";
}

void BrowserTabWidget::resizeEvent(QResizeEvent *event)
{
    QTabWidget::resizeEvent(event);
}

void BrowserTabWidget::closeTab(int index)
{
    if (index < 0 || index >= count())
        return;
    QWidget *page = widget(index);
    removeTab(index);
    // The page owns the document's view and scene: free them now, not later.
    delete page;
    if (m_tabBar->count() == 0)
        emit allTabClosed();
}
