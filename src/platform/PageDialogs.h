#pragma once

#include <QString>

// What a running page asks of the user through the prompt channel: its
// MsgBox and InputBox, and its script errors, shown as the program's own.
class PageDialogs
{
public:
    // True when message was a request on the channel; *reply goes back to the page.
    static bool answer(const QString &message, QString *reply);
};
