#include "TransitionNames.h"

#include <array>

namespace {
// As the dialogs have always shown them, spelling included.
const std::array<const char16_t *, TransitionNames::Count> Names = {
    u"Box in", u"Box out", u"Circle in", u"Circle out", u"Wipe up", u"Wipe down",
    u"Wipe right", u"Wipe left", u"Vertical blinds", u"Horizontal blinds", u"Checker board across", u"Checker board down",
    u"Random dissolve", u"Split vertical in", u"Split vertical out", u"Split horizontal in", u"Split horizontal out",
    u"Strips left down", u"Strips left up", u"Strips rigt down", u"Strips rigt up", u"Random bars horizontal",
    u"Random bars vertical", u"Random",
};
} // namespace

QString TransitionNames::name(int number)
{
    if (number < 0 || number >= Count)
        return QString();
    return QString::fromUtf16(Names[number]);
}

QStringList TransitionNames::numbers()
{
    QStringList all;
    for (int i = 0; i < Count; ++i)
        all << QString::number(i);
    return all;
}
