#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "platform/TextBuffer.h"
#include "shell/Form1.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace TestSupport;

// mivo_go on the main window: paste at the caret, rewrite through the temporary page, reload.
class TestSnippetInsertion : public QObject
{
    Q_OBJECT

private:


    static void go(TestApp &app, Form1 &form, const QString &snippet)
    {
        app.shared().SnippetHtml = snippet;
        form.mivo_go();
    }

private slots:
    void pasteAtCaretOverSelectionAndInCells()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>abcdef</p><table><tr><td>cell</td></tr></table></body></html>"));

        selectText(surface, QStringLiteral("abcdef"), 3);
        go(app, form, QStringLiteral("<INPUT type=button value=\"ボタン\">"));
        QCOMPARE(body(surface), QStringLiteral("<P>abc<INPUT type=button value=ボタン>def</P><TABLE><TBODY><TR><TD>cell</TD></TR></TBODY></TABLE>"));

        selectText(surface, QStringLiteral("def"), 0, 2);
        go(app, form, QStringLiteral("<B>X</B>"));
        QVERIFY2(body(surface).contains(QStringLiteral("<INPUT type=button value=ボタン><B>X</B>f</P>")), qPrintable(body(surface)));

        selectText(surface, QStringLiteral("cell"), 2);
        go(app, form, QStringLiteral("<SELECT><OPTION>1</OPTION></SELECT>"));
        QVERIFY(body(surface).contains(QStringLiteral("<TD>ce<SELECT><OPTION>1</OPTION></SELECT>ll</TD>")));

        // The same snippet twice goes in twice.
        selectText(surface, QStringLiteral("abc"), 0);
        go(app, form, QStringLiteral("<HR>"));
        selectText(surface, QStringLiteral("abc"), 0);
        go(app, form, QStringLiteral("<HR>"));
        QCOMPARE(body(surface).count(QStringLiteral("<HR>")), 2);
        QCOMPARE(app.shared().SnippetHtml, QStringLiteral("<HR>"));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void rewriteThroughTheTemporaryPage()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        QVERIFY(loadPage(form.surface(), app, "<HTML><BODY>\n<P>x</P>\n<TEXTAREA><HTML></TEXTAREA></BODY></HTML>"));

        // An empty snippet inserts nothing, yet the page is rewritten and "<HTML>" gains its language.
        selectText(surface, QStringLiteral("x"), 1);
        go(app, form, QString());
        const QString temp = app.file(QStringLiteral("scriptTemp.htm"));
        const QByteArray bytes = readBytes(temp);
        QCOMPARE(bytes, QByteArray("<HTML lang='ja'><HEAD></HEAD><BODY>\r\n<P>x</P>\r\n<TEXTAREA><HTML lang='ja'></TEXTAREA></BODY></HTML>\r\n\r\n"));
        const QString buffer = form.findChild<TextBuffer *>(QStringLiteral("RichTextBox2"))->text();
        QCOMPARE(buffer, QString::fromLatin1(bytes));
        QCOMPARE(surface->documentUrl().path(), temp);
        QCOMPARE(js(surface, QStringLiteral("document.documentElement.lang")), QStringLiteral("ja"));

        // Rewriting again neither doubles the language nor piles up line breaks.
        selectText(surface, QStringLiteral("x"), 1);
        go(app, form, QString());
        const QByteArray again = readBytes(temp);
        QCOMPARE(again, QByteArray(bytes).replace("<HTML lang='ja'><HEAD>", "<HTML lang=ja><HEAD>"));
        selectText(surface, QStringLiteral("x"), 1);
        go(app, form, QString());
        QCOMPARE(readBytes(temp), again);

        // The surface writes the page's own tag in capitals; a lower-case "<html>" in text stays as written.
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>y</p><textarea><html></textarea></body></html>"));
        selectText(surface, QStringLiteral("y"), 1);
        go(app, form, QStringLiteral("日本語"));
        QCOMPARE(readBytes(temp), QByteArray("<HTML lang='ja'><HEAD></HEAD><BODY><P>y") + PageEncoding::encode(QStringLiteral("日本語"), PageEncoding::Cp932)
                                      + "</P><TEXTAREA><html></TEXTAREA></BODY></HTML>\r\n\r\n");
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void charactersOutsideCp932Survive()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>z</p></body></html>"));
        selectText(surface, QStringLiteral("z"), 1);
        go(app, form, QStringLiteral("café 😀 ①"));
        QVERIFY(readBytes(app.file(QStringLiteral("scriptTemp.htm"))).contains("caf&#233; &#128512; \x87\x40"));
        QCOMPARE(js(surface, QStringLiteral("document.body.innerText.trim()")), QStringLiteral("zcafé 😀 ①"));
    }

    void noCaretMeansEndOfBody()
    {
        TestApp app;
        Form1 form(app.context);
        // Right after start: nothing loaded, nothing clicked.
        go(app, form, QStringLiteral("<P>first</P>"));
        QCOMPARE(form.surface()->DocumentHTML(), QStringLiteral("<HTML lang=ja><HEAD></HEAD><BODY><P>first</P></BODY></HTML>"));
        go(app, form, QStringLiteral("<P>second</P>"));
        QCOMPARE(body(form.surface()), QStringLiteral("<P>first</P><P>second</P>"));
    }

    void failureLeavesPageAndSnippet()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>keep</p></body></html>"));
        const QString before = surface->DocumentHTML();
        QFile::setPermissions(app.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        selectText(surface, QStringLiteral("keep"), 4);
        go(app, form, QStringLiteral("<B>new</B>"));
        QFile::setPermissions(app.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (::geteuid() == 0)
            QSKIP("root writes into any folder; the read-only case needs an ordinary user");
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(app.boxes.shown[0].text.contains(app.file(QStringLiteral("scriptTemp.htm"))));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("Tovaleaf"));
        QCOMPARE(surface->DocumentHTML(), before);
        QCOMPARE(app.shared().SnippetHtml, QStringLiteral("<B>new</B>"));
    }

    void unreadableTempPageRollsThePasteBack()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>keep</p></body></html>"));
        const QString before = surface->DocumentHTML();
        // A folder where the temporary page should be: it can be neither written nor read.
        QDir(app.path()).mkdir(QStringLiteral("scriptTemp.htm"));
        selectText(surface, QStringLiteral("keep"), 2, 4);
        go(app, form, QStringLiteral("<B>new</B>"));
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(app.boxes.shown[0].text.startsWith(QStringLiteral("一時ページに書き込めません: ") + app.file(QStringLiteral("scriptTemp.htm"))));
        QCOMPARE(surface->DocumentHTML(), before);
    }
};

TOVALEAF_TEST_MAIN(TestSnippetInsertion)
#include "tst_snippetinsertion.moc"
