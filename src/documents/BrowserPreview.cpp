#include "BrowserPreview.h"

#include "ModernExport.h"
#include "PageText.h"
#include "platform/AppContext.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellOpen.h"
#include "platform/TextBuffer.h"

const QString BrowserPreview::TempPageName = QStringLiteral("\\MivoTemp.htm");

QString BrowserPreview::writeTempPage(const AppContext &app, const QString &text, QString *error)
{
    const QString path = app.folder.tempFile(TempPageName);
    // Today's browsers run none of the page's VBScript or filters by themselves: the runtime goes beside it.
    if (!ModernExport::writeRunnable(path, FileChannel::textBytes(text), error))
        return QString();
    return path;
}

void BrowserPreview::PreviewInBrowser()
{
    if (!PageText::take(m_surface, m_pageCopy)) {
        m_app.boxes.say(PageText::unreadable(m_surface, QStringLiteral("ブラウザで表示しませんでした")),
                          MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
        return;
    }
    QString error;
    const QString path = writeTempPage(m_app, m_pageCopy->text(), &error);
    if (path.isEmpty()) {
        // Otherwise the browser would show an older preview as if it were this page.
        m_app.boxes.say(QStringLiteral("ブラウザ用の一時ページを書き込めません。\n%1").arg(error), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return;
    }
    // A desktop without a browser for the page is told with the file's name.
    m_app.shell.openTelling(path, m_app.boxes);
}
