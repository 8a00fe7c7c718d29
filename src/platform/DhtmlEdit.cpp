#include "DhtmlEdit.h"

#include "EditorPage.h"
#include "FileAccess.h"
#include "FileChannel.h"
#include "MessageBoxes.h"
#include "NoscriptText.h"
#include "PageEncoding.h"
#include "CommandStates.h"
#include "DisplayOptions.h"
#include "PageCalls.h"
#include "PageEnvironment.h"
#include "PageScheme.h"
#include "PageScripts.h"
#include "RecoveryCopy.h"
#include "SurfaceBridge.h"
#include "SurfaceCommands.h"
#include "SurfaceMenu.h"
#include "SurfacePages.h"
#include "SurfacePrompts.h"
#include "SurfaceView.h"
#include "SurfaceWait.h"
#include "SurfaceWorlds.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>

#include <cerrno>

namespace {

const QString BlankPage = QStringLiteral("<html><head></head><body></body></html>");
constexpr qint64 MaxPageBytes = 16 * 1024 * 1024;

} // namespace

DhtmlEdit::DhtmlEdit(QWidget *parent) : DhtmlEdit(PageEnvironment::of(parent), parent) {}

DhtmlEdit::DhtmlEdit(PageEnvironment &environment, QWidget *parent) : QWidget(parent), m_environment(environment)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new SurfaceView(this);
    m_pages = new SurfacePages(m_environment, m_view, this);
    m_recovery = new RecoveryCopy(this);
    m_calls = new PageCalls(*m_pages, this);
    m_states = std::make_unique<CommandStates>();
    m_commands = std::make_unique<SurfaceCommands>(*m_calls, *m_pages, *m_states, this);
    m_display = std::make_unique<DisplayOptions>(*m_pages, *m_calls);
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
                m_pristine = false;
        });
        connect(bridge, &SurfaceBridge::changed, this, [this, browse] {
            if (!browse && !m_browseMode && m_pages->isShown(m_pages->page(false)))
                m_recovery->changed();
        });
        connectPage(m_pages->page(browse));
    }
    connect(m_pages, &SurfacePages::replaced, this, &DhtmlEdit::connectPage);
    // When no call waits on the page any more: a crashed page comes back, or the load's news is told.
    connect(m_calls, &PageCalls::idle, this, [this] {
        if (m_calls->pageDown() || m_crashedOutOfView[0] || m_crashedOutOfView[1])
            QMetaObject::invokeMethod(this, &DhtmlEdit::recoverFromCrash, Qt::QueuedConnection);
        else if (m_completePending)
            QMetaObject::invokeMethod(this, &DhtmlEdit::deliverDocumentComplete, Qt::QueuedConnection);
    });
    connect(m_recovery, &RecoveryCopy::copyWanted, this, &DhtmlEdit::takeRecoveryCopy);
    connect(m_menu, &SurfaceMenu::wanted, this, &DhtmlEdit::ShowContextMenu);
    connect(m_menu, &SurfaceMenu::chosen, this, &DhtmlEdit::ContextMenuAction);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && (now == m_view || m_view->isAncestorOf(now)))
            emit GotFocus();
    });

    // The blank page loads in the background; the first call that needs it waits.
    m_shownText = BlankPage;
    m_shownPath = basePathForNewText();
    m_shownUrl = m_environment.scheme().publish(m_shownText, m_shownPath, m_display->flags());
    m_calls->startLoad(m_shownUrl);
}

// Asked without waiting: the copy comes when the page has made it, and is
// dropped if another page was shown meanwhile.
void DhtmlEdit::takeRecoveryCopy()
{
    if (m_browseMode || m_calls->pageDown() || m_calls->isLoading())
        return;
    const QUrl shown = m_shownUrl;
    m_calls->post(PageScripts::documentText(), [this, shown](const QVariant &value) {
        if (m_browseMode || m_shownUrl != shown || value.typeId() != QMetaType::QString)
            return;
        m_recovery->copyTaken(value.toString());
    });
}

