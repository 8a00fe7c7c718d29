#include "support/ModalDriver.h"
#include "support/DialogFields.h"
#include "support/TestSupport.h"

#include "effects/Form10.h"
#include "effects/Form17.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace DialogFields;
using namespace TestSupport;

// The colour-change buttons dialog and the button-with-event dialog.
class TestColorChange : public QObject
{
    Q_OBJECT

private:
    static void add(Form17 &dialog, const QString &caption, const QString &link)
    {
        setText(&dialog, "Text3", caption);
        setText(&dialog, "Text4", link);
        click(&dialog, "Command3");
    }
    static QString tag(int n, const QString &font, const QString &size, const QString &colour, const QString &caption)
    {
        const QString k = QString::number(n);
        return QStringLiteral("<Button ID=MIVO%1 onmouseover=\"go_in(%1)\" onmouseout=\"go_out(%1)\" onclick=\"go_link(%1)\" "
                              "STYLE=\"font-family:%2;font-size:%3;Color:%4;\">%5</Button>")
            .arg(k, font, size, colour, caption);
    }

private slots:
    void colourChangeLoadAndFieldRules()
    {
        TestApp app;
        Form1 form(app.context);
        Form17 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("文字色設定(10項目以上の設定は出来ません。)"));
        for (const char *off : {"Command3", "Command5", "Command4", "Command1"})
            QVERIFY2(!field<QPushButton>(&dialog, off)->isEnabled(), off);
        QCOMPARE(field<QComboBox>(&dialog, "Combo1")->currentText(), QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(field<QComboBox>(&dialog, "Combo1")->count(), 10);
        QCOMPARE(field<QComboBox>(&dialog, "Combo1")->itemText(9), QStringLiteral("Verdana"));
        QCOMPARE(field<QComboBox>(&dialog, "Combo2")->currentText(), QStringLiteral("9"));
        QCOMPARE(field<QComboBox>(&dialog, "Combo3")->currentText(), QString());
        QCOMPARE(field<QLabel>(&dialog, "Label4")->text(), QString());

        setText(&dialog, "Text3", QStringLiteral("a"));
        QVERIFY(field<QPushButton>(&dialog, "Command1")->isEnabled());
        QVERIFY(field<QPushButton>(&dialog, "Command5")->isEnabled());
        QVERIFY(field<QComboBox>(&dialog, "Combo3")->isEnabled());
        setText(&dialog, "Text3", QString());
        QVERIFY(!field<QPushButton>(&dialog, "Command5")->isEnabled());
        QVERIFY(!field<QComboBox>(&dialog, "Combo3")->isEnabled());

        // The kind of link: "ﾘﾝｸ" fills in the scheme; "ｼﾞｬﾝﾌﾟ" takes it away only while it stands alone.
        setText(&dialog, "Text3", QStringLiteral("a"));
        choose(&dialog, "Combo3", QStringLiteral("ﾘﾝｸ"));
        QCOMPARE(field<QLineEdit>(&dialog, "Text4")->text(), QStringLiteral("http://"));
        QVERIFY(field<QPushButton>(&dialog, "Command3")->isEnabled());
        choose(&dialog, "Combo3", QStringLiteral("ｼﾞｬﾝﾌﾟ"));
        QCOMPARE(field<QLineEdit>(&dialog, "Text4")->text(), QString());
        QVERIFY(!field<QPushButton>(&dialog, "Command3")->isEnabled());
        setText(&dialog, "Text4", QStringLiteral("http://x"));
        choose(&dialog, "Combo3", QStringLiteral("ｼﾞｬﾝﾌﾟ"));
        QCOMPARE(field<QLineEdit>(&dialog, "Text4")->text(), QStringLiteral("http://x"));

        // The page file picker: filter, and the name it holds afterwards.
        app.dialogs.fileNames.enqueue(QStringLiteral("/pages/next.htm"));
        click(&dialog, "Command5");
        QCOMPARE(app.dialogs.filtersSeen.last(), CommonDialog::toQtFilter(QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html")));
        QCOMPARE(form.commonDialog()->Flags, 6144);
        QCOMPARE(field<QLineEdit>(&dialog, "Text4")->text(), QStringLiteral("/pages/next.htm"));
        click(&dialog, "Command5"); // cancelled: the name from before
        QCOMPARE(field<QLineEdit>(&dialog, "Text4")->text(), QStringLiteral("/pages/next.htm"));
        // A typed link stays when the picker is cancelled.
        setText(&dialog, "Text4", QStringLiteral("typed.htm"));
        click(&dialog, "Command5");
        QCOMPARE(field<QLineEdit>(&dialog, "Text4")->text(), QStringLiteral("typed.htm"));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void tenButtonsEleventhRefusedDeleteAllAndOk()
    {
        TestApp app;
        Form1 form(app.context);
        Module1 &shared = app.shared();
        Form17 dialog(form.dialogOwner());
        setText(&dialog, "Text1", QStringLiteral("navy"));
        setText(&dialog, "Text2", QStringLiteral("red"));
        field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("Verdana"));
        field<QComboBox>(&dialog, "Combo2")->setEditText(QStringLiteral("12"));
        for (int i = 0; i < 10; ++i)
            add(dialog, QStringLiteral("b%1").arg(i), QStringLiteral("p%1.htm").arg(i));
        QCOMPARE(dialog.itemCount(), 10);
        QCOMPARE(field<QLabel>(&dialog, "Label4")->text(), QStringLiteral("10"));
        QCOMPARE(shared.ButtonTags[0], tag(0, QStringLiteral("Verdana"), QStringLiteral("12pt"), QStringLiteral("navy"), QStringLiteral("b0")));
        QCOMPARE(shared.ButtonTags[9], tag(9, QStringLiteral("Verdana"), QStringLiteral("12pt"), QStringLiteral("navy"), QStringLiteral("b9")));
        QCOMPARE(shared.ButtonLinks[9], QStringLiteral("p9.htm"));
        QCOMPARE(field<QLineEdit>(&dialog, "Text3")->text(), QString());
        QCOMPARE(field<QLineEdit>(&dialog, "Text4")->text(), QString());

        add(dialog, QStringLiteral("b10"), QStringLiteral("p10.htm"));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("10項目以上は設定できません。")});
        QCOMPARE(dialog.itemCount(), 10);
        QCOMPARE(field<QListWidget>(&dialog, "List1")->count(), 10);
        QCOMPARE(shared.ButtonTags[10], QString());
        QCOMPARE(field<QLineEdit>(&dialog, "Text3")->text(), QStringLiteral("b10"));

        // "全て削除": then OK is refused; an add after it starts again at MIVO0.
        app.boxes.shown.clear();
        click(&dialog, "Command4");
        QCOMPARE(field<QListWidget>(&dialog, "List1")->count(), 0);
        QCOMPARE(shared.ButtonTags[3], QString());
        QCOMPARE(shared.ButtonLinks[3], QStringLiteral("p3.htm"));
        QCOMPARE(field<QLabel>(&dialog, "Label4")->text(), QStringLiteral("10"));
        click(&dialog, "Command1");
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("設定項目がありません！")});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("IMPACT"));
        field<QComboBox>(&dialog, "Combo2")->setEditText(QStringLiteral("9"));
        setText(&dialog, "Text1", QStringLiteral("black"));
        add(dialog, QStringLiteral("again"), QStringLiteral("http://example.org/"));
        QCOMPARE(shared.ButtonTags[0], tag(0, QStringLiteral("IMPACT"), QStringLiteral("9pt"), QStringLiteral("black"), QStringLiteral("again")));
        QCOMPARE(field<QLabel>(&dialog, "Label4")->text(), QStringLiteral("1"));
        QCOMPARE(shared.ButtonColor1, QStringLiteral("black"));
        QCOMPARE(shared.ButtonColor2, QStringLiteral("red"));
    }

    void tenButtonsOnThePage()
    {
        TestApp app;
        Form1 form(app.context);
        Module1 &shared = app.shared();
        ModalDriver driver([&](QDialog *d) {
            auto &dialog = *static_cast<Form17 *>(d);
            setText(&dialog, "Text1", QStringLiteral("navy"));
            setText(&dialog, "Text2", QStringLiteral("red"));
            for (int i = 0; i <= 10; ++i)
                add(dialog, QStringLiteral("b%1").arg(i), QStringLiteral("p%1.htm").arg(i));
            click(&dialog, "Command1");
        });
        form.findChild<QComboBox *>(QStringLiteral("Combo2"))->setEditText(QStringLiteral("ﾏｳｽで色が変わる文字"));
        form.Combo2_Click();
        QVERIFY(driver.ran());
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("10項目以上は設定できません。"), QStringLiteral("ブラウズモードで確認します！")}));
        QString joined;
        for (int i = 0; i < 10; ++i)
            joined += shared.ButtonTags[i];
        QCOMPARE(shared.ButtonTags[9], tag(9, QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("9pt"), QStringLiteral("navy"), QStringLiteral("b9")));
        const QString page = body(form.surface());
        QCOMPARE(page.count(QStringLiteral("<BUTTON id=MIVO")), 10);
        QVERIFY(page.startsWith(QStringLiteral("<BUTTON id=MIVO0 onmouseover=go_in(0) onmouseout=go_out(0) onclick=go_link(0) "
                                               "style=\"font-family:ＭＳ Ｐ明朝;font-size:9pt;Color:navy;\">b0</BUTTON>")));
        QVERIFY(page.contains(QStringLiteral(">b9</BUTTON><INPUT type=text value=ﾃｷｽﾄﾎﾞｯｸｽ>\n<SCRIPT type=text/vbscript>")));
        QVERIFY(page.contains(QStringLiteral("Array(\"p0.htm\", \"p1.htm\", \"p2.htm\", \"p3.htm\", \"p4.htm\", \"p5.htm\", \"p6.htm\", "
                                             "\"p7.htm\", \"p8.htm\", \"p9.htm\")")));
        QVERIFY(page.contains(QStringLiteral("style.color = \"red\"")));
        QVERIFY(page.contains(QStringLiteral("style.color = \"navy\"")));
        QVERIFY(form.surface()->BrowseMode());
    }

    void linksOfAnEarlierUseFillTheMissingNumbers()
    {
        TestApp app;
        Form1 form(app.context);
        {
            Form17 earlier(form.dialogOwner());
            for (int i = 0; i < 4; ++i)
                add(earlier, QStringLiteral("old%1").arg(i), QStringLiteral("old%1.htm").arg(i));
            click(&earlier, "Command2");
        }
        QCOMPARE(form.surface()->DocumentHTML(), QString());
        app.shared().EffectKind = Effect::ColorChangeText; // as the effects list leaves it
        {
            Form17 dialog(form.dialogOwner());
            add(dialog, QStringLiteral("new"), QStringLiteral("new.htm"));
            click(&dialog, "Command1");
        }
        const QString page = body(form.surface());
        QVERIFY2(page.contains(QStringLiteral("Array(\"new.htm\", \"old1.htm\", \"old2.htm\", \"old3.htm\", \"\", \"\", \"\", \"\", \"\", \"\")")),
                 qPrintable(page));
        QCOMPARE(page.count(QStringLiteral("<BUTTON")), 1);
    }

    void buttonWithEvent()
    {
        TestApp app;
        Form1 form(app.context);
        Module1 &shared = app.shared();
        {
            Form10 dialog(form.dialogOwner());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Form10"));
            QCOMPARE(field<QLineEdit>(&dialog, "Text3")->text(), QStringLiteral("タイトル"));
            QCOMPARE(field<QPlainTextEdit>(&dialog, "Text1")->toPlainText(), QStringLiteral("ようこそ！私のホームページへ。"));
            QVERIFY(!field<QPlainTextEdit>(&dialog, "Text1")->isEnabled());
            QVERIFY(!field<QLineEdit>(&dialog, "Text2")->isEnabled());
            QVERIFY(!field<QPushButton>(&dialog, "Command1")->isEnabled());
            QCOMPARE(field<QComboBox>(&dialog, "Combo1")->currentText(), QString());

            click(&dialog, "Command2");
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("未入力個所があります！")});
            choose(&dialog, "Combo1", QStringLiteral("onclick"));
            choose(&dialog, "Combo2", QStringLiteral("ﾒｯｾｰｼﾞ"));
            QVERIFY(field<QPlainTextEdit>(&dialog, "Text1")->isEnabled());
            click(&dialog, "Command2");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(shared.SnippetHtml,
                 QStringLiteral("<BUTTON TITLE=Button LANGUAGE=VBSCRIPT onclick='MsgBox\"ようこそ！私のホームページへ。\"'>タイトル</BUTTON>"));
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<BUTTON title=Button language=VBSCRIPT onclick=\"MsgBox&quot;ようこそ！私のホームページへ。&quot;\">タイトル</BUTTON>"));

        // URL left at "http://", with a hand-typed event name.
        app.boxes.shown.clear();
        {
            Form10 dialog(form.dialogOwner());
            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("onfocus"));
            choose(&dialog, "Combo2", QStringLiteral("URL"));
            QCOMPARE(field<QLineEdit>(&dialog, "Text2")->text(), QStringLiteral("http://"));
            QVERIFY(!field<QPlainTextEdit>(&dialog, "Text1")->isEnabled());
            QVERIFY(!field<QPushButton>(&dialog, "Command1")->isEnabled());
            click(&dialog, "Command2");
        }
        QCOMPARE(shared.SnippetHtml,
                 QStringLiteral("<BUTTON TITLE=Button LANGUAGE=VBSCRIPT onfocus='Window.location.href=\"http://\"'>タイトル</BUTTON>"));
        QCOMPARE(shared.ButtonJumpTarget, QStringLiteral("http://"));

        // A jump: without a target it is refused; the markup follows the fields as they stand at OK.
        {
            Form10 dialog(form.dialogOwner());
            choose(&dialog, "Combo1", QStringLiteral("onmouseover"));
            choose(&dialog, "Combo2", QStringLiteral("ｼﾞｬﾝﾌﾟ"));
            QVERIFY(field<QPushButton>(&dialog, "Command1")->isEnabled());
            click(&dialog, "Command2");
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("リンク先が不定です。")});
            app.dialogs.fileNames.enqueue(QStringLiteral("/site/next.htm"));
            click(&dialog, "Command1");
            QCOMPARE(app.dialogs.filtersSeen.last(), CommonDialog::toQtFilter(QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html")));
            QCOMPARE(field<QLineEdit>(&dialog, "Text2")->text(), QStringLiteral("/site/next.htm"));
            QCOMPARE(shared.SnippetHtml,
                     QStringLiteral("<BUTTON TITLE=Button LANGUAGE=VBSCRIPT onmouseover='Window.location.href=\"/site/next.htm\"'>タイトル</BUTTON>"));
            setText(&dialog, "Text3", QStringLiteral("次へ"));
            click(&dialog, "Command2");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(shared.SnippetHtml,
                 QStringLiteral("<BUTTON TITLE=Button LANGUAGE=VBSCRIPT onmouseover='Window.location.href=\"/site/next.htm\"'>次へ</BUTTON>"));
        QCOMPARE(body(form.surface()).count(QStringLiteral("<BUTTON")), 3);

        // The content is checked for every action; an action that is no entry inserts nothing.
        app.boxes.shown.clear();
        {
            Form10 dialog(form.dialogOwner());
            choose(&dialog, "Combo1", QStringLiteral("onclick"));
            choose(&dialog, "Combo2", QStringLiteral("ﾒｯｾｰｼﾞ"));
            field<QPlainTextEdit>(&dialog, "Text1")->clear();
            choose(&dialog, "Combo2", QStringLiteral("URL"));
            click(&dialog, "Command2");
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("未入力個所があります！")});
            field<QPlainTextEdit>(&dialog, "Text1")->setPlainText(QStringLiteral("x"));
            field<QComboBox>(&dialog, "Combo2")->setEditText(QStringLiteral("何か"));
            const QString before = form.surface()->DocumentHTML();
            click(&dialog, "Command2");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(form.surface()->DocumentHTML(), before);
        }
    }

    void buttonDialogFromTheControlList()
    {
        TestApp app;
        Form1 form(app.context);
        ModalDriver driver([&](QDialog *dialog) {
            QCOMPARE(dialog->parentWidget(), &form);
            click(dialog, "Command3");
        });
        auto *list = form.findChild<QComboBox *>(QStringLiteral("Combo1"));
        list->setEditText(QStringLiteral("ボタン"));
        form.Combo1_Click();
        QVERIFY(driver.ran());
        QCOMPARE(driver.seen(), QStringLiteral("Form10"));
        QCOMPARE(form.surface()->DocumentHTML(), QString());
    }
};

TOVALEAF_TEST_MAIN(TestColorChange)
#include "tst_colorchange.moc"
