#include "CommandStates.h"

#include "EditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void CommandStates::take(const QVariantMap &states)
{
    m_states.clear();
    for (auto it = states.cbegin(); it != states.cend(); ++it)
        m_states.insert(it.key().toInt(), it.value().toInt());
}

int CommandStates::status(int command) const
{
    auto it = m_states.constFind(command);
    if (it == m_states.constEnd())
        return DECMDF_NOTSUPPORTED;
    int status = *it;
    // The page may not look at the clipboard: whether there is something to paste is asked here.
    if (command == DECMD_PASTE && status == DECMDF_ENABLED) {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        if (!data || (!data->hasText() && !data->hasHtml()))
            status = DECMDF_DISABLED;
    }
    return status;
}
