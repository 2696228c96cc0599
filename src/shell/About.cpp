#include "About.h"
#include "ui_About.h"

#include "MultiLanguage.h"
#include "ProductConstants.h"
#include "ShellResources.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QEvent>
#include <QPixmap>
#include <QPointer>
#include <QUrl>

About::About(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::About)
{
    ShellResources::ensureLoaded();
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->iconLabel->setPixmap(QPixmap(QStringLiteral(":/img/icon.png")));
    setTexts();
    connect(ui->btnMoreInfo, &QPushButton::clicked, this, &About::on_pushButton_clicked);
}

About::~About()
{
    delete ui;
}

void About::showAboutWindow()
{
    QPointer<About> dialog = new About(QApplication::activeWindow());
    dialog->exec();
}

void About::setTexts()
{
    ui->lab_product->setText(g_product_name);
    ui->lab_version->setText(tr("Version %1").arg(g_version));
    ui->lab_copyright->setText(tr("Copyright %1 %2 %3. All rights reserved.")
                                   .arg(QStringLiteral("<font>&#169;</font>"))
                                   .arg(QDate::currentDate().year())
                                   .arg(g_organization));
}

void About::on_pushButton_clicked()
{
    QDesktopServices::openUrl(QUrl(MultiLanguage::multilingualLink(g_link_product)));
}

void About::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setTexts();
    }
    QDialog::changeEvent(event);
}