void DhtmlEdit::connectPage(EditorPage *page)
{
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool ok) {
        if (ok && m_pages->isShown(page)) {
            m_completePending = true;
            QMetaObject::invokeMethod(this, &DhtmlEdit::deliverDocumentComplete, Qt::QueuedConnection);
        }
    });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this, page](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    onRenderProcessTerminated(page == m_pages->page(true));
            });
}

void DhtmlEdit::deliverDocumentComplete()
{
    if (m_calls->busy() || !m_completePending)
        return;
    m_completePending = false;
    emit DocumentComplete();
}

DhtmlEdit::~DhtmlEdit()
{
    m_environment.scheme().withdraw(m_shownUrl);
}

QWebEngineView *DhtmlEdit::view() const
{
    return m_view;
}

QWebEnginePage *DhtmlEdit::runPage() const
{
    return m_pages->page(true);
}

QString DhtmlEdit::basePathForNewText() const
{
    if (!m_shownPath.isEmpty())
        return QFileInfo(m_shownPath).absolutePath() + QStringLiteral("/untitled.htm");
    return QDir::currentPath() + QStringLiteral("/untitled.htm");
}

QString DhtmlEdit::lastError() const
{
    return m_calls->lastError();
}

bool DhtmlEdit::fail(const QString &message)
{
    return m_calls->fail(message);
}

bool DhtmlEdit::show(const QString &text, const QString &basePath, bool pristine)
{
    const QUrl url = m_environment.scheme().publish(m_browseMode ? text : NoscriptText::keep(text), basePath, m_display->flags());
    bool ok = false;
    const SurfaceWait::Outcome outcome = m_calls->load(url, &ok);
    if (outcome != SurfaceWait::Outcome::Done || !ok) {
        m_environment.scheme().withdraw(url);
        // Back to what was shown before, so the surface never stays half loaded;
        // a renderer that died brings it back by itself.
        if (outcome != SurfaceWait::Outcome::RendererDied)
            m_calls->startLoad(m_shownUrl);
        if (outcome != SurfaceWait::Outcome::Done)
            return fail(QStringLiteral("ページを読み込めませんでした。%1").arg(SurfaceWait::reason(outcome)));
        return fail(QStringLiteral("ページを読み込めませんでした。"));
    }
    if (m_shownUrl != url)
        m_environment.scheme().withdraw(m_shownUrl);
    m_shownUrl = url;
    m_shownText = text;
    if (m_browseMode) {
        // A page loaded while running is the one edit mode comes back to.
        m_runText = text;
        m_runHtml = QString();
    }
    m_shownPath = basePath;
    m_pristine = pristine;
    m_states->clear();
    m_recovery->pageShown(text);
    return true;
}

bool DhtmlEdit::LoadDocument(const QString &path)
{
    if (path.isEmpty())
        return fail(QStringLiteral("ファイルが見つかりません: %1").arg(path));
    QByteArray bytes;
    const FileAccess::Result read = FileAccess::read(path, &bytes, MaxPageBytes + 1);
    if (!read) {
        if (read.error == ENOENT)
            return fail(QStringLiteral("ファイルが見つかりません: %1").arg(path));
        if (read.error == EISDIR)
            return fail(QStringLiteral("フォルダは開けません: %1").arg(path));
        return fail(QStringLiteral("ファイルを読み込めません: %1: %2").arg(path, FileAccess::reason(read.error, FileAccess::Access::Read)));
    }
    // The engine's renderer does not survive editing pages much larger than this.
    if (bytes.size() > MaxPageBytes)
        return fail(QStringLiteral("ページが大きすぎるため開けません（%1MBまで）: %2").arg(MaxPageBytes / (1024 * 1024)).arg(path));
    if (PageEncoding::looksBinary(bytes))
        return fail(QStringLiteral("テキストのページではないため開けません: %1").arg(path));
    return show(PageEncoding::decodeDetected(bytes), QFileInfo(path).absoluteFilePath(), false);
}

bool DhtmlEdit::setDocumentHTML(const QString &html)
{
    if (!show(html, m_shownPath.isEmpty() ? basePathForNewText() : m_shownPath, false))
        return false;
    m_recovery->markDirty();
    return true;
}

