#pragma once

#include <QString>

class PageEnvironment;
class QUrl;
class QWebEnginePage;

// What a running page asks of the user through the prompt channel: its
// MsgBox and InputBox, its script errors, shown as the program's own, and the
// dialogs and full-screen windows it opens.
class PageDialogs
{
public:
    // True when message was a request on the channel; *reply goes back to the page.
    // origin: the asking frame's, whose folder bounds the pages it may open;
    // environment: the one of the asking page, where the windows it opens show.
    static bool answer(const QString &message, QString *reply, const QUrl &origin, QWebEnginePage *page,
                       PageEnvironment &environment);
};
