#include "DhtmlEdit.h"

#include "BusyCursor.h"
#include "EditorPage.h"
#include "FileAccess.h"
#include "FileChannel.h"
#include "MessageBoxes.h"
#include "NoscriptText.h"
#include "PageEncoding.h"
#include "PageScheme.h"
#include "RecoveryCopy.h"
#include "SurfaceBridge.h"
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
constexpr int CommandPaste = 5032;
constexpr qint64 MaxPageBytes = 16 * 1024 * 1024;

constexpr int CommandFind = 5008;
constexpr int CommandFont = 5009;
constexpr int CommandLink = 5016;
constexpr int CommandImage = 5017;
constexpr int PromptOption = 1;
constexpr int NoPromptOption = 2;

// Editing commands are off in run mode; the others (copy, select all, find) are not.
bool isEditingCommand(int command)
{
    return command != 5002 && command != 5035 && command != CommandFind;
}

// Commands that ask the user unless told not to.
bool prompts(int command, int option)
{
    const bool asks = command == CommandFind || command == CommandFont || command == CommandLink || command == CommandImage;
    return asks && option != NoPromptOption;
}

QString jsString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString jsValue(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("null");
    const QByteArray array = QJsonDocument(QJsonArray{QJsonValue::fromVariant(value)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

} // namespace

DhtmlEdit::DhtmlEdit(QWidget *parent) : QWidget(parent)
{
    PageScheme::instance();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new SurfaceView(this);
    m_pages = new SurfacePages(this);
    m_recovery = new RecoveryCopy(this);
    m_page = m_pages->page(false);
    m_view->setPage(m_page);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    for (const bool browse : {false, true}) {
        SurfaceBridge *bridge = m_pages->bridge(browse);
        // Only the page shown speaks for the surface.
        connect(bridge, &SurfaceBridge::displayReported, this, [this, browse](const QVariantMap &states) {
            if (!isShownPage(m_pages->page(browse)))
                return;
            m_states.clear();
            for (auto it = states.cbegin(); it != states.cend(); ++it)
                m_states.insert(it.key().toInt(), it.value().toInt());
            emit DisplayChanged();
        });
        connect(bridge, &SurfaceBridge::edited, this, [this, browse] {
            if (isShownPage(m_pages->page(browse)))
                m_pristine = false;
        });
        connect(bridge, &SurfaceBridge::changed, this, [this, browse] {
            if (!browse && !m_browseMode && isShownPage(m_pages->page(false)))
                m_recovery->changed();
        });
        connectPage(m_pages->page(browse));
    }
    connect(m_recovery, &RecoveryCopy::copyWanted, this, &DhtmlEdit::takeRecoveryCopy);
    // A right click: the caret goes where the click was, unless it was on the selection.
    connect(m_view, &SurfaceView::rightClicked, this, [this](const QPoint &globalPos, const QPoint &localPos) {
        evaluate(QStringLiteral("__tvl.caretForMenu && __tvl.caretForMenu(%1, %2)").arg(localPos.x()).arg(localPos.y()));
        onContextMenuRequested(globalPos);
    }, Qt::QueuedConnection);
    // The engine's own request (the menu key) comes from inside a task of the engine,
    // where the page cannot answer: the menu waits until the page answers again.
    connect(m_view, &SurfaceView::contextMenuRequested, this, [this](const QPoint &globalPos, const QPoint &) {
        QPointer<DhtmlEdit> self(this);
        m_page->runJavaScript(QStringLiteral("0"), EditorWorld, [self, globalPos](const QVariant &) {
            if (self)
                QMetaObject::invokeMethod(self, [self, globalPos] { if (self) self->onContextMenuRequested(globalPos); },
                                          Qt::QueuedConnection);
        });
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && (now == m_view || m_view->isAncestorOf(now)))
            emit GotFocus();
    });

    // The blank page loads in the background; the first call that needs it waits.
    m_shownText = BlankPage;
    m_shownPath = basePathForNewText();
    m_shownUrl = PageScheme::instance()->publish(m_shownText, m_shownPath, optionFlags());
    m_pendingUrl = m_shownUrl;
    m_page->expectLoad(m_shownUrl);
    m_page->load(m_shownUrl);
}

// Asked without waiting: the copy comes when the page has made it, and is
// dropped if another page was shown meanwhile.
void DhtmlEdit::takeRecoveryCopy()
{
    if (m_browseMode || m_recoveryPending || !m_pendingUrl.isEmpty())
        return;
    QPointer<DhtmlEdit> self(this);
    const QUrl shown = m_shownUrl;
    m_page->runJavaScript(QStringLiteral("(typeof __tvl === 'undefined') ? null : __tvl.serializeDocument(document)"), EditorWorld,
                          [self, shown](const QVariant &value) {
                              if (!self || self->m_browseMode || self->m_shownUrl != shown || value.typeId() != QMetaType::QString)
                                  return;
                              self->m_recovery->copyTaken(value.toString());
                          });
}

void DhtmlEdit::connectPage(EditorPage *page)
{
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool ok) {
        if (ok && isShownPage(page)) {
            m_completePending = true;
            QMetaObject::invokeMethod(this, &DhtmlEdit::deliverDocumentComplete, Qt::QueuedConnection);
        }
    });
    connect(page, &QWebEnginePage::loadingChanged, this, [this, page](const QWebEngineLoadingInfo &info) {
        if (isShownPage(page) && info.url() == m_pendingUrl && info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
            m_pendingUrl.clear();
    });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this, page](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    onRenderProcessTerminated(page == m_pages->page(true));
            });
}

