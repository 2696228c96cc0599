#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <QFutureWatcher>

class QAction;
class QMenu;
class RecentFiles;

// Fills File > Open Recent from the recent list: one item per drawing with
// its name as text and its path as tool tip, greyed while the file is gone,
// then Remove Missing Drawings and Clear Recent. Right-click or Delete on an
// item removes it. Whether files exist is looked up off the GUI thread, as a
// stalled network share would otherwise hold the menu.
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    RecentFilesMenu(QMenu *menu, RecentFiles *recent, QObject *parent = nullptr);
    ~RecentFilesMenu() override;

    QMenu *menu() const { return m_menu; }
    RecentFiles *recentFiles() const { return m_recent; }
    // Rebuilds the items from the list; the menu does this whenever it opens.
    void rebuild();
    // Whether the last look found the file; true until one has looked.
    bool isAvailable(const QString &path) const { return m_available.value(path, true); }
    // Looks whether the listed files exist; availabilityChecked() follows.
    void checkAvailability();

signals:
    void openRequested(const QString &path);
    void availabilityChecked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyAvailability();
    void showItemMenu(const QPoint &pos);
    void removeMissing();

    QMenu *m_menu = nullptr;
    RecentFiles *m_recent = nullptr;
    QList<QAction *> m_entries;
    QAction *m_removeMissing = nullptr;
    QAction *m_clear = nullptr;
    QHash<QString, bool> m_available;
    QFutureWatcher<QHash<QString, bool>> m_check;
    bool m_checkAgain = false;
};
