#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "../documents/UnprivilegedFiles.h"
#include "commands/MenuBar.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"
#include "shell/ContextMenu.h"
#include "shell/Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QWebEngineView>

#include <stdexcept>

using namespace TestSupport;

namespace {

const QString RunMessage = QStringLiteral("現在編集中のファイルをブラウズモードで確認します！");

const QStringList MenuTexts = {
    QStringLiteral("複写"), QStringLiteral("切り取り"), QStringLiteral("貼り付け"), QString(), QStringLiteral("ブラウズ"),
    QStringLiteral("編集"), QString(), QStringLiteral("元に戻す"), QStringLiteral("全て選択"), QString(),
    QStringLiteral("ソースの表示"), QStringLiteral("検索"), QString(), QStringLiteral("ﾘｽﾄの挿入"),
    QStringLiteral("番号付きﾘｽﾄの挿入"), QString(), QStringLiteral("ｵﾌﾞｼﾞｪｸﾄ化"), QStringLiteral("ｵﾌﾞｼﾞｪｸﾄが前面"),
    QStringLiteral("ｵﾌﾞｼﾞｪｸﾄが背面"), QString(), QStringLiteral("フォント"), QStringLiteral("書式のクリア"), QString(),
    QStringLiteral("リンク設定"), QStringLiteral("リンク解除"), QString(),
};

// The items the enabling rule sets, in its order.
const QStringList RuleItems = {
    QStringLiteral("haikeisettei"),  QStringLiteral("deletehaikei"),    QStringLiteral("mivomake_hyou"),
    QStringLiteral("mivoinsert_cell"), QStringLiteral("mivoinsert_retu"), QStringLiteral("mivoinsert_gyou"),
    QStringLiteral("mivodel_cell"),  QStringLiteral("mivodel_gyou"),    QStringLiteral("mivodel_retu"),
    QStringLiteral("mivocopy"),      QStringLiteral("mivocut"),         QStringLiteral("mivopaste"),
    QStringLiteral("mivoundo"),      QStringLiteral("mivoredo"),        QStringLiteral("mivolinkok"),
    QStringLiteral("mivolinkdel"),   QStringLiteral("insertgazo"),      QStringLiteral("mivoindentok"),
    QStringLiteral("mivoindentdel"), QStringLiteral("font_all"),        QStringLiteral("allselect"),
    QStringLiteral("alldelete"),     QStringLiteral("objectgo"),        QStringLiteral("mae_object"),
    QStringLiteral("ushiro_object"), QStringLiteral("mivosearch"),      QStringLiteral("unorderlist"),
    QStringLiteral("orderlist"),     QStringLiteral("syoshiki_clear"),  QStringLiteral("go_ie40"),
};


// The same for the main window's menu items and lists as they stand.
QStringList menuText(Form1 &form)
{
    QStringList out;
    for (const QString &item : RuleItems)
        out << (form.menus().item(item)->isEnabled() ? item : QLatin1Char('-') + item);
    const bool lists = form.combo(1)->isEnabled();
    if (form.combo(2)->isEnabled() != lists)
        out << QStringLiteral("lists differ");
    out << (lists ? QStringLiteral("lists") : QStringLiteral("-lists"));
    return out;
}

// Every rule item enabled except those named.
QStringList allBut(const QStringList &off)
{
    QStringList out;
    for (const QString &item : RuleItems + QStringList{QStringLiteral("lists")})
        out << (off.contains(item) ? QLatin1Char('-') + item : item);
    return out;
}

void writeBody(const TestApp &app, const QString &name, const QByteArray &body)
{
    writeBytes(app.file(name), "<html><body>" + body + "</body></html>");
}

QColor base(QLineEdit *edit)
{
    return edit->palette().color(QPalette::Base);
}

// What the surface showed at a right click, and the answer given.
struct MenuRecorder
{
    QStringList texts;
    QList<int> states;
    int shown = 0;
    int answer = -1;

