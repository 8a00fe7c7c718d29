#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The right-click menu: 26 places, texts and states (0 selectable, 2 disabled).
struct ContextMenu
{
    static constexpr int Size = 26;
    static constexpr int Selectable = 0;
    static constexpr int Disabled = 2;
    static const QStringList &texts();
    static QList<int> states(const std::function<int(int command)> &status, bool browseMode);
};
