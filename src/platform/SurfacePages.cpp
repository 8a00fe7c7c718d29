#include "SurfacePages.h"

#include "EditModeRequests.h"
#include "EditorPage.h"
#include "PageScripts.h"
#include "RunTimeScripts.h"
#include "SurfaceBridge.h"
#include "SurfaceView.h"
#include "SurfaceWorlds.h"

#include <QApplication>
#include <QWebChannel>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

SurfacePages::SurfacePages(PageEnvironment &environment, SurfaceView *view, QObject *parent)
    : QObject(parent), m_environment(environment), m_view(view), m_editBridge(new SurfaceBridge(this)),
      m_runBridge(new SurfaceBridge(this))
{
    m_editPage = makePage(false);
    m_runPage = makePage(true);
    m_shown = m_editPage;
    m_view->setPage(m_shown);
}

bool SurfacePages::isShown(const QObject *page) const
{
    return page == m_shown;
}

void SurfacePages::show(bool browse)
{
    EditorPage *next = page(browse);
    if (next == m_shown)
        return;
    const bool hadFocus = m_view->hasFocus() || m_view->isAncestorOf(QApplication::focusWidget());
    m_shown = next;
    m_view->setPage(m_shown);
    if (hadFocus)
        m_view->setFocus();
}

EditorPage *SurfacePages::makePage(bool browse)
{
    // Not a child of the view: the view deletes a page of its own when it is given another.
    auto *page = new EditorPage(m_environment, this);
    if (browse) {
        page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
        page->setEditMode(false);
        RunTimeScripts::install(page->scripts(), true);
    } else {
        // Switched off before the page's first load and never on again: the engine
        // applies the switch to the loads that follow it, not to the one under way.
        QWebEngineSettings *edit = page->settings();
        edit->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        edit->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        edit->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
        edit->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        // The editor's paste; a running page's code never reads the clipboard.
        edit->setAttribute(QWebEngineSettings::JavascriptCanPaste, true);
        page->setUrlRequestInterceptor(new EditModeRequests(page));
        page->setEditMode(true);
    }
    prepare(page, bridge(browse));
    return page;
}

void SurfacePages::replace(bool browse)
{
    EditorPage *&slot = browse ? m_runPage : m_editPage;
    EditorPage *old = slot;
    slot = makePage(browse);
    emit replaced(slot);
    if (m_shown == old) {
        m_shown = slot;
        m_view->setPage(m_shown);
    }
    // Later: the crash that ends it may still be on its way through its signals.
    old->deleteLater();
}

void SurfacePages::prepare(EditorPage *page, SurfaceBridge *bridge)
{
    QWebEngineSettings *settings = page->settings();
    // For the editor's own copy and cut in the program's form.
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, true);
    auto *channel = new QWebChannel(page);
    channel->registerObject(QStringLiteral("surfaceBridge"), bridge);
    page->setWebChannel(channel, EditorWorld);
    PageScripts::installEditor(page->scripts());
}

void SurfacePages::hold(bool browse)
{
    EditorPage *left = page(browse);
    if (!left->isVisible())
        left->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
}

void SurfacePages::stop(bool browse)
{
    // Discarded rather than navigated away: a load in a page out of view holds
    // up the page's next load. Loading a page makes it active again.
    EditorPage *left = page(browse);
    if (!left->isVisible())
        left->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
}
