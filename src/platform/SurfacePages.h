#pragma once

#include <QObject>

class EditorPage;
class PageEnvironment;
class SurfaceBridge;

// The two pages behind the editing surface. The edit page is made with the
// page's own scripts and plugins off in the engine, for good, and sends
// nothing that only code would send (EditModeRequests): whatever its markup,
// nothing of the page runs there, in any frame. The run page runs the page as
// a browser would, with the run-time. The view shows one of them at a time;
// the editor's scripts and a bridge of their own are in both, in the editor's
// world, where the page's code cannot reach them.
class SurfacePages : public QObject
{
    Q_OBJECT
public:
    SurfacePages(PageEnvironment &environment, QObject *parent);

    EditorPage *page(bool browse) const { return browse ? m_runPage : m_editPage; }
    SurfaceBridge *bridge(bool browse) const { return browse ? m_runBridge : m_editBridge; }
    // Holds the page out of view still (its timers, its sounds), to go on when shown again.
    void hold(bool browse);
    // Ends what the page out of view was running, and frees it.
    void stop(bool browse);
    // A fresh page of the kind in place of one whose renderer died; the old one goes.
    EditorPage *replace(bool browse);

private:
    EditorPage *makePage(bool browse);
    void prepare(EditorPage *page, SurfaceBridge *bridge);

    PageEnvironment &m_environment;
    SurfaceBridge *m_editBridge;
    SurfaceBridge *m_runBridge;
    EditorPage *m_editPage = nullptr;
    EditorPage *m_runPage = nullptr;
};
