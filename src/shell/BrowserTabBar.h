#pragma once

#include <QLine>
#include <QRect>
#include <QSize>
#include <QTabBar>
#include <utility>

// A tab bar that shares its width evenly among the tabs and paints a plus
// button right after the last tab.
class BrowserTabBar : public QTabBar
{
    Q_OBJECT

public:
    static constexpr int kMinTabWidth = 18;
    static constexpr int kMaxTabWidth = 180;

    explicit BrowserTabBar(QWidget *parent = nullptr);

    // The geometry rules, kept free of widget state so they can be checked
    // with exact numbers.
    static QSize sharedTabSize(const QSize &baseHint, int barWidth, int tabCount);
    static QRect plusButtonRectFor(const QRect &lastTabRect, int barHeight, bool hasTabs);
    static std::pair<QLine, QLine> plusCross(const QRect &buttonRect);

    QRect plusButtonRect() const { return m_plusButtonRect; }
    // Read when shown, so it is always in the current language.
    static QString plusButtonToolTip();
    bool isPlusHovered() const { return m_hovered; }

signals:
    void addTabRequested();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QSize tabSizeHint(int index) const override;

private:
    QRect currentPlusButtonRect() const;

    bool m_hovered = false;
    QRect m_plusButtonRect;
};
