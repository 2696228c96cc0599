#include "RecentFilesMenu.h"

#include "RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {
const char *const kPathProperty = "recentPath";

QString pathOf(const QAction *action)
{
    return action ? action->property(kPathProperty).toString() : QString();
}
} // namespace

RecentFilesMenu::RecentFilesMenu(QMenu *menu, RecentFiles *recent, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_recent(recent)
{
    m_menu->setToolTipsVisible(true);
    m_menu->setContextMenuPolicy(Qt::CustomContextMenu);
    m_menu->installEventFilter(this);
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        rebuild();
        checkAvailability();
    });
    connect(m_menu, &QMenu::customContextMenuRequested, this, &RecentFilesMenu::showItemMenu);
    // Later, not under the item whose trigger changed the list: the menu
    // still reports that item once its handler returns.
    connect(m_recent, &RecentFiles::changed, this, &RecentFilesMenu::rebuild, Qt::QueuedConnection);
    connect(&m_check, &QFutureWatcherBase::finished, this, [this] {
        m_available = m_check.result();
        applyAvailability();
        emit availabilityChecked();
        if (std::exchange(m_checkAgain, false))
            checkAvailability();
    });
    rebuild();
    checkAvailability();
}

RecentFilesMenu::~RecentFilesMenu()
{
    m_check.disconnect(this);
    m_check.waitForFinished();
}

void RecentFilesMenu::rebuild()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    m_menu->clear();
    const QStringList paths = m_recent->paths();
    QHash<QString, int> uses;
    for (const QString &path : paths)
        ++uses[QFileInfo(path).fileName()];
    for (const QString &path : paths) {
        const QFileInfo info(path);
        QString text = info.fileName();
        // Drawings of one name in different folders are told apart by folder.
        if (uses.value(text) > 1)
            text = QStringLiteral("%1 \u2014 %2").arg(text, info.dir().dirName());
        // File names are no mnemonics.
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *entry = new QAction(text, m_menu);
        entry->setProperty(kPathProperty, path);
        connect(entry, &QAction::triggered, this, [this, path] { emit openRequested(path); });
        m_menu->addAction(entry);
        m_entries.append(entry);
    }
    m_menu->addSeparator();
    m_removeMissing = m_menu->addAction(tr("Remove Missing Drawings"), this, &RecentFilesMenu::removeMissing);
    m_clear = m_menu->addAction(tr("Clear Recent"), m_recent, &RecentFiles::clear);
    m_clear->setEnabled(!paths.isEmpty());
    applyAvailability();
}

void RecentFilesMenu::applyAvailability()
{
    bool anyMissing = false;
    for (QAction *entry : std::as_const(m_entries)) {
        const QString path = pathOf(entry);
        const bool available = isAvailable(path);
        anyMissing = anyMissing || !available;
        entry->setEnabled(available);
        entry->setToolTip(available ? path : tr("%1 (not found)").arg(path));
    }
    m_removeMissing->setVisible(anyMissing);
}

void RecentFilesMenu::checkAvailability()
{
    if (m_check.isRunning()) {
        m_checkAgain = true;
        return;
    }
    const QStringList paths = m_recent->paths();
    m_check.setFuture(QtConcurrent::run([paths] {
        QHash<QString, bool> available;
        for (const QString &path : paths)
            available.insert(path, QFileInfo::exists(path));
        return available;
    }));
}

void RecentFilesMenu::removeMissing()
{
    for (QAction *entry : std::as_const(m_entries)) {
        if (!entry->isEnabled())
            m_recent->remove(pathOf(entry));
    }
}

void RecentFilesMenu::showItemMenu(const QPoint &pos)
{
    const QString path = pathOf(m_menu->actionAt(pos));
    if (path.isEmpty())
        return;
    QMenu itemMenu;
    QAction *remove = itemMenu.addAction(tr("Remove from List"));
    if (itemMenu.exec(m_menu->mapToGlobal(pos)) == remove)
        m_recent->remove(path);
}

bool RecentFilesMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        const QString path = pathOf(m_menu->activeAction());
        if (!path.isEmpty()) {
            m_recent->remove(path);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
