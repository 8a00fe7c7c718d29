#pragma once

#include <QString>

struct AppContext;
class CommonDialog;
class DhtmlEdit;
class TextBuffer;

// Writes the page to a file chosen in the Save As dialog, asking before it
// replaces a file of that name.
class PageSaver
{
public:
    enum class Outcome { Saved, NotSaved };

    static const QString Filter;
    static constexpr int Flags = 0x1804;

    PageSaver(AppContext &app, DhtmlEdit *surface, TextBuffer *pageCopy, CommonDialog *dialog)
        : m_app(app), m_surface(surface), m_pageCopy(pageCopy), m_dialog(dialog)
    {
    }

    // NotSaved when the dialog or the overwrite question was cancelled (no
    // message), the user kept a charset that cannot hold the page's scripts,
    // or the write failed (the user is told the file and the reason).
    Outcome SavePage();
    DhtmlEdit *surface() const { return m_surface; }

private:
    // The Save As dialog's starting name: the page's file, else a folder of the user's.
    void startAtThePage();
    // Characters of scripts and styles that the page's charset cannot hold:
    // the user may take UTF-8 for the page; false when they decline.
    bool acceptUtf8(const QString &characters, const QByteArray &charset);

    AppContext &m_app;
    DhtmlEdit *m_surface;
    TextBuffer *m_pageCopy;
    CommonDialog *m_dialog;
};
