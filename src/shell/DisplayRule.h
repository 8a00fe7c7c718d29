#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

// Which menu items are on after a change of the selection, from the surface's
// command states, the background tag's place in the source copy and the mode.
struct DisplayRule
{
    using Status = std::function<int(int command)>;
    struct Outcome
    {
        QList<QPair<QString, bool>> items; // in the order they are set
        bool listsEnabled = true;
    };

    // tagPosition: 1-based place of BodyBackgroundTag in the source copy (1 for an empty tag, 0 if absent).
    static Outcome decide(const Status &status, int tagPosition, bool browseMode);
    static int tagPosition(const QString &sourceCopy, const QString &tag);
    // Whether the page holds the background picture's tag: "delete" on, "set" off.
    static bool pictureSet(int tagPosition) { return tagPosition >= 2; }
};
