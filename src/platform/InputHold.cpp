#include "InputHold.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

QWindow *windowOf(QObject *object)
{
    if (object->isWindowType())
        return static_cast<QWindow *>(object);
    if (object->isWidgetType()) {
        QWidget *top = static_cast<QWidget *>(object)->window();
        return top ? top->windowHandle() : nullptr;
    }
    return nullptr;
}

} // namespace

InputHold::InputHold(std::function<void()> onEscape) : m_onEscape(std::move(onEscape))
{
    for (QWindow *window : QGuiApplication::allWindows())
        m_heldWindows.append(window);
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // The keys typed meanwhile reach their windows now, in the order typed.
    for (HeldKey &key : m_keys)
        if (key.window)
            QCoreApplication::postEvent(key.window, key.event.release());
}

bool InputHold::isHeld(QWindow *window) const
{
    if (!window)
        return false;
    for (const QPointer<QWindow> &held : m_heldWindows)
        if (held == window)
            return true;
    return false;
}

bool InputHold::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (!isUserInput(type))
        return false;
    if (type == QEvent::ShortcutOverride || type == QEvent::Shortcut) {
        if (!isHeld(windowOf(watched)))
            return false;
        // Accepted: no menu shortcut fires while the program waits.
        event->accept();
        return true;
    }
    // The user's input reaches a window before any widget in it; what the
    // program itself sends straight to a widget is not the user's and passes.
    if (!watched->isWindowType() || !event->spontaneous())
        return false;
    QWindow *window = static_cast<QWindow *>(watched);
    if (!isHeld(window))
        return false;
    if (type == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        if (m_onEscape)
            m_onEscape();
        return true;
    }
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
        m_keys.push_back({window, std::unique_ptr<QEvent>(event->clone())});
    return true;
}
