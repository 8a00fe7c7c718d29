#include "SurfaceWait.h"

#include "SurfaceWorlds.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include <memory>

namespace {

struct WaitState
{
    QEventLoop loop;
    bool finished = false;
    QVariant value;
    bool ok = false;
};

SurfaceWait::Outcome runLoop(QWebEnginePage *page, WaitState &state, int timeoutMs)
{
    if (state.finished)
        return SurfaceWait::Outcome::Done;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &state.loop, [&state] { state.loop.exit(1); });
    QObject::connect(page, &QWebEnginePage::renderProcessTerminated, &state.loop,
                     [&state](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                         if (status != QWebEnginePage::NormalTerminationStatus)
                             state.loop.exit(2);
                     });
    timer.start(timeoutMs);
    const int code = state.loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (code == 1)
        return SurfaceWait::Outcome::TimedOut;
    if (code == 2)
        return SurfaceWait::Outcome::RendererDied;
    return SurfaceWait::Outcome::Done;
}

} // namespace

std::optional<QVariant> SurfaceWait::runScript(const QString &script, int timeoutMs, Outcome *outcome)
{
    auto state = std::make_shared<WaitState>();
    std::weak_ptr<WaitState> weak = state;
    m_page->runJavaScript(script, EditorWorld, [weak](const QVariant &value) {
        if (auto s = weak.lock()) {
            s->value = value;
            s->finished = true;
            s->loop.quit();
        }
    });
    const Outcome result = runLoop(m_page, *state, timeoutMs);
    if (result == Outcome::TimedOut)
        qWarning("page script timed out: %s", qPrintable(script.left(120)));
    if (outcome)
        *outcome = result;
    if (result != Outcome::Done)
        return std::nullopt;
    return state->value;
}

SurfaceWait::Outcome SurfaceWait::load(const std::function<void()> &start, const QUrl &url, int timeoutMs, bool *ok)
{
    auto state = std::make_shared<WaitState>();
    QObject::connect(m_page, &QWebEnginePage::loadingChanged, &state->loop,
                     [s = state.get(), url](const QWebEngineLoadingInfo &info) {
                         if (info.url() != url || info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
                             return;
                         s->ok = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
                         s->finished = true;
                         s->loop.quit();
                     });
    start();
    const Outcome result = runLoop(m_page, *state, timeoutMs);
    if (result == Outcome::TimedOut)
        qWarning("page load timed out: %s", qPrintable(url.toString()));
    if (ok)
        *ok = state->ok;
    return result;
}
