#include "BrowserPreview.h"

#include "PageText.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellOpen.h"
#include "shell/ProgramFolder.h"
#include "shell/TextBuffer.h"

const QString BrowserPreview::TempPageName = QStringLiteral("\\MivoTemp.htm");

void BrowserPreview::PreviewInBrowser()
{
    if (!PageText::take(m_surface, m_pageCopy)) {
        MessageBoxes::say(PageText::unreadable(m_surface, QStringLiteral("ブラウザで表示しませんでした")),
                          MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
        return;
    }
    const QString path = ProgramFolder::file(TempPageName);
    QString error;
    if (!FileChannel::writeText(path, m_pageCopy->text(), &error)) {
        // Otherwise the browser would show an older preview as if it were this page.
        MessageBoxes::say(QStringLiteral("ブラウザ用の一時ページを書き込めません。\n%1: %2").arg(path, error),
                          MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
        return;
    }
    // Whether a browser came up is the desktop's business.
    ShellOpen::file(path);
}
