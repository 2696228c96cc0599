#include "ReloadBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

ReloadBar::ReloadBar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("reloadBar"));
    setStyleSheet(QStringLiteral(
        "#reloadBar { background: #FFF4CE; border: none; border-bottom: 1px solid #E5D28F; }"
        "#reloadBar QLabel { color: #4A3B00; font-size: 13px; }"
        "#reloadBar QPushButton { padding: 3px 14px; }"
        "#reloadBar QToolButton { border: none; font-size: 15px; color: #6B5A1E; padding: 0 6px; }"));

    m_text = new QLabel(this);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_retry = new QPushButton(this);
    m_close = new QToolButton(this);
    m_close->setText(QStringLiteral("\u2715"));
    connect(m_retry, &QPushButton::clicked, this, &ReloadBar::retryRequested);
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 6, 6);
    layout->setSpacing(10);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_retry);
    layout->addWidget(m_close);
    retranslate();
    hide();
}

void ReloadBar::showMessage(const QString &text)
{
    m_text->setText(text);
    show();
}

QString ReloadBar::message() const
{
    return m_text->text();
}

void ReloadBar::retranslate()
{
    m_retry->setText(tr("Retry"));
    m_close->setToolTip(tr("Close"));
}

void ReloadBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
