#pragma once

#include <QDialog>

namespace Ui {
class About;
}

// The modal About window: icon, product name, version, rights line and a
// link to the product's web page.
class About : public QDialog
{
    Q_OBJECT

public:
    explicit About(QWidget *parent = nullptr);
    ~About() override;

    // Runs a new dialog over the active window; returns when it is closed.
    static void showAboutWindow();

    // "More Info": the product's web page. Not a slot, so that the form's
    // name-based connections leave it alone.
    void on_pushButton_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setTexts();

    Ui::About *ui = nullptr;
};
