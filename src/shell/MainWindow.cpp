#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AppConfig.h"
#include "AppMenu.h"
#include "BookmarkController.h"
#include "BrowserTabWidget.h"
#include "DocumentLoadController.h"
#include "DocumentReloadController.h"
#include "DocumentGraphicsView.h"
#include "DocumentTabWidget.h"
#include "DrawingFileTypes.h"
#include "ImageExtractionController.h"
#include "Log.h"
#include "LogStream.h"
#include "MenuBarController.h"
#include "NativeMessageBox.h"
#include "ProductConstants.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "ShellResources.h"

#include <QAction>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// A folder called "plans.vsd" is not a drawing.
bool isDroppableDrawing(const QString &path)
{
    return !path.isEmpty() && DrawingFileTypes::hasDrawingSuffix(path) && !QFileInfo(path).isDir();
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ShellResources::ensureLoaded();
    ui->setupUi(this);
    ui->stackedWidget->setCurrentWidget(ui->emptyPage);

    installEventFilter(this);
    ui->emptyPage->installEventFilter(this);
    ui->tabWidget->installEventFilter(this);
    ui->emptyPage->setAcceptDrops(true);
    ui->tabWidget->setAcceptDrops(true);
    setAcceptDrops(true);

    setToolbarWidgetsEnabled(false);

    connect(ui->tabWidget, &BrowserTabWidget::allTabClosed, this, &MainWindow::onAllTabClosed);
    connect(ui->tabWidget, &BrowserTabWidget::addFileClicked, this, &MainWindow::on_btnOpenFile_clicked);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::syncToggleButtons);

    ui->searchBox->addAction(QIcon(QStringLiteral(":/img/search.png")), QLineEdit::LeadingPosition);
    connect(ui->searchBox, &QLineEdit::editingFinished, this, &MainWindow::onSearchEditingFinished);

    m_loader = new DocumentLoadController(ui->tabWidget, this);
    connect(m_loader, &DocumentLoadController::tabOpened, this, [this](DocumentTabWidget *tab) {
        // Files dropped onto a document open like files dropped on the start page.
        tab->view()->installEventFilter(this);
        tab->view()->viewport()->installEventFilter(this);
        if (ui->stackedWidget->currentWidget() != ui->tabPage) {
            ui->stackedWidget->setCurrentWidget(ui->tabPage);
            setToolbarWidgetsEnabled(true);
        }
    });
    connect(m_loader, &DocumentLoadController::loadFailed, this, &MainWindow::showOpenFailed);
    m_bookmarks = new BookmarkController(this, ui->tabWidget, m_loader);
    m_menuBar = new MenuBarController(this, ui->toolbarWidget, ui->tabWidget, ui->searchBox, ui->btnOpenFile);

    m_recent = new RecentFilesMenu(m_menuBar->appMenu()->recentMenu(), new RecentFiles(nullptr, this), this);
    connect(m_recent, &RecentFilesMenu::openRequested, this, &MainWindow::loadVisioFile);
    connect(m_loader, &DocumentLoadController::imported, m_recent->recentFiles(),
            [this](DocumentTabWidget *tab) { m_recent->recentFiles()->add(tab->filePath()); });
    m_reload = new DocumentReloadController(m_loader, this);
    connect(m_menuBar->appMenu()->viewAction(AppMenu::ViewReload), &QAction::triggered, m_reload,
            [this] { m_reload->reload(currentTabWidget()); });
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::updateWindowTitle);
    updateWindowTitle();
}

MainWindow::~MainWindow()
{
    delete ui;
}

DocumentTabWidget *MainWindow::currentTabWidget() const
{
    return qobject_cast<DocumentTabWidget *>(ui->tabWidget->currentWidget());
}

void MainWindow::setToolbarWidgetsEnabled(bool enabled)
{
    const QList<QWidget *> widgets = ui->toolbarWidget->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
}

void MainWindow::openFile(const QString &path)
{
    loadVisioFile(path);
}

void MainWindow::showOpenFailed(const QString &path, OpenFailure::Reason reason)
{
    // Several files may fail at once: each alert says which one it is about.
    const QString name = QFileInfo(path).fileName();
    NativeMessageBox::error(this, tr("Open Failed"),
                            tr("Unsupported file format or corrupted document.") + QStringLiteral("\n\n")
                                + tr("%1: %2").arg(name.isEmpty() ? path : name, OpenFailure::describe(reason)));
}

bool MainWindow::loadVisioFile(const QString &path)
{
    DocumentTabWidget *tab = m_loader->open(path);
    if (tab)
        m_bookmarks->rememberDocumentPath(tab, path);
    return tab != nullptr;
}

void MainWindow::onAllTabClosed()
{
    ui->stackedWidget->setCurrentWidget(ui->emptyPage);
    setToolbarWidgetsEnabled(false);
}

