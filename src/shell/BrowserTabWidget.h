#pragma once

#include <QTabWidget>

class BrowserTabBar;

// The container of open documents: browser-like tabs with close buttons and
// a plus button that asks for more files.
class BrowserTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit BrowserTabWidget(QWidget *parent = nullptr);
    ~BrowserTabWidget() override;

    BrowserTabBar *browserTabBar() const { return m_tabBar; }

signals:
    void allTabClosed();
    void addFileClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void closeTab(int index);

    BrowserTabBar *m_tabBar = nullptr;
};
