#pragma once

#include <QWebEngineView>

// The view of the editing surface; its right click is the surface's to answer.
class SurfaceView : public QWebEngineView
{
    Q_OBJECT
public:
    using QWebEngineView::QWebEngineView;

signals:
    void contextMenuRequested(const QPoint &globalPos, const QPoint &localPos);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
};