    void install(DhtmlEdit *surface)
    {
        surface->setMenuPresenter([this](const QStringList &t, const QList<int> &s, const QPoint &) {
            texts = t;
            states = s;
            ++shown;
            return answer;
        });
    }
};

// A right click on the surface where the selection is, so that the click keeps it.
void rightClick(DhtmlEdit *surface, MenuRecorder &menu)
{
    const QStringList xy = js(surface, QStringLiteral(
        "(() => { const s = getSelection(); if (!s.rangeCount) return '20,20';"
        " const n = s.getRangeAt(0).startContainer; const e = n.nodeType === 1 ? n.childNodes[s.getRangeAt(0).startOffset] : null;"
        " const b = (e && e.nodeType === 1 ? e : s.getRangeAt(0)).getBoundingClientRect();"
        " return Math.round(b.left + Math.min(b.width / 2, 8)) + ',' + Math.round(b.top + b.height / 2); })()"))
                               .split(QLatin1Char(','));
    QVERIFY(xy.size() == 2);
    const int before = menu.shown;
    QTest::mouseClick(surface->view()->focusProxy(), Qt::RightButton, {}, QPoint(xy[0].toInt(), xy[1].toInt()));
    QTRY_COMPARE(menu.shown, before + 1);
}

// Selects the first occurrence of word, wherever its text node starts.
void selectWord(DhtmlEdit *surface, const QString &word)
{
    QCOMPARE(js(surface, QStringLiteral(
        "(() => { const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT); let n;"
        " while ((n = w.nextNode())) { const i = n.data.indexOf('%1'); if (i < 0) continue;"
        " const r = document.createRange(); r.setStart(n, i); r.setEnd(n, i + %2);"
        " getSelection().removeAllRanges(); getSelection().addRange(r); return getSelection().toString(); } return ''; })()")
                             .arg(word)
                             .arg(word.size())),
             word);
}

// The middle of a word on the page, in the view's coordinates.
QPoint wordPoint(DhtmlEdit *surface, const QString &word)
{
    const QStringList xy = js(surface, QStringLiteral(
        "(() => { const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT); let n;"
        " while ((n = w.nextNode())) { const i = n.data.indexOf('%1'); if (i < 0) continue;"
        " const r = document.createRange(); r.setStart(n, i); r.setEnd(n, i + %2); const b = r.getBoundingClientRect();"
        " return Math.round(b.left + b.width / 2) + ',' + Math.round(b.top + b.height / 2); } return ''; })()")
                               .arg(word)
                               .arg(word.size()))
                               .split(QLatin1Char(','));
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint(-1, -1);
}

} // namespace

// The main window in step with the surface: the enabling rule, the context
// menu and the two modes.
class TestEditorEvents : public QObject
{
    Q_OBJECT

private slots:

