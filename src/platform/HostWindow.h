#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Makes a widget the application's top-level window: product title, light
// background, centred on the primary screen, and quitting the application
// when it is closed (the application does not quit on its own when its last
// window closes).
class HostWindow : public QObject
{
    Q_OBJECT

public:
    explicit HostWindow(QWidget *window);

    // Centres the window on the primary screen and shows it.
    void show();

    QWidget *window() const { return m_window; }

    static QRect centredOn(const QSize &size, const QRect &area);
    static QRect resizedAboutCentre(const QRect &frame, const QSize &size);

public slots:
    // Resizes the window about its centre; the new size is also the minimum.
    void performResize(int width, int height);
    // Restores a minimised window, raises it and asks for the focus (the
    // window manager may still decline).
    void bringToFront();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window = nullptr;
};
