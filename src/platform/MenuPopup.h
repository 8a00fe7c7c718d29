#pragma once

#include <QList>
#include <QStringList>

#include <functional>

class QPoint;
class QWidget;

// The surface's context menu shown as a QMenu: an empty text is a separator,
// state 2 a disabled item.
class MenuPopup
{
public:
    // Shows the items and returns the chosen index, or -1.
    using Presenter = std::function<int(const QStringList &texts, const QList<int> &states, const QPoint &globalPos)>;

    static int choose(const QStringList &texts, const QList<int> &states, const QPoint &globalPos, QWidget *parent);
};
