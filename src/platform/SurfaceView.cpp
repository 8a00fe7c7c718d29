#include "SurfaceView.h"

#include "DroppedFiles.h"

#include <QChildEvent>
#include <QContextMenuEvent>
#include <QMouseEvent>

void SurfaceView::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos(), event->pos());
    event->accept();
}

// The engine's widget that takes the input is made and remade with the page's renderer.
void SurfaceView::childEvent(QChildEvent *event)
{
    QWebEngineView::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool SurfaceView::event(QEvent *event)
{
    if (DroppedFiles::handle(event, [this](const QStringList &files) { emit filesDropped(files); }))
        return true;
    return QWebEngineView::event(event);
}

// The engine handling a right click of its own keeps the page from answering
// the program's calls for a while; the menu is the program's anyway.
bool SurfaceView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        if (event->type() == QEvent::MouseButtonRelease)
            emit rightClicked(mouse->globalPosition().toPoint(), mapFromGlobal(mouse->globalPosition().toPoint()));
        return true;
    }
    case QEvent::ContextMenu:
        if (static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Mouse)
            return true;
        break;
    default:
        if (DroppedFiles::handle(event, [this](const QStringList &files) { emit filesDropped(files); }))
            return true;
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}
