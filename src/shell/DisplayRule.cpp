#include "DisplayRule.h"

#include "platform/EditCommands.h"

namespace {

struct ItemCommand
{
    const char *item;
    int command;
};

const ItemCommand FirstGroup[] = {
    {"mivomake_hyou", DECMD_INSERTTABLE}, {"mivoinsert_cell", DECMD_INSERTCELL}, {"mivoinsert_retu", DECMD_INSERTCOL}, {"mivoinsert_gyou", DECMD_INSERTROW},
    {"mivodel_cell", DECMD_DELETECELLS},  {"mivodel_gyou", DECMD_DELETEROWS},    {"mivodel_retu", DECMD_DELETECOLS},    {"mivocopy", DECMD_COPY},
    {"mivocut", DECMD_CUT},       {"mivopaste", DECMD_PASTE},       {"mivoundo", DECMD_UNDO},        {"mivoredo", DECMD_REDO},
    {"mivolinkok", DECMD_HYPERLINK},    {"mivolinkdel", DECMD_UNLINK},     {"insertgazo", DECMD_IMAGE},      {"mivoindentok", DECMD_INDENT},
    {"mivoindentdel", DECMD_OUTDENT}, {"font_all", DECMD_FONT},        {"allselect", DECMD_SELECTALL},       {"alldelete", DECMD_DELETE},
    {"objectgo", DECMD_MAKE_ABSOLUTE},
};

const ItemCommand SecondGroup[] = {
    {"mivosearch", DECMD_FINDTEXT}, {"unorderlist", DECMD_UNORDERLIST}, {"orderlist", DECMD_ORDERLIST}, {"syoshiki_clear", DECMD_REMOVEFORMAT},
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
        set(c.item, status(c.command) == DECMDF_ENABLED);
    const bool positioned = status(DECMD_BRING_ABOVE_TEXT) == DECMDF_ENABLED;
    out.listsEnabled = !positioned;
    set("mae_object", positioned);
    set("ushiro_object", positioned);
    for (const ItemCommand &c : SecondGroup)
        set(c.item, status(c.command) == DECMDF_ENABLED);
    set("go_ie40", !browseMode);
    return out;
}
