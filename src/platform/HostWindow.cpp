#include "HostWindow.h"

#include "ProductConstants.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace {
const QColor kBackground(240, 240, 240);
}

HostWindow::HostWindow(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_window->setWindowTitle(g_product_name);
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, kBackground);
    m_window->setPalette(palette);
    m_window->setAutoFillBackground(true);
    m_window->installEventFilter(this);
}

QRect HostWindow::centredOn(const QSize &size, const QRect &area)
{
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

QRect HostWindow::resizedAboutCentre(const QRect &frame, const QSize &size)
{
    const int dx = (size.width() - frame.width()) / 2;
    const int dy = (size.height() - frame.height()) / 2;
    return QRect(frame.topLeft() - QPoint(dx, dy), size);
}

void HostWindow::show()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        m_window->move(centredOn(m_window->size(), screen->availableGeometry()).topLeft());
    m_window->show();
    // Once shown, the frame size is known: centre the frame, not the contents.
    if (screen)
        m_window->move(centredOn(m_window->frameGeometry().size(), screen->availableGeometry()).topLeft());
    m_window->raise();
    m_window->activateWindow();
}

void HostWindow::performResize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const QSize size(width, height);
    const QRect target = resizedAboutCentre(m_window->geometry(), size);
    m_window->setMinimumSize(size);
    m_window->setGeometry(target);
}

void HostWindow::bringToFront()
{
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool HostWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        event->accept();
        QCoreApplication::quit();
        return false;
    }
    return QObject::eventFilter(watched, event);
}
