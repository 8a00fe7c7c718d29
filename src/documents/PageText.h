#pragma once

#include <QString>

class DhtmlEdit;
class TextBuffer;

// The page's text as it goes into a file: read afresh from the surface, with
// the charset declaration the surface reports for itself taken out.
class PageText
{
public:
    // <META content="text/html; charset=unicode" http-equiv=Content-Type>
    static const QString UnicodeMetaTag;

    // Every occurrence removed, case-sensitively; nothing else changes.
    static QString withoutUnicodeMetaTag(const QString &text);
    // DocumentHTML into buffer, then the declaration removed there. False, with
    // the buffer untouched and the reason in the surface's lastError(), when
    // the page did not answer.
    static bool take(DhtmlEdit *surface, TextBuffer *buffer);
    // What the user is told when the page's text could not be taken for a purpose.
    static QString unreadable(DhtmlEdit *surface, const QString &purpose);
};
