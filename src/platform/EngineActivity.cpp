#include "EngineActivity.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QWebEnginePage>

bool EngineActivity::workedSinceLastLook()
{
    const qint64 pid = m_page->renderProcessPid();
    const std::optional<qint64> ticks = processorTicks(pid);
    const bool replaced = pid != m_pid;
    const bool worked = replaced || !ticks || !m_ticks || *ticks != *m_ticks;
    m_pid = pid;
    m_ticks = ticks;
    // Where processor time cannot be read, only a change of renderer counts.
    return ticks ? worked : replaced;
}

std::optional<qint64> EngineActivity::processorTicks(qint64 pid)
{
    if (pid <= 0)
        return std::nullopt;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    // The command name may hold blanks and parentheses: the fields follow the last ')'.
    const qsizetype end = line.lastIndexOf(')');
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(end + 2).split(' ');
    // Fields 14 and 15 of the file (user and system time) are 11 and 12 after the name.
    if (fields.size() < 13)
        return std::nullopt;
    bool userOk = false;
    bool systemOk = false;
    const qint64 user = fields.at(11).toLongLong(&userOk);
    const qint64 system = fields.at(12).toLongLong(&systemOk);
    if (!userOk || !systemOk)
        return std::nullopt;
    return user + system;
}
