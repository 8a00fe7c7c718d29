#include "ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// What the desktop adds around a window: known once a window of the program is
// on the screen; before that, a usual title bar and border.
QMargins frameOf(const QWidget *window)
{
    if (window->windowHandle() && !window->windowHandle()->frameMargins().isNull())
        return window->windowHandle()->frameMargins();
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && other->windowHandle() && !other->windowHandle()->frameMargins().isNull())
            return other->windowHandle()->frameMargins();
    return QGuiApplication::platformName() == QLatin1String("offscreen") ? QMargins() : QMargins(4, 28, 4, 4);
}

bool isFitted(const QWidget *widget)
{
    if (!widget->isWindow())
        return false;
    switch (widget->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Tool:
        return !widget->windowFlags().testFlag(Qt::FramelessWindowHint);
    default:
        return false;
    }
}

} // namespace

void ScreenFit::install()
{
    static ScreenFit *filter = nullptr;
    if (filter)
        return;
    filter = new ScreenFit(qApp);
    qApp->installEventFilter(filter);
}

void ScreenFit::fit(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    const QSize room(available.width() - frame.left() - frame.right(), available.height() - frame.top() - frame.bottom());
    const QSize size = window->size();
    if (size.width() > room.width() || size.height() > room.height()) {
        // Smaller than its layout would have it, if that is what the screen allows.
        window->setMinimumSize(window->minimumWidth() > room.width() ? room.width() : window->minimumWidth(),
                               window->minimumHeight() > room.height() ? room.height() : window->minimumHeight());
        window->resize(size.boundedTo(room));
    }
    // A dialog centres itself over its owner within the screen; other windows are moved onto it.
    if (qobject_cast<QDialog *>(window) && !window->testAttribute(Qt::WA_Moved))
        return;
    const QRect outer(window->pos(), window->size().grownBy(frame));
    QPoint at = outer.topLeft();
    at.setX(qBound(available.left(), at.x(), available.right() + 1 - outer.width()));
    at.setY(qBound(available.top(), at.y(), available.bottom() + 1 - outer.height()));
    if (at != outer.topLeft())
        window->move(at);
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (isFitted(widget))
            fit(widget);
    }
    return QObject::eventFilter(watched, event);
}
