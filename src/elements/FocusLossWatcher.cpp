#include "FocusLossWatcher.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

FocusLossWatcher::FocusLossWatcher(QWidget *widget, std::function<void()> onLost)
    : QObject(widget), m_onLost(std::move(onLost))
{
    widget->installEventFilter(this);
    if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

bool FocusLossWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        m_onLost();
    return QObject::eventFilter(watched, event);
}
