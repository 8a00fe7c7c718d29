#include "support/TestSupport.h"

#include "platform/NoscriptText.h"

// Which <noscript> contents are kept for a parse with scripts off: those a
// browser with scripts on reads as such, and nothing that only looks like one.
class TestNoscriptText : public QObject
{
    Q_OBJECT

private slots:
    void keepsWhatABrowserReadsAsNoscript()
    {
        const auto kept = [](const char *raw) {
            return QStringLiteral("<!--tvl-noscript ") + QString::fromLatin1(QByteArray(raw).toPercentEncoding(QByteArray(), "-"))
                + QStringLiteral("-->");
        };
        // Head and body, any letter case, attributes with quoted '>', an end tag with a blank.
        QCOMPARE(NoscriptText::keep(QStringLiteral("<head><noscript><img src=x.gif></noscript><title>t</title></head>")),
                 QStringLiteral("<head><noscript>") + kept("<img src=x.gif>") + QStringLiteral("</noscript><title>t</title></head>"));
        QCOMPARE(NoscriptText::keep(QStringLiteral("<NoScript class=\"a>b\">--> <b>x</b></NOSCRIPT >after")),
                 QStringLiteral("<NoScript class=\"a>b\">") + kept("--> <b>x</b>") + QStringLiteral("</NOSCRIPT >after"));
        // Text after it in raw text ends only at its own end tag.
        QCOMPARE(NoscriptText::keep(QStringLiteral("<noscript><p></noscriptx></noscript>")),
                 QStringLiteral("<noscript>") + kept("<p></noscriptx>") + QStringLiteral("</noscript>"));
        QCOMPARE(NoscriptText::keep(QStringLiteral("<noscript>日本語")), QStringLiteral("<noscript><!--tvl-noscript %E6%97%A5%E6%9C%AC%E8%AA%9E-->"));
        // Only looks like one: in a script, a comment (however it ends), an attribute value, a title, a textarea.
        for (const QString &untouched :
             {QStringLiteral("<script>document.write('<noscript>x</noscript>')</script>"),
              QStringLiteral("<SCRIPT type=text/vbscript>s = \"</scriptx><noscript>\"</script>"),
              QStringLiteral("<!-- <noscript>x</noscript> -->"), QStringLiteral("<!-- a --!><p><!-- <noscript> -->"),
              QStringLiteral("<a title=\"<noscript>\">x</a>"), QStringLiteral("<title><noscript></title>"),
              QStringLiteral("<textarea><noscript>x</noscript></textarea>"), QStringLiteral("<plaintext><noscript>"),
              QStringLiteral("<p>no such element</p>")})
            QCOMPARE(NoscriptText::keep(untouched), untouched);
        // A comment that ends at once does not hide what follows.
        QCOMPARE(NoscriptText::keep(QStringLiteral("<!--><noscript>x</noscript>")),
                 QStringLiteral("<!--><noscript>") + kept("x") + QStringLiteral("</noscript>"));
    }
};

QTEST_APPLESS_MAIN(TestNoscriptText)
#include "tst_noscripttext.moc"
