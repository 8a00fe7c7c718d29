#include "ColorField.h"

#include <QDropEvent>
#include <QMimeData>

ColorField::ColorField(const QString &name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    setDragEnabled(true);
    setAcceptDrops(true);
}

void ColorField::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        QLineEdit::dragEnterEvent(event);
}

void ColorField::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        QLineEdit::dragMoveEvent(event);
}

void ColorField::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText() || event->source() == this || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    dropText(event->mimeData()->text(), event->position().toPoint());
    event->acceptProposedAction();
}

void ColorField::dropText(const QString &text, const QPoint &position)
{
    if (!hasSelectedText())
        setCursorPosition(cursorPositionAt(position));
    // A palette name usually comes with the page's line breaks around it.
    insert(text.trimmed());
}
