#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/PageEncoding.h"

#include <QFile>
#include <QSignalSpy>

using namespace TestSupport;

// The editing surface, on the real engine offscreen.
class TestDhtmlEdit : public QObject
{
    Q_OBJECT

private:
    QString writePage(const ProgramFolderFixture &folder, const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.file(name);
        writeBytes(path, bytes);
        return path;
    }

private slots:
    void emptySurfaceReportsNothing()
    {
        ProgramFolderFixture folder;
        DhtmlEdit surface;
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
        ProgramFolderFixture folder;
        DhtmlEdit surface;
        const QString path = writePage(folder, QStringLiteral("form.htm"),
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
    }
};

TOVALEAF_TEST_MAIN(TestDhtmlEdit)
#include "tst_dhtmledit.moc"
