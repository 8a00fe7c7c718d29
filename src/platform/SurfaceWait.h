#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>

#include <functional>
#include <optional>

class QWebEnginePage;
class QWidget;

// The program's calls on the editing surface are synchronous, the engine's are
// not. This is the one place that bridges them with a nested event loop. The
// wait ends when the answer comes, when the renderer dies, when the engine has
// shown no sign of work for StallLimitMs, or when the user cancels: after a
// moment a panel with a cancel button (and Esc) is the only thing that takes
// input, the user's other input is held back.
class SurfaceWait
{
public:
    enum class Outcome { Done, Stalled, Cancelled, RendererDied };

    static constexpr int StallLimitMs = 10000;
    static constexpr int PanelDelayMs = 800;

    // owner: the widget the panel appears over.
    SurfaceWait(QWebEnginePage *page, QWidget *owner) : m_page(page), m_owner(owner) {}

    // Runs script in the editor's world and returns its value.
    std::optional<QVariant> runScript(const QString &script, Outcome *outcome = nullptr);
    // Calls start, then waits until the page finished loading url.
    Outcome load(const std::function<void()> &start, const QUrl &url, bool *ok);

    // The reason for an outcome other than Done, in Japanese.
    static QString reason(Outcome outcome);

    // Test seam: a shorter stall limit (0 restores the normal one).
    static void setStallLimitForTesting(int ms);

private:
    struct State;
    Outcome wait(State &state, const QString &panelText, bool showsLoadProgress);

    QWebEnginePage *m_page;
    QWidget *m_owner;
};
