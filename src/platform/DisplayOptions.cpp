#include "DisplayOptions.h"

#include "PageCalls.h"
#include "PageScripts.h"
#include "SurfacePages.h"

void DisplayOptions::set(bool &option, bool on)
{
    if (option == on)
        return;
    option = on;
    apply();
}

void DisplayOptions::apply()
{
    m_calls.post(PageScripts::setDisplayOptions(!m_pages.running(), m_keepForeignStyles, m_showBorders, m_showDetails));
}

QString DisplayOptions::flags() const
{
    QString flags;
    if (!m_pages.running())
        flags += QLatin1Char('e');
    if (m_keepForeignStyles)
        flags += QLatin1Char('k');
    if (m_showBorders)
        flags += QLatin1Char('b');
    if (m_showDetails)
        flags += QLatin1Char('d');
    return flags;
}
