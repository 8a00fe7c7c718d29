#include "support/ModalDriver.h"
#include "support/DialogFields.h"
#include "support/TestSupport.h"

#include "elements/Form11.h"
#include "elements/Form12.h"
#include "elements/Form5.h"
#include "elements/Form9.h"
#include "platform/ColorClearButton.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace DialogFields;
using namespace TestSupport;

// The form-control list and the floating frame, marquee, rule and select box app.dialogs.
class TestElementDialogs : public QObject
{
    Q_OBJECT

private:

private slots:
    void fixedSnippetsFromTheList()
    {
        TestApp app;
        Form1 form(app.context);
        auto *list = form.findChild<QComboBox *>(QStringLiteral("Combo1"));
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>abcd</p></body></html>"));
        selectText(form.surface(), QStringLiteral("abcd"), 1, 3);
        choose(list, QStringLiteral("テキストエリア"));
        QCOMPARE(app.shared().SnippetHtml, QStringLiteral("<TEXTAREA></TEXTAREA>"));
        QCOMPARE(body(form.surface()), QStringLiteral("<P>a<TEXTAREA></TEXTAREA>d</P>"));

        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        const struct { const char *entry; const char *snippet; const char *markup; } cases[] = {
            {"オプションボタン", "<INPUT TYPE=\"radio\">", "<INPUT type=radio>"},
            {"チェックボタン", "<INPUT TYPE=\"checkbox\">", "<INPUT type=checkbox>"},
            {"テキストボックス", "<INPUT TYPE=\"text\" NAME=\"textbox1\">", "<INPUT type=text name=textbox1>"},
            {"テキストボックス", "<INPUT TYPE=\"text\" NAME=\"textbox1\">", "<INPUT type=text name=textbox1>"},
        };
        QString expected = QStringLiteral("a");
        for (const auto &c : cases) {
            if (expected == QStringLiteral("a"))
                selectText(form.surface(), QStringLiteral("ab"), 1);
            else
                selectText(form.surface(), QStringLiteral("b"), 0);
            choose(list, QString::fromUtf8(c.entry));
            QCOMPARE(app.shared().SnippetHtml, QString::fromUtf8(c.snippet));
            expected += QString::fromUtf8(c.markup);
            QCOMPARE(body(form.surface()), QStringLiteral("<P>") + expected + QStringLiteral("b</P>"));
        }
        // A text that is no entry does nothing.
        const QString before = form.surface()->DocumentHTML();
        list->setEditText(QStringLiteral("Control"));
        form.Combo1_Click();
        QCOMPARE(form.surface()->DocumentHTML(), before);
        QVERIFY(app.boxes.shown.isEmpty());

        // Each dialog entry opens its dialog, owned by the main window.
        const struct { const char *entry; const char *dialog; } dialogs[] = {
            {"フローティングフレーム", "Form5"}, {"マーキー", "Form9"}, {"選択ボックス", "Form12"}, {"水平罫線", "Form11"}, {"ボタン", "Form10"}};
        for (const auto &d : dialogs) {
            ModalDriver driver([&](QDialog *dialog) {
                QCOMPARE(dialog->parentWidget(), &form);
                dialog->reject();
            });
            choose(list, QString::fromUtf8(d.entry));
            QVERIFY(driver.ran());
            QCOMPARE(driver.seen(), QLatin1String(d.dialog));
        }
        QCOMPARE(form.surface()->DocumentHTML(), before);

        // In run mode the list cannot be used.
        form.Command3_Click();
        QVERIFY(!list->isEnabled());
    }

