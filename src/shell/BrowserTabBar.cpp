#include "BrowserTabBar.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QtGlobal>

namespace {
const QColor kPlusNormal(QStringLiteral("#e6e6e6"));
const QColor kPlusHover(QStringLiteral("#E7EDF3"));
const QColor kPlusCross(QStringLiteral("#0e0f0f"));
constexpr int kCrossHalfLength = 6;
} // namespace

BrowserTabBar::BrowserTabBar(QWidget *parent)
    : QTabBar(parent)
{
    // Moves without a pressed button must arrive for the hover effect.
    setMouseTracking(true);
    setExpanding(true);
    // Long file names otherwise run past both edges of a narrow tab. The
    // middle goes, so that names sharing a prefix stay apart by their ends.
    setElideMode(Qt::ElideMiddle);
}

QSize BrowserTabBar::sharedTabSize(const QSize &baseHint, int barWidth, int tabCount)
{
    if (tabCount <= 0)
        return baseHint;
    // The plus button is as wide as a tab is tall.
    const int available = barWidth - baseHint.height();
    if (available < 1)
        return baseHint;
    const int width = qBound(kMinTabWidth, available / tabCount, kMaxTabWidth);
    return QSize(width, baseHint.height());
}

QRect BrowserTabBar::plusButtonRectFor(const QRect &lastTabRect, int barHeight, bool hasTabs)
{
    if (!hasTabs)
        return QRect(QPoint(5, 5), QPoint(barHeight - 6, barHeight - 6));
    const int h = lastTabRect.height();
    return QRect(lastTabRect.right() + 1, (barHeight - h) / 2, h, h - 1);
}

std::pair<QLine, QLine> BrowserTabBar::plusCross(const QRect &buttonRect)
{
    const QPoint c = buttonRect.center();
    return {QLine(c.x() - kCrossHalfLength, c.y(), c.x() + kCrossHalfLength, c.y()),
            QLine(c.x(), c.y() - kCrossHalfLength, c.x(), c.y() + kCrossHalfLength)};
}

QRect BrowserTabBar::currentPlusButtonRect() const
{
    const bool hasTabs = count() > 0;
    return plusButtonRectFor(hasTabs ? tabRect(count() - 1) : QRect(), height(), hasTabs);
}

QSize BrowserTabBar::tabSizeHint(int index) const
{
    return sharedTabSize(QTabBar::tabSizeHint(index), width(), count());
}

void BrowserTabBar::paintEvent(QPaintEvent *event)
{
    QTabBar::paintEvent(event);

    const QRect button = currentPlusButtonRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_hovered ? kPlusHover : kPlusNormal);
    painter.drawRect(button);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kPlusCross, 1));
    const auto cross = plusCross(button);
    painter.drawLine(cross.first);
    painter.drawLine(cross.second);

    // Presses are tested against what the user saw last.
    m_plusButtonRect = button;
}

void BrowserTabBar::mouseMoveEvent(QMouseEvent *event)
{
    const QRect button = currentPlusButtonRect();
    const bool inside = button.contains(event->position().toPoint());
    if (inside != m_hovered) {
        m_hovered = inside;
        update(button);
    }
    QTabBar::mouseMoveEvent(event);
}

void BrowserTabBar::leaveEvent(QEvent *event)
{
    if (m_hovered) {
        m_hovered = false;
        update(currentPlusButtonRect());
    }
    QTabBar::leaveEvent(event);
}

QString BrowserTabBar::plusButtonToolTip()
{
    return tr("Open files") + QStringLiteral(" (%1)").arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText));
}

bool BrowserTabBar::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (currentPlusButtonRect().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), plusButtonToolTip(), this);
            return true;
        }
    }
    return QTabBar::event(event);
}

void BrowserTabBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton
        && m_plusButtonRect.contains(event->position().toPoint())) {
        emit addTabRequested();
        return;
    }
    QTabBar::mousePressEvent(event);
}
