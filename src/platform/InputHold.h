#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QEvent;
class QWindow;

// While a call waits on a page, the user's input to the windows that were
// open when it began is held back: keys are given to them afterwards in
// order, clicks and the rest are dropped, and no shortcut fires. Windows
// opened during the wait (the wait's own panel, a page's dialog) take input
// as usual; Esc asks to cancel the wait.
class InputHold : public QObject
{
public:
    explicit InputHold(std::function<void()> onEscape);
    ~InputHold() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isHeld(QWindow *window) const;

    std::function<void()> m_onEscape;
    QList<QPointer<QWindow>> m_heldWindows;
    struct HeldKey
    {
        QPointer<QWindow> window;
        std::unique_ptr<QEvent> event;
    };
    std::vector<HeldKey> m_keys;
};
