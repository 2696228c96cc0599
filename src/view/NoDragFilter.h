#pragma once

#include <QSplitter>

// A splitter that, installed as event filter on one of its handles, swallows
// the handle's mouse input so that it cannot be dragged.
class NoDragFilter : public QSplitter
{
    Q_OBJECT

public:
    NoDragFilter(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
