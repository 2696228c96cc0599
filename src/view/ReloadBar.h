#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

// A strip above the page that says a new version of the drawing could not be
// read while the tab goes on showing the one it has. It asks for nothing:
// the user may retry, close it, or carry on reading.
class ReloadBar : public QFrame
{
    Q_OBJECT

public:
    explicit ReloadBar(QWidget *parent = nullptr);

    void showMessage(const QString &text);
    QString message() const;
    QPushButton *retryButton() const { return m_retry; }

signals:
    void retryRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_text = nullptr;
    QPushButton *m_retry = nullptr;
    QToolButton *m_close = nullptr;
};
