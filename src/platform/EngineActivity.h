#pragma once

#include <QtGlobal>

#include <optional>

class QWebEnginePage;

// Whether the engine is still working for a page: its renderer process used
// processor time since the last look. A renderer that is stopped, deadlocked
// or gone uses none.
class EngineActivity
{
public:
    explicit EngineActivity(QWebEnginePage *page) : m_page(page) {}

    // True when the renderer ran since the previous call (or was replaced).
    bool workedSinceLastLook();

    // Processor time (in clock ticks) a process has used; nullopt when unknown.
    static std::optional<qint64> processorTicks(qint64 pid);

private:
    QWebEnginePage *m_page;
    qint64 m_pid = -1;
    std::optional<qint64> m_ticks;
};
