#include "SurfaceWait.h"

#include "BusyCursor.h"
#include "EngineActivity.h"
#include "InputHold.h"
#include "SurfaceWorlds.h"
#include "WaitPanel.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include <memory>

namespace {

int stallLimitOverride = 0;

constexpr int ActivityLookMs = 250;
// While nested, the engine's threads do not always bring the loop round by
// themselves (seen with the GLib event dispatcher on X11: an answer sat
// queued until the next event of the program's own thread); a light tick of
// the loop's own thread lets their posted work through.
constexpr int LoopTickMs = 10;

enum ExitCode { Finished = 0, StalledCode, CancelledCode, RendererDiedCode };

} // namespace

struct SurfaceWait::State
{
    QEventLoop loop;
    bool finished = false;
    QVariant value;
    bool ok = false;
};

void SurfaceWait::setStallLimitForTesting(int ms)
{
    stallLimitOverride = ms;
}

QString SurfaceWait::reason(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done:
        break;
    case Outcome::Stalled:
        return QStringLiteral("ページが応答しません（表示処理が止まっています）。");
    case Outcome::Cancelled:
        return QStringLiteral("ページの処理の待機を中止しました。");
    case Outcome::RendererDied:
        return QStringLiteral("ページの表示処理が異常終了しました。");
    }
    return QString();
}

SurfaceWait::Outcome SurfaceWait::wait(State &state, const QString &panelText, bool showsLoadProgress)
{
    if (state.finished)
        return Outcome::Done;
    const int stallLimit = stallLimitOverride > 0 ? stallLimitOverride : StallLimitMs;
    QEventLoop &loop = state.loop;
    // Every connection below ends with this wait.
    QObject scope;

    QObject::connect(m_page, &QWebEnginePage::renderProcessTerminated, &scope,
                     [&loop](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                         if (status != QWebEnginePage::NormalTerminationStatus)
                             loop.exit(RendererDiedCode);
                     });

    std::optional<BusyCursor> busy;
    // No limit while the engine works: only a renderer that does nothing at all ends the wait.
    EngineActivity activity(m_page);
    activity.workedSinceLastLook();
    QDeadlineTimer stallDeadline(stallLimit);
    auto progressed = [&stallDeadline, stallLimit] { stallDeadline.setRemainingTime(stallLimit); };
    QObject::connect(m_page, &QWebEnginePage::loadProgress, &scope, progressed);
    QTimer look;
    look.setInterval(ActivityLookMs);
    const QPointer<QWidget> modalAtStart = QApplication::activeModalWidget();
    QObject::connect(&look, &QTimer::timeout, &scope, [&] {
        // A dialog of the page is up: the user is answering it, the engine waits for them.
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != modalAtStart)
            busy.reset();
        if (activity.workedSinceLastLook() || (modal && modal != modalAtStart))
            progressed();
        else if (stallDeadline.hasExpired())
            loop.exit(StalledCode);
    });
    look.start();

    // Longer than a moment: the busy cursor, except while a dialog of the page waits for the user.
    QTimer busyDelay;
    busyDelay.setSingleShot(true);
    QObject::connect(&busyDelay, &QTimer::timeout, &scope, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == modalAtStart)
            busy.emplace();
    });
    busyDelay.start(BusyCursor::DelayMs);

    QTimer tick;
    tick.setInterval(LoopTickMs);
    QObject::connect(&tick, &QTimer::timeout, &scope, [&scope] { QMetaObject::invokeMethod(&scope, [] {}, Qt::QueuedConnection); });
    tick.start();

    InputHold hold([&loop] { loop.exit(CancelledCode); });
    std::unique_ptr<WaitPanel> panel;
    QTimer panelDelay;
    panelDelay.setSingleShot(true);
    QObject::connect(&panelDelay, &QTimer::timeout, &scope, [&] {
        panel = std::make_unique<WaitPanel>(panelText, m_owner);
        QObject::connect(panel.get(), &WaitPanel::cancelled, &scope, [&loop] { loop.exit(CancelledCode); });
        if (showsLoadProgress) {
            panel->setProgress(0);
            QObject::connect(m_page, &QWebEnginePage::loadProgress, panel.get(), &WaitPanel::setProgress);
        }
        panel->show();
    });
    panelDelay.start(PanelDelayMs);

    const int code = loop.exec();
    switch (code) {
    case StalledCode:
        return Outcome::Stalled;
    case CancelledCode:
        return Outcome::Cancelled;
    case RendererDiedCode:
        return Outcome::RendererDied;
    default:
        return Outcome::Done;
    }
}

std::optional<QVariant> SurfaceWait::runScript(const QString &script, Outcome *outcome)
{
    auto state = std::make_shared<State>();
    std::weak_ptr<State> weak = state;
    m_page->runJavaScript(script, EditorWorld, [weak](const QVariant &value) {
        if (auto s = weak.lock()) {
            s->value = value;
            s->finished = true;
            s->loop.quit();
        }
    });
    const Outcome result = wait(*state, QStringLiteral("ページの応答を待っています…"), false);
    if (outcome)
        *outcome = result;
    if (result != Outcome::Done)
        return std::nullopt;
    return state->value;
}

SurfaceWait::Outcome SurfaceWait::load(const std::function<void()> &start, const QUrl &url, bool *ok)
{
    auto state = std::make_shared<State>();
    QObject::connect(m_page, &QWebEnginePage::loadingChanged, &state->loop,
                     [s = state.get(), url](const QWebEngineLoadingInfo &info) {
                         if (info.url() != url || info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
                             return;
                         s->ok = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
                         s->finished = true;
                         s->loop.quit();
                     });
    start();
    const Outcome result = wait(*state, QStringLiteral("ページを読み込んでいます…"), true);
    if (ok)
        *ok = state->ok;
    return result;
}