struct DhtmlEdit::Busy
{
    explicit Busy(DhtmlEdit *surface) : m_surface(surface) { ++m_surface->m_busy; }
    ~Busy()
    {
        if (--m_surface->m_busy > 0)
            return;
        if (m_surface->m_recoveryPending || m_surface->m_crashedOutOfView[0] || m_surface->m_crashedOutOfView[1])
            QMetaObject::invokeMethod(m_surface, &DhtmlEdit::recoverFromCrash, Qt::QueuedConnection);
        else if (m_surface->m_completePending)
            QMetaObject::invokeMethod(m_surface, &DhtmlEdit::deliverDocumentComplete, Qt::QueuedConnection);
    }
    DhtmlEdit *m_surface;
};

void DhtmlEdit::deliverDocumentComplete()
{
    if (m_busy > 0 || !m_completePending)
        return;
    m_completePending = false;
    emit DocumentComplete();
}

DhtmlEdit::~DhtmlEdit()
{
    PageScheme::instance()->withdraw(m_shownUrl);
}

QWebEngineView *DhtmlEdit::view() const
{
    return m_view;
}

QWebEnginePage *DhtmlEdit::runPage() const
{
    return m_pages->page(true);
}

bool DhtmlEdit::isShownPage(const QObject *page) const
{
    return page == m_page;
}

void DhtmlEdit::usePage(bool browse)
{
    EditorPage *next = m_pages->page(browse);
    if (next == m_page)
        return;
    const bool hadFocus = m_view->hasFocus() || m_view->isAncestorOf(QApplication::focusWidget());
    m_page = next;
    m_view->setPage(m_page);
    if (hadFocus)
        m_view->setFocus();
}

static QString optionsLiteral(bool editMode, bool keep, bool borders, bool details)
{
    auto b = [](bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); };
    return QStringLiteral("{editMode:%1,keepForeignStyles:%2,showBorders:%3,showDetails:%4}")
        .arg(b(editMode), b(keep), b(borders), b(details));
}

// The options of the next load, as options.js reads them from the address.
QString DhtmlEdit::optionFlags() const
{
    QString flags;
    if (!m_browseMode)
        flags += QLatin1Char('e');
    if (m_keepForeignStyles)
        flags += QLatin1Char('k');
    if (m_showBorders)
        flags += QLatin1Char('b');
    if (m_showDetails)
        flags += QLatin1Char('d');
    return flags;
}

