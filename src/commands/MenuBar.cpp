#include "MenuBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "platform/WrappingMenuBar.h"

const QList<MenuBar::Entry> &MenuBar::tree()
{
    static const QList<Entry> entries = {
        {1, "mivo_file", "■ファイル"},
        {2, "new_page", "新規作成"},
        {2, "mivofile_open", "ファイルを開く"},
        {2, "file_save", "ファイルの保存"},
        {2, "kakidasi", "今のブラウザ用に書き出し…"},
        {2, "yyy", "-"},
        {2, "finish", "終了"},
        {1, "kyou", "■表"},
        {2, "mivomake_hyou", "表の作成"},
        {2, "mivoinsert_cell", "セルの挿入"},
        {2, "mivoinsert_retu", "列の挿入"},
        {2, "mivoinsert_gyou", "行の挿入"},
        {2, "kkk", "-"},
        {2, "mivodel_cell", "セルの削除"},
        {2, "mivodel_retu", "列の削除"},
        {2, "mivodel_gyou", "行の削除"},
        {1, "mivomoji", "■文字"},
        {2, "syoshiki", "書式(文字位置等）"},
        {3, "hidariyose", "左寄せ"},
        {3, "cyuuouyose", "中央寄せ"},
        {3, "migiyose", "右寄せ"},
        {3, "mivounderline", "アンダーライン"},
        {3, "boldmoji", "太字"},
        {3, "mivoitalic", "斜体"},
        {2, "ooo", "-"},
        {2, "mivocol", "色（文字色や文字の背景色）"},
        {3, "mojiiro", "文字色"},
        {3, "moji_backcolor", "文字の背景色"},
        {2, "zzzz", "-"},
        {2, "font_all", "フォント"},
        {2, "syoshiki_clear", "書式のクリア"},
        {1, "haikei_iro", "■背景色（ﾍﾟｰｼﾞの背景色）"},
        {1, "hennsyuu", "◆編集（やり直し等）"},
        {2, "mivoundo", "アンドゥ"},
        {2, "mivoredo", "リドゥ"},
        {2, "ggg", "-"},
        {2, "mivocopy", "複写"},
        {2, "mivocut", "切り取り"},
        {2, "mivopaste", "貼り付け"},
        {2, "qqqq", "-"},
        {2, "sourcehyouji", "ソースの表示"},
        {2, "kkkkk", "-"},
        {2, "allselect", "全て選択"},
        {2, "alldelete", "削除"},
        {1, "mivohtml", "■HTML関連（ﾘﾝｸ設定等）"},
        {2, "mivolinkok", "リンク設定"},
        {2, "mivolinkdel", "リンク削除"},
        {2, "xxx", "-"},
        {2, "mivoindentok", "インデント設定"},
        {2, "mivoindentdel", "インデント削除"},
        {2, "lll", "-"},
        {2, "unorderlist", "記号付きリスト"},
        {2, "orderlist", "番号付きリスト"},
        {1, "gazo", "■画像（背景に敷く画像等）"},
        {2, "insertgazo", "画像取り込み"},
        {2, "haikeisettei", "背景画像設定"},
        {2, "deletehaikei", "背景画像削除"},
        {1, "mivoobj", "■ｵﾌﾞｼﾞｪｸﾄ（画像と文字の重ね合わせ）"},
        {2, "objectgo", "オブジェクト化実行"},
        {2, "mae_object", "オブジェクトを前面"},
        {2, "ushiro_object", "オブジェクト背面"},
        {1, "hoka", "■その他（ﾌﾞﾗｳｻﾞﾓｰﾄﾞやIE5.0の起動）"},
        {2, "go_browse", "ブラウズ実行"},
        {2, "go_hennsyuu", "編集画面"},
        {2, "go_ie40", "ブラウザ起動"},
        {2, "hhh", "-"},
        {2, "mivosearch", "検索"},
        {1, "otasuke", "◆HELP"},
        {1, "sakusha", "◆作者"},
        {1, "mivoscript", "◆DynamicSample"},
        {1, "trytvl", "◆簡易実践使い方(&X)"},
    };
    return entries;
}

const QKeySequence MenuBar::ModeKey = QKeySequence(Qt::Key_F5);

const QHash<QString, QKeySequence> &MenuBar::keys()
{
    static const QHash<QString, QKeySequence> table = {
        {QStringLiteral("new_page"), QKeySequence(Qt::CTRL | Qt::Key_N)},
        {QStringLiteral("mivofile_open"), QKeySequence(Qt::CTRL | Qt::Key_O)},
        {QStringLiteral("file_save"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {QStringLiteral("finish"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {QStringLiteral("mivosearch"), QKeySequence(Qt::CTRL | Qt::Key_F)},
    };
    return table;
}

void MenuBar::followMode(bool running)
{
    m_items.value(QStringLiteral("go_browse"))->setShortcut(running ? QKeySequence() : ModeKey);
    m_items.value(QStringLiteral("go_hennsyuu"))->setShortcut(running ? ModeKey : QKeySequence());
}

MenuBar::MenuBar(QMainWindow *window)
{
    // Every top menu stays in sight: the bar wraps onto more rows where the window is narrow.
    auto *bar = new WrappingMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    window->setMenuWidget(bar);
    const QList<Entry> &entries = tree();
    QList<QMenu *> open; // the open group at each level
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        const QString name = QString::fromUtf8(e.name);
        const QString caption = QString::fromUtf8(e.caption);
        const bool isGroup = i + 1 < entries.size() && entries[i + 1].level > e.level;
        while (open.size() >= e.level)
            open.removeLast();
        QAction *action = nullptr;
        if (caption == QLatin1String("-")) {
            action = open.last()->addSeparator();
        } else if (isGroup) {
            QMenu *menu = e.level == 1 ? new QMenu(caption, bar) : open.last()->addMenu(caption);
            if (e.level == 1)
                bar->addAction(menu->menuAction());
            menu->setObjectName(name);
            m_groups.insert(name, menu);
            action = menu->menuAction();
            open.append(menu);
        } else if (e.level == 1) {
            action = new QAction(caption, bar);
            bar->addAction(action);
        } else {
            action = open.last()->addAction(caption);
        }
        action->setObjectName(name);
        m_items.insert(name, action);
        // Held by the window too, so that the keys do not depend on where the menus are shown.
        if (keys().contains(name) || name == QLatin1String("go_browse") || name == QLatin1String("go_hennsyuu")) {
            action->setShortcut(keys().value(name));
            action->setShortcutContext(Qt::WindowShortcut);
            window->addAction(action);
        }
    }
    followMode(false);
}
