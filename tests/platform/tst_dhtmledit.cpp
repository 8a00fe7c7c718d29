#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/PageEncoding.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>

using namespace TestSupport;

// The editing surface, on the real engine offscreen.
class TestDhtmlEdit : public QObject
{
    Q_OBJECT

private slots:
    void emptySurfaceReportsNothing()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        QCOMPARE(surface.DocumentHTML(), QString());
        QVERIFY(surface.NewDocument());
        QCOMPARE(surface.DocumentHTML(), QString());
        // Typing makes it a page.
        selectText(&surface, QString(), 0);
        QVERIFY(surface.evaluate(QStringLiteral("document.execCommand('insertText', false, 'あ')")));
        QTRY_COMPARE(surface.DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY>あ</BODY></HTML>"));
    }

    void documentHtmlForm()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        const QString path = writePage(app, QStringLiteral("form.htm"),
            "<html><head><title>t</title>\n<script type=\"text/vbscript\">Sub window_onload()\r\n  If a < b Then x = \"&\"\r\nEnd Sub</script></head>\n"
            "<body bgproperties=\"fixed\" bgcolor=\"#ffffff\"><table cellpadding=\"2\" cellspacing=0 bordercolor=red>"
            "<tr><td colspan=\"2\" valign=\"top\" nowrap>a &amp; b&nbsp;&lt;c&gt;</td></tr></table>"
            "<input type=\"text\" maxlength=\"10\" readonly value=\"two words\" title='say \"hi\"' tabindex=1 data-x=\"a=b\">"
            "<hr noshade><marquee scrollamount=\"3\" scrolldelay=\"90\">m</marquee>"
            "<iframe frameborder=\"0\" src=\"x.htm\"></iframe><img src=\"p.gif\" alt=\"\">"
            "<!-- note --></body></html>");
        QVERIFY(surface.LoadDocument(path));
        QCOMPARE(surface.DocumentHTML(),
                 QStringLiteral("<HTML><HEAD><TITLE>t</TITLE>\n<SCRIPT type=text/vbscript>Sub window_onload()\n  If a < b Then x = \"&\"\nEnd Sub</SCRIPT></HEAD>\n"
                                "<BODY bgProperties=fixed bgColor=#ffffff><TABLE cellPadding=2 cellSpacing=0 borderColor=red>"
                                "<TBODY><TR><TD colSpan=2 vAlign=top noWrap>a &amp; b&nbsp;&lt;c&gt;</TD></TR></TBODY></TABLE>"
                                "<INPUT type=text maxLength=10 readOnly value=\"two words\" title=\"say &quot;hi&quot;\" tabIndex=1 data-x=\"a=b\">"
                                "<HR noShade><MARQUEE scrollAmount=3 scrollDelay=90>m</MARQUEE>"
                                "<IFRAME frameBorder=0 src=x.htm></IFRAME><IMG src=p.gif alt=\"\">"
                                "<!-- note --></BODY></HTML>"));

