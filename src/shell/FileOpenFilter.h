#pragma once

#include <QObject>

// Turns the operating system's file-open events into fileOpened(path).
class FileOpenFilter : public QObject
{
    Q_OBJECT

public:
    explicit FileOpenFilter(QObject *parent = nullptr);

signals:
    void fileOpened(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
