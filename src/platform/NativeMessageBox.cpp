#include "NativeMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
NativeMessageBox::Presenter &presenter()
{
    static NativeMessageBox::Presenter instance;
    return instance;
}

QMessageBox::Icon toMessageBoxIcon(NativeMessageBox::Icon icon)
{
    switch (icon) {
    case NativeMessageBox::Information:
        return QMessageBox::Information;
    case NativeMessageBox::Warning:
        return QMessageBox::Warning;
    case NativeMessageBox::Critical:
        break;
    }
    return QMessageBox::Critical;
}
} // namespace

void NativeMessageBox::info(QWidget *, const QString &title, const QString &text)
{
    show(Information, title, text);
}

void NativeMessageBox::warning(QWidget *, const QString &title, const QString &text)
{
    show(Warning, title, text);
}

void NativeMessageBox::error(QWidget *, const QString &title, const QString &text)
{
    show(Critical, title, text);
}

void NativeMessageBox::setPresenterForTesting(Presenter replacement)
{
    presenter() = std::move(replacement);
}

void NativeMessageBox::show(Icon icon, const QString &title, const QString &text)
{
    if (presenter()) {
        presenter()(icon, title, text);
        return;
    }

    // The alert belongs to the active window, not to the caller's widget,
    // just as a sheet would. An alert that is itself active is not a home:
    // it deletes itself when dismissed and would take this one with it.
    QWidget *window = QApplication::activeWindow();
    while (qobject_cast<QMessageBox *>(window) && window->parentWidget())
        window = window->parentWidget()->window();
    if (qobject_cast<QMessageBox *>(window))
        window = nullptr;
    auto *box = new QMessageBox(toMessageBoxIcon(icon), title, text, QMessageBox::NoButton, window);
    box->addButton(QCoreApplication::translate("NativeMessageBox", "OK"), QMessageBox::AcceptRole);
    if (window) {
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        box->open();
        return;
    }
    box->exec();
    delete box;
}
