#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "platform/DhtmlEdit.h"
#include "shell/Form1.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace TestSupport;

// The menu bar: its tree, and what each editing item sends to the surface.
class TestMenuCommands : public QObject
{
    Q_OBJECT

private:


    static void placeCaretInCell(DhtmlEdit *surface)
    {
        selectText(surface, QStringLiteral("cell"), 1, 3);
    }

    // The wiring alone: whether the item is on right now is the enabling rule's matter.
    static void run(Form1 &form, const char *item)
    {
        QAction *action = form.menus().item(QLatin1String(item));
        action->setEnabled(true);
        action->trigger();
    }

    static void closeNextDialog(QString *title)
    {
        auto *poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [poll, title] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->stop();
            poll->deleteLater();
            *title = dialog->windowTitle();
            dialog->reject();
        });
        poll->start();
    }

private slots:
    void treeCaptionsAndSeparators()
    {
        TestApp app;
        Form1 form(app.context);
        QWidget *bar = form.menuWidget();
        QStringList top;
        for (QAction *a : bar->actions())
            top << a->text();
        QCOMPARE(top, (QStringList{QStringLiteral("■ファイル"), QStringLiteral("■表"), QStringLiteral("■文字"),
                                   QStringLiteral("■背景色（ﾍﾟｰｼﾞの背景色）"), QStringLiteral("◆編集（やり直し等）"),
                                   QStringLiteral("■HTML関連（ﾘﾝｸ設定等）"), QStringLiteral("■画像（背景に敷く画像等）"),
                                   QStringLiteral("■ｵﾌﾞｼﾞｪｸﾄ（画像と文字の重ね合わせ）"),
                                   QStringLiteral("■その他（ﾌﾞﾗｳｻﾞﾓｰﾄﾞやIE5.0の起動）"), QStringLiteral("◆HELP"),
                                   QStringLiteral("◆作者"), QStringLiteral("◆DynamicSample"),
                                   QStringLiteral("◆簡易実践使い方(&X)")}));
        QStringList edit;
        for (QAction *a : form.menus().group(QStringLiteral("hennsyuu"))->actions())
            edit << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
        QCOMPARE(edit, (QStringList{QStringLiteral("mivoundo=アンドゥ"), QStringLiteral("mivoredo=リドゥ"), QStringLiteral("-"),
                                    QStringLiteral("mivocopy=複写"), QStringLiteral("mivocut=切り取り"),
                                    QStringLiteral("mivopaste=貼り付け"), QStringLiteral("-"),
                                    QStringLiteral("sourcehyouji=ソースの表示"), QStringLiteral("-"),
                                    QStringLiteral("allselect=全て選択"), QStringLiteral("alldelete=削除")}));
        QMenu *format = form.menus().group(QStringLiteral("syoshiki"));
        QCOMPARE(format->title(), QStringLiteral("書式(文字位置等）"));
        QCOMPARE(format->actions().size(), 6);
        for (const char *name : {"mivoinsert_cell", "objectgo", "mivosearch", "go_browse", "go_hennsyuu"}) {
            QAction *item = form.menus().item(QLatin1String(name));
            QVERIFY(item && item->isEnabled() && item->isVisible());
        }
        // Keys only for the common items (tst_keysandstatus).
        for (const char *name : {"mivoinsert_cell", "objectgo", "go_hennsyuu", "sourcehyouji", "mivolinkok"})
            QVERIFY2(form.menus().item(QLatin1String(name))->shortcut().isEmpty(), name);
    }

    void itemsSendTheirCommands()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        writeBytes(app.file(QStringLiteral("page.htm")),
                   "<html><body><p>text</p><table><tr><td>cell one</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table></body></html>");
        auto fresh = [&] {
            QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
            QVERIFY(recordCalls(surface));
            placeCaretInCell(surface);
        };

        // Item, then the call it sends: id, option and third argument.
        const QList<QPair<const char *, const char *>> expected = {
            {"mivoinsert_cell", "[5019,2,1]"}, {"mivoinsert_retu", "[5020,2,1]"}, {"mivoinsert_gyou", "[5021,2,1]"},
            {"mivodel_cell", "[5005,2,1]"},    {"mivodel_retu", "[5006,2,1]"},    {"mivodel_gyou", "[5007,2,1]"},
            {"hidariyose", "[5025,1,null]"},   {"cyuuouyose", "[5024,1,null]"},   {"migiyose", "[5026,1,null]"},
            {"mivounderline", "[5048,1,null]"}, {"boldmoji", "[5000,1,null]"},   {"mivoitalic", "[5023,1,null]"},
            {"syoshiki_clear", "[5034,0,null]"}, {"mivoundo", "[5049,1,null]"},  {"mivoredo", "[5033,1,null]"},
            {"mivocopy", "[5002,1,null]"},     {"mivocut", "[5003,1,null]"},
            {"allselect", "[5035,1,null]"},    {"alldelete", "[5004,1,null]"},   {"mivolinkdel", "[5050,1,null]"},
            {"mivoindentok", "[5018,1,null]"}, {"mivoindentdel", "[5031,1,null]"}, {"unorderlist", "[5051,0,null]"},
            {"orderlist", "[5030,0,null]"},    {"objectgo", "[5028,1,null]"},    {"mae_object", "[5039,1,null]"},
            {"ushiro_object", "[5038,1,null]"},
        };
        for (const auto &[item, call] : expected) {
            fresh();
            run(form, item);
            QCOMPARE(takeCalls(surface), QStringLiteral("[%1]").arg(QLatin1String(call)));
        }
        // Paste sends the clipboard along; the command and option are the menu's.
        QApplication::clipboard()->setText(QStringLiteral("clip"));
        fresh();
        run(form, "mivopaste");
        QVERIFY(takeCalls(surface).startsWith(QStringLiteral("[[5032,1,{")));

        // Colours: the number from the colour dialog, never a name; a cancel sends nothing.
        app.dialogs.colors.enqueue(QColor(255, 0, 0));
        app.dialogs.colors.enqueue(QColor(0x12, 0x34, 0x56));
        fresh();
        run(form, "mojiiro");
        run(form, "moji_backcolor");
        QCOMPARE(takeCalls(surface), QStringLiteral("[[5046,2,255],[5042,2,5649426]]"));
        run(form, "mojiiro");
        QCOMPARE(takeCalls(surface), QStringLiteral("[]"));
        QVERIFY(surface->DocumentHTML().contains(QStringLiteral("<TD>c<FONT color=#ff0000 style=\"background-color: rgb(18, 52, 86);\">el</FONT>l one</TD>")));

        // The prompting items show the surface's own app.dialogs.
        for (const auto &[item, title] : QList<QPair<const char *, QString>>{
                 {"font_all", QStringLiteral("フォント")}, {"insertgazo", QStringLiteral("画像")}, {"mivosearch", QStringLiteral("検索")}}) {
            fresh();
            QString shown;
            closeNextDialog(&shown);
            run(form, item);
            QCOMPARE(shown, title);
        }
        // Refused commands (no table here) are ignored without a word.
        fresh();
        selectText(surface, QStringLiteral("text"), 1);
        run(form, "mivodel_gyou");
        QCOMPARE(takeCalls(surface), QStringLiteral("[[5007,2,1]]"));
        QVERIFY(app.boxes.shown.isEmpty());
    }
};

TOVALEAF_TEST_MAIN(TestMenuCommands)
#include "tst_menucommands.moc"
