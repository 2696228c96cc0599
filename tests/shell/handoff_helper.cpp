// Runs one dispatcher in a process of its own, the way main does:
//   handoff_helper <server name> [arguments...]
// Prints "primary" or "secondary". A primary then prints every path it is
// asked to open, percent-encoded, one a line, until it is killed.
#include "SingleInstanceFileDispatcher.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString serverName = QString::fromLocal8Bit(argv[1]);
    argv[1] = argv[0]; // the dispatcher skips the program name
    SingleInstanceFileDispatcher dispatcher(serverName, argc - 1, argv + 1);
    QTextStream out(stdout);
    out << (dispatcher.isPrimary() ? "primary" : "secondary") << Qt::endl;
    if (!dispatcher.isPrimary())
        return 0;
    QObject::connect(&dispatcher, &SingleInstanceFileDispatcher::openPstFile, [&out](const QString &path) {
        out << QUrl::toPercentEncoding(path) << Qt::endl;
    });
    dispatcher.processStartupFiles();
    return app.exec();
}