    void displayChangedOnTheSurface()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        writeBody(app, QStringLiteral("page.htm"),
                  "<p>plain text</p><table border=1><tr><td>cell</td></tr></table>"
                  "<div id=pos style=\"position: absolute; left: 300px; top: 10px\">floating</div>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));

        // Before any picture was set the tag is empty: "set" on, "delete" off.
        const QStringList inText = {QStringLiteral("deletehaikei"), QStringLiteral("mivoinsert_cell"),
                                    QStringLiteral("mivoinsert_retu"), QStringLiteral("mivoinsert_gyou"),
                                    QStringLiteral("mivodel_cell"), QStringLiteral("mivodel_gyou"),
                                    QStringLiteral("mivodel_retu"), QStringLiteral("mivocopy"), QStringLiteral("mivocut"),
                                    QStringLiteral("mivopaste"), QStringLiteral("mivoundo"), QStringLiteral("mivoredo"),
                                    QStringLiteral("mivolinkok"), QStringLiteral("mivolinkdel"),
                                    QStringLiteral("mivoindentdel"), QStringLiteral("objectgo"),
                                    QStringLiteral("mae_object"), QStringLiteral("ushiro_object"),
                                    QStringLiteral("syoshiki_clear")};
        selectText(surface, QStringLiteral("plain"), 1);
        QTRY_COMPARE(menuText(form), allBut(inText));

        // In a cell the table items come on.
        selectText(surface, QStringLiteral("cell"), 1);
        QStringList inCell = inText;
        for (const char *item : {"mivoinsert_cell", "mivoinsert_retu", "mivoinsert_gyou", "mivodel_cell", "mivodel_gyou", "mivodel_retu"})
            inCell.removeAll(QLatin1String(item));
        QTRY_COMPARE(menuText(form), allBut(inCell));

        // A positioned element selected: 5039 is available, so the lists go off and the layer items on.
        QVERIFY(surface->evaluate(QStringLiteral("__tvl.selectElement(document.getElementById('pos'))")));
        QTRY_COMPARE(menuText(form), allBut({QStringLiteral("deletehaikei"), QStringLiteral("mivoinsert_cell"),
                                             QStringLiteral("mivoinsert_retu"), QStringLiteral("mivoinsert_gyou"),
                                             QStringLiteral("mivodel_cell"), QStringLiteral("mivodel_gyou"),
                                             QStringLiteral("mivodel_retu"), QStringLiteral("mivopaste"),
                                             QStringLiteral("mivoundo"), QStringLiteral("mivoredo"),
                                             QStringLiteral("mivolinkdel"), QStringLiteral("mivoindentdel"),
                                             QStringLiteral("lists")}));
        selectText(surface, QStringLiteral("plain"), 1);
        QTRY_COMPARE(menuText(form), allBut(inText));

        // A page whose BODY tag holds the picture's tag: "delete" on, "set" off, once it is loaded.
        app.shared().BodyBackgroundTag = QStringLiteral("<BODY background=p.gif bgProperties=none");
        writeBytes(app.file(QStringLiteral("pictured.htm")),
                   "<html><body background=p.gif bgProperties=none><p>plain text</p></body></html>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("pictured.htm"))));
        QTRY_VERIFY(form.menus().item(QStringLiteral("deletehaikei"))->isEnabled());
        QVERIFY(!form.menus().item(QStringLiteral("haikeisettei"))->isEnabled());
        QCOMPARE(form.richTextBox(1)->text(),
                 QStringLiteral("<HTML><HEAD></HEAD><BODY background=p.gif bgProperties=none><P>plain text</P></BODY></HTML>"));

        // Run mode: the browser item goes off and the lists stay off after every change.
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        QVERIFY(surface->evaluate(QStringLiteral("getSelection().selectAllChildren(document.body)")));
        QTRY_VERIFY(!form.menus().item(QStringLiteral("go_ie40"))->isEnabled());
        QVERIFY(!form.combo(1)->isEnabled());
        QVERIFY(!form.combo(2)->isEnabled());
        QVERIFY(!form.menus().item(QStringLiteral("mivomake_hyou"))->isEnabled());
        form.Command4_Click();
        selectText(surface, QStringLiteral("plain"), 1);
        QTRY_VERIFY(form.menus().item(QStringLiteral("go_ie40"))->isEnabled());
        QVERIFY(form.combo(1)->isEnabled());
    }


    void contextMenuOnTheSurface()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        MenuRecorder menu;
        menu.install(surface);
        writeBody(app, QStringLiteral("page.htm"),
                  "<p>plain <a href=x.htm>link</a> text</p>"
                  "<div id=pos style=\"position: absolute; left: 300px; top: 10px\">floating</div>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));

        // Edit mode, a bare caret in plain text, nothing to paste or undo.
        selectText(surface, QStringLiteral("plain"), 1);
        rightClick(surface, menu);
        QCOMPARE(menu.shown, 1);
        QCOMPARE(menu.texts, MenuTexts);
        //                                  0  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25
        QCOMPARE(menu.states, (QList<int>{2, 2, 2, 0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 0, 0, 2, 0, 2, 2, 0}));

        // Text selected in a link, something on the clipboard, a step to undo.
        QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
        selectText(surface, QStringLiteral("plain"), 0, 5);
        QVERIFY(surface->ExecCommand(5000, 1));
        selectText(surface, QStringLiteral("link"), 0, 4);
        rightClick(surface, menu);
        QCOMPARE(menu.states, (QList<int>{0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0}));

        // A right click off the selection first takes the caret there, as a left click would.
        QTest::mouseClick(surface->view()->focusProxy(), Qt::RightButton, {}, wordPoint(surface, QStringLiteral("text")));
        QTRY_COMPARE(menu.shown, 3);
        QCOMPARE(js(surface, QStringLiteral("getSelection().isCollapsed + ' ' + getSelection().anchorNode.data")),
                 QStringLiteral("true  text"));
        QCOMPARE(menu.states.mid(0, 3), (QList<int>{2, 2, 0}));
        QCOMPARE(menu.states.mid(23, 2), (QList<int>{2, 2}));

        // A positioned element selected: the three object items come on.
        QVERIFY(surface->evaluate(QStringLiteral("__tvl.selectElement(document.getElementById('pos'))")));
        rightClick(surface, menu);
        QCOMPARE(menu.states.mid(16, 3), (QList<int>{0, 0, 0}));

        // The keyboard's menu key reaches the same menu through the engine.
        selectWord(surface, QStringLiteral("link"));
        surface->view()->setFocus();
        QTest::keyClick(surface->view()->focusProxy(), Qt::Key_Menu);
        QTRY_COMPARE(menu.shown, 5);
        QCOMPARE(menu.states.mid(0, 3), (QList<int>{0, 0, 0}));
        QCOMPARE(menu.states.mid(23, 2), (QList<int>{0, 0}));

        // Run mode: "ブラウズ" off, "編集" selectable, the editing items off.
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        selectText(surface, QStringLiteral("plain"), 1);
        rightClick(surface, menu);
        QCOMPARE(menu.texts, MenuTexts);
        QCOMPARE(menu.states, (QList<int>{2, 2, 2, 0, 2, 0, 0, 2, 0, 0, 0, 0, 0, 2, 2, 0, 2, 2, 2, 0, 2, 2, 0, 2, 2, 0}));
    }

    void contextMenuActions()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        MenuRecorder menu;
        menu.install(surface);
        auto choose = [&](int index) {
            menu.answer = index;
            rightClick(surface, menu);
        };
        writeBody(app, QStringLiteral("page.htm"),
                  "<p>alpha beta gamma</p><p>second line</p>"
                  "<div id=pos style=\"position: absolute; left: 300px; top: 10px\">floating</div>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
        const QString floating = QStringLiteral("<DIV id=pos style=\"position: absolute; left: 300px; top: 10px\">floating</DIV>");

        // Copy, cut and paste go through the menu bar's procedures.
        QGuiApplication::clipboard()->clear();
        selectText(surface, QStringLiteral("alpha"), 0, 5);
        choose(0);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
        selectText(surface, QStringLiteral("gamma"), 10, 16);
        choose(1);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" gamma"));
        QTRY_COMPARE(body(surface), QStringLiteral("<P>alpha beta</P><P>second line</P>") + floating);
        selectText(surface, QStringLiteral("second"), 6);
        choose(2);
        QCOMPARE(body(surface), QStringLiteral("<P>alpha beta</P><P>second gamma line</P>") + floating);

