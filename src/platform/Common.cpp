#include "Common.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>

namespace {

// Long enough for a file manager that is started on request, short enough
// not to leave the window frozen when the bus does not answer.
constexpr int showItemsTimeoutMs = 3000;

bool showItemsOnSessionBus(const QString &fileUri)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{fileUri} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, showItemsTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

Common::RevealBackend &backend()
{
    static Common::RevealBackend instance;
    return instance;
}

} // namespace

void Common::setRevealBackendForTesting(const RevealBackend &replacement)
{
    backend() = replacement;
}

void Common::revealInExplorer(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return;
    const QString absolute = info.absoluteFilePath();

    const RevealBackend &custom = backend();
    const bool shown = custom.showItems
                           ? custom.showItems(QUrl::fromLocalFile(absolute).toString())
                           : showItemsOnSessionBus(QUrl::fromLocalFile(absolute).toString());
    if (shown)
        return;

    // Without a file manager on the bus, at least show the folder.
    const QUrl folder = QUrl::fromLocalFile(info.absolutePath());
    if (custom.openFolder)
        custom.openFolder(folder);
    else
        QDesktopServices::openUrl(folder);
}
