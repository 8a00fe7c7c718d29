#include "DisplayRule.h"

namespace {

constexpr int Enabled = 3;

struct ItemCommand
{
    const char *item;
    int command;
};

const ItemCommand FirstGroup[] = {
    {"mivomake_hyou", 5022}, {"mivoinsert_cell", 5019}, {"mivoinsert_retu", 5020}, {"mivoinsert_gyou", 5021},
    {"mivodel_cell", 5005},  {"mivodel_gyou", 5007},    {"mivodel_retu", 5006},    {"mivocopy", 5002},
    {"mivocut", 5003},       {"mivopaste", 5032},       {"mivoundo", 5049},        {"mivoredo", 5033},
    {"mivolinkok", 5016},    {"mivolinkdel", 5050},     {"insertgazo", 5017},      {"mivoindentok", 5018},
    {"mivoindentdel", 5031}, {"font_all", 5009},        {"allselect", 5035},       {"alldelete", 5004},
    {"objectgo", 5028},
};

const ItemCommand SecondGroup[] = {
    {"mivosearch", 5008}, {"unorderlist", 5051}, {"orderlist", 5030}, {"syoshiki_clear", 5034},
};

} // namespace

int DisplayRule::tagPosition(const QString &sourceCopy, const QString &tag)
{
    // An empty text is found at the start, as the classic string search has it.
    if (tag.isEmpty())
        return 1;
    return int(sourceCopy.indexOf(tag)) + 1;
}

DisplayRule::Outcome DisplayRule::decide(const Status &status, int tagPosition, bool browseMode)
{
    Outcome out;
    auto set = [&](const char *item, bool on) { out.items.append({QString::fromLatin1(item), on}); };
    const bool noPicture = !pictureSet(tagPosition);
    set("haikeisettei", noPicture);
    set("deletehaikei", !noPicture);
    for (const ItemCommand &c : FirstGroup)
        set(c.item, status(c.command) == Enabled);
    const bool positioned = status(5039) == Enabled;
    out.listsEnabled = !positioned;
    set("mae_object", positioned);
    set("ushiro_object", positioned);
    for (const ItemCommand &c : SecondGroup)
        set(c.item, status(c.command) == Enabled);
    set("go_ie40", !browseMode);
    return out;
}
