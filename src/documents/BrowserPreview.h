#pragma once

#include <QString>

class DhtmlEdit;
class TextBuffer;

// Shows the page in the desktop's browser through a temporary page in the
// program folder.
class BrowserPreview
{
public:
    static const QString TempPageName; // "\MivoTemp.htm"

    BrowserPreview(DhtmlEdit *surface, TextBuffer *pageCopy) : m_surface(surface), m_pageCopy(pageCopy) {}

    void PreviewInBrowser();

private:
    DhtmlEdit *m_surface;
    TextBuffer *m_pageCopy;
};
