#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QFile>
#include <QImage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

using namespace TestSupport;

// VBScript pages in run mode, on the real engine offscreen.
class TestVbScriptRunMode : public QObject
{
    Q_OBJECT

private:
    static QString text(DhtmlEdit *surface, const QString &id)
    {
        return js(surface, QStringLiteral("document.getElementById('%1').textContent").arg(id));
    }

private slots:
    void eventSubsHandlersAndMessages()
    {
        TestApp app;
        app.boxes.answers.enqueue(MessageBoxes::Answer::No);
        DhtmlEdit surface(app.context);
        const QByteArray page =
            "<html><head><title>vb</title>\n"
            "<script language=\"VBScript\">\n"
            "Dim count, answer\n"
            "Sub window_onload()\n"
            "  answer = MsgBox(\"loaded \" & Len(\"abc\"), vbYesNo + vbQuestion, \"Title\")\n"
            "  document.all(\"out\").innerText = \"answer \" & answer\n"
            "End Sub\n"
            "Sub Btn_OnClick()\n"
            "  count = count + 1\n"
            "  Out.innerText = \"clicked \" & count\n"
            "End Sub\n"
            "</script></head><body>\n"
            "<input type=button id=btn value=go><div id=out></div>\n"
            "<span id=s2 language=vbscript onclick=\"out.innerText = UCase(&quot;abc&quot;) & Space(1) & TypeName(1.5)\">x</span>\n"
            "<span id=s3 onclick=\"Call Shout\">y</span>\n"
            "<script>function fromJs() { document.getElementById('out').textContent = 'js:' + Twice(21); }</script>\n"
            "<script type=\"text/vbscript\">\n"
            "Function Twice(n)\n"
            "  Twice = n * 2\n"
            "End Function\n"
            "Sub Shout\n"
            "  out.innerText = \"shout\"\n"
            "End Sub\n"
            "Sub bad_onclick\n"
            "  x = 1 / 0\n"
            "End Sub\n"
            "</script>\n"
            "<button id=bad>bad</button><button id=jsb onclick=\"fromJs()\">js</button></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("vb.htm"), page)));
        QVERIFY(app.boxes.shown.isEmpty()); // edit mode runs nothing

        QVERIFY(surface.setBrowseMode(true));
        QTRY_COMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("answer 7"));
        QCOMPARE(app.boxes.texts().join("#"), QStringLiteral("loaded 3"));
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("loaded 3"));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("Title"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::YesNo);
        QCOMPARE(app.boxes.shown[0].icon, MessageBoxes::Icon::Question);

        // A Sub named after an element and event handles it; names ignore letter case.
        js(&surface, QStringLiteral("document.getElementById('btn').click(); document.getElementById('btn').click()"));
        QCOMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("clicked 2"));
        // Handler attributes in VBScript, by LANGUAGE and by their text.
        js(&surface, QStringLiteral("document.getElementById('s2').click()"));
        QCOMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("ABC Double"));
        js(&surface, QStringLiteral("document.getElementById('s3').click()"));
        QCOMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("shout"));
        // The page's JavaScript calls a VBScript function.
        js(&surface, QStringLiteral("document.getElementById('jsb').click()"));
        QTRY_COMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("js:42"));

        // A failing handler is reported once, with its line and the reason; the page goes on.
        js(&surface, QStringLiteral("document.getElementById('bad').click(); document.getElementById('bad').click()"));
        QTRY_COMPARE(app.boxes.shown.size(), 2);
        QCOMPARE(app.boxes.shown[1].text, QStringLiteral("スクリプト エラーが発生しました。\n\n行: 9\nコード: x = 1 / 0\nエラー: 0 で除算しました。 (11)"));
        js(&surface, QStringLiteral("document.getElementById('btn').click()"));
        QCOMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("clicked 3"));
        QCOMPARE(app.boxes.shown.size(), 2);

        // Back in edit mode nothing of the runtime is in the page's text.
        QVERIFY(surface.setBrowseMode(false));
        QCOMPARE(text(&surface, QStringLiteral("out")), QString());
        QVERIFY(!surface.DocumentHTML().contains(QStringLiteral("tvl")));
    }

    void javaScriptErrorsTold()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        // A script the program itself puts into pages: its errors are not the page's.
        QWebEngineScript ours;
        ours.setName(QStringLiteral("tvl-fault"));
        ours.setSourceCode(QStringLiteral("setTimeout(() => { throw new TypeError('ours'); }, 0);"));
        ours.setInjectionPoint(QWebEngineScript::DocumentReady);
        ours.setWorldId(QWebEngineScript::MainWorld);
        surface.runPage()->scripts().insert(ours);
        const QByteArray page =
            "<html><head><title>js</title>\n"
            "<script>\n"
            "var ready = 1;\n"
            "missing();\n"
            "</script>\n"
            "<script language=VBScript>\n"
            "Function Twice(n)\n"
            "  Twice = n * 2\n"
            "End Function\n"
            "</script>\n"
            "<script>\n"
            "Sub Later\n"
            "  out.innerText = \"later\"\n"
            "End Sub\n"
            "</script>\n"
            "<script type=text/javascript>var total = ;</script>\n"
            "</head><body>\n"
            "<button id=nul onclick=\"document.getElementById('none').value = 1\">n</button>\n"
            "<button id=vb onclick=\"Twice('x')\">v</button>\n"
            "<button id=ok onclick=\"out.textContent = 'still ' + ready\">o</button>\n"
            "<button id=later onclick=\"Later()\">l</button>\n"
            "<p id=out></p></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("js.htm"), page)));
        QVERIFY(app.boxes.shown.isEmpty());
        QVERIFY(surface.setBrowseMode(true));
        const QString head = QStringLiteral("スクリプト エラーが発生しました。\n\n");
        QStringList expected{
            head + QStringLiteral("行: 4\nコード: missing();\nエラー: 'missing' は定義されていません。 (JavaScript ReferenceError)"),
            head + QStringLiteral("行: 16\nコード: <script type=text/javascript>var total = ;</script>\nエラー: ここに ';' は書けません。 (JavaScript SyntaxError)")};
        QTRY_COMPARE(app.boxes.texts(), expected);

        // Each error once, however often it happens; the page goes on.
        for (int i = 0; i < 2; ++i)
            js(&surface, QStringLiteral("document.getElementById('nul').click(), document.getElementById('vb').click()"));
        expected << head + QStringLiteral("行: 18\nコード: <button id=nul onclick=\"document.getElementById('none').value = 1\">n</button>\n"
                                          "エラー: 'value' に書き込もうとしましたが、オブジェクトが null です。 (JavaScript TypeError)")
                 << head + QStringLiteral("行: 3\nコード: Twice = n * 2\nエラー: 型が一致しません。 (13)");
        QTRY_COMPARE(app.boxes.texts(), expected);
        js(&surface, QStringLiteral("document.getElementById('ok').click()"));
        QCOMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("still 1"));
        js(&surface, QStringLiteral("document.getElementById('later').click()"));
        QCOMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("later"));
        QCOMPARE(app.boxes.texts(), expected);
        for (const auto &shown : app.boxes.shown) {
            QCOMPARE(shown.title, MessageBoxes::DefaultTitle);
            QCOMPARE(shown.icon, MessageBoxes::Icon::Warning);
        }
    }

    void browserModelFromVbScript()
    {
        TestApp app;
        app.boxes.inputs.enqueue(QStringLiteral("Hanako"));
        DhtmlEdit surface(app.context);
        const QByteArray page =
            "<html><head><script type=text/vbscript>\n"
            "Dim ticks\n"
            "Sub window_onload\n"
            "  Set box = document.all(\"mover\")\n"
            "  box.style.pixelLeft = 40\n"
            "  box.style.posTop = box.style.pixelLeft + 2\n"
            "  name = InputBox(\"お名前は?\", \"入力\", \"default\")\n"
            "  document.all.item(\"out\").innerText = \"hello \" & name & \" \" & document.all.tags(\"P\").length\n"
            "  window.setTimeout \"Tick 3\", 10, \"VBScript\"\n"
            "End Sub\n"
            "Sub Tick(n)\n"
            "  ticks = ticks + n\n"
            "  Document.GetElementById(\"t\").innerText = ticks & \" \" & (InStr(Window.Location.Href, \"model.htm\") > 0)\n"
            "End Sub\n"
            "</script></head><body><div id=mover style=\"position:absolute\">m</div>\n"
            "<p id=out></p><p id=t></p><p id=meTest language=vbscript onclick=\"me.innerText = me.id\">x</p>"
            "<INPUT id=check TYPE='button' VALUE='確認'LANGUAGE='VBScript' onclick=alert('実行中！')>"
            "<BUTTON id=message TITLE=Button LANGUAGE=VBSCRIPT onclick='MsgBox\"ようこそ\"'>m</BUTTON></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("model.htm"), page)));
        QVERIFY(surface.setBrowseMode(true));
        QTRY_COMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("hello Hanako 3"));
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("お名前は?"));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("入力"));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('mover').style.left + ' ' + document.getElementById('mover').style.top")),
                 QStringLiteral("40px 42px"));
        js(&surface, QStringLiteral("document.getElementById('meTest').click()"));
        QCOMPARE(text(&surface, QStringLiteral("meTest")), QStringLiteral("meTest"));
        // A code string with the VBScript language argument runs as VBScript.
        QTRY_COMPARE(text(&surface, QStringLiteral("t")), QStringLiteral("3 True"));
        QCOMPARE(app.boxes.shown.size(), 1);
        // A handler marked VBScript that is JavaScript still runs; MsgBox without a space.
        js(&surface, QStringLiteral("document.getElementById('check').click(); document.getElementById('message').click()"));
        QTRY_COMPARE(app.boxes.texts(), (QStringList{QStringLiteral("お名前は?"), QStringLiteral("実行中！"), QStringLiteral("ようこそ")}));
        QCOMPARE(app.boxes.shown[2].title, QStringLiteral("VBScript"));
    }

    void filtersAndTransitions()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        surface.resize(400, 300);
        surface.QWidget::show();
        const QByteArray page =
            "<html><head><style>body{margin:0;background:#fff}</style><script language=VBScript>\n"
            "Sub window_onload\n"
            "  reveal.filters.revealTrans.Apply\n"
            "  reveal.style.visibility = \"visible\"\n"
            "  reveal.filters(0).Play\n"
            "  blend.filters(0).Apply\n"
            "  inner.innerText = \"new\"\n"
            "  blend.filters(0).Play\n"
            "End Sub\n"
            "Sub reveal_onfilterchange\n"
            "  done.innerText = \"done \" & reveal.filters.item(0).status\n"
            "End Sub\n"
            "</script></head><body>\n"
            "<div id=reveal style=\"position:absolute;left:0;top:0;width:200px;height:100px;background:#ff0000;visibility:hidden;"
            "filter:revealTrans(transition=6,duration=2)\"></div>\n"
            "<div id=blend style=\"position:absolute;left:250px;top:0;width:100px;filter:blendTrans(duration=2)\"><span id=inner>old</span></div>\n"
            "<div id=shadow style=\"position:absolute;left:0;top:150px;width:100px;filter:Shadow(Color=red,Direction=90)\">s</div>\n"
            "<div id=alpha style=\"position:absolute;left:200px;top:150px;width:100px;filter:alpha(opacity=50)\">a</div>\n"
            "<p id=done style=\"position:absolute;top:250px\"></p></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("filters.htm"), page)));
        QVERIFY(surface.setBrowseMode(true));

        // Static filters are drawn from the style attribute's text.
        QTRY_VERIFY(js(&surface, QStringLiteral("document.getElementById('shadow').style.filter")).startsWith(QStringLiteral("drop-shadow(red 1px 0px 0px)")));
        QCOMPARE(js(&surface, QStringLiteral("getComputedStyle(document.getElementById('alpha')).opacity")), QStringLiteral("0.5"));

        // The wipe to the right: the right half is still white while the left shows red, then all is red.
        const auto pixel = [&](int x, int y) { return surface.view()->grab().toImage().pixelColor(x, y); };
        QTRY_COMPARE(pixel(20, 50), QColor(Qt::red));
        QCOMPARE(pixel(180, 50), QColor(Qt::white));
        QCOMPARE(text(&surface, QStringLiteral("done")), QString());
        // The blend's fading copy shows the old text and takes none of the page's ids.
        QCOMPARE(js(&surface, QStringLiteral("document.querySelector('#blend + div').textContent")), QStringLiteral("old"));
        QCOMPARE(js(&surface, QStringLiteral("document.querySelectorAll('#inner').length")), QStringLiteral("1"));
        QCOMPARE(text(&surface, QStringLiteral("inner")), QStringLiteral("new"));
        QTRY_COMPARE_WITH_TIMEOUT(text(&surface, QStringLiteral("done")), QStringLiteral("done 0"), 10000);
        QTRY_COMPARE(pixel(180, 50), QColor(Qt::red));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void redirectedBlockTurns()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        const QByteArray page =
            "<html><head><script language=VBScript>\n"
            "Sub window_onload\n"
            "  Set lib = DA_mivo.PixelLibrary\n"
            "  Set img = mivo_text.filters.item(0).elementImage()\n"
            "  DA_mivo.Image = img.Transform(lib.Rotate2RateDegrees(90))\n"
            "  DA_mivo.Start\n"
            "End Sub\n"
            "Sub change_onclick\n"
            "  note.innerText = \"changed\"\n"
            "End Sub\n"
            "</script></head><body>"
            "<OBJECT ID='DA_mivo' Style =\"position:absolute; left:200; top:50; width:500; height:500;z-index: -1\" "
            "CLASSID='CLSID:B6FFC24C-7E13-11D0-9B47-00C04FC2F51D'></OBJECT>"
            "<DIV ID='mivo_text' STYLE='WIDTH:250; FILTER:redirect'><SPAN ID=note>comment</SPAN><IMG SRC='p.gif'></DIV>"
            "<BUTTON ID=change>change</BUTTON></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("redirect.htm"), page)));
        QVERIFY(surface.setBrowseMode(true));
        const QString turn = QStringLiteral("(document.getElementById('DA_mivo').querySelector('div > div') || {style:{}}).style.transform || ''");
        QTRY_VERIFY(js(&surface, turn).startsWith(QStringLiteral("rotate(")));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('mivo_text').style.visibility")), QStringLiteral("hidden"));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('DA_mivo').querySelector('div > div').textContent")), QStringLiteral("comment"));
        const QString first = js(&surface, turn);
        QTRY_VERIFY(js(&surface, turn) != first); // it keeps turning

        // The turning copy follows its block, and the page's names still find the block itself.
        const QString shown = QStringLiteral("document.getElementById('DA_mivo').querySelector('div > div').textContent");
        js(&surface, QStringLiteral("document.getElementById('change').click()"));
        QCOMPARE(js(&surface, QStringLiteral("document.querySelectorAll('#note').length")), QStringLiteral("1"));
        QCOMPARE(text(&surface, QStringLiteral("note")), QStringLiteral("changed"));
        QTRY_COMPARE(js(&surface, shown), QStringLiteral("changed"));
        js(&surface, QStringLiteral("document.getElementById('note').textContent = 'again'"));
        QTRY_COMPARE(js(&surface, shown), QStringLiteral("again"));
        const QString now = js(&surface, turn);
        QTRY_VERIFY(js(&surface, turn) != now);
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void filesNamedInOtherLetterCase()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        writePage(app, QStringLiteral("Shared.js"), "document.getElementById('out').textContent = 'shared ran';");
        writePage(app, QStringLiteral("Style.CSS"), "#styled { color: rgb(1, 2, 3); }");
        const QByteArray page =
            "<html><head><link rel=stylesheet href=\"style.css\"></head><body>"
            "<p id=styled>s</p><p id=out>none</p><script src=\"SHARED.js\"></script></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("cases.htm"), page)));
        // Edit mode: the style sheet is found; no script runs.
        QTRY_COMPARE(js(&surface, QStringLiteral("getComputedStyle(document.getElementById('styled')).color")), QStringLiteral("rgb(1, 2, 3)"));
        QCOMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("none"));
        // Run mode: both are found, and the markup keeps the names as written.
        QVERIFY(surface.setBrowseMode(true));
        QTRY_COMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("shared ran"));
        QCOMPARE(js(&surface, QStringLiteral("getComputedStyle(document.getElementById('styled')).color")), QStringLiteral("rgb(1, 2, 3)"));
        QCOMPARE(js(&surface, QStringLiteral("document.scripts[0].getAttribute('src')")), QStringLiteral("SHARED.js"));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void pageModelOfTheOlderBrowser()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        surface.resize(400, 300);
        surface.QWidget::show();
        writePage(app, QStringLiteral("Hover.htc"),
                  "<PUBLIC:COMPONENT>\r\n"
                  "<PUBLIC:ATTACH EVENT=\"onmouseover\" ONEVENT=\"Hilite()\" />\r\n"
                  "<PUBLIC:ATTACH EVENT=\"oncontentready\" ONEVENT=\"Ready()\" />\r\n"
                  "<PUBLIC:PROPERTY NAME=\"mark\" VALUE=\"none\" />\r\n"
                  "<PUBLIC:METHOD NAME=\"Flash\" />\r\n"
                  "<SCRIPT LANGUAGE=\"JScript\">\r\n"
                  "function Ready() { mark = 'ready'; }\r\n"
                  "function Hilite() { style.color = 'red'; mark = 'hovered'; }\r\n"
                  "function Flash() { return innerText + '!'; }\r\n"
                  "</SCRIPT>\r\n</PUBLIC:COMPONENT>\r\n");
        writePage(app, QStringLiteral("more.css"), "#hot2 { color: blue; behavior: url(HOVER.HTC) }");
        const QByteArray page =
            "<html><head><style>body{margin:0;background:#fff} .hot{behavior:url(hover.htc)}</style><link rel=stylesheet href=more.css>\n"
            "<?IMPORT namespace=\"t\" implementation=\"#default#time2\">\n"
            "<script language=VBScript>\n"
            "Dim pop\n"
            "Sub window_onload\n"
            "  Set pop = window.createPopup()\n"
            "  pop.document.body.style.backgroundColor = \"red\"\n"
            "  pop.document.body.innerHTML = \"<b>popup</b>\"\n"
            "  out.innerText = document.all(\"radio\", 1).value & \" \" & document.all.item(\"radio\", 0).value & \" \" & document.all(\"radio\").length & \" \" & TypeName(document.all(\"SINGLE\"))\n"
            "  lamp.filters.item(\"DXImageTransform.Microsoft.Light\").addAmbient 0, 0, 255, 100\n"
            "End Sub\n"
            "Sub check_onclick\n"
            "  res.innerText = hot.mark & \" \" & hot.Flash() & \" \" & hot.style.color & \" \" & hot2.mark\n"
            "End Sub\n"
            "Sub showIt_onclick\n"
            "  pop.show 10, 10, 100, 50, document.body\n"
            "  state.innerText = pop.isOpen\n"
            "End Sub\n"
            "</script>\n"
            "<script language=VBScript>\n"
            "x = 1\n"
            "If x = 1 y = 2\n"
            "</script></head><body>\n"
            "<input type=radio name=radio value=a><input type=radio name=radio value=b><div id=single>s</div>\n"
            "<p id=out></p><p id=state></p><button id=showIt>show</button>\n"
            "<div id=lamp style=\"position:absolute;left:200px;top:100px;width:50px;height:50px;background:#f0f;filter:light()\"></div>\n"
            "<div id=dark style=\"position:absolute;left:300px;top:100px;width:50px;height:50px;background:#00f;filter:light()\"></div>\n"
            "<span class=hot id=hot>hover me</span><span id=hot2>linked</span><button id=check>check</button><p id=res></p></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("model2.htm"), page)));
        QVERIFY(surface.setBrowseMode(true));
        QTRY_COMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("b a 2 HTMLDivElement"));

        // The syntax error with its line and column; what run mode does not run, told once.
        const QStringList told{
            QStringLiteral("スクリプト エラーが発生しました。\n\n行: 3\n文字: 10\nコード: If x = 1 y = 2\nエラー: 'Then' がありません。 (1017)"),
            QStringLiteral("このページは、Tovaleaf の実行モードでは動かない機能を使っています。\n\n"
                           "・HTML+TIME (時間を指定して要素を表示したり動かしたりする機能)\n\nこれらの部分は動きませんが、ページのほかの部分は動きます。")};
        QTRY_COMPARE(app.boxes.texts(), told);

        // The Light filter: dark without a light; a magenta element under blue light shows its blue.
        const auto pixel = [&](int x, int y) { return surface.view()->grab().toImage().pixelColor(x, y); };
        QTRY_COMPARE(pixel(325, 125), QColor(Qt::black));
        QTRY_COMPARE(pixel(225, 125), QColor(0, 0, 255));

        // The popup shows over the page where it was placed, and a click elsewhere closes it.
        QVERIFY(pixel(100, 50) != QColor(Qt::red));
        js(&surface, QStringLiteral("document.getElementById('showIt').click()"));
        QCOMPARE(text(&surface, QStringLiteral("state")), QStringLiteral("True"));
        QTRY_COMPARE(pixel(100, 50), QColor(Qt::red));
        QCOMPARE(pixel(150, 30), QColor(Qt::white));
        js(&surface, QStringLiteral("document.body.dispatchEvent(new MouseEvent('mousedown', {bubbles: true}))"));
        QTRY_VERIFY(pixel(100, 50) != QColor(Qt::red));

        // The attached behavior: its property, method and events on the element, as the page's script sees them.
        // A linked style sheet's behavior attaches once the sheet is read.
        const QString check = QStringLiteral("document.getElementById('check').click(), document.getElementById('res').textContent");
        QTRY_COMPARE(js(&surface, check), QStringLiteral("ready hover me!  ready"));
        js(&surface, QStringLiteral("document.getElementById('hot').dispatchEvent(new MouseEvent('mouseover'))"));
        QCOMPARE(js(&surface, check), QStringLiteral("hovered hover me! red ready"));
        QCOMPARE(app.boxes.texts(), told);
    }

    void dialogsThePageOpens()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        writePage(app, QStringLiteral("dialog.htm"),
                  "<html><head><title>dialog</title><script language=VBScript>\n"
                  "Sub window_onload\n"
                  "  window.returnValue = \"back \" & dialogArguments(1)\n"
                  "  window.close\n"
                  "End Sub\n"
                  "</script></head><body>d</body></html>");
        const QByteArray page =
            "<html><head><script language=VBScript>\n"
            "Sub open_onclick\n"
            "  out.innerText = showModalDialog(\"dialog.htm\", Array(\"a\", \"hello\"), \"dialogWidth:300px;dialogHeight:200px\")\n"
            "End Sub\n"
            "Sub full_onclick\n"
            "  window.open \"dialog.htm\", \"\", \"fullscreen=yes\"\n"
            "End Sub\n"
            "</script></head><body><button id=open>open</button><button id=full>full</button><p id=out></p></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("opener.htm"), page)));
        QVERIFY(surface.setBrowseMode(true));
        // The dialog blocks the click until its page closes it, then hands back its returnValue.
        js(&surface, QStringLiteral("document.getElementById('open').click()"));
        QTRY_COMPARE(text(&surface, QStringLiteral("out")), QStringLiteral("back hello"));
        QVERIFY(app.boxes.shown.isEmpty());

        // Full screen, with the way back said and Esc taking it.
        const auto fullScreenWindow = [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("PageWindow") && w->isVisible() && w->isFullScreen())
                    return w;
            return static_cast<QWidget *>(nullptr);
        };
        js(&surface, QStringLiteral("document.getElementById('full').click()"));
        QTRY_VERIFY(fullScreenWindow() != nullptr);
        auto *hint = fullScreenWindow()->findChild<QLabel *>(QStringLiteral("FullScreenHint"));
        QVERIFY(hint);
        QCOMPARE(hint->text(), QStringLiteral("Esc キーで元の画面に戻ります"));
        QTest::keyClick(fullScreenWindow(), Qt::Key_Escape);
        QTRY_VERIFY(fullScreenWindow() == nullptr);
    }
};

TOVALEAF_TEST_MAIN(TestVbScriptRunMode)
#include "tst_vbscriptrunmode.moc"
