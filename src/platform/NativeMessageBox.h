#pragma once

#include <QString>

#include <functional>

class QWidget;

// Alerts for the whole program. With an active window the alert is
// window-modal on it and the call returns at once; otherwise it blocks
// until dismissed. Callers must not rely on the alert being gone on return.
class NativeMessageBox
{
public:
    enum Icon { Information, Warning, Critical };
    using Presenter = std::function<void(Icon icon, const QString &title, const QString &text)>;

    static void info(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    static void error(QWidget *parent, const QString &title, const QString &text);

    // Replaces showing (tests observe alerts through it); an empty function
    // restores the real alerts.
    static void setPresenterForTesting(Presenter presenter);

private:
    static void show(Icon icon, const QString &title, const QString &text);
};