        // Text fields keep what was typed; the breaks a rewrite leaves after the body do not pile up.
        const QString second = writePage(app, QStringLiteral("form2.htm"),
            "<!DOCTYPE html><html><head><title>a &lt;HTML&gt; b</title></head><body>"
            "<textarea name=t>&lt;HTML&gt; &amp; &lt;/textarea&gt;</textarea><p title=\"a>b\" class=\"\">x</p>"
            "<svg viewBox=\"0 0 1 1\"><rect width=\"1\"/></svg>\r\n\r\n</body></html>\r\n");
        QVERIFY(surface.LoadDocument(second));
        QCOMPARE(surface.DocumentHTML(),
                 QStringLiteral("<!DOCTYPE HTML><HTML><HEAD><TITLE>a <HTML> b</TITLE></HEAD><BODY>"
                                "<TEXTAREA name=t><HTML> &amp; &lt;/textarea></TEXTAREA><P title=\"a>b\" class=\"\">x</P>"
                                "<SVG viewBox=\"0 0 1 1\"><RECT width=1></RECT></SVG></BODY></HTML>"));
    }

    void browserSpecificCssSurvives()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        const QString path = writePage(app, QStringLiteral("css.htm"),
            "<html><body><div id=a style=\"filter:revealtrans(transition=3,duration=3); color: red\">one</div>"
            "<p id=b style=\"Filter:Shadow(Color=red,Direction=10)\">two</p></body></html>");
        QVERIFY(surface.LoadDocument(path));
        const QString loaded = surface.DocumentHTML();
        QVERIFY2(loaded.contains(QStringLiteral("style=\"filter:revealtrans(transition=3,duration=3); color: red\"")), qPrintable(loaded));
        QVERIFY(loaded.contains(QStringLiteral("style=\"Filter:Shadow(Color=red,Direction=10)\"")));

        // An editing command that rewrites the style keeps the foreign part.
        selectText(&surface, QStringLiteral("two"), 0, 3);
        QVERIFY(surface.evaluate(QStringLiteral("document.execCommand('justifyCenter')")));
        QVERIFY(surface.evaluate(QStringLiteral("document.getElementById('a').style.color = 'blue'")));
        QTRY_VERIFY(surface.DocumentHTML().contains(QStringLiteral("Filter:Shadow(Color=red,Direction=10)")));
        const QString edited = surface.DocumentHTML();
        QVERIFY2(edited.contains(QStringLiteral("color: blue; filter:revealtrans(transition=3,duration=3)")), qPrintable(edited));

        // Pasted markup keeps it, through pasteHTML and through the clipboard.
        selectText(&surface, QStringLiteral("one"), 3);
        TextRange range = surface.DOM().selection().createRange();
        QVERIFY(range.pasteHTML(QStringLiteral("<SPAN style=\"filter:alpha(opacity=50)\">p</SPAN>")));
        QVERIFY(surface.DocumentHTML().contains(QStringLiteral("<SPAN style=\"filter:alpha(opacity=50)\">p</SPAN>")));

        QVERIFY(surface.evaluate(QStringLiteral("getSelection().selectAllChildren(document.querySelector('span').parentNode)")));
        QVERIFY(surface.ExecCommand(5002, 1));
        selectText(&surface, QStringLiteral("two"), 3);
        surface.refreshCommandStates();
        QCOMPARE(surface.QueryStatus(5032), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5032, 1));
        QTRY_COMPARE(surface.DocumentHTML().count(QStringLiteral("filter:alpha(opacity=50)")), 2);
        QCOMPARE(surface.DocumentHTML().count(QStringLiteral("filter:revealtrans(transition=3,duration=3)")), 1);
    }

    void encodingsOfOpenedPages()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        const QString text = QStringLiteral("日本語のページ①");
        const auto bodyText = [&] { return js(&surface, QStringLiteral("document.body.innerText.trim()")); };

        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("sjis.htm"),
                                               "<html><body>" + PageEncoding::encode(text, PageEncoding::Cp932) + "</body></html>")));
        QCOMPARE(bodyText(), text);
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("utf8.htm"), "<html><body>" + text.toUtf8() + "</body></html>")));
        QCOMPARE(bodyText(), text);
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("bom.htm"), "\xEF\xBB\xBF<html><body>" + text.toUtf8() + "</body></html>")));
        QCOMPARE(bodyText(), text);
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("euc.htm"),
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\"></head><body>"
            + PageEncoding::encode(QStringLiteral("日本語のページ"), "EUC-JP") + "</body></html>")));
        QCOMPARE(bodyText(), QStringLiteral("日本語のページ"));
        // A declaration of Shift_JIS on a file that is in fact Shift_JIS.
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("decl.htm"),
            "<html><head><meta charset=\"shift_jis\"></head><body>" + PageEncoding::encode(text, PageEncoding::Cp932) + "</body></html>")));
        QCOMPARE(bodyText(), text);
    }

    void relativeResourcesResolveAgainstThePageFolder()
    {
        TestApp app;
        QDir(app.path()).mkpath(QStringLiteral("pages/img"));
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(app.file(QStringLiteral("pages/img/p.png"))));
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("pages/pic.htm"),
                                               "<html><body><img id=i src=\"img/p.png\"><a href=\"other.htm\">x</a></body></html>")));
        QTRY_COMPARE(js(&surface, QStringLiteral("String(document.getElementById('i').naturalWidth)")), QStringLiteral("7"));
        QCOMPARE(js(&surface, QStringLiteral("new URL(document.links[0].href).pathname")), app.file(QStringLiteral("pages/other.htm")));
        // The page's own text keeps the relative address.
        QVERIFY(surface.DocumentHTML().contains(QStringLiteral("<IMG id=i src=img/p.png>")));
    }

    void pageScriptsRunOnlyInRunMode()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        const QByteArray page = "<html><body onload=\"document.body.setAttribute('data-loaded','1')\">"
                                "<p id=p>before</p><script>document.getElementById('p').textContent = 'after';</script></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("run.htm"), page)));
        // Each switch is one page shown: one DocumentComplete, however often the pages change places.
        QSignalSpy completes(&surface, &DhtmlEdit::DocumentComplete);
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(surface.setBrowseMode(i % 2 == 1));
            QTRY_COMPARE(completes.size(), i);
        }
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('p').textContent")), QStringLiteral("before"));
        QCOMPARE(completes.size(), 4);
        QCOMPARE(js(&surface, QStringLiteral("document.designMode")), QStringLiteral("on"));
        QVERIFY(!surface.BrowseMode());

        QVERIFY(surface.setBrowseMode(true));
        QVERIFY(surface.BrowseMode());
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('p').textContent")), QStringLiteral("after"));
        QCOMPARE(js(&surface, QStringLiteral("document.designMode")), QStringLiteral("off"));
        QTRY_COMPARE(js(&surface, QStringLiteral("document.body.getAttribute('data-loaded')")), QStringLiteral("1"));
        // What is saved or shown as source while running is the page as made.
        const QString made = QStringLiteral("<HTML><HEAD></HEAD><BODY onload=\"document.body.setAttribute('data-loaded','1')\">"
                                            "<P id=p>before</P><SCRIPT>document.getElementById('p').textContent = 'after';</SCRIPT>"
                                            "</BODY></HTML>");
        QCOMPARE(surface.DocumentHTML(), made);
        surface.refreshCommandStates();
        QCOMPARE(surface.QueryStatus(5049), int(DhtmlEdit::StatusSupported));
        QVERIFY(!surface.ExecCommand(5032, 1));

        // Back in edit mode: the page as it was loaded for running, not as its scripts changed it.
        QVERIFY(surface.setBrowseMode(false));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('p').textContent")), QStringLiteral("before"));
        QVERIFY(!surface.DocumentHTML().contains(QStringLiteral("data-loaded=1")));

        // Edits made before running are what runs.
        selectText(&surface, QStringLiteral("before"), 0, 6);
        QVERIFY(surface.evaluate(QStringLiteral("document.execCommand('insertText', false, 'typed')")));
        QVERIFY(surface.setBrowseMode(true));
        QVERIFY(surface.setBrowseMode(false));
        QVERIFY(surface.DocumentHTML().contains(QStringLiteral("<P id=p>typed</P>")));

        // A page opened while running is the one edit mode comes back to.
        QVERIFY(surface.setBrowseMode(true));
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("other.htm"),
                                               "<html><body><p id=p>other</p><script>document.getElementById('p').id = 'q';</script></body></html>")));
        QVERIFY(surface.BrowseMode());
        QCOMPARE(js(&surface, QStringLiteral("String(document.getElementById('q') !== null)")), QStringLiteral("true"));
        QVERIFY(surface.DocumentHTML().contains(QStringLiteral("<P id=p>other</P>")));
        QVERIFY(surface.setBrowseMode(false));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('p').textContent")), QStringLiteral("other"));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    // A page's own scripts are off in edit mode, where the engine reads <noscript> as
    // markup; the page is still written back as it was, in either mode.
    void noscriptKeepsItsPlace()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        const QByteArray page = "<html><head><noscript><img src=x.gif></noscript><title>t</title></head>"
                                "<body><noscript><p>Enable <b>scripts</b></p></noscript><p>x</p></body></html>";
        const QString written = QStringLiteral("<HTML><HEAD><NOSCRIPT><img src=x.gif></NOSCRIPT><TITLE>t</TITLE></HEAD>"
                                               "<BODY><NOSCRIPT><p>Enable <b>scripts</b></p></NOSCRIPT><P>x</P></BODY></HTML>");
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("noscript.htm"), page)));
        QCOMPARE(surface.DocumentHTML(), written);
        QCOMPARE(js(&surface, QStringLiteral("document.title")), QStringLiteral("t"));
        QVERIFY(surface.SaveDocument(app.file(QStringLiteral("saved.htm"))));
        QCOMPARE(readBytes(app.file(QStringLiteral("saved.htm"))), written.toUtf8() + "\r\n");
        QVERIFY(surface.setBrowseMode(true));
        QCOMPARE(surface.DocumentHTML(), written);
        QVERIFY(surface.setBrowseMode(false));
        QCOMPARE(surface.DocumentHTML(), written);
    }

    void editModeDisplayNeverReachesTheText()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        surface.setShowBorders(true);
        surface.setShowDetails(true);
        const QByteArray page = "<html><body><div id=h style=\"visibility:hidden\">secret</div>"
                                "<table id=t><tr><td id=c>x</td></tr></table></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("hidden.htm"), page)));
        QCOMPARE(js(&surface, QStringLiteral("getComputedStyle(document.getElementById('h')).visibility")), QStringLiteral("visible"));
        QVERIFY(js(&surface, QStringLiteral("getComputedStyle(document.getElementById('c')).outlineStyle")) != QStringLiteral("none"));
        QCOMPARE(surface.DocumentHTML(),
                 QStringLiteral("<HTML><HEAD></HEAD><BODY><DIV id=h style=visibility:hidden>secret</DIV>"
                                "<TABLE id=t><TBODY><TR><TD id=c>x</TD></TR></TBODY></TABLE></BODY></HTML>"));
        surface.setShowDetails(false);
        QTRY_COMPARE(js(&surface, QStringLiteral("getComputedStyle(document.getElementById('h')).visibility")), QStringLiteral("hidden"));
        // Run mode shows the page as a browser would.
        surface.setShowDetails(true);
        QVERIFY(surface.setBrowseMode(true));
        QCOMPARE(js(&surface, QStringLiteral("getComputedStyle(document.getElementById('h')).visibility")), QStringLiteral("hidden"));
    }

    void badInputKeepsThePage()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("good.htm"), "<html><body><p>kept</p></body></html>")));
        const QString before = surface.DocumentHTML();
        QVERIFY(!surface.LoadDocument(app.file(QStringLiteral("missing.htm"))));
        QVERIFY(surface.lastError().contains(QStringLiteral("missing.htm")));
        QVERIFY(!surface.LoadDocument(app.path()));
        QVERIFY(!surface.LoadDocument(writePage(app, QStringLiteral("pic.gif"), QByteArray("GIF89a\x01\0\x01\0\0\0\0", 13))));
        QVERIFY(surface.lastError().contains(QStringLiteral("pic.gif")));
        QCOMPARE(surface.DocumentHTML(), before);

        // A page too large for the engine is refused plainly and the page stays; a large one opens.
        QByteArray huge = "<html><body>";
        while (huge.size() < 30 * 1024 * 1024)
            huge += "<p>row row row row row row row row row row row row</p>\n";
        QVERIFY(!surface.LoadDocument(writePage(app, QStringLiteral("huge.htm"), huge + "</body></html>")));
        QVERIFY(surface.lastError().contains(QStringLiteral("huge.htm")));
        QCOMPARE(surface.DocumentHTML(), before);
        QByteArray big = "<html><body>";
        const QByteArray row = "<p>" + PageEncoding::encode(QStringLiteral("大きなページの行です。"), PageEncoding::Cp932) + "</p>\n";
        while (big.size() < 8 * 1024 * 1024)
            big += row;
        big += "<p id=last>end</p></body></html>";
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("big.htm"), big)));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('last').textContent")), QStringLiteral("end"));
    }

    void undoRedoAndClipboardStates()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("u.htm"), "<html><body><p>abc</p></body></html>")));
        selectText(&surface, QStringLiteral("abc"), 1, 2);
        surface.refreshCommandStates();
        QCOMPARE(surface.QueryStatus(5002), int(DhtmlEdit::StatusEnabled));
        QCOMPARE(surface.QueryStatus(5003), int(DhtmlEdit::StatusEnabled));
        QCOMPARE(surface.QueryStatus(5049), int(DhtmlEdit::StatusSupported));
        QVERIFY(surface.ExecCommand(5003, 1));
        QCOMPARE(surface.DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>ac</P></BODY></HTML>"));
        QTRY_COMPARE(surface.QueryStatus(5049), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5049, 1));
        QCOMPARE(surface.DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>abc</P></BODY></HTML>"));
        surface.refreshCommandStates();
        QCOMPARE(surface.QueryStatus(5033), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5033, 1));
        QCOMPARE(surface.DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>ac</P></BODY></HTML>"));
        selectText(&surface, QStringLiteral("ac"), 2);
        QVERIFY(surface.ExecCommand(5032, 1));
        QCOMPARE(surface.DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>acb</P></BODY></HTML>"));
        QVERIFY(surface.ExecCommand(5035, 1));
        QCOMPARE(js(&surface, QStringLiteral("getSelection().toString()")), QStringLiteral("acb"));
        QVERIFY(!surface.ExecCommand(4999, 0));
    }
};

TOVALEAF_TEST_MAIN(TestDhtmlEdit)
#include "tst_dhtmledit.moc"
