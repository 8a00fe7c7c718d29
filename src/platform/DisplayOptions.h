#pragma once

#include <QString>

class PageCalls;
class SurfacePages;

// What the surface shows beyond the page (its switches 9, 18 and 30). A page
// gets them with its address (flags), so that they hold before it is parsed,
// and the page shown gets a change at once.
class DisplayOptions
{
public:
    DisplayOptions(SurfacePages &pages, PageCalls &calls) : m_pages(pages), m_calls(calls) {}

    // Browser-specific CSS that editing commands would drop is kept.
    void setKeepForeignStyles(bool on) { set(m_keepForeignStyles, on); }
    // Faint cell lines for tables without borders.
    void setShowBorders(bool on) { set(m_showBorders, on); }
    // Elements the page hides are shown, marked, so they can be edited.
    void setShowDetails(bool on) { set(m_showDetails, on); }
    // The options again to the page shown (a page just loaded).
    void apply();

    // The options of the next load, with the mode, as options.js reads them from the address.
    QString flags() const;

private:
    void set(bool &option, bool on);

    SurfacePages &m_pages;
    PageCalls &m_calls;
    bool m_keepForeignStyles = true;
    bool m_showBorders = false;
    bool m_showDetails = false;
};
