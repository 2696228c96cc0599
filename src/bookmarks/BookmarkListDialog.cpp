#include "BookmarkListDialog.h"

#include "BookmarkManager.h"
#include "BookmarkStoreAlerts.h"

#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace {
const QString kButtonStyle = QStringLiteral(
    "QPushButton { background-color: white; color: black; border: 1px solid #dcdcdc; "
    "border-radius: 4px; font-family: 'Arial'; font-size: 12px; padding: 0 8px; }"
    "QPushButton:pressed { background-color: #f0f0f0; }"
    "QPushButton:disabled { color: #aaaaaa; border: 1px solid #eeeeee; }");

QPushButton *makeButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFixedHeight(22);
    // Wider than 68 px only where a translation needs it.
    button->setMinimumWidth(68);
    button->setEnabled(false);
    button->setAutoDefault(false);
    button->setStyleSheet(kButtonStyle);
    return button;
}

struct LoadedTree
{
    BookmarkManager::Snapshot snapshot;
    QList<QStandardItem *> rows;
    ~LoadedTree() { qDeleteAll(rows); }
};

// Rows for the tree, made without a model so that a worker thread may build them.
QList<QStandardItem *> makeRows(const QJsonObject &root)
{
    QList<QStandardItem *> fileRows;
    const QJsonArray list = root.value(QStringLiteral("bookmarks")).toArray();
    fileRows.reserve(list.size());
    for (const QJsonValue &entryValue : list) {
        const QJsonObject entry = entryValue.toObject();
        auto *fileItem = new QStandardItem(entry.value(QStringLiteral("fileName")).toString());
        fileItem->setEditable(false);
        fileItem->setData(entry.value(QStringLiteral("path")).toString(), BookmarkListDialog::PathRole);
        const QJsonArray children = entry.value(QStringLiteral("children")).toArray();
        QList<QStandardItem *> rows;
        rows.reserve(children.size());
        for (const QJsonValue &childValue : children) {
            const QJsonObject child = childValue.toObject();
            const QString title = child.value(QStringLiteral("title")).toString();
            auto *item = new QStandardItem(title);
            item->setData(child.value(QStringLiteral("page")).toInt(), BookmarkListDialog::PageRole);
            item->setData(title, BookmarkListDialog::StoredTitleRole);
            rows.append(item);
        }
        fileItem->appendRows(rows);
        fileRows.append(fileItem);
    }
    return fileRows;
}

bool isBookmark(const QModelIndex &index)
{
    return index.isValid() && index.parent().isValid();
}
} // namespace

