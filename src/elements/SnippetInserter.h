#pragma once

#include "platform/HtmlDocument.h"

#include <QString>

struct AppContext;
class DhtmlEdit;
class TextBuffer;

// Puts ready-made HTML at the caret (or over the selection) and rewrites the
// page through a temporary page, which is then loaded back.
class SnippetInserter
{
public:
    static const QString TempPageName; // "\scriptTemp.htm"

    SnippetInserter(AppContext &app, DhtmlEdit *surface, TextBuffer *buffer) : m_app(app), m_surface(surface), m_buffer(buffer) {}

    // Paste, then rewrite through the temporary page. On failure the user is
    // told what failed and the page stays as it was.
    bool insert(const QString &snippet);
    // Only the paste at the caret.
    bool paste(const QString &snippet);
    // The page's current text through the temporary page and back into the surface.
    bool reloadViaTempPage(const QString &tempPath);

    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString &message);
    bool writeTemp(const QString &path, const QString &text);
    bool readTemp(const QString &path);

    AppContext &m_app;
    DhtmlEdit *m_surface;
    TextBuffer *m_buffer;
    HtmlDocument m_document;
    HtmlSelection m_selection;
    TextRange m_range;
    QString m_lastError;
};
