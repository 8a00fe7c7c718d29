#include "MenuPopup.h"

#include <QAction>
#include <QMenu>

int MenuPopup::choose(const QStringList &texts, const QList<int> &states, const QPoint &globalPos, QWidget *parent)
{
    QMenu menu(parent);
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].isEmpty()) {
            // No separator at the end, where the unused last item stands.
            if (i < texts.size() - 1)
                menu.addSeparator();
            continue;
        }
        QAction *action = menu.addAction(texts[i]);
        action->setEnabled(states.value(i, 0) != 2);
        action->setData(i);
    }
    QAction *picked = menu.exec(globalPos);
    return picked ? picked->data().toInt() : -1;
}