        // Undo takes the paste back; select all selects the page.
        choose(7);
        QCOMPARE(body(surface), QStringLiteral("<P>alpha beta</P><P>second line</P>") + floating);
        choose(8);
        QCOMPARE(js(surface, QStringLiteral("getSelection().toString()")), QStringLiteral("alpha beta\n\nsecond line\n\nfloating"));

        // Lists.
        selectText(surface, QStringLiteral("alpha"), 1);
        choose(13);
        QVERIFY2(body(surface).contains(QStringLiteral("<UL><LI>alpha beta</LI></UL>")), qPrintable(body(surface)));
        choose(14);
        QVERIFY(body(surface).contains(QStringLiteral("<OL><LI>alpha beta</LI></OL>")));
        QVERIFY(!body(surface).contains(QStringLiteral("<UL>")));

        // The object items on the positioned element: into the text and back, above and below the text.
        QVERIFY(surface->evaluate(QStringLiteral("__tvl.selectElement(document.getElementById('pos'))")));
        choose(17);
        QVERIFY2(body(surface).endsWith(QStringLiteral("top: 10px; z-index: 1;\">floating</DIV>")), qPrintable(body(surface)));
        choose(18);
        QVERIFY(body(surface).endsWith(QStringLiteral("top: 10px; z-index: -1;\">floating</DIV>")));
        choose(16);
        QVERIFY2(body(surface).endsWith(QStringLiteral("<DIV id=pos>floating</DIV>")), qPrintable(body(surface)));

