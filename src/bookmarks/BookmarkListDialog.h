#pragma once

#include <QDialog>
#include <QList>
#include <QModelIndex>
#include <QString>

class QPushButton;
class QThread;
class QStandardItem;
class QStandardItemModel;
class QTreeView;

// Every stored bookmark as a tree of file names and titles, to rename in
// place, delete and open.
class BookmarkListDialog : public QDialog
{
    Q_OBJECT

public:
    // Roles beside the display text. File rows keep the document's last
    // known path; bookmark rows keep their page and the title as stored,
    // which addresses the bookmark once the text has been edited.
    enum Role { PathRole = Qt::UserRole, PageRole = Qt::UserRole, StoredTitleRole = Qt::UserRole + 1 };

    BookmarkListDialog(const QList<QString> &openFileNames, QWidget *parent = nullptr);
    ~BookmarkListDialog() override;

    QTreeView *treeView() const { return m_treeView; }
    QStandardItemModel *model() const { return m_model; }
    QPushButton *deleteButton() const { return m_deleteButton; }
    QPushButton *renameButton() const { return m_renameButton; }
    QPushButton *openButton() const { return m_openButton; }

signals:
    // The bookmark's document is open in a tab of this name.
    void jumpToPage(QString fileName, int pageNumber);
    // The document is not open but its stored path still exists.
    void openDocumentAtPage(QString path, int pageNumber);
    void storeProblem(const QString &title, const QString &text);
    // The tree holds the store as read; loading runs on a worker thread.
    void treeLoaded();

public slots:
    void updateBtnStates();
    void loadTreeData();
    void treeViewItemChanged(QStandardItem *item);
    void onDeleteButtonClicked();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onOpenButtonClicked();
    void openBookmark(const QModelIndex &index);
    void onRenameButtonClicked();
    bool canOpen(const QModelIndex &index) const;
    void report(bool succeeded);
    void report(const QList<QPair<QString, QString>> &problems);

    QTreeView *m_treeView = nullptr;
    QStandardItemModel *m_model = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_renameButton = nullptr;
    QPushButton *m_openButton = nullptr;
    QList<QString> m_openFileNames;
    // Problems met before the dialog is shown are told once it is.
    bool m_shown = false;
    QList<QPair<QString, QString>> m_pendingProblems;
    bool m_revertingRename = false;
    QThread *m_loader = nullptr;
    int m_loadGeneration = 0;
};
