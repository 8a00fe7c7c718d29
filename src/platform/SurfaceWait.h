#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

class QWebEnginePage;

// The program's calls on the editing surface are synchronous, the engine's are
// not. This is the one place that bridges them with a nested event loop: user
// input is held back, a time limit applies, and a dying renderer ends the wait.
class SurfaceWait
{
public:
    enum class Outcome { Done, TimedOut, RendererDied };

    explicit SurfaceWait(QWebEnginePage *page) : m_page(page) {}

    // Runs script in the editor's world and returns its value.
    std::optional<QVariant> runScript(const QString &script, int timeoutMs, Outcome *outcome = nullptr);
    // Calls start, then waits until the page finished loading url.
    Outcome load(const std::function<void()> &start, const QUrl &url, int timeoutMs, bool *ok);

private:
    QWebEnginePage *m_page;
};
