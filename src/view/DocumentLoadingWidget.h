#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// What a document tab shows while its drawing is read: the file name, how far
// the reading has got and a button to give up, centred in the tab.
class DocumentLoadingWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ProgressSteps = 1000;

    explicit DocumentLoadingWidget(const QString &fileName, QWidget *parent = nullptr);

    // fraction between 0 and 1; the bar never moves back.
    void setProgress(double fraction);
    int progressValue() const;
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

private:
    QLabel *m_name = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
};
