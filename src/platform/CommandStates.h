#pragma once

#include <QHash>
#include <QVariantMap>

// The states of the surface's commands as the page last reported them (with
// each change of the selection), so that QueryStatus answers without asking
// the page.
class CommandStates
{
public:
    void clear() { m_states.clear(); }
    // The page's report: command id -> DECMDF_ value.
    void take(const QVariantMap &states);
    // A DECMDF_ value; NOTSUPPORTED for a command the page did not report.
    int status(int command) const;

private:
    QHash<int, int> m_states;
};