    void floatingFrame()
    {
        TestApp app;
        Form1 form(app.context);
        Form5 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("フローティングフレーム設定画面"));
        QCOMPARE(field<QComboBox>(&dialog, "Combo1")->currentText(), QStringLiteral("あり"));
        auto *ok = field<QPushButton>(&dialog, "Command2");
        QVERIFY(!ok->isEnabled());
        app.dialogs.fileNames.enqueue(QStringLiteral("/pages/inner.htm"));
        click(&dialog, "Command1");
        QCOMPARE(app.dialogs.filtersSeen.last(),
                 CommonDialog::toQtFilter(QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html|全てのファイル(*.*)|*.*")));
        QCOMPARE(field<QLineEdit>(&dialog, "Text1")->text(), QStringLiteral("/pages/inner.htm"));
        QVERIFY(ok->isEnabled());
        click(&dialog, "Command1"); // cancelled: the name it held before
        QCOMPARE(field<QLineEdit>(&dialog, "Text1")->text(), QStringLiteral("/pages/inner.htm"));
        // A typed path stays when the picker is cancelled, as in the link and picture dialogs.
        setText(&dialog, "Text1", QStringLiteral("typed/frame.htm"));
        click(&dialog, "Command1");
        QCOMPARE(field<QLineEdit>(&dialog, "Text1")->text(), QStringLiteral("typed/frame.htm"));
        setText(&dialog, "Text1", QString());
        QVERIFY(!ok->isEnabled());
        setText(&dialog, "Text1", QStringLiteral("C:\\a.htm"));
        field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("なし"));
        ok->click();
        QCOMPARE(app.shared().EffectKind, Effect::FloatingFrame);
        QCOMPARE(app.shared().FrameBorder.toString(), QStringLiteral("0"));
        QCOMPARE(app.shared().SnippetHtml, QStringLiteral("<IFRAME FRAMEBORDER=0 SRC=\"C:\\a.htm\"></IFRAME>"));
        QCOMPARE(body(form.surface()), QStringLiteral("<IFRAME frameBorder=0 src=C:\\a.htm></IFRAME>"));

        Form5 again(form.dialogOwner());
        QCOMPARE(field<QLineEdit>(&again, "Text1")->text(), QString());
        setText(&again, "Text1", QStringLiteral("b.htm"));
        click(&again, "Command2");
        QCOMPARE(app.shared().SnippetHtml, QStringLiteral("<IFRAME FRAMEBORDER=1 SRC=\"b.htm\"></IFRAME>"));
    }

