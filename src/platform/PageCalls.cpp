#include "PageCalls.h"

#include "EditorPage.h"
#include "SurfacePages.h"
#include "SurfaceWorlds.h"

#include <QPointer>
#include <QWebEngineLoadingInfo>

struct PageCalls::Busy
{
    explicit Busy(PageCalls *calls) : m_calls(calls) { ++m_calls->m_busy; }
    ~Busy()
    {
        if (--m_calls->m_busy == 0)
            emit m_calls->idle();
    }
    PageCalls *m_calls;
};

PageCalls::PageCalls(SurfacePages &pages, QWidget *owner) : m_pages(pages), m_owner(owner)
{
    for (const bool browse : {false, true})
        watch(pages.page(browse));
    connect(&pages, &SurfacePages::replaced, this, &PageCalls::watch);
}

void PageCalls::watch(EditorPage *page)
{
    connect(page, &QWebEnginePage::loadingChanged, this, [this, page](const QWebEngineLoadingInfo &info) {
        if (m_pages.isShown(page) && info.url() == m_loading && info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
            m_loading.clear();
    });
}

bool PageCalls::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool PageCalls::ready()
{
    if (m_pageDown)
        return fail(QStringLiteral("ページの表示処理が異常終了したため、ページを表示し直しているところです。"));
    if (m_loading.isEmpty())
        return true;
    Busy busy(this);
    bool ok = false;
    const QUrl url = m_loading;
    const SurfaceWait::Outcome outcome = SurfaceWait(m_pages.shown(), m_owner).load([] {}, url, &ok);
    m_loading.clear();
    if (outcome != SurfaceWait::Outcome::Done)
        return fail(QStringLiteral("ページを表示できませんでした。%1").arg(SurfaceWait::reason(outcome)));
    if (!ok)
        return fail(QStringLiteral("ページを表示できませんでした。"));
    return true;
}

std::optional<QVariant> PageCalls::evaluate(const QString &script)
{
    if (!ready())
        return std::nullopt;
    return runOn(m_pages.shown(), script);
}

std::optional<QVariant> PageCalls::runOn(EditorPage *page, const QString &script)
{
    Busy busy(this);
    SurfaceWait::Outcome outcome = SurfaceWait::Outcome::Done;
    std::optional<QVariant> value = SurfaceWait(page, m_owner).runScript(script, &outcome);
    if (outcome != SurfaceWait::Outcome::Done)
        fail(SurfaceWait::reason(outcome));
    return value;
}

std::optional<QString> PageCalls::text(const QString &script)
{
    return answerText(evaluate(script));
}

std::optional<QString> PageCalls::editPageText(const QString &script)
{
    EditorPage *editPage = m_pages.page(false);
    if (m_pages.isShown(editPage) || editPage->lifecycleState() != QWebEnginePage::LifecycleState::Active)
        return text(script);
    return answerText(runOn(editPage, script));
}

std::optional<QString> PageCalls::answerText(const std::optional<QVariant> &value)
{
    if (!value)
        return std::nullopt;
    if (!value->isValid() || value->isNull()) {
        fail(QStringLiteral("ページの編集機能が読み込まれていないため、ページの内容を読み取れません。"));
        return std::nullopt;
    }
    // Non-null also when empty: a null string means that the page did not answer.
    return value->toString().isNull() ? QStringLiteral("") : value->toString();
}

void PageCalls::post(const QString &script, const std::function<void(const QVariant &)> &done)
{
    if (!done) {
        m_pages.shown()->runJavaScript(script, EditorWorld);
        return;
    }
    QPointer<PageCalls> self(this);
    m_pages.shown()->runJavaScript(script, EditorWorld, [self, done](const QVariant &value) {
        if (self)
            done(value);
    });
}

SurfaceWait::Outcome PageCalls::load(const QUrl &url, bool *ok)
{
    EditorPage *page = m_pages.shown();
    page->expectLoad(url);
    m_loading = url;
    Busy busy(this);
    const SurfaceWait::Outcome outcome = SurfaceWait(page, m_owner).load([&] { page->load(url); }, url, ok);
    m_loading.clear();
    return outcome;
}

void PageCalls::startLoad(const QUrl &url)
{
    m_loading = url;
    m_pages.shown()->expectLoad(url);
    m_pages.shown()->load(url);
}
