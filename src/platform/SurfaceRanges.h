#pragma once

#include <QString>

class PageCalls;
class SurfaceDocument;

// The calls behind the page's DOM as the program reaches it (HtmlDocument):
// ranges of the selection, numbered by the page's scripts, and what is
// pasted into them; the body's colour. A change made here is the program's,
// so the page holds work that is in no file.
class SurfaceRanges
{
public:
    SurfaceRanges(PageCalls &calls, SurfaceDocument &document) : m_calls(calls), m_document(document) {}

    // The selection's range, or 0 (the reason in the calls' lastError).
    int create();
    bool paste(int rangeId, const QString &html);
    // Undoes the last paste, if the page still has it.
    bool rollbackLastPaste();
    QString text(int rangeId);
    QString bgColor();
    bool setBgColor(const QString &color);

private:
    PageCalls &m_calls;
    SurfaceDocument &m_document;
};
