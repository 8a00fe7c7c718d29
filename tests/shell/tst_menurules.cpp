#include "platform/EditCommands.h"
#include "shell/ContextMenu.h"
#include "shell/DisplayRule.h"

#include <QSet>
#include <QtTest>

namespace {

// The surface's answer when exactly the commands given are available.
DisplayRule::Status available(const QSet<int> &commands, int otherwise = DECMDF_DISABLED)
{
    return [commands, otherwise](int command) { return commands.contains(command) ? int(DECMDF_ENABLED) : otherwise; };
}

// The menu items the rule turns on, and "lists" while the two lists take new elements.
QSet<QString> onItems(const DisplayRule::Outcome &outcome)
{
    QSet<QString> on;
    for (const auto &[item, enabled] : outcome.items)
        if (enabled)
            on << item;
    if (outcome.listsEnabled)
        on << QStringLiteral("lists");
    return on;
}

QSet<QString> set(std::initializer_list<const char *> names)
{
    QSet<QString> out;
    for (const char *name : names)
        out << QString::fromUtf8(name);
    return out;
}

// The right-click menu's entries that can be chosen.
QSet<QString> selectable(const QList<int> &states)
{
    QSet<QString> out;
    for (int i = 0; i < states.size(); ++i)
        if (states[i] == ContextMenu::Selectable && !ContextMenu::texts()[i].isEmpty())
            out << ContextMenu::texts()[i];
    return out;
}

} // namespace

// Which menu items are on after the selection moved, and what the right-click
// menu offers: from the surface's command states and the mode, without a page.
class TestMenuRules : public QObject
{
    Q_OBJECT

private slots:
    void itemsFollowWhatTheSelectionAllows()
    {
        // Outside any picture, in edit mode: besides the commands, the picture's "set", the
        // external browser and the two lists are always there.
        const QSet<QString> always = set({"haikeisettei", "go_ie40", "lists"});
        QCOMPARE(onItems(DisplayRule::decide(available({}), 0, false)), always);

        // Each item follows the one command it runs: what the selection allows shows in the menus.
        const QList<QPair<int, const char *>> items = {
            // A caret in a table cell.
            {DECMD_INSERTCELL, "mivoinsert_cell"}, {DECMD_INSERTCOL, "mivoinsert_retu"}, {DECMD_INSERTROW, "mivoinsert_gyou"},
            {DECMD_DELETECELLS, "mivodel_cell"}, {DECMD_DELETECOLS, "mivodel_retu"}, {DECMD_DELETEROWS, "mivodel_gyou"},
            // Text selected, something on the clipboard, an edit and its undo.
            {DECMD_COPY, "mivocopy"}, {DECMD_CUT, "mivocut"}, {DECMD_DELETE, "alldelete"}, {DECMD_PASTE, "mivopaste"},
            {DECMD_UNDO, "mivoundo"}, {DECMD_REDO, "mivoredo"},
            // In a link, in a list.
            {DECMD_HYPERLINK, "mivolinkok"}, {DECMD_UNLINK, "mivolinkdel"}, {DECMD_INDENT, "mivoindentok"},
            {DECMD_OUTDENT, "mivoindentdel"}, {DECMD_UNORDERLIST, "unorderlist"}, {DECMD_ORDERLIST, "orderlist"},
            // What an editable page offers anywhere.
            {DECMD_INSERTTABLE, "mivomake_hyou"}, {DECMD_IMAGE, "insertgazo"}, {DECMD_FONT, "font_all"},
            {DECMD_SELECTALL, "allselect"}, {DECMD_FINDTEXT, "mivosearch"}, {DECMD_REMOVEFORMAT, "syoshiki_clear"},
            {DECMD_MAKE_ABSOLUTE, "objectgo"},
        };
        QSet<int> everything;
        QSet<QString> everyItem = always;
        for (const auto &[command, item] : items) {
            QCOMPARE(onItems(DisplayRule::decide(available({command}), 0, false)), always + set({item}));
            everything << command;
            everyItem << QString::fromUtf8(item);
        }
        QCOMPARE(onItems(DisplayRule::decide(available(everything), 0, false)), everyItem);

        // A positioned object selected: its two layer items come on and the lists take no new element;
        // "send below" alone changes nothing, "bring above" is what tells a positioned object.
        QCOMPARE(onItems(DisplayRule::decide(available({DECMD_BRING_ABOVE_TEXT}), 0, false)),
                 set({"haikeisettei", "go_ie40", "mae_object", "ushiro_object"}));
        QCOMPARE(onItems(DisplayRule::decide(available({DECMD_SEND_BELOW_TEXT}), 0, false)), always);

        // Only "enabled" turns an item on, not "latched", "ninched" or unsupported.
        for (int other : {int(DECMDF_NOTSUPPORTED), int(DECMDF_LATCHED), int(DECMDF_NINCHED), -1})
            QCOMPARE(onItems(DisplayRule::decide([other](int) { return other; }, 0, false)), always);

        // Run mode: the external browser item goes off.
        QVERIFY(!onItems(DisplayRule::decide(available({}), 0, true)).contains(QStringLiteral("go_ie40")));
    }

