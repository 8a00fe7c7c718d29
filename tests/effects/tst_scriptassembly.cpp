#include "support/TestSupport.h"

#include "effects/EffectTemplate.h"
#include "effects/ScriptStep.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

using namespace TestSupport;

// The script step: template, placeholders, control markup, script block, run mode.
class TestScriptAssembly : public QObject
{
    Q_OBJECT

private:
    static void verifyRunMode(Form1 &form)
    {
        QVERIFY(form.surface()->BrowseMode());
        auto *indicator = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        QCOMPARE(indicator->text(), QStringLiteral("実行モード"));
        QCOMPARE(indicator->palette().color(QPalette::Base), QColor(255, 0, 0));
        QVERIFY(!form.findChild<QComboBox *>(QStringLiteral("Combo1"))->isEnabled());
        QVERIFY(!form.findChild<QComboBox *>(QStringLiteral("Combo2"))->isEnabled());
    }
    static void verifyEditMode(Form1 &form)
    {
        QVERIFY(!form.surface()->BrowseMode());
        QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text(), QStringLiteral("編集モード"));
        QVERIFY(form.findChild<QComboBox *>(QStringLiteral("Combo1"))->isEnabled());
        QVERIFY(form.findChild<QComboBox *>(QStringLiteral("Combo2"))->isEnabled());
    }

