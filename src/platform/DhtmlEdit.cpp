#include "DhtmlEdit.h"

#include "AppContext.h"
#include "CommandStates.h"
#include "DisplayOptions.h"
#include "BusyCursor.h"
#include "EditorPage.h"
#include "PageCalls.h"
#include "PageEnvironment.h"
#include "RecoveryCopy.h"
#include "RendererRecovery.h"
#include "SurfaceBridge.h"
#include "SurfaceCommands.h"
#include "SurfaceDocument.h"
#include "SurfaceMenu.h"
#include "SurfacePages.h"
#include "SurfaceRanges.h"
#include "SurfaceView.h"
#include "Twips.h"

#include <QApplication>
#include <QVBoxLayout>

DhtmlEdit::DhtmlEdit(AppContext &app, QWidget *parent) : QWidget(parent), m_environment(app.pages)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new SurfaceView(this);
    m_pages = new SurfacePages(m_environment, m_view, this);
    m_recovery = new RecoveryCopy(this);
    m_calls = new PageCalls(*m_pages, this);
    m_states = std::make_unique<CommandStates>();
    m_commands = std::make_unique<SurfaceCommands>(*m_calls, *m_pages, *m_states, this, app.dialogs, app.boxes);
    m_display = std::make_unique<DisplayOptions>(*m_pages, *m_calls);
    m_document = std::make_unique<SurfaceDocument>(m_environment, *m_pages, *m_calls, *m_states, *m_display, *m_recovery,
                                                   app.workingFolder);
    m_ranges = std::make_unique<SurfaceRanges>(*m_calls, *m_document);
    m_crashes = new RendererRecovery(*m_pages, *m_calls, *m_document, *m_recovery, this);
    m_menu = new SurfaceMenu(m_view, *m_calls, this);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    for (const bool browse : {false, true}) {
        SurfaceBridge *bridge = m_pages->bridge(browse);
        // Only the page shown speaks for the surface.
        connect(bridge, &SurfaceBridge::displayReported, this, [this, browse](const QVariantMap &states) {
            if (!m_pages->isShown(m_pages->page(browse)))
                return;
            m_states->take(states);
            emit DisplayChanged();
        });
        connect(bridge, &SurfaceBridge::edited, this, [this, browse] {
            if (m_pages->isShown(m_pages->page(browse)))
                m_document->noteEdited();
        });
        connect(bridge, &SurfaceBridge::changed, this, [this, browse] {
            if (!browse && !m_document->browseMode() && m_pages->isShown(m_pages->page(false)))
                m_recovery->changed();
        });
        connectPage(m_pages->page(browse));
    }
    connect(m_pages, &SurfacePages::replaced, this, &DhtmlEdit::connectPage);
    // When no call waits on the page any more the load's news is told, unless a crashed page comes back first.
    connect(m_calls, &PageCalls::idle, this, [this] {
        if (!m_crashes->pending() && m_completePending)
            QMetaObject::invokeMethod(this, &DhtmlEdit::deliverDocumentComplete, Qt::QueuedConnection);
    });
    connect(m_crashes, &RendererRecovery::recovered, this, &DhtmlEdit::RendererFailed);
    connect(m_recovery, &RecoveryCopy::copyWanted, this, [this] { m_document->takeRecoveryCopy(); });
    connect(m_menu, &SurfaceMenu::wanted, this, &DhtmlEdit::ShowContextMenu);
    connect(m_menu, &SurfaceMenu::chosen, this, &DhtmlEdit::ContextMenuAction);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && (now == m_view || m_view->isAncestorOf(now)))
            emit GotFocus();
    });

    // The blank page loads in the background; the first call that needs it waits.
    m_document->startBlank();
}

void DhtmlEdit::connectPage(EditorPage *page)
{
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool ok) {
        if (ok && m_pages->isShown(page)) {
            m_completePending = true;
            QMetaObject::invokeMethod(this, &DhtmlEdit::deliverDocumentComplete, Qt::QueuedConnection);
        }
    });
}

void DhtmlEdit::deliverDocumentComplete()
{
    if (m_calls->busy() || !m_completePending)
        return;
    m_completePending = false;
    emit DocumentComplete();
}

DhtmlEdit::~DhtmlEdit() = default;

QWebEngineView *DhtmlEdit::view() const
{
    return m_view;
}

QWebEnginePage *DhtmlEdit::runPage() const
{
    return m_pages->page(true);
}

QString DhtmlEdit::lastError() const
{
    return m_calls->lastError();
}

bool DhtmlEdit::LoadDocument(const QString &path)
{
    // Reading and decoding a large page takes a while before the engine's wait begins.
    BusyCursor busy;
    return m_document->load(path);
}

QString DhtmlEdit::DocumentHTML()
{
    return m_document->html();
}

bool DhtmlEdit::setDocumentHTML(const QString &html)
{
    return m_document->setHtml(html);
}

bool DhtmlEdit::showRecovered(const QString &text, const QString &origin)
{
    return m_document->showRecovered(text, origin);
}

bool DhtmlEdit::SaveDocument(const QString &path)
{
    return m_document->save(path);
}

bool DhtmlEdit::NewDocument()
{
    // A new page is for editing: run mode ends with the page it ran.
    const bool wasRunning = BrowseMode();
    if (!m_document->newDocument())
        return false;
    if (wasRunning)
        emit BrowseModeChanged(false);
    return true;
}

bool DhtmlEdit::BrowseMode() const
{
    return m_document->browseMode();
}

bool DhtmlEdit::setBrowseMode(bool browse)
{
    const bool before = BrowseMode();
    if (!m_document->setBrowseMode(browse))
        return false;
    if (BrowseMode() != before)
        emit BrowseModeChanged(browse);
    return true;
}

QString DhtmlEdit::loadedText() const
{
    return m_document->shownText();
}

QUrl DhtmlEdit::documentUrl() const
{
    return m_document->shownUrl();
}

std::optional<QVariant> DhtmlEdit::evaluate(const QString &script)
{
    return m_calls->evaluate(script);
}

bool DhtmlEdit::ExecCommand(int command, int option, const QVariant &value)
{
    return m_commands->exec(command, option, value);
}

int DhtmlEdit::QueryStatus(int command) const
{
    return m_states->status(command);
}

bool DhtmlEdit::refreshCommandStates()
{
    return m_commands->refreshStates();
}

void DhtmlEdit::SetContextMenu(const QStringList &texts, const QList<int> &states)
{
    m_menu->set(texts, states);
}

void DhtmlEdit::setMenuPresenter(MenuPresenter presenter)
{
    m_menu->setPresenter(std::move(presenter));
}

void DhtmlEdit::setKeepForeignStyles(bool on)
{
    m_display->setKeepForeignStyles(on);
}

void DhtmlEdit::setShowBorders(bool on)
{
    m_display->setShowBorders(on);
}

void DhtmlEdit::setShowDetails(bool on)
{
    m_display->setShowDetails(on);
}

void DhtmlEdit::Refresh()
{
    m_display->apply();
}

int DhtmlEdit::Width() const
{
    return Twips::widthOf(this);
}

int DhtmlEdit::Height() const
{
    return Twips::heightOf(this);
}

void DhtmlEdit::setWidth(int twips)
{
    Twips::setWidth(this, twips);
}

void DhtmlEdit::setHeight(int twips)
{
    Twips::setHeight(this, twips);
}

SurfaceRanges &DhtmlEdit::ranges()
{
    return *m_ranges;
}

bool DhtmlEdit::rollbackLastPaste()
{
    return m_ranges->rollbackLastPaste();
}
