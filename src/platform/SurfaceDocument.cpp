#include "SurfaceDocument.h"

#include "CommandStates.h"
#include "DisplayOptions.h"
#include "FileAccess.h"
#include "FileChannel.h"
#include "NoscriptText.h"
#include "PageCalls.h"
#include "PageEncoding.h"
#include "PageEnvironment.h"
#include "PageScheme.h"
#include "PageScripts.h"
#include "RecoveryCopy.h"
#include "SurfacePages.h"
#include "SurfaceWait.h"

#include <QDir>
#include <QFileInfo>
#include <QVariant>

#include <cerrno>

namespace {

const QString BlankPage = QStringLiteral("<html><head></head><body></body></html>");
constexpr qint64 MaxPageBytes = 16 * 1024 * 1024;

} // namespace

SurfaceDocument::SurfaceDocument(PageEnvironment &environment, SurfacePages &pages, PageCalls &calls, CommandStates &states,
                                 DisplayOptions &display, RecoveryCopy &recovery, const QString &workingFolder)
    : m_environment(environment), m_pages(pages), m_calls(calls), m_states(states), m_display(display), m_recovery(recovery),
      m_workingFolder(workingFolder)
{
}

SurfaceDocument::~SurfaceDocument()
{
    m_environment.scheme().withdraw(m_shownUrl);
}

void SurfaceDocument::startBlank()
{
    m_shownText = BlankPage;
    m_shownPath = basePathForNewText();
    m_shownUrl = m_environment.scheme().publish(m_shownText, m_shownPath, m_display.flags());
    m_calls.startLoad(m_shownUrl);
}

// Asked without waiting: the copy comes when the page has made it, and is
// dropped if another page was shown meanwhile.
void SurfaceDocument::takeRecoveryCopy()
{
    if (m_browseMode || m_calls.pageDown() || m_calls.isLoading())
        return;
    const QUrl shown = m_shownUrl;
    m_calls.post(PageScripts::documentText(), [this, shown](const QVariant &value) {
        if (m_browseMode || m_shownUrl != shown || value.typeId() != QMetaType::QString)
            return;
        m_recovery.copyTaken(value.toString());
    });
}

QString SurfaceDocument::basePathForNewText() const
{
    if (!m_shownPath.isEmpty())
        return QFileInfo(m_shownPath).absolutePath() + QStringLiteral("/untitled.htm");
    return QDir(m_workingFolder).filePath(QStringLiteral("untitled.htm"));
}

bool SurfaceDocument::show(const QString &text, const QString &basePath, bool pristine)
{
    const QUrl url = m_environment.scheme().publish(m_browseMode ? text : NoscriptText::keep(text), basePath, m_display.flags());
    bool ok = false;
    const SurfaceWait::Outcome outcome = m_calls.load(url, &ok);
    if (outcome != SurfaceWait::Outcome::Done || !ok) {
        m_environment.scheme().withdraw(url);
        // Back to what was shown before, so the surface never stays half loaded;
        // a renderer that died brings it back by itself.
        if (outcome != SurfaceWait::Outcome::RendererDied)
            m_calls.startLoad(m_shownUrl);
        if (outcome != SurfaceWait::Outcome::Done)
            return m_calls.fail(QStringLiteral("ページを読み込めませんでした。%1").arg(SurfaceWait::reason(outcome)));
        return m_calls.fail(QStringLiteral("ページを読み込めませんでした。"));
    }
    if (m_shownUrl != url)
        m_environment.scheme().withdraw(m_shownUrl);
    m_shownUrl = url;
    m_shownText = text;
    // A page loaded while running is the one edit mode comes back to.
    if (m_browseMode)
        setRunText(text);
    m_shownPath = basePath;
    m_pristine = pristine;
    m_states.clear();
    m_recovery.pageShown(text);
    return true;
}

bool SurfaceDocument::showAgain(const QString &text)
{
    return show(text.isEmpty() ? BlankPage : text, m_shownPath, m_pristine);
}

bool SurfaceDocument::showBlank()
{
    return show(BlankPage, basePathForNewText(), true);
}

bool SurfaceDocument::load(const QString &path)
{
    if (path.isEmpty())
        return m_calls.fail(QStringLiteral("ファイルが見つかりません: %1").arg(path));
    QByteArray bytes;
    const FileAccess::Result read = FileAccess::read(path, &bytes, MaxPageBytes + 1);
    if (!read) {
        if (read.error == ENOENT)
            return m_calls.fail(QStringLiteral("ファイルが見つかりません: %1").arg(path));
        if (read.error == EISDIR)
            return m_calls.fail(QStringLiteral("フォルダは開けません: %1").arg(path));
        return m_calls.fail(
            QStringLiteral("ファイルを読み込めません: %1: %2").arg(path, FileAccess::reason(read.error, FileAccess::Access::Read)));
    }
    // The engine's renderer does not survive editing pages much larger than this.
    if (bytes.size() > MaxPageBytes)
        return m_calls.fail(
            QStringLiteral("ページが大きすぎるため開けません（%1MBまで）: %2").arg(MaxPageBytes / (1024 * 1024)).arg(path));
    if (PageEncoding::looksBinary(bytes))
        return m_calls.fail(QStringLiteral("テキストのページではないため開けません: %1").arg(path));
    return show(PageEncoding::readPage(bytes), QFileInfo(path).absoluteFilePath(), false);
}