void MainWindow::updateWindowTitle()
{
    // "plan.vsdx – Bramwick Plandraw", so that task switchers tell windows apart.
    const int index = ui->tabWidget->currentIndex();
    setWindowTitle(index < 0 ? g_product_name
                             : QStringLiteral("%1 \u2013 %2").arg(ui->tabWidget->tabText(index), g_product_name));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        m_menuBar->refreshToolTips();
        updateWindowTitle();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::syncToggleButtons()
{
    // Each tab keeps its own panel, layout and display mode; the toggles show
    // the current tab's, so that the next click does what it shows.
    DocumentTabWidget *tab = currentTabWidget();
    ui->btnView->setChecked(tab && tab->isThumbnailPanelOpen());
    ui->btnDoublePage->setChecked(tab && tab->view()->layoutMode() == DocumentGraphicsView::TwoColumns);
    ui->btnSinglePage->setChecked(tab && tab->view()->viewMode() == DocumentGraphicsView::SinglePage);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (!drag->mimeData()->hasUrls())
            return true;
        const QList<QUrl> urls = drag->mimeData()->urls();
        for (const QUrl &url : urls) {
            if (isDroppableDrawing(url.toLocalFile())) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
                return true;
            }
        }
        drag->ignore();
        return true;
    }
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (drag->mimeData()->hasUrls())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QList<QUrl> urls = drop->mimeData()->urls();
        for (const QUrl &url : urls) {
            const QString path = url.toLocalFile();
            if (isDroppableDrawing(path))
                loadVisioFile(path);
        }
        drop->acceptProposedAction();
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::onSearchEditingFinished()
{
    DocumentTabWidget *tab = currentTabWidget();
    if (!tab)
        return;
    const QString text = ui->searchBox->text();
    if (!text.isEmpty()) {
        tab->searchText(text);
        if (!ui->btnView->isChecked())
            ui->btnView->click();
    } else if (ui->btnView->isChecked()) {
        ui->btnView->click();
    }
}

void MainWindow::on_btnOpenFile_clicked()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open Visio File"), AppConfig::instance()->getLastOpenPath(),
        tr("Visio Files (%1)").arg(DrawingFileTypes::nameFilters().join(QLatin1Char(' '))));
    if (files.isEmpty())
        return;
    AppConfig::instance()->setLastOpenPath(QFileInfo(files.first()).absolutePath());
    for (const QString &file : files)
        loadVisioFile(file);
}

void MainWindow::on_btnView_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget()) {
        if (ui->btnView->isChecked())
            tab->openThumbnailPanel();
        else
            tab->closeThumbnailPanel();
    }
}

void MainWindow::on_btnZoomOut_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->zoomOut();
}

void MainWindow::on_btnZoomIn_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->zoomIn();
}

void MainWindow::on_btnZoomToOne_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->zoomToOne();
}

void MainWindow::on_btnZoomToFit_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->setZoomMode(DocumentGraphicsView::FitPage);
}

void MainWindow::on_btnDoublePage_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->setLayoutMode(ui->btnDoublePage->isChecked() ? DocumentGraphicsView::TwoColumns
                                                          : DocumentGraphicsView::SingleColumn);
}

void MainWindow::on_btnSinglePage_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->setViewMode(ui->btnSinglePage->isChecked() ? DocumentGraphicsView::SinglePage
                                                        : DocumentGraphicsView::Continuous);
}

void MainWindow::on_btnFirstPage_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->goToFirstPage();
}

void MainWindow::on_btnLastPage_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->goToLastPage();
}

void MainWindow::on_btnPreviousPage_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->goToPreviousPage();
}

void MainWindow::on_btnNextPage_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->goToNextPage();
}

void MainWindow::on_btnAllPageLeftRotate_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->rotateAllPages(false);
}

void MainWindow::on_btnAllPageRightRotate_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->rotateAllPages(true);
}

void MainWindow::on_btnSinglePageLeftRotate_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->rotateCurrentPage(false);
}

void MainWindow::on_btnSinglePageRightRotate_clicked()
{
    if (DocumentTabWidget *tab = currentTabWidget())
        tab->rotateCurrentPage(true);
}

void MainWindow::on_btnBookmarks_clicked()
{
    addBookmarks();
}

void MainWindow::addBookmarks()
{
    m_bookmarks->addBookmarkForCurrentTab();
}

void MainWindow::manageBookmarks()
{
    m_bookmarks->manageBookmarks();
}

void MainWindow::on_btnPrint_clicked()
{
    DocumentTabWidget *tab = currentTabWidget();
    if (m_loader->completeForOutput(tab))
        tab->documentPrint();
}

void MainWindow::on_btnSave_clicked()
{
    DocumentTabWidget *tab = currentTabWidget();
    if (m_loader->completeForOutput(tab))
        tab->exportToPdf();
}

void MainWindow::on_btnExport_clicked()
{
    DocumentTabWidget *tab = currentTabWidget();
    if (m_loader->completeForOutput(tab))
        ImageExtractionController(this).extractFrom(tab);
}
