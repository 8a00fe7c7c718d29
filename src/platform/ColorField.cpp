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
    if (!hasSelectedText())
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
    // A palette name usually comes with the page's line breaks around it.
    insert(event->mimeData()->text().trimmed());
    event->acceptProposedAction();
}
