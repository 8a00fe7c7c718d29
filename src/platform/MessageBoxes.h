#pragma once

#include <QString>

#include <optional>

class QWidget;

// The user's side of every message box. The program shows them through the
// run's one object of this seam (in its AppContext); tests script it.
class MessageBoxes
{
public:
    enum class Buttons { Ok, OkCancel, YesNoCancel, YesNo, AbortRetryIgnore, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };
    enum class Icon { None, Question, Information, Warning, Critical };

    static const QString DefaultTitle;

    virtual ~MessageBoxes() = default;
    virtual void notify(const QString &text, const QString &title, Icon icon) = 0;
    virtual Answer ask(const QString &text, Buttons buttons, const QString &title, Icon icon) = 0;
    // A line of text from the user; nullopt when cancelled.
    virtual std::optional<QString> input(const QString &text, const QString &title, const QString &value);

    void say(const QString &text, const QString &title = DefaultTitle, Icon icon = Icon::None) { notify(text, title, icon); }
    Answer question(const QString &text, Buttons buttons, const QString &title = DefaultTitle, Icon icon = Icon::None)
    {
        return ask(text, buttons, title, icon);
    }
};

// QMessageBox on the active window.
class DialogMessageBoxes : public MessageBoxes
{
public:
    void notify(const QString &text, const QString &title, Icon icon) override;
    Answer ask(const QString &text, Buttons buttons, const QString &title, Icon icon) override;
    std::optional<QString> input(const QString &text, const QString &title, const QString &value) override;
};
