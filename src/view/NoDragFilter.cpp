#include "NoDragFilter.h"

#include <QEvent>

NoDragFilter::NoDragFilter(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent)
{
}

bool NoDragFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