bool DhtmlEdit::NewDocument()
{
    // A new page is for editing: run mode ends with the page it ran.
    const bool wasRunning = m_browseMode;
    if (wasRunning) {
        m_browseMode = false;
        m_pages->show(false);
        m_pages->hold(true);
    }
    if (!show(BlankPage, basePathForNewText(), true)) {
        if (wasRunning) {
            m_browseMode = true;
            m_pages->show(true);
            m_calls->forgetLoad();
            m_pages->stop(false);
        }
        return false;
    }
    if (wasRunning)
        m_pages->stop(true);
    m_runText.clear();
    m_recovery->markDiscarded();
    return true;
}

bool DhtmlEdit::showRecovered(const QString &text, const QString &origin)
{
    const QString basePath = !origin.isEmpty() && QFileInfo(origin).absoluteDir().exists() ? QFileInfo(origin).absoluteFilePath()
                                                                                           : basePathForNewText();
    if (!show(text, basePath, false))
        return false;
    m_recovery->setOrigin(origin);
    m_recovery->markDirty();
    return true;
}

std::optional<QVariant> DhtmlEdit::evaluate(const QString &script)
{
    return m_calls->evaluate(script);
}

std::optional<QString> DhtmlEdit::pageText(const QString &script)
{
    return m_calls->text(script);
}

QString DhtmlEdit::DocumentHTML()
{
    if (m_browseMode)
        return runningPageHtml();
    const std::optional<QString> text = pageText(PageScripts::editedDocumentText(!m_pristine));
    return text ? *text : QString();
}

QString DhtmlEdit::runningPageHtml()
{
    // What the user made, not what the running page and run mode's runtime
    // have done to it since: the text it runs from, parsed without running.
    if (m_pristine)
        return QStringLiteral("");
    if (m_runHtml.isNull()) {
        const std::optional<QString> text = pageText(PageScripts::serializeText(NoscriptText::keep(m_runText)));
        if (!text)
            return QString();
        m_runHtml = *text;
    }
    return m_runHtml;
}

