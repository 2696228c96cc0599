#include "AppInitialization.h"
#include "AppShutdownGuard.h"
#include "FileOpenFilter.h"
#include "HostWindow.h"
#include "MainWindow.h"
#include "MultiLanguage.h"
#include "ProductConstants.h"
#include "SingleInstanceFileDispatcher.h"
#include "ViewerCommandLine.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>

#include <memory>

namespace {
// The interface is laid out for a 12-point sans serif; take the first of
// these that the system has.
QFont applicationFont()
{
    static const QStringList preferred = {QStringLiteral("Liberation Sans"),
                                          QStringLiteral("DejaVu Sans"),
                                          QStringLiteral("Noto Sans")};
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : preferred) {
        if (installed.contains(family))
            return QFont(family, 12);
    }
    QFont fallback = QApplication::font();
    fallback.setPointSize(12);
    return fallback;
}
} // namespace

int main(int argc, char *argv[])
{
    if (ViewerCommandLine::answer(argc, argv))
        return 0;
    QApplication app(argc, argv);
    // Lets the desktop match the windows with their desktop entry.
    QGuiApplication::setDesktopFileName(g_app_id);
    // A start while a window is open hands its files over and ends here,
    // before any window or service exists. QApplication has taken its own
    // options out of argv by now.
    SingleInstanceFileDispatcher dispatcher(SingleInstanceFileDispatcher::sessionServerName(), argc, argv);
    if (!dispatcher.isPrimary())
        return 0;
    AppInitialization::instance();

    auto fileOpenFilter = std::make_unique<FileOpenFilter>(nullptr);
    app.installEventFilter(fileOpenFilter.get());

    // From here on, however main is left, the services shut down cleanly.
    AppShutdownGuard shutdownGuard;

    // Before the window is built, so that it is built in the user's language.
    MultiLanguage::instance()->initAppLanguage();
    MainWindow window(nullptr);
    QApplication::setFont(applicationFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/img/icon.png")));
    // Only closing the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(fileOpenFilter.get(), &FileOpenFilter::fileOpened, &window, &MainWindow::openFile);

    auto *host = new HostWindow(&window); // owned by the window
    QObject::connect(&window, &MainWindow::sizeChangeRequested, host, &HostWindow::performResize);
    QObject::connect(&dispatcher, &SingleInstanceFileDispatcher::openPstFile, &window, &MainWindow::openFile);
    QObject::connect(&dispatcher, &SingleInstanceFileDispatcher::activationRequested, host,
                     &HostWindow::bringToFront);
    host->show();
    // Opened once the event loop runs, so the window is on screen first.
    dispatcher.processStartupFiles();

    return app.exec();
}
