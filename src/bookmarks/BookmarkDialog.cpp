#include "BookmarkDialog.h"

#include "BookmarkManager.h"
#include "BookmarkStoreAlerts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

BookmarkDialog::BookmarkDialog(const QString &fileName, int page, QWidget *parent)
    : QDialog(parent)
    , m_fileName(fileName)
    , m_page(page)
{
    // No window type: with a parent this is a child widget lying over it.
    setWindowFlags(Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent) {
        setGeometry(0, 0, parent->width(), parent->height());
        // Keep covering the window when it is resized under the overlay.
        parent->installEventFilter(this);
    }
    setStyleSheet(QStringLiteral(" * { font-family: 'Arial'; font-size: 12px; } "));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *card = new QWidget(this);
    card->setObjectName(QStringLiteral("contentWidget"));
    card->setFixedSize(350, 115);
    card->setAttribute(Qt::WA_StyledBackground);
    card->setStyleSheet(QStringLiteral("QWidget#contentWidget { background-color: white; "
                                       "border-radius: 10px; border: 1px solid #e0e0e0; }"));
    auto *cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(15, 10, 15, 20);

    auto *label = new QLabel(tr("Type a name for the bookmark:"), card);
    label->setStyleSheet(QStringLiteral("QLabel { color: #333333; background: transparent; font-size: 13px; }"));

    m_nameEdit = new QLineEdit(card);
    m_nameEdit->setMinimumHeight(22);
    m_nameEdit->setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid #ccc; border-radius: 4px; padding: 4px; }"
        "QLineEdit:focus { border: 1px solid #ccc; }"));
    const QString stem = m_fileName.section(QLatin1Char('.'), 0, 0);
    m_nameEdit->setText(QStringLiteral("%1_%2").arg(stem).arg(m_page));

    auto *cancelButton = new QPushButton(tr("Cancel"), card);
    cancelButton->setFixedHeight(22);
    // Wider than 68 px only where a translation needs it.
    cancelButton->setMinimumWidth(68);
    cancelButton->setAutoDefault(false);
    cancelButton->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: white; color: black; border: 1px solid #dcdcdc; border-radius: 4px; padding: 0 8px; }"
        "QPushButton:pressed { background-color: #f0f0f0; }"));
    m_addButton = new QPushButton(tr("Add"), card);
    m_addButton->setFixedHeight(22);
    // Wider than 68 px only where a translation needs it.
    m_addButton->setMinimumWidth(68);
    m_addButton->setDefault(true);
    m_addButton->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(59, 130, 247); color: white; border: none; border-radius: 4px; padding: 0 8px; }"
        "QPushButton:pressed { background-color: rgb(47, 111, 227); }"
        "QPushButton:disabled { background-color: #93c5fd; }"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addWidget(m_addButton);

    cardLayout->addWidget(label);
    cardLayout->addWidget(m_nameEdit);
    cardLayout->addSpacing(6);
    cardLayout->addLayout(buttons);
    outer->addWidget(card, 0, Qt::AlignCenter);

    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_addButton, &QPushButton::clicked, this, &BookmarkDialog::onAddClicked);

    m_nameEdit->setFocus();
}

void BookmarkDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0, 0, 0, 100));
}

bool BookmarkDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(0, 0, parentWidget()->width(), parentWidget()->height());
    return QDialog::eventFilter(watched, event);
}

void BookmarkDialog::onAddClicked()
{
    const QString title = m_nameEdit->text();
    if (title.isEmpty())
        return;
    const bool added = BookmarkManager::instance()->addBookmark(m_fileName, m_page, title, m_documentPath);
    const QList<BookmarkStoreAlerts::Alert> alerts = BookmarkStoreAlerts::afterOperation(added);
    for (const BookmarkStoreAlerts::Alert &alert : alerts)
        emit storeProblem(alert.title, alert.text);
    // On failure the name stays in the field for another try or Cancel.
    if (added)
        accept();
}