void DhtmlEdit::applyOptionsNow()
{
    m_page->runJavaScript(QStringLiteral("if (window.__tvl && __tvl.applyDisplay) { __tvl.options = %1; __tvl.applyDisplay(); }")
                              .arg(optionsLiteral(!m_browseMode, m_keepForeignStyles, m_showBorders, m_showDetails)),
                          EditorWorld);
}

QString DhtmlEdit::basePathForNewText() const
{
    if (!m_shownPath.isEmpty())
        return QFileInfo(m_shownPath).absolutePath() + QStringLiteral("/untitled.htm");
    return QDir::currentPath() + QStringLiteral("/untitled.htm");
}

bool DhtmlEdit::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool DhtmlEdit::ensureShown()
{
    if (m_recoveryPending)
        return fail(QStringLiteral("ページの表示処理が異常終了したため、ページを表示し直しているところです。"));
    if (m_pendingUrl.isEmpty())
        return true;
    Busy busy(this);
    bool ok = false;
    const QUrl url = m_pendingUrl;
    const SurfaceWait::Outcome outcome = SurfaceWait(m_page, this).load([] {}, url, &ok);
    m_pendingUrl.clear();
    if (outcome != SurfaceWait::Outcome::Done)
        return fail(QStringLiteral("ページを表示できませんでした。%1").arg(SurfaceWait::reason(outcome)));
    if (!ok)
        return fail(QStringLiteral("ページを表示できませんでした。"));
    return true;
}

bool DhtmlEdit::show(const QString &text, const QString &basePath, bool pristine)
{
    const QUrl url = PageScheme::instance()->publish(m_browseMode ? text : NoscriptText::keep(text), basePath, optionFlags());
    m_page->expectLoad(url);
    m_pendingUrl = url;
    Busy busy(this);
    bool ok = false;
    const SurfaceWait::Outcome outcome = SurfaceWait(m_page, this).load([&] { m_page->load(url); }, url, &ok);
    m_pendingUrl.clear();
    if (outcome != SurfaceWait::Outcome::Done || !ok) {
        PageScheme::instance()->withdraw(url);
        // Back to what was shown before, so the surface never stays half loaded;
        // a renderer that died brings it back by itself.
        if (outcome != SurfaceWait::Outcome::RendererDied) {
            m_pendingUrl = m_shownUrl;
            m_page->expectLoad(m_shownUrl);
            m_page->load(m_shownUrl);
        }
        if (outcome != SurfaceWait::Outcome::Done)
            return fail(QStringLiteral("ページを読み込めませんでした。%1").arg(SurfaceWait::reason(outcome)));
        return fail(QStringLiteral("ページを読み込めませんでした。"));
    }
    if (m_shownUrl != url)
        PageScheme::instance()->withdraw(m_shownUrl);
    m_shownUrl = url;
    m_shownText = text;
    if (m_browseMode) {
        // A page loaded while running is the one edit mode comes back to.
        m_runText = text;
        m_runHtml = QString();
    }
    m_shownPath = basePath;
    m_pristine = pristine;
    m_states.clear();
    m_recovery->pageShown(text);
    return true;
}