    void marqueeRunsWithItsCheckButton()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        {
            Form9 dialog(form.dialogOwner());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("マーキー設定画面"));
            QCOMPARE(field<QComboBox>(&dialog, "Combo1")->currentText(), QString());
            QCOMPARE(field<QComboBox>(&dialog, "Combo2")->currentText(), QString());
            QCOMPARE(field<QLineEdit>(&dialog, "Text1")->text(), QStringLiteral("Infinite"));
            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("Scroll"));
            field<QComboBox>(&dialog, "Combo2")->setEditText(QStringLiteral("Left"));
            setText(&dialog, "Text2", QStringLiteral("100"));
            setText(&dialog, "Text3", QStringLiteral("6"));
            click(&dialog, "Command1");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(app.shared().SnippetHtml,
                 QStringLiteral("<MARQUEE BEHAVIOR=Scroll DIRECTION=Left SCROLLDELAY=100 SCROLLAMOUNT=6 LOOP=Infinite>文字を入力してください。</MARQUEE>"));
        QCOMPARE(app.shared().EffectKind, Effect::Marquee);
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab<INPUT type=button value=確認 language=VBScript onclick=\"alert('実行中！')\">"
                                "<MARQUEE behavior=Scroll direction=Left scrollDelay=100 scrollAmount=6 loop=Infinite>文字を入力してください。</MARQUEE></P>"));
        QVERIFY(!body(form.surface()).contains(QStringLiteral("<SCRIPT")));
        QVERIFY(form.surface()->BrowseMode());
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});

        // Empty fields leave their attributes empty.
        form.Command4_Click();
        QVERIFY(loadPage(form.surface(), app, "<html><body></body></html>"));
        Form9 empty(form.dialogOwner());
        click(&empty, "Command1");
        QCOMPARE(app.shared().SnippetHtml,
                 QStringLiteral("<MARQUEE BEHAVIOR= DIRECTION= SCROLLDELAY= SCROLLAMOUNT= LOOP=Infinite>文字を入力してください。</MARQUEE>"));
    }

    void horizontalRule()
    {
        TestApp app;
        Form1 form(app.context);
        {
            Form11 dialog(form.dialogOwner());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("罫線の設定"));
            QCOMPARE(field<QLineEdit>(&dialog, "Text1")->text(), QStringLiteral("100"));
            QCOMPARE(field<QLineEdit>(&dialog, "Text2")->text(), QStringLiteral("2"));
            QCOMPARE(field<QLineEdit>(&dialog, "Text3")->text(), QStringLiteral("silver"));
            QCOMPARE(field<QComboBox>(&dialog, "Combo1")->currentText(), QStringLiteral("あり"));
            QCOMPARE(field<QComboBox>(&dialog, "Combo2")->currentText(), QStringLiteral("center"));
            auto *clear = field<ColorClearButton>(&dialog, "Command3");
            QCOMPARE(clear->backColor(), QColor(255, 0, 0));
            click(&dialog, "Command1");
        }
        QCOMPARE(app.shared().SnippetHtml, QStringLiteral("<HR WIDTH=\"100%\" SIZE=\"2\" COLOR=\"silver\" ALIGN=center>"));
        QCOMPARE(app.shared().RuleWidth.toString(), QStringLiteral("\"100%\""));
        QCOMPARE(app.shared().RuleShade, QString());
        QCOMPARE(body(form.surface()), QStringLiteral("<HR width=100% size=2 color=silver align=center>"));
        {
            Form11 dialog(form.dialogOwner());
            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("なし"));
            field<QComboBox>(&dialog, "Combo2")->setEditText(QStringLiteral("left"));
            click(&dialog, "Command3");
            QCOMPARE(field<QLineEdit>(&dialog, "Text3")->text(), QString());
            click(&dialog, "Command1");
        }
        QCOMPARE(app.shared().SnippetHtml, QStringLiteral("<HR WIDTH=\"100%\" SIZE=\"2\" noshade COLOR=\"\" ALIGN=left>"));
        QCOMPARE(app.shared().RuleShade, QStringLiteral("noshade"));
        {
            // A shade text that is no entry: nothing happens, the dialog stays.
            Form11 dialog(form.dialogOwner());
            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("少し"));
            const QString before = form.surface()->DocumentHTML();
            click(&dialog, "Command1");
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(form.surface()->DocumentHTML(), before);
        }
    }

    void selectBoxItems()
    {
        TestApp app;
        Form1 form(app.context);
        Form12 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("項目設定"));
        auto *add = field<QPushButton>(&dialog, "Command1");
        auto *ok = field<QPushButton>(&dialog, "Command2");
        auto *items = field<QListWidget>(&dialog, "List1");
        QVERIFY(!add->isEnabled());
        QVERIFY(!ok->isEnabled());
        setText(&dialog, "Text1", QStringLiteral("赤"));
        QVERIFY(add->isEnabled());
        add->click();
        QVERIFY(!add->isEnabled());
        QVERIFY(ok->isEnabled());
        QCOMPARE(field<QLineEdit>(&dialog, "Text1")->text(), QString());
        setText(&dialog, "Text1", QStringLiteral("青"));
        add->click();
        QCOMPARE(items->count(), 2);
        QCOMPARE(dialog.sourceText(), QStringLiteral("<OPTION>赤</OPTION>\r\n<OPTION>青</OPTION>\r\n"));

        // Removing an item from the list leaves its source line.
        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        emit items->itemClicked(items->item(0));
        QCOMPARE(items->count(), 2);
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        emit items->itemClicked(items->item(0));
        QCOMPARE(items->count(), 1);
        QCOMPARE(items->item(0)->text(), QStringLiteral("青"));
        QCOMPARE(app.boxes.shown.size(), 3);
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("赤を削除しますか？"));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::OkCancel);
        QCOMPARE(app.boxes.shown[2].text, QStringLiteral("ソースの削除も行ってください。"));
        QCOMPARE(app.boxes.shown[2].title, QStringLiteral("確認"));
        QCOMPARE(items->count(), 1);
        QCOMPARE(dialog.sourceText(), QStringLiteral("<OPTION>赤</OPTION>\r\n<OPTION>青</OPTION>\r\n"));

        // "全削除" empties both and disables OK until the next add.
        click(&dialog, "Command4");
        QCOMPARE(items->count(), 0);
        QCOMPARE(dialog.sourceText(), QString());
        QVERIFY(!ok->isEnabled());
        setText(&dialog, "Text1", QStringLiteral("一"));
        add->click();
        field<QPlainTextEdit>(&dialog, "Text2")->appendPlainText(QStringLiteral("<OPTION>二</OPTION>"));
        ok->click();
        QCOMPARE(app.shared().SnippetHtml,
                 QStringLiteral("<FORM><SELECT><OPTION>一</OPTION>\r\n\r\n<OPTION>二</OPTION></SELECT></FORM>"));
        QCOMPARE(body(form.surface()), QStringLiteral("<FORM><SELECT><OPTION>一</OPTION>\n\n<OPTION>二</OPTION></SELECT></FORM>"));
    }
};

TOVALEAF_TEST_MAIN(TestElementDialogs)
#include "tst_elementdialogs.moc"