    void backgroundPictureItems()
    {
        // "Set" before a picture (or for an empty tag, found at the start), "delete" after.
        for (const auto &[position, pictured] : QList<QPair<int, bool>>{{0, false}, {1, false}, {2, true}, {57, true}}) {
            const QSet<QString> on = onItems(DisplayRule::decide(available({}), position, false));
            QCOMPARE(on.contains(QStringLiteral("deletehaikei")), pictured);
            QCOMPARE(on.contains(QStringLiteral("haikeisettei")), !pictured);
            QCOMPARE(DisplayRule::pictureSet(position), pictured);
        }
        // Where the tag stands in the source copy: first occurrence, exact, 1-based; an empty tag is at 1.
        const QString tag = QStringLiteral("<BODY background=p.gif bgProperties=none");
        const QString copy = QStringLiteral("<HTML><HEAD></HEAD>") + tag + QStringLiteral("><P>x</P>") + tag;
        QCOMPARE(DisplayRule::tagPosition(copy, tag), 20);
        QCOMPARE(DisplayRule::tagPosition(copy, QString()), 1);
        QCOMPARE(DisplayRule::tagPosition(copy.toLower(), tag), 0);
        QCOMPARE(DisplayRule::tagPosition(QString(), tag), 0);
    }

    void rightClickMenu()
    {
        QCOMPARE(ContextMenu::texts().size(), ContextMenu::Size);
        // With nothing available: the mode item that leaves the current mode, and the source.
        QCOMPARE(selectable(ContextMenu::states(available({}), false)), set({"ブラウズ", "ソースの表示"}));
        QCOMPARE(selectable(ContextMenu::states(available({}), true)), set({"編集", "ソースの表示"}));
        // Separators are never greyed.
        const QList<int> none = ContextMenu::states(available({}), false);
        for (int i = 0; i < ContextMenu::Size; ++i)
            if (ContextMenu::texts()[i].isEmpty())
                QCOMPARE(none[i], ContextMenu::Selectable);

        // Each entry that runs a command follows that command alone.
        const QList<QPair<int, QString>> entries = {
            {DECMD_COPY, QStringLiteral("複写")},
            {DECMD_CUT, QStringLiteral("切り取り")},
            {DECMD_PASTE, QStringLiteral("貼り付け")},
            {DECMD_UNDO, QStringLiteral("元に戻す")},
            {DECMD_SELECTALL, QStringLiteral("全て選択")},
            {DECMD_FINDTEXT, QStringLiteral("検索")},
            {DECMD_UNORDERLIST, QStringLiteral("ﾘｽﾄの挿入")},
            {DECMD_ORDERLIST, QStringLiteral("番号付きﾘｽﾄの挿入")},
            {DECMD_MAKE_ABSOLUTE, QStringLiteral("ｵﾌﾞｼﾞｪｸﾄ化")},
            {DECMD_BRING_ABOVE_TEXT, QStringLiteral("ｵﾌﾞｼﾞｪｸﾄが前面")},
            {DECMD_SEND_BELOW_TEXT, QStringLiteral("ｵﾌﾞｼﾞｪｸﾄが背面")},
            {DECMD_FONT, QStringLiteral("フォント")},
            {DECMD_REMOVEFORMAT, QStringLiteral("書式のクリア")},
            {DECMD_HYPERLINK, QStringLiteral("リンク設定")},
            {DECMD_UNLINK, QStringLiteral("リンク解除")},
        };
        QSet<int> all;
        for (const auto &[command, text] : entries) {
            QCOMPARE(selectable(ContextMenu::states(available({command}), false)), set({"ブラウズ", "ソースの表示"}) + QSet<QString>{text});
            all << command;
        }
        // Only "enabled" counts.
        QCOMPARE(selectable(ContextMenu::states(available({}, DECMDF_LATCHED), false)), set({"ブラウズ", "ソースの表示"}));
        QCOMPARE(selectable(ContextMenu::states(available(all), true)).size(), entries.size() + 2);
    }
};

QTEST_APPLESS_MAIN(TestMenuRules)
#include "tst_menurules.moc"