private slots:
    // The template as the file has it, filled, becomes the script of the page that runs.
    void templateIntoTheRunningPage()
    {
        TestApp app;
        Form1 form(app.context);
        Module1 &shared = app.shared();
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>x</p></body></html>"));
        writeBytes(app.file(QStringLiteral("wave.vs")),
                   QByteArray("a [MIVO ID]\nb [MIVO ID][MIVO ID]\r") + PageEncoding::encode(QStringLiteral("波"), PageEncoding::Cp932)
                       + "\r\n[mivo id] [LINK0]");
        shared.EffectKind = Effect::WaveText;
        shared.EffectElementId = QStringLiteral("MIVO45");
        selectText(form.surface(), QStringLiteral("x"), 1);
        form.Command5_Click();
        verifyRunMode(form);
        const QString script = QStringLiteral("a MIVO45\r\nb MIVO45MIVO45\r\n波\r\n[mivo id] [LINK0]\r\n");
        QCOMPARE(shared.ScriptBlock, QStringLiteral("<SCRIPT TYPE =text/vbscript>") + script + QStringLiteral("</SCRIPT>"));
        QCOMPARE(shared.SnippetHtml, shared.ScriptBlock);
        QVERIFY2(form.surface()->DocumentHTML().contains(QStringLiteral("<SCRIPT type=text/vbscript>") + asInPage(script) + QStringLiteral("</SCRIPT>")),
                 qPrintable(form.surface()->DocumentHTML()));
    }

    void clockPageInRunMode()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        app.shared().EffectKind = Effect::Clock;
        app.shared().SnippetHtml.clear();
        form.goscript();

        const QString script = templateText(app, QStringLiteral("time.vs"));
        QVERIFY(script.endsWith(QStringLiteral("End Sub\r\n")));
        // A block pasted inside the paragraph ends it when the page is read again.
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab</P><DIV id=TimeArea style=\"background-color:silver;width:20%;text-align:center;font-family:arial black;"
                                "font-size:14pt;color:blue\"></DIV><INPUT type=button name=jikann value=STOP language=VBScript "
                                "onclick=gostop()><SCRIPT type=text/vbscript>")
                     + asInPage(script) + QStringLiteral("</SCRIPT><P></P>"));
        QCOMPARE(app.shared().ScriptBlock, QStringLiteral("<SCRIPT TYPE =text/vbscript>") + script + QStringLiteral("</SCRIPT>"));
        QCOMPARE(app.shared().SnippetHtml, app.shared().ScriptBlock);
        QCOMPARE(app.shared().EffectKind, Effect::Clock);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("Tovaleaf"));
        verifyRunMode(form);
        // The page was rewritten through the temporary page and runs from it.
        QCOMPARE(form.surface()->documentUrl().path(), app.file(QStringLiteral("scriptTemp.htm")));
        const QByteArray temp = readBytes(app.file(QStringLiteral("scriptTemp.htm")));
        QVERIFY(temp.startsWith("<HTML lang='ja'>"));
        QVERIFY(temp.contains(PageEncoding::encode(script, PageEncoding::Cp932)));
    }

    void colourChangePageInRunMode()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::ColorChangeText;
        shared.ButtonColor1 = QStringLiteral("navy");
        shared.ButtonColor2 = QStringLiteral("red");
        shared.ButtonLinks[0] = QStringLiteral("http://example.org/");
        shared.SnippetHtml = QStringLiteral("<Button ID=MIVO0 onmouseover=\"go_in(0)\">b</Button>");
        form.goscript();

        QString script = templateText(app, QStringLiteral("moji_colorChange.vs"));
        script.replace(QStringLiteral("[color1]"), QStringLiteral("navy")).replace(QStringLiteral("[color2]"), QStringLiteral("red"));
        script.replace(QStringLiteral("[LINK0]"), QStringLiteral("http://example.org/"));
        for (int i = 1; i <= 9; ++i)
            script.replace(QStringLiteral("[LINK%1]").arg(i), QString());
        QVERIFY(script.contains(QStringLiteral("Sub go_link(n)")));
        // The lone CR after the text box comes back from the rewrite as a line break.
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab<BUTTON id=MIVO0 onmouseover=go_in(0)>b</BUTTON><INPUT type=text value=ﾃｷｽﾄﾎﾞｯｸｽ>\n"
                                "<SCRIPT type=text/vbscript>")
                     + asInPage(script) + QStringLiteral("</SCRIPT></P>"));
        verifyRunMode(form);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
    }

    void filteredTextRefusedOnAPageWithLoadHandler()
    {
        TestApp app;
        Form1 form(app.context);
        const struct { qint16 code; const char *filter; } cases[] = {
            {Effect::ShadowText, "Shadow(Color=red,Direction=10)"}, {Effect::WaveText, "Wave(strength=5,freq=10,lightstrength=20)"},
            {Effect::BurningText, "Glow(strength=5,Color=RED)"}, {Effect::VanishingText, "Alpha(opacity=90,style=2)"}};
        for (const auto &c : cases) {
            app.boxes.shown.clear();
            QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p><INPUT TYPE='button' VALUE='Reload' onclick='window_onload()'></body></html>"));
            selectText(form.surface(), QStringLiteral("ab"), 2);
            app.shared().EffectKind = c.code;
            app.shared().EffectElementId = QStringLiteral("MIVO8");
            const QString element = QStringLiteral("<DIV ID=MIVO8 STYLE=\"width:100%;Filter:") + QLatin1String(c.filter)
                                    + QStringLiteral("\">ここに文字を入力</DIV>");
            app.shared().SnippetHtml = element;
            form.goscript();
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("スクリプトが記述されています。ｱｸｼｮﾝは追加できません！")});
            QCOMPARE(app.boxes.shown[0].title, QStringLiteral("Tovaleaf"));
            QCOMPARE(app.shared().EffectKind, Effect::Nothing);
            QCOMPARE(app.shared().SnippetHtml, element);
            QCOMPARE(body(form.surface()),
                     QStringLiteral("<P>ab<DIV id=MIVO8 style=\"width:100%;Filter:") + QLatin1String(c.filter)
                         + QStringLiteral("\">ここに文字を入力</DIV></P><INPUT type=button value=Reload onclick=window_onload()>"));
            verifyEditMode(form);
        }
    }

    void missingOrUnreadableTemplate()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        QFile::remove(app.file(QStringLiteral("shadow.vs")));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        app.shared().EffectKind = Effect::ShadowText;
        app.shared().SnippetHtml = QStringLiteral("<DIV ID=MIVO1>t</DIV>");
        form.goscript();
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY2(app.boxes.shown[0].text.startsWith(QStringLiteral("スクリプトのテンプレートを読み込めません: ")
                                                + app.file(QStringLiteral("shadow.vs")) + QStringLiteral(": ")),
                 qPrintable(app.boxes.shown[0].text));
        QCOMPARE(body(form.surface()), QStringLiteral("<P>ab<DIV id=MIVO1>t</DIV></P>"));
        verifyEditMode(form);

        app.boxes.shown.clear();
        QVERIFY(QFile::remove(app.file(QStringLiteral("time.vs"))));
        QVERIFY(QDir(app.path()).mkdir(QStringLiteral("time.vs")));
        app.shared().EffectKind = Effect::Clock;
        form.harituke();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("スクリプトのテンプレートを読み込めません: ") + app.file(QStringLiteral("time.vs"))
                                            + QStringLiteral(": フォルダです")});
        QCOMPARE(body(form.surface()), QStringLiteral("<P>ab<DIV id=MIVO1>t</DIV></P>"));
        verifyEditMode(form);
    }

    void dialogScriptOnceBehindItsButton()
    {
        TestApp app;
        Form1 form(app.context);
        const QString script = QStringLiteral("<SCRIPT TYPE =text/vbscript>Sub mivo_open()\r\nEnd Sub\r\nSub go()\r\nEnd Sub\r\n</SCRIPT>");
        for (qint16 code : {Effect::DialogBox, Effect::FullScreen}) {
            app.boxes.shown.clear();
            form.Command4_Click();
            QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
            selectText(form.surface(), QStringLiteral("ab"), 1);
            app.shared().EffectKind = code;
            app.shared().SnippetHtml = script;
            form.goscript();
            const QString button = code == Effect::DialogBox ? QStringLiteral("<INPUT type=button value=Open language=VBScript onclick=mivo_open()>")
                                                             : QStringLiteral("<INPUT type=button value=全画面表示実行 language=VBScript onclick=go()>");
            QCOMPARE(body(form.surface()),
                     QStringLiteral("<P>a") + button + QStringLiteral("<SCRIPT type=text/vbscript>Sub mivo_open()\nEnd Sub\nSub go()\nEnd Sub\n</SCRIPT>b</P>"));
            verifyRunMode(form);
            QStringList expected{QStringLiteral("ブラウズモードで確認します！")};
            if (code == Effect::FullScreen)
                expected << QStringLiteral("「全画面実行」ボタンをクリックして下さい．");
            QCOMPARE(app.boxes.texts(), expected);
        }
    }

    void codesOutsideTheTableDoNothing()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        const QString before = form.surface()->DocumentHTML();
        for (qint16 code : {Effect::Nothing, Effect::MovingImage, Effect::FloatingFrame, Effect::FileScreenOpened, Effect::NewPage,
                            Effect::VanishingTextWithoutScript}) {
            app.shared().EffectKind = code;
            app.shared().SnippetHtml = QStringLiteral("<B>x</B>");
            form.harituke();
            QCOMPARE(app.shared().EffectKind, code);
            QCOMPARE(app.shared().ScriptBlock, QString());
        }
        QCOMPARE(form.surface()->DocumentHTML(), before);
        verifyEditMode(form);
        QVERIFY(app.boxes.shown.isEmpty());
    }
};

TOVALEAF_TEST_MAIN(TestScriptAssembly)
#include "tst_scriptassembly.moc"
