#pragma once

#include <QObject>

class EditorPage;
class PageEnvironment;
class SurfaceBridge;
class SurfaceView;

// The two pages behind the editing surface. The edit page is made with the
// page's own scripts and plugins off in the engine, for good, and sends
// nothing that only code would send (EditModeRequests): whatever its markup,
// nothing of the page runs there, in any frame. The run page runs the page as
// a browser would, with the run-time. The view shows one of them at a time;
// the editor's scripts and a bridge of their own are in both, in the editor's
// world, where the page's code cannot reach them. Which page the view shows
// is the surface's mode: the run page in run mode.
class SurfacePages : public QObject
{
    Q_OBJECT
public:
    // The edit page is shown first.
    SurfacePages(PageEnvironment &environment, SurfaceView *view, QObject *parent);

    EditorPage *page(bool browse) const { return browse ? m_runPage : m_editPage; }
    EditorPage *shown() const { return m_shown; }
    bool isShown(const QObject *page) const;
    bool running() const { return m_shown == m_runPage; }
    // The view shows the page of the mode and keeps the input focus; the other page stays as it is.
    void show(bool browse);
    SurfaceBridge *bridge(bool browse) const { return browse ? m_runBridge : m_editBridge; }
    // Holds the page out of view still (its timers, its sounds), to go on when shown again.
    void hold(bool browse);
    // Ends what the page out of view was running, and frees it.
    void stop(bool browse);
    // A fresh page of the kind in place of one whose renderer died; the old one
    // goes. The view shows the fresh one if it showed the old.
    void replace(bool browse);

signals:
    void replaced(EditorPage *fresh);

private:
    EditorPage *makePage(bool browse);
    void prepare(EditorPage *page, SurfaceBridge *bridge);

    PageEnvironment &m_environment;
    SurfaceView *m_view;
    SurfaceBridge *m_editBridge;
    SurfaceBridge *m_runBridge;
    EditorPage *m_editPage = nullptr;
    EditorPage *m_runPage = nullptr;
    EditorPage *m_shown = nullptr;
};
