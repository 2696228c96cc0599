// Times the bookmark store and the manager dialog on a large store file
// (by default about 50 MB: 2,000 files with 250 bookmarks each), written to
// a scratch config folder.
// Usage: plandraw-bench-bookmarks [files] [bookmarks per file]

#include "BookmarkListDialog.h"
#include "BookmarkManager.h"
#include "OffscreenArguments.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QEventLoop>

#include <algorithm>

int main(int argc, char **argv)
{
    OffscreenArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    const QStringList args = QCoreApplication::arguments();
    const int files = args.size() > 1 ? std::clamp(args.at(1).toInt(), 1, 100000) : 2000;
    const int perFile = args.size() > 2 ? std::clamp(args.at(2).toInt(), 1, 100000) : 250;
    QTextStream out(stdout);

    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    BookmarkManager *store = BookmarkManager::instance();
    store->setName(QStringLiteral("bench"));

    QJsonArray list;
    for (int f = 0; f < files; ++f) {
        QJsonArray children;
        for (int b = 0; b < perFile; ++b)
            children.append(QJsonObject{{"title", QStringLiteral("Bookmark %1 of drawing %2").arg(b).arg(f)},
                                        {"page", b % 40}});
        list.append(QJsonObject{{"fileName", QStringLiteral("drawing-%1.vsdx").arg(f)},
                                {"path", QStringLiteral("/home/user/plans/drawing-%1.vsdx").arg(f)},
                                {"children", children}});
    }
    if (!store->saveData(QJsonObject{{"bookmarks", list}})) {
        out << "could not write the store\n";
        return 1;
    }
    out << "store: " << files << " files x " << perFile << " bookmarks, "
        << QFileInfo(store->filePath()).size() / (1024 * 1024) << " MB\n";

    QElapsedTimer timer;
    timer.start();
    const QJsonObject root = store->loadData();
    out << "loadData:                 " << timer.elapsed() << " ms\n";

    timer.restart();
    store->setAsideIfDamaged();
    out << "start-up check (worker):  " << timer.elapsed() << " ms\n";

    timer.restart();
    store->addBookmark(QStringLiteral("drawing-7.vsdx"), 3, QStringLiteral("new"));
    out << "addBookmark:              " << timer.elapsed() << " ms\n";

    timer.restart();
    store->renameBookmark(QStringLiteral("drawing-7.vsdx"), 3, QStringLiteral("new"), QStringLiteral("renamed"));
    out << "renameBookmark:           " << timer.elapsed() << " ms\n";

    // The manager loads on a worker thread; what the user feels is the
    // longest the event loop is kept from running meanwhile.
    qint64 longestStall = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, sinceTick.restart());
    });
    timer.restart();
    {
        BookmarkListDialog dialog({});
        out << "manager dialog built:     " << timer.elapsed() << " ms\n";
        dialog.show();
        QEventLoop loop;
        QObject::connect(&dialog, &BookmarkListDialog::treeLoaded, &loop, &QEventLoop::quit);
        sinceTick.start();
        ticker.start();
        loop.exec();
        ticker.stop();
        out << "manager tree loaded:      " << timer.elapsed() << " ms (" << dialog.model()->rowCount()
            << " files), longest stall " << longestStall << " ms\n";
        timer.restart();
    }
    out << "manager dialog closed:    " << timer.elapsed() << " ms\n";
    return root.isEmpty() ? 1 : 0;
}
