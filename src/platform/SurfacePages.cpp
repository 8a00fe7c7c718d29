#include "SurfacePages.h"

#include "EditModeRequests.h"
#include "EditorPage.h"
#include "RunTimeScripts.h"
#include "SurfaceBridge.h"
#include "SurfaceWorlds.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QWebEngineScript makeScript(const QString &name, const QString &source, QWebEngineScript::InjectionPoint point)
{
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(point);
    script.setWorldId(EditorWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

void installEditorScripts(QWebEngineScriptCollection &scripts)
{
    const auto creation = QWebEngineScript::DocumentCreation;
    scripts.insert(makeScript(QStringLiteral("tvl-webchannel"), resourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")), creation));
    for (const char *name : {"tasks", "options", "serializer", "style-keeper", "selection", "history", "commands", "tables",
                             "positioning", "find", "display", "bridge", "recovery"})
        scripts.insert(makeScript(QStringLiteral("tvl-%1").arg(QLatin1String(name)),
                                  resourceText(QStringLiteral(":/platform/js/%1.js").arg(QLatin1String(name))), creation));
    scripts.insert(makeScript(QStringLiteral("tvl-editor-ready"), resourceText(QStringLiteral(":/platform/js/editor-ready.js")),
                              QWebEngineScript::DocumentReady));
}

} // namespace

SurfacePages::SurfacePages(MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_boxes(boxes), m_editBridge(new SurfaceBridge(this)), m_runBridge(new SurfaceBridge(this))
{
    m_editPage = makePage(false);
    m_runPage = makePage(true);
}

EditorPage *SurfacePages::makePage(bool browse)
{
    // Not a child of the view: the view deletes a page of its own when it is given another.
    auto *page = new EditorPage(m_boxes, this);
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

EditorPage *SurfacePages::replace(bool browse)
{
    EditorPage *&slot = browse ? m_runPage : m_editPage;
    EditorPage *old = slot;
    slot = makePage(browse);
    // Later: the crash that ends it may still be on its way through its signals.
    old->deleteLater();
    return slot;
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
    installEditorScripts(page->scripts());
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
