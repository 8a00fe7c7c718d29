#include "SurfaceView.h"

#include <QContextMenuEvent>

void SurfaceView::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos(), event->pos());
    event->accept();
}
