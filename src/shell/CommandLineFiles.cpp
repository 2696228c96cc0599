#include "CommandLineFiles.h"

#include "MainWindow.h"

#include <QPointer>
#include <QTimer>

QStringList CommandLineFiles::fromArguments(const QStringList &arguments)
{
    QStringList paths = arguments.mid(1);
    paths.removeAll(QString());
    return paths;
}

void CommandLineFiles::openWhenShown(MainWindow *window, const QStringList &paths)
{
    if (!window || paths.isEmpty())
        return;
    QPointer<MainWindow> target(window);
    QTimer::singleShot(0, window, [target, paths] {
        for (const QString &path : paths) {
            if (!target)
                return;
            target->openFile(path);
        }
    });
}
