#include "ContextMenu.h"

namespace {

struct Entry
{
    const char *text;
    int command;
};

const Entry Entries[ContextMenu::Size] = {
    {"複写", 5002},
    {"切り取り", 5003},
    {"貼り付け", 5032},
    {"", 0},
    {"ブラウズ", 0},
    {"編集", 0},
    {"", 0},
    {"元に戻す", 5049},
    {"全て選択", 5035},
    {"", 0},
    {"ソースの表示", 0},
    {"検索", 5008},
    {"", 0},
    {"ﾘｽﾄの挿入", 5051},
    {"番号付きﾘｽﾄの挿入", 5030},
    {"", 0},
    {"ｵﾌﾞｼﾞｪｸﾄ化", 5028},
    {"ｵﾌﾞｼﾞｪｸﾄが前面", 5039},
    {"ｵﾌﾞｼﾞｪｸﾄが背面", 5038},
    {"", 0},
    {"フォント", 5009},
    {"書式のクリア", 5034},
    {"", 0},
    {"リンク設定", 5016},
    {"リンク解除", 5050},
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
        out[index] = status(Entries[index].command) == 3 ? Selectable : Disabled;
    return out;
}
