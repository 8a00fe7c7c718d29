#pragma once

#include <QString>
#include <QStringList>

// The reveal transitions by their number in the page's filter (0 to 23).
namespace TransitionNames {
constexpr int Count = 24;
QString name(int number);
// "0" … "23", as the number boxes offer them.
QStringList numbers();
} // namespace TransitionNames
