#include "ContextMenu.h"

#include "platform/EditCommands.h"

namespace {

struct Entry
{
    const char *text;
    int command;
};

const Entry Entries[ContextMenu::Size] = {
    {"複写", DECMD_COPY},
    {"切り取り", DECMD_CUT},
    {"貼り付け", DECMD_PASTE},
    {"", 0},
    {"ブラウズ", 0},
    {"編集", 0},
    {"", 0},
    {"元に戻す", DECMD_UNDO},
    {"全て選択", DECMD_SELECTALL},
    {"", 0},
    {"ソースの表示", 0},
    {"検索", DECMD_FINDTEXT},
    {"", 0},
    {"ﾘｽﾄの挿入", DECMD_UNORDERLIST},
    {"番号付きﾘｽﾄの挿入", DECMD_ORDERLIST},
    {"", 0},
    {"ｵﾌﾞｼﾞｪｸﾄ化", DECMD_MAKE_ABSOLUTE},
    {"ｵﾌﾞｼﾞｪｸﾄが前面", DECMD_BRING_ABOVE_TEXT},
    {"ｵﾌﾞｼﾞｪｸﾄが背面", DECMD_SEND_BELOW_TEXT},
    {"", 0},
    {"フォント", DECMD_FONT},
    {"書式のクリア", DECMD_REMOVEFORMAT},
    {"", 0},
    {"リンク設定", DECMD_HYPERLINK},
    {"リンク解除", DECMD_UNLINK},
    {"", 0},
};

// The order in which the states are asked for.
const int QueryOrder[] = {0, 1, 2, 7, 8, 11, 13, 14, 16, 18, 17, 20, 21, 23, 24};

} // namespace

const QStringList &ContextMenu::texts()
{
    static const QStringList list = [] {
        QStringList l;
        for (const Entry &e : Entries)
            l << QString::fromUtf8(e.text);
        return l;
    }();
    return list;
}

QList<int> ContextMenu::states(const std::function<int(int command)> &status, bool browseMode)
{
    QList<int> out(Size, Selectable);
    out[4] = browseMode ? Disabled : Selectable;
    out[5] = browseMode ? Selectable : Disabled;
    for (int index : QueryOrder)
        out[index] = status(Entries[index].command) == DECMDF_ENABLED ? Selectable : Disabled;
    return out;
}
