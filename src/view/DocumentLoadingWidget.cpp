#include "DocumentLoadingWidget.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

DocumentLoadingWidget::DocumentLoadingWidget(const QString &fileName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("documentLoading"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(background);

    m_name = new QLabel(tr("Opening %1").arg(fileName), this);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setTextFormat(Qt::PlainText);
    m_name->setStyleSheet(QStringLiteral("color: rgb(43,43,43);"));

    m_bar = new QProgressBar(this);
    m_bar->setRange(0, ProgressSteps);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setFixedWidth(320);

    m_cancel = new QPushButton(tr("Cancel"), this);
    connect(m_cancel, &QPushButton::clicked, this, &DocumentLoadingWidget::cancelRequested);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addStretch(1);
    layout->addWidget(m_name, 0, Qt::AlignHCenter);
    layout->addWidget(m_bar, 0, Qt::AlignHCenter);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    layout->addStretch(1);
}

void DocumentLoadingWidget::setProgress(double fraction)
{
    if (!std::isfinite(fraction))
        return;
    const int value = int(std::lround(std::clamp(fraction, 0.0, 1.0) * ProgressSteps));
    if (value > m_bar->value())
        m_bar->setValue(value);
}

int DocumentLoadingWidget::progressValue() const
{
    return m_bar->value();
}