BookmarkListDialog::BookmarkListDialog(const QList<QString> &openFileNames, QWidget *parent)
    : QDialog(parent)
    , m_openFileNames(openFileNames)
{
    setWindowTitle(tr("Bookmarks"));
    setFixedSize(500, 528);
    setStyleSheet(QStringLiteral("* { font-family: 'Arial'; font-size: 12px; }"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_treeView = new QTreeView(this);
    m_model = new QStandardItemModel(this);
    m_model->setHorizontalHeaderLabels({tr("Bookmarks")});
    m_treeView->header()->hide();
    m_treeView->setModel(m_model);
    m_treeView->setAlternatingRowColors(true);
    m_treeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_treeView->setIndentation(20);
    m_treeView->setStyleSheet(QStringLiteral(
        "QTreeView { border: none; color: black; alternate-background-color: #F7F7F7; background-color: white; }"
        "QTreeView::item { height: 20px; }"
        "QTreeView QLineEdit { background-color: white; color: black; border: 1px solid rgb(59, 130, 247); "
        "border-radius: 2px; padding: 0px; margin: 2px; font-family: 'Arial'; font-size: 12px; }"));
    m_treeView->installEventFilter(this);

    loadTreeData();

    auto *bar = new QWidget(this);
    bar->setFixedHeight(72);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(20, 0, 20, 0);
    barLayout->setSpacing(10);
    barLayout->addStretch();
    m_deleteButton = makeButton(tr("Delete"), bar);
    m_renameButton = makeButton(tr("Rename"), bar);
    m_openButton = makeButton(tr("Open"), bar);
    barLayout->addWidget(m_deleteButton);
    barLayout->addWidget(m_renameButton);
    barLayout->addWidget(m_openButton);

    layout->addWidget(m_treeView);
    layout->addWidget(bar);

    connect(m_treeView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BookmarkListDialog::updateBtnStates);
    // Focus alone makes a row current without selecting it.
    connect(m_treeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &BookmarkListDialog::updateBtnStates);
    connect(m_renameButton, &QPushButton::clicked, this, &BookmarkListDialog::onRenameButtonClicked);
    connect(m_openButton, &QPushButton::clicked, this, &BookmarkListDialog::onOpenButtonClicked);
    connect(m_model, &QStandardItemModel::itemChanged, this, &BookmarkListDialog::treeViewItemChanged);
    connect(m_deleteButton, &QPushButton::clicked, this, &BookmarkListDialog::onDeleteButtonClicked);
    connect(m_treeView, &QTreeView::doubleClicked, this, &BookmarkListDialog::openBookmark);
}

BookmarkListDialog::~BookmarkListDialog()
{
    if (m_loader)
        m_loader->wait();
}

void BookmarkListDialog::loadTreeData()
{
    m_model->clear();
    m_model->setHorizontalHeaderLabels({tr("Bookmarks")});
    if (m_loader)
        m_loader->wait(); // its result is dropped below, being of an older generation

    // A store of many megabytes takes a while to parse and to turn into
    // rows; the dialog stays responsive meanwhile.
    auto loaded = std::make_shared<LoadedTree>();
    QThread *loader = QThread::create([loaded] {
        loaded->snapshot = BookmarkManager::instance()->readSnapshot();
        loaded->rows = makeRows(loaded->snapshot.root);
    });
    loader->setParent(this);
    m_loader = loader;
    const int generation = ++m_loadGeneration;
    setCursor(Qt::BusyCursor);
    connect(loader, &QThread::finished, this, [this, loader, loaded, generation] {
        loader->deleteLater();
        if (m_loader == loader)
            m_loader = nullptr;
        if (generation != m_loadGeneration)
            return;
        unsetCursor();
        // One by one: appending a list leaves the grandchildren without
        // their model, and their edits would go unnoticed.
        for (QStandardItem *row : std::exchange(loaded->rows, {}))
            m_model->appendRow(row);
        m_treeView->expandAll();
        const BookmarkManager::Snapshot &snapshot = loaded->snapshot;
        QList<QPair<QString, QString>> problems;
        const auto alerts = BookmarkStoreAlerts::forOutcome(snapshot.failure, snapshot.reason, snapshot.damagedCopy);
        for (const BookmarkStoreAlerts::Alert &alert : alerts)
            problems.append({alert.title, alert.text});
        report(problems);
        emit treeLoaded();
    });
    loader->start();
}

bool BookmarkListDialog::canOpen(const QModelIndex &index) const
{
    if (!isBookmark(index))
        return false;
    const QModelIndex file = index.parent();
    if (m_openFileNames.contains(file.data().toString()))
        return true;
    const QString path = file.data(PathRole).toString();
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void BookmarkListDialog::updateBtnStates()
{
    const QModelIndex current = m_treeView->currentIndex();
    m_deleteButton->setEnabled(current.isValid());
    m_renameButton->setEnabled(isBookmark(current));
    m_openButton->setEnabled(canOpen(current));
}

void BookmarkListDialog::onRenameButtonClicked()
{
    const QModelIndex current = m_treeView->currentIndex();
    if (isBookmark(current))
        m_treeView->edit(current);
}

void BookmarkListDialog::onOpenButtonClicked()
{
    openBookmark(m_treeView->currentIndex());
}

void BookmarkListDialog::openBookmark(const QModelIndex &index)
{
    if (!canOpen(index))
        return;
    const QString fileName = index.parent().data().toString();
    const int page = index.data(PageRole).toInt();
    if (m_openFileNames.contains(fileName))
        emit jumpToPage(fileName, page);
    else
        emit openDocumentAtPage(index.parent().data(PathRole).toString(), page);
    accept();
}

void BookmarkListDialog::treeViewItemChanged(QStandardItem *item)
{
    if (m_revertingRename || !item || !item->parent())
        return;
    const QString fileName = item->parent()->text();
    const QString storedTitle = item->data(StoredTitleRole).toString();
    const QString newTitle = item->text();
    if (newTitle == storedTitle)
        return;

    const bool renamed = BookmarkManager::instance()->renameBookmark(
        fileName, item->data(PageRole).toInt(), storedTitle, newTitle);
    m_revertingRename = true;
    if (renamed)
        item->setData(newTitle, StoredTitleRole);
    else
        item->setText(storedTitle); // the tree shows what the file holds
    m_revertingRename = false;
    qDebug() << "Bookmark renamed:" << fileName << newTitle;
    report(renamed);
}

void BookmarkListDialog::onDeleteButtonClicked()
{
    const QModelIndex current = m_treeView->currentIndex();
    if (!current.isValid())
        return;
    BookmarkManager *store = BookmarkManager::instance();
    const bool removed = isBookmark(current)
                             ? store->removeBookmark(current.parent().data().toString(),
                                                     current.data(PageRole).toInt(),
                                                     current.data(StoredTitleRole).toString())
                             : store->removeBookmark(current.data().toString(), -1);
    report(removed);
    if (!removed)
        return;
    m_model->removeRow(current.row(), current.parent());
    updateBtnStates();
}

void BookmarkListDialog::report(bool succeeded)
{
    QList<QPair<QString, QString>> problems;
    const QList<BookmarkStoreAlerts::Alert> alerts = BookmarkStoreAlerts::afterOperation(succeeded);
    for (const BookmarkStoreAlerts::Alert &alert : alerts)
        problems.append({alert.title, alert.text});
    report(problems);
}

void BookmarkListDialog::report(const QList<QPair<QString, QString>> &problems)
{
    for (const auto &problem : problems) {
        if (m_shown)
            emit storeProblem(problem.first, problem.second);
        else
            m_pendingProblems.append(problem);
    }
}

void BookmarkListDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // After the dialog is up, so that the alerts sit on it.
    QTimer::singleShot(0, this, [this] {
        const QList<QPair<QString, QString>> problems = std::exchange(m_pendingProblems, {});
        for (const auto &problem : problems)
            emit storeProblem(problem.first, problem.second);
    });
}

bool BookmarkListDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Only keys meant for the tree itself; the in-place editor gets its own.
    if (watched == m_treeView && event->type() == QEvent::KeyPress
        && m_treeView->hasFocus()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete && m_deleteButton->isEnabled()) {
            onDeleteButtonClicked();
            return true;
        }
        if (key == Qt::Key_F2 && m_renameButton->isEnabled()) {
            onRenameButtonClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
