#pragma once

#include <QWebEngineView>

// The view of the editing surface; its right click and files dropped on it
// are the surface's to answer.
class SurfaceView : public QWebEngineView
{
    Q_OBJECT
public:
    using QWebEngineView::QWebEngineView;

signals:
    // The engine asks for a menu (the keyboard's menu key).
    void contextMenuRequested(const QPoint &globalPos, const QPoint &localPos);
    // A right click on the page, kept from the engine.
    void rightClicked(const QPoint &globalPos, const QPoint &localPos);
    // Files of this machine dropped on the page, kept from the engine.
    void filesDropped(const QStringList &paths);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