        // Remove format on a selection.
        selectWord(surface, QStringLiteral("second"));
        QVERIFY(surface->ExecCommand(5000, 1));
        QVERIFY(body(surface).contains(QStringLiteral("<P><B>second</B> line</P>")));
        selectWord(surface, QStringLiteral("second"));
        choose(21);
        QVERIFY(body(surface).contains(QStringLiteral("<P>second line</P>")));

        // Link: the link dialog; unlink takes it off again.
        selectWord(surface, QStringLiteral("second"));
        ModalDriver link([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            QCOMPARE(d->windowTitle(), QStringLiteral("リンク先の指定"));
            auto *address = d->findChild<QLineEdit *>(QStringLiteral("Text1"));
            QCOMPARE(address->text(), QStringLiteral("http://"));
            address->setText(QStringLiteral("http://tova.example/"));
            d->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        });
        choose(23);
        QVERIFY(link.ran());
        QVERIFY2(body(surface).contains(QStringLiteral("<P><A href=http://tova.example/>second</A> line</P>")), qPrintable(body(surface)));
        selectText(surface, QStringLiteral("second"), 2);
        choose(24);
        QVERIFY(body(surface).contains(QStringLiteral("<P>second line</P>")));

        // Font and find show the surface's dialogs; the source item the source window.
        selectWord(surface, QStringLiteral("line"));
        ModalDriver font([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            QCOMPARE(d->windowTitle(), QStringLiteral("フォント"));
            d->findChild<QCheckBox *>(QStringLiteral("bold"))->setChecked(true);
            d->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        });
        choose(20);
        QVERIFY(font.ran());
        QVERIFY2(body(surface).contains(QStringLiteral("<P>second <B>line</B></P>")), qPrintable(body(surface)));
        for (const auto &[index, title] : QList<QPair<int, QString>>{{11, QStringLiteral("検索")}, {10, QStringLiteral("HTML Source")}}) {
            QString seen;
            ModalDriver look([&seen](QDialog *d) {
                const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
                seen = d->windowTitle();
                d->reject();
            });
            choose(index);
            QCOMPARE(seen, title);
        }

        // Separators and places beyond the menu do nothing.
        const QString before = surface->DocumentHTML();
        for (int index : {3, 6, 9, 12, 15, 19, 22, 25, 26, 40})
            choose(index);
        QCOMPARE(surface->DocumentHTML(), before);
        QVERIFY(!surface->BrowseMode());
        QVERIFY(app.boxes.shown.isEmpty());