bool SurfaceDocument::setHtml(const QString &html)
{
    if (!show(html, m_shownPath.isEmpty() ? basePathForNewText() : m_shownPath, false))
        return false;
    m_recovery.markDirty();
    return true;
}

bool SurfaceDocument::newDocument()
{
    // A new page is for editing: run mode ends with the page it ran.
    const bool wasRunning = m_browseMode;
    if (wasRunning) {
        m_browseMode = false;
        m_pages.show(false);
        m_pages.hold(true);
    }
    if (!showBlank()) {
        if (wasRunning) {
            m_browseMode = true;
            m_pages.show(true);
            m_calls.forgetLoad();
            m_pages.stop(false);
        }
        return false;
    }
    if (wasRunning)
        m_pages.stop(true);
    setRunText(QString());
    m_recovery.markDiscarded();
    return true;
}

bool SurfaceDocument::showRecovered(const QString &text, const QString &origin)
{
    const QString basePath = !origin.isEmpty() && QFileInfo(origin).absoluteDir().exists() ? QFileInfo(origin).absoluteFilePath()
                                                                                           : basePathForNewText();
    if (!show(text, basePath, false))
        return false;
    m_recovery.setOrigin(origin);
    m_recovery.markDirty();
    return true;
}

void SurfaceDocument::noteRewritten()
{
    m_pristine = false;
    m_recovery.markDirty();
}

QString SurfaceDocument::html()
{
    if (m_browseMode)
        return runningPageHtml();
    const std::optional<QString> text = m_calls.text(PageScripts::editedDocumentText(!m_pristine));
    return text ? *text : QString();
}

void SurfaceDocument::setRunText(const QString &text)
{
    // The same text again (the running page shown again after its renderer died) keeps its program form.
    if (text.isNull() != m_runText.isNull() || text != m_runText)
        m_runHtml = QString();
    m_runText = text;
}

QString SurfaceDocument::runningPageHtml()
{
    // What the user made, not what the running page and run mode's runtime
    // have done to it since: the text it runs from, parsed without running, on
    // the edit page, so that it never waits on what the page's scripts are doing.
    if (m_pristine)
        return QStringLiteral("");
    if (m_runHtml.isNull()) {
        const std::optional<QString> text = m_calls.editPageText(PageScripts::serializeText(NoscriptText::keep(m_runText)));
        if (!text)
            return QString();
        m_runHtml = *text;
    }
    return m_runHtml;
}

bool SurfaceDocument::save(const QString &path)
{
    const QString text = html();
    if (text.isNull())
        return m_calls.fail(QStringLiteral("ページの内容を読み取れないため保存しませんでした: %1: %2").arg(path, m_calls.lastError()));
    QString error;
    if (!FileChannel::writeText(path, text, &error))
        return m_calls.fail(QStringLiteral("保存できませんでした: %1: %2").arg(path, error));
    return true;
}

bool SurfaceDocument::setBrowseMode(bool browse)
{
    if (browse == m_browseMode)
        return true;
    if (!m_calls.ready())
        return false;
    QString text;
    if (browse) {
        // Edited since it was loaded: run what the user sees; else the text as loaded.
        const std::optional<QVariant> current = m_calls.evaluate(PageScripts::changedDocumentText());
        if (!current)
            return false;
        if (current->typeId() == QMetaType::Bool)
            return m_calls.fail(QStringLiteral("ページの編集機能が読み込まれていないため、ページの内容を読み取れません。"));
        text = (current->isValid() && !current->isNull()) ? current->toString() : m_shownText;
        setRunText(text);
    } else {
        text = runText();
    }
    const bool pristine = m_pristine;
    m_browseMode = browse;
    m_pages.show(browse);
    // The running page holds still while the edit page loads, and goes on if that fails.
    if (!browse)
        m_pages.hold(true);
    if (!show(text, m_shownPath, pristine)) {
        m_browseMode = !browse;
        m_pages.show(!browse);
        // The page of the mode not entered goes back to nothing; the one shown before stays as it was.
        m_calls.forgetLoad();
        m_pages.stop(browse);
        return false;
    }
    // A running page stops with run mode (its timers, its messages).
    if (!browse)
        m_pages.stop(true);
    return true;
}