bool DhtmlEdit::LoadDocument(const QString &path)
{
    // Reading and decoding a large page takes a while before the engine's wait begins.
    BusyCursor busy;
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
    return show(PageEncoding::readPage(bytes), QFileInfo(path).absoluteFilePath(), false);
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
        usePage(false);
        m_pages->hold(true);
    }
    if (!show(BlankPage, basePathForNewText(), true)) {
        if (wasRunning) {
            m_browseMode = true;
            usePage(true);
            m_pendingUrl.clear();
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
    if (!ensureShown())
        return std::nullopt;
    Busy busy(this);
    SurfaceWait::Outcome outcome = SurfaceWait::Outcome::Done;
    std::optional<QVariant> value = SurfaceWait(m_page, this).runScript(script, &outcome);
    if (outcome != SurfaceWait::Outcome::Done)
        fail(SurfaceWait::reason(outcome));
    return value;
}

// The text of a page that answered, else nullopt with the reason in lastError.
std::optional<QString> DhtmlEdit::pageText(const QString &script)
{
    const std::optional<QVariant> value = evaluate(script);
    if (!value)
        return std::nullopt;
    if (!value->isValid() || value->isNull()) {
        fail(QStringLiteral("ページの編集機能が読み込まれていないため、ページの内容を読み取れません。"));
        return std::nullopt;
    }
    // Non-null also when empty: a null string means that the page did not answer.
    return value->toString().isNull() ? QStringLiteral("") : value->toString();
}

QString DhtmlEdit::DocumentHTML()
{
    if (m_browseMode)
        return runningPageHtml();
    const std::optional<QString> text = pageText(
        QStringLiteral("(typeof __tvl === 'undefined') ? null : ((%1 || __tvl.edited) ? __tvl.serializeDocument(document) : '')")
            .arg(m_pristine ? QStringLiteral("false") : QStringLiteral("true")));
    return text ? *text : QString();
}

QString DhtmlEdit::runningPageHtml()
{
    // What the user made, not what the running page and run mode's runtime
    // have done to it since: the text it runs from, parsed without running.
    if (m_pristine)
        return QStringLiteral("");
    if (m_runHtml.isNull()) {
        const std::optional<QString> text =
            pageText(QStringLiteral("(typeof __tvl === 'undefined') ? null : "
                                    "__tvl.serializeDocument(new DOMParser().parseFromString(%1, 'text/html'))")
                         .arg(jsString(NoscriptText::keep(m_runText))));
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
    if (!ensureShown())
        return false;
    QString text;
    if (browse) {
        // Edited since it was loaded: run what the user sees; else the text as loaded.
        const std::optional<QVariant> current = evaluate(
            QStringLiteral("(typeof __tvl === 'undefined') ? false : (__tvl.edited ? __tvl.serializeDocument(document) : null)"));
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
    usePage(browse);
    // The running page holds still while the edit page loads, and goes on if that fails.
    if (!browse)
        m_pages->hold(true);
    if (!show(text, m_shownPath, pristine)) {
        m_browseMode = !browse;
        usePage(!browse);
        // The page of the mode not entered goes back to nothing; the one shown before stays as it was.
        m_pendingUrl.clear();
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
    if (m_browseMode && isEditingCommand(command))
        return fail(QStringLiteral("実行モードでは編集できません。"));
    QVariant argument = value;
    if (command == CommandPaste) {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVariantMap clip;
        clip.insert(QStringLiteral("html"), data && data->hasHtml() ? data->html() : QString());
        clip.insert(QStringLiteral("text"), data && data->hasText() ? data->text() : QString());
        argument = clip;
    }
    if (prompts(command, option))
        return promptAndRun(command, option);
    return run(command, option, argument);
}

bool DhtmlEdit::run(int command, int option, const QVariant &argument)
{
    const std::optional<QVariant> result =
        evaluate(QStringLiteral("__tvl.exec(%1, %2, %3)").arg(command).arg(option).arg(jsValue(argument)));
    if (!result)
        return false;
    const QString why = result->toString();
    if (why.isEmpty())
        return true;
    if (why == QLatin1String("unknown"))
        return fail(QStringLiteral("このコマンドには対応していません: %1").arg(command));
    if (why == QLatin1String("disabled"))
        return fail(QStringLiteral("今はこのコマンドを実行できません: %1").arg(command));
    if (why == QLatin1String("notfound"))
        return fail(QStringLiteral("「%1」は見つかりませんでした。").arg(argument.toMap().value(QStringLiteral("text")).toString()));
    if (why == QLatin1String("badcounts"))
        return fail(QStringLiteral("行数と列数には1から1000までの整数を指定してください。"));
    return fail(QStringLiteral("コマンドを実行できませんでした: %1").arg(command));
}

bool DhtmlEdit::promptAndRun(int command, int option)
{
    const std::optional<QVariant> start = evaluate(
        QStringLiteral("(() => { const c = __tvl.commands[%1]; return c && c.enabled(__tvl.selectionState()) ? "
                       "JSON.stringify(__tvl.promptDefaults(%1)) : null; })()")
            .arg(command));
    if (!start)
        return false;
    if (!start->isValid() || start->isNull())
        return fail(QStringLiteral("今はこのコマンドを実行できません: %1").arg(command));
    const QVariantMap defaults = QJsonDocument::fromJson(start->toString().toUtf8()).toVariant().toMap();
    QWidget *owner = window();
    const QString cancelled = QStringLiteral("キャンセルされました。");
    switch (command) {
    case CommandLink: {
        LinkPrompt dialog(defaults.value(QStringLiteral("href")).toString(), owner);
        if (dialog.exec() != QDialog::Accepted)
            return fail(cancelled);
        return run(command, option, dialog.address());
    }
    case CommandImage: {
        PicturePrompt dialog(defaults.value(QStringLiteral("src")).toString(), defaults.value(QStringLiteral("alt")).toString(), owner);
        if (dialog.exec() != QDialog::Accepted)
            return fail(cancelled);
        return run(command, option, dialog.value());
    }
    case CommandFont: {
        FontPrompt dialog(defaults, owner);
        if (dialog.exec() != QDialog::Accepted)
            return fail(cancelled);
        return run(command, option, dialog.value());
    }
    case CommandFind: {
        bool found = false;
        FindPrompt dialog(defaults.value(QStringLiteral("text")).toString(), [&](const QVariantMap &request) {
            const bool hit = run(command, option, request);
            if (!hit)
                MessageBoxes::say(lastError(), QStringLiteral("検索"));
            found = found || hit;
            return hit;
        }, owner);
        dialog.exec();
        return found ? true : fail(cancelled);
    }
    default:
        return run(command, option, {});
    }
}

int DhtmlEdit::QueryStatus(int command) const
{
    auto it = m_states.constFind(command);
    if (it == m_states.constEnd())
        return 0;
    int status = *it;
    if (command == CommandPaste && status == StatusEnabled) {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        if (!data || (!data->hasText() && !data->hasHtml()))
            status = StatusSupported;
    }
    return status;
}

bool DhtmlEdit::refreshCommandStates()
{
    const std::optional<QVariant> states = evaluate(QStringLiteral("__tvl.commandStates()"));
    if (!states)
        return false;
    const QVariantMap map = states->toMap();
    m_states.clear();
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        m_states.insert(it.key().toInt(), it.value().toInt());
    return true;
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
    m_menuTexts = texts;
    m_menuStates = states;
    m_menuSet = true;
}

void DhtmlEdit::onContextMenuRequested(const QPoint &globalPos)
{
    m_menuSet = false;
    const QPoint local = m_view->mapFromGlobal(globalPos);
    emit ShowContextMenu(local.x(), local.y());
    if (!m_menuSet)
        return;
    int chosen = -1;
    if (m_menuPresenter) {
        chosen = m_menuPresenter(m_menuTexts, m_menuStates, globalPos);
    } else {
        QMenu menu(this);
        for (int i = 0; i < m_menuTexts.size(); ++i) {
            if (m_menuTexts[i].isEmpty()) {
                if (i < m_menuTexts.size() - 1)
                    menu.addSeparator();
                continue;
            }
            QAction *action = menu.addAction(m_menuTexts[i]);
            action->setEnabled(m_menuStates.value(i, 0) != 2);
            action->setData(i);
        }
        if (QAction *picked = menu.exec(globalPos))
            chosen = picked->data().toInt();
    }
    if (chosen >= 0)
        emit ContextMenuAction(chosen);
}

void DhtmlEdit::onRenderProcessTerminated(bool runPage)
{
    // A call waiting on the page ends first (its wait sees the same death); then the page comes back.
    if (isShownPage(m_pages->page(runPage)))
        m_recoveryPending = true;
    else
        m_crashedOutOfView[runPage ? 1 : 0] = true;
    if (m_busy == 0)
        QMetaObject::invokeMethod(this, &DhtmlEdit::recoverFromCrash, Qt::QueuedConnection);
}

// A page whose renderer died is replaced by a fresh one: the engine delivers
// its user scripts to later renderers of such a page only now and then, and
// a page came up without the editor every few crashes.
void DhtmlEdit::replaceCrashedPage(bool runPage)
{
    const bool shown = isShownPage(m_pages->page(runPage));
    EditorPage *fresh = m_pages->replace(runPage);
    connectPage(fresh);
    if (shown) {
        m_page = fresh;
        m_view->setPage(m_page);
    }
}

// Shows the recovery copy in a fresh page, in the mode the surface was in.
void DhtmlEdit::recoverFromCrash()
{
    if (m_busy > 0)
        return;
    for (const bool runPage : {false, true}) {
        if (m_crashedOutOfView[runPage ? 1 : 0]) {
            m_crashedOutOfView[runPage ? 1 : 0] = false;
            if (!isShownPage(m_pages->page(runPage)))
                replaceCrashedPage(runPage);
        }
    }
    if (!m_recoveryPending)
        return;
    m_recoveryPending = false;
    m_pendingUrl.clear();
    const bool current = m_recovery->isCurrent();
    const qint64 ageSeconds = (m_recovery->ageMs() + 500) / 1000;
    const QString text = m_browseMode ? (m_runText.isNull() ? m_shownText : m_runText) : m_recovery->text();
    replaceCrashedPage(m_browseMode);
    QString message;
    if (!show(text.isEmpty() ? BlankPage : text, m_shownPath, m_pristine)) {
        message = QStringLiteral("ページの表示処理が異常終了しました。ページを表示し直せませんでした: %1").arg(lastError());
        if (m_recoveryPending) {
            // The page itself brings the renderer down: an empty page instead, the copy kept.
            m_recoveryPending = false;
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
    if (m_keepForeignStyles != on) {
        m_keepForeignStyles = on;
        applyOptionsNow();
    }
}

void DhtmlEdit::setShowBorders(bool on)
{
    if (m_showBorders != on) {
        m_showBorders = on;
        applyOptionsNow();
    }
}

void DhtmlEdit::setShowDetails(bool on)
{
    if (m_showDetails != on) {
        m_showDetails = on;
        applyOptionsNow();
    }
}

void DhtmlEdit::Refresh()
{
    applyOptionsNow();
}

int DhtmlEdit::Width() const
{
    return Twips::fromPixelsX(width(), this);
}

int DhtmlEdit::Height() const
{
    return Twips::fromPixelsY(height(), this);
}

void DhtmlEdit::setWidth(int twips)
{
    resize(Twips::toPixelsX(twips, this), height());
}

void DhtmlEdit::setHeight(int twips)
{
    resize(width(), Twips::toPixelsY(twips, this));
}

int DhtmlEdit::createRange()
{
    const std::optional<QVariant> id = evaluate(QStringLiteral("__tvl.createRange()"));
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
    const std::optional<QVariant> why =
        evaluate(QStringLiteral("__tvl.pasteHTML(%1, %2)").arg(rangeId).arg(jsString(html)));
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
    const std::optional<QVariant> done = evaluate(QStringLiteral("__tvl.rollbackPaste()"));
    return done && done->toBool();
}

QString DhtmlEdit::rangeText(int rangeId)
{
    const std::optional<QString> text = pageText(QStringLiteral("__tvl.rangeText(%1)").arg(rangeId));
    return text ? *text : QString();
}

QString DhtmlEdit::bgColor()
{
    const std::optional<QString> color = pageText(QStringLiteral("__tvl.bgColor()"));
    return color ? *color : QString();
}

bool DhtmlEdit::setBgColor(const QString &color)
{
    if (!evaluate(QStringLiteral("__tvl.setBgColor(%1)").arg(jsString(color))))
        return false;
    m_pristine = false;
    m_recovery->markDirty();
    return true;
}