        // Into run mode and back; the menu bar's mode items are left as they were.
        choose(4);
        QVERIFY(surface->BrowseMode());
        QCOMPARE(app.boxes.texts(), QStringList{RunMessage});
        QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text(), QStringLiteral("実行モード"));
        QVERIFY(form.menus().item(QStringLiteral("go_browse"))->isEnabled());
        QVERIFY(form.menus().item(QStringLiteral("go_hennsyuu"))->isEnabled());
        choose(5);
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text(), QStringLiteral("編集モード"));
        QVERIFY(form.menus().item(QStringLiteral("go_browse"))->isEnabled());
    }

    void runModeAndBack()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        auto *text4 = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        QAction *browse = form.menus().item(QStringLiteral("go_browse"));
        QAction *edit = form.menus().item(QStringLiteral("go_hennsyuu"));
        const QColor normal = form.richTextBox(3)->backColor();
        QCOMPARE(base(text4), normal);
        QVERIFY(browse->isEnabled() && edit->isEnabled());

        // A new, empty page can run: nothing about its content is asked.
        browse->trigger();
        QVERIFY(surface->BrowseMode());
        QCOMPARE(app.boxes.texts(), QStringList{RunMessage});
        QCOMPARE(text4->text(), QStringLiteral("実行モード"));
        QCOMPARE(base(text4), QColor(255, 0, 0));
        QVERIFY(!form.combo(1)->isEnabled());
        QVERIFY(!form.combo(2)->isEnabled());
        QVERIFY(!browse->isEnabled());
        QVERIFY(edit->isEnabled());

        edit->trigger();
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(text4->text(), QStringLiteral("編集モード"));
        QCOMPARE(base(text4), normal);
        QVERIFY(form.combo(1)->isEnabled());
        QVERIFY(form.combo(2)->isEnabled());
        QVERIFY(browse->isEnabled());
        QVERIFY(!edit->isEnabled());

        // The page runs from "\BrowseTemp.htm", rewritten with lang='ja'; edit mode does not reload.
        writeBody(app, QStringLiteral("page.htm"), "<p>run me</p>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
        app.boxes.shown.clear();
        form.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        QVERIFY(surface->BrowseMode());
        QCOMPARE(app.boxes.texts(), QStringList{RunMessage});
        QCOMPARE(readBytes(app.file(QStringLiteral("BrowseTemp.htm"))),
                 QByteArray("<HTML lang='ja'><HEAD></HEAD><BODY><P>run me</P></BODY></HTML>\r\n\r\n"));
        QCOMPARE(text4->text(), QStringLiteral("実行モード"));
        // The hidden buttons leave the menu items alone.
        QVERIFY(browse->isEnabled());
        QVERIFY(!edit->isEnabled());
        form.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(text4->text(), QStringLiteral("編集モード"));
        QVERIFY(form.combo(1)->isEnabled());
        QCOMPARE(surface->DocumentHTML(), QStringLiteral("<HTML lang=ja><HEAD></HEAD><BODY><P>run me</P></BODY></HTML>"));

        // A program folder that cannot be written (an installation): the page runs from the user's cache.
        app.boxes.shown.clear();
        const QString temp = app.file(QStringLiteral("BrowseTemp.htm"));
        QVERIFY(QFile::remove(temp));
        QTemporaryDir cacheHome;
        UnprivilegedFiles::openToAll(cacheHome.path());
        QFile::setPermissions(cacheHome.path(), QFile::permissions(cacheHome.path()) | QFile::WriteOther | QFile::WriteGroup);
        const QByteArray keptCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome.path()));
        const QString cached = cacheHome.path() + QStringLiteral("/tovaleaf/BrowseTemp.htm");
        UnprivilegedFiles::openToAll(app.path());
        UnprivilegedFiles::readOnly(app.path());
        {
            UnprivilegedFiles asUser;
            browse->trigger();
        }
        QCOMPARE(app.boxes.texts(), QStringList{RunMessage});
        QVERIFY(surface->BrowseMode());
        QVERIFY(!QFile::exists(temp));
        QCOMPARE(readBytes(cached), QByteArray("<HTML lang=ja><HEAD></HEAD><BODY><P>run me</P></BODY></HTML>\r\n\r\n"));
        edit->trigger();
        QVERIFY(!surface->BrowseMode());

        // Nor the cache: told why, and the program stays in edit mode.
        app.boxes.shown.clear();
        QVERIFY(QFile::remove(cached));
        QFile::setPermissions(cacheHome.path() + QStringLiteral("/tovaleaf"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        {
            UnprivilegedFiles asUser;
            browse->trigger();
        }
        QFile::setPermissions(cacheHome.path() + QStringLiteral("/tovaleaf"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        UnprivilegedFiles::openToAll(app.path());
        QFile::setPermissions(app.path(), QFile::permissions(app.path()) | QFile::WriteOwner);
        if (keptCache.isNull())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", keptCache);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY2(app.boxes.shown[0].text.startsWith(QStringLiteral("一時ページに書き込めません: %1: ").arg(cached)),
                 qPrintable(app.boxes.shown[0].text));
        QVERIFY(!surface->BrowseMode());
        QVERIFY(!QFile::exists(cached));
        QCOMPARE(text4->text(), QStringLiteral("編集モード"));
        QCOMPARE(base(text4), normal);
        QVERIFY(form.combo(1)->isEnabled());
        QVERIFY(browse->isEnabled());
        QVERIFY(!edit->isEnabled());
        QCOMPARE(surface->DocumentHTML(), QStringLiteral("<HTML lang=ja><HEAD></HEAD><BODY><P>run me</P></BODY></HTML>"));
    }
};

TOVALEAF_TEST_MAIN(TestEditorEvents)
#include "tst_editorevents.moc"
