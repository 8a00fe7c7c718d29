#pragma once

#include <QString>

struct AppContext;
class DhtmlEdit;
class TextBuffer;

// Shows the page in the desktop's browser through a temporary page in the
// program folder, with the runtime beside it so that its effects run there.
class BrowserPreview
{
public:
    static const QString TempPageName; // "\MivoTemp.htm"

    BrowserPreview(AppContext &app, DhtmlEdit *surface, TextBuffer *pageCopy) : m_app(app), m_surface(surface), m_pageCopy(pageCopy) {}

    void PreviewInBrowser();
    // Writes text as the temporary page in its exported form; its path, or empty with *error set.
    static QString writeTempPage(const AppContext &app, const QString &text, QString *error);

private:
    AppContext &m_app;
    DhtmlEdit *m_surface;
    TextBuffer *m_pageCopy;
};