bool DhtmlEdit::setBrowseMode(bool browse)
{
    if (browse == m_browseMode)
        return true;
    if (!m_calls->ready())
        return false;
    QString text;
    if (browse) {
        // Edited since it was loaded: run what the user sees; else the text as loaded.
        const std::optional<QVariant> current = evaluate(PageScripts::changedDocumentText());
        if (!current)
            return false;
        if (current->typeId() == QMetaType::Bool)
            return fail(QStringLiteral("ページの編集機能が読み込まれていないため、ページの内容を読み取れません。"));
        text = (current->isValid() && !current->isNull()) ? current->toString() : m_shownText;
        m_runText = text;
    } else {
        text = m_runText.isNull() ? m_shownText : m_runText;
    }
    const bool pristine = m_pristine;
    m_browseMode = browse;
    m_pages->show(browse);
    // The running page holds still while the edit page loads, and goes on if that fails.
    if (!browse)
        m_pages->hold(true);
    if (!show(text, m_shownPath, pristine)) {
        m_browseMode = !browse;
        m_pages->show(!browse);
        // The page of the mode not entered goes back to nothing; the one shown before stays as it was.
        m_calls->forgetLoad();
        m_pages->stop(browse);
        return false;
    }
    // A running page stops with run mode (its timers, its messages).
    if (!browse)
        m_pages->stop(true);
    return true;
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

bool DhtmlEdit::SaveDocument(const QString &path)
{
    const QString text = DocumentHTML();
    if (text.isNull())
        return fail(QStringLiteral("ページの内容を読み取れないため保存しませんでした: %1: %2").arg(path, lastError()));
    QString error;
    if (!FileChannel::writeText(path, text, &error))
        return fail(QStringLiteral("保存できませんでした: %1: %2").arg(path, error));
    return true;
}

void DhtmlEdit::SetContextMenu(const QStringList &texts, const QList<int> &states)
{
    m_menu->set(texts, states);
}

void DhtmlEdit::setMenuPresenter(MenuPresenter presenter)
{
    m_menu->setPresenter(std::move(presenter));
}

void DhtmlEdit::onRenderProcessTerminated(bool runPage)
{
    // A call waiting on the page ends first (its wait sees the same death); then the page comes back.
    if (m_pages->isShown(m_pages->page(runPage)))
        m_calls->setPageDown(true);
    else
        m_crashedOutOfView[runPage ? 1 : 0] = true;
    if (!m_calls->busy())
        QMetaObject::invokeMethod(this, &DhtmlEdit::recoverFromCrash, Qt::QueuedConnection);
}

// A page whose renderer died is replaced by a fresh one: the engine delivers
// its user scripts to later renderers of such a page only now and then, and
// a page came up without the editor every few crashes.
void DhtmlEdit::replaceCrashedPage(bool runPage)
{
    m_pages->replace(runPage);
}

// Shows the recovery copy in a fresh page, in the mode the surface was in.
void DhtmlEdit::recoverFromCrash()
{
    if (m_calls->busy())
        return;
    for (const bool runPage : {false, true}) {
        if (m_crashedOutOfView[runPage ? 1 : 0]) {
            m_crashedOutOfView[runPage ? 1 : 0] = false;
            if (!m_pages->isShown(m_pages->page(runPage)))
                replaceCrashedPage(runPage);
        }
    }
    if (!m_calls->pageDown())
        return;
    m_calls->setPageDown(false);
    m_calls->forgetLoad();
    const bool current = m_recovery->isCurrent();
    const qint64 ageSeconds = (m_recovery->ageMs() + 500) / 1000;
    const QString text = m_browseMode ? (m_runText.isNull() ? m_shownText : m_runText) : m_recovery->text();
    replaceCrashedPage(m_browseMode);
    QString message;
    if (!show(text.isEmpty() ? BlankPage : text, m_shownPath, m_pristine)) {
        message = QStringLiteral("ページの表示処理が異常終了しました。ページを表示し直せませんでした: %1").arg(lastError());
        if (m_calls->pageDown()) {
            // The page itself brings the renderer down: an empty page instead, the copy kept.
            m_calls->setPageDown(false);
            replaceCrashedPage(m_browseMode);
            show(BlankPage, basePathForNewText(), true);
            m_recovery->pageShown(text);
            message = QStringLiteral("ページを表示し直すたびに表示処理が異常終了するため、空のページを表示しました。")
                      + (m_recovery->isDirty() ? QStringLiteral("編集中の内容は復元用の控えに残しています（次の起動時に復元できます）。")
                                               : QStringLiteral("元のファイルは変更されていません。"));
        }
    } else if (current) {
        message = QStringLiteral("ページの表示処理が異常終了したため、ページを表示し直しました。編集した内容は失われていません。");
    } else {
        message = QStringLiteral("ページの表示処理が異常終了したため、%1秒前に控えた内容からページを表示し直しました。"
                                 "それより後の編集は失われました。")
                      .arg(ageSeconds);
    }
    emit RendererFailed(message);
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

int DhtmlEdit::createRange()
{
    const std::optional<QVariant> id = evaluate(PageScripts::createRange());
    if (!id)
        return 0;
    if (id->toInt() <= 0) {
        fail(QStringLiteral("ページに本文（BODY）がないため、挿入する位置がありません。"));
        return 0;
    }
    return id->toInt();
}

bool DhtmlEdit::pasteIntoRange(int rangeId, const QString &html)
{
    const std::optional<QVariant> why = evaluate(PageScripts::pasteHTML(rangeId, html));
    if (!why)
        return false;
    if (!why->isValid() || !why->toString().isEmpty())
        return fail(QStringLiteral("選択範囲に貼り付けられませんでした。"));
    m_pristine = false;
    m_recovery->markDirty();
    return true;
}

bool DhtmlEdit::rollbackLastPaste()
{
    const std::optional<QVariant> done = evaluate(PageScripts::rollbackPaste());
    return done && done->toBool();
}

QString DhtmlEdit::rangeText(int rangeId)
{
    const std::optional<QString> text = pageText(PageScripts::rangeText(rangeId));
    return text ? *text : QString();
}

QString DhtmlEdit::bgColor()
{
    const std::optional<QString> color = pageText(PageScripts::bgColor());
    return color ? *color : QString();
}

bool DhtmlEdit::setBgColor(const QString &color)
{
    if (!evaluate(PageScripts::setBgColor(color)))
        return false;
    m_pristine = false;
    m_recovery->markDirty();
    return true;
}
