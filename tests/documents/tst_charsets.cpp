#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "platform/TextBuffer.h"
#include "shell/Form1.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using namespace TestSupport;

namespace {

const QString SnippetText = QStringLiteral("<INPUT type=button value=OK>");
const QString RunModeNotice = QStringLiteral("現在編集中のファイルをブラウズモードで確認します！");

// A page with the charset's own text in its body and in a script, characters
// most charsets cannot hold (or, as CP932 does with the wave dash and the yen
// sign, would give back as others) outside the script, and a place for the
// running script to write to.
QString page(const QString &declaration, const QString &text)
{
    return QStringLiteral("<html><head>%1<title>%2</title></head><body><p id=mark>MARK %2 é 😀 〜¥</p><p id=out></p>"
                          "<script>var s = '%2'; document.getElementById('out').textContent = s;</script></body></html>")
        .arg(declaration, text);
}

QString meta(const QString &charset)
{
    return QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\">").arg(charset);
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        out.append(bigEndian ? high : low);
        out.append(bigEndian ? low : high);
    }
    return out;
}

QString body(const QString &html)
{
    const qsizetype start = html.indexOf(QStringLiteral("<BODY"));
    return html.mid(start);
}

} // namespace

// What the program writes it reads back the same, in every charset it reads:
// through Save and reopening, the temporary page of an insertion, and run mode.
class TestCharsets : public QObject
{
    Q_OBJECT

private slots:
    void everyCharsetRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("savedCharset"); // as the reader detects the saved file
        QTest::addColumn<bool>("byteOrderMark");

        const QString japanese = QStringLiteral("日本語ｶﾀｶﾅ①髙～");
        QTest::newRow("no declaration, CP932") << PageEncoding::encode(page(QString(), japanese), PageEncoding::Cp932) << japanese
                                               << PageEncoding::Cp932 << false;
        QTest::newRow("no declaration, UTF-8") << page(QString(), japanese).toUtf8() << japanese << PageEncoding::Cp932 << false;
        // Read by the detector's judgement: written back in the same charset, now declared.
        const QString eucText = QStringLiteral("日本語のページです。漢字とひらがな、カタカナ");
        QTest::newRow("no declaration, EUC-JP") << PageEncoding::encode(page(QString(), eucText), "EUC-JP") << eucText
                                                << QByteArray("EUC-JP") << false;
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF") + page(QString(), japanese).toUtf8() << japanese
                                               << PageEncoding::Cp932 << false;
        QTest::newRow("utf-16") << utf16(page(meta(QStringLiteral("utf-16")), japanese), false) << japanese << PageEncoding::Utf16Le << true;
        QTest::newRow("utf-16be") << utf16(page(meta(QStringLiteral("utf-16be")), japanese), true) << japanese << PageEncoding::Utf16Be
                                  << true;
        QTest::newRow("UTF-16 mark, no declaration") << utf16(page(QString(), japanese), false) << japanese << PageEncoding::Cp932 << false;
        // A declaration no bytes read as ASCII can be in: the page is read, and written, as if it had none.
        QTest::newRow("utf-32 declared") << PageEncoding::encode(page(meta(QStringLiteral("utf-32")), japanese), PageEncoding::Cp932)
                                         << japanese << PageEncoding::Cp932 << false;
        struct Declared
        {
            const char *name;
            QString text;
            QByteArray charset;
        };
        const QList<Declared> declared{
            {"shift_jis", japanese, PageEncoding::Cp932},
            {"euc-jp", QStringLiteral("日本語ｶﾀｶﾅ"), "EUC-JP"},
            {"iso-2022-jp", QStringLiteral("日本語かな"), "ISO-2022-JP"},
            {"utf-8", QStringLiteral("日本 café"), PageEncoding::Utf8},
            {"windows-1252", QStringLiteral("café naïve €‘’"), "WINDOWS-1252"},
            {"iso-8859-2", QStringLiteral("Zażółć gęślą"), "ISO-8859-2"},
            {"koi8-r", QStringLiteral("Привет мир"), "KOI8-R"},
            {"gbk", QStringLiteral("中文简体"), "GBK"},
            {"gb18030", QStringLiteral("中文简体"), "GB18030"},
            {"big5", QStringLiteral("繁體中文"), "BIG5"},
            {"euc-kr", QStringLiteral("한국어"), "EUC-KR"},
            {"windows-1258", QStringLiteral("Tiếng Việt"), "WINDOWS-1258"},
        };
        for (const Declared &d : declared) {
            const QString text = page(meta(QString::fromLatin1(d.name)), d.text);
            QTest::newRow(d.name) << PageEncoding::encode(text, d.charset) << d.text << d.charset << false;
        }
    }

    void everyCharsetRoundTrips()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QByteArray, savedCharset);
        QFETCH(bool, byteOrderMark);

        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        writeBytes(app.file(QStringLiteral("page.htm")), file);
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
        const QString opened = surface->DocumentHTML();
        QVERIFY2(opened.contains(QStringLiteral("MARK ") + text + QStringLiteral(" é 😀 〜¥")), qPrintable(opened));

        // Saved and opened again.
        const QString saved = app.file(QStringLiteral("saved.htm"));
        app.dialogs.fileNames << saved;
        form.SavePage();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("保存しました。")});
        const QByteArray savedBytes = readBytes(saved);
        QCOMPARE(PageEncoding::detect(savedBytes), savedCharset);
        QCOMPARE(savedBytes.startsWith("\xFF\xFE") || savedBytes.startsWith("\xFE\xFF"), byteOrderMark);
        QVERIFY(!savedBytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(surface->LoadDocument(saved));
        QCOMPARE(surface->DocumentHTML(), opened);

        // An insertion rewrites the page through the temporary page.
        selectText(surface, QStringLiteral("MARK"), 0);
        app.shared().SnippetHtml = SnippetText;
        form.mivo_go();
        QString inserted = opened;
        inserted.replace(QStringLiteral("<HTML>"), QStringLiteral("<HTML lang=ja>"));
        inserted.replace(QStringLiteral("<P id=mark>"), QStringLiteral("<P id=mark>") + SnippetText);
        QCOMPARE(surface->DocumentHTML(), inserted);

        // Run mode runs the script with its own text, and editing comes back to the same page.
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        QCOMPARE(js(surface, QStringLiteral("document.getElementById('out').textContent")), text);
        form.Command4_Click();
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(surface->DocumentHTML(), inserted);
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("保存しました。"), RunModeNotice}));
    }

    // Characters the page's charset cannot hold inside a script or a style:
    // the temporary pages keep them whole without a word, Save offers UTF-8.
    void scriptCharactersAndTheUtf8Offer()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        const QString text = QStringLiteral(
            "<html><head><style>p:after { content: '〜' }</style></head><body><p id=out>?</p><p>日本😀</p>"
            "<script>document.getElementById('out').textContent = '😀'.length;</script></body></html>");
        // Made elsewhere in UTF-8 without a declaration: written back as CP932.
        writeBytes(app.file(QStringLiteral("page.htm")), text.toUtf8());
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
        const QString opened = surface->DocumentHTML();
        QVERIFY(opened.contains(QStringLiteral("'😀'.length")));

        // Run mode: the script counts the emoji's two halves, not the nine characters of a reference.
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        QCOMPARE(js(surface, QStringLiteral("document.getElementById('out').textContent")), QStringLiteral("2"));
        form.Command4_Click();
        QCOMPARE(surface->DocumentHTML(), QString(opened).replace(QStringLiteral("<HTML>"), QStringLiteral("<HTML lang=ja>")));
        // An insertion asks nothing and keeps the script.
        selectText(surface, QStringLiteral("日本"), 0);
        app.shared().SnippetHtml = SnippetText;
        form.mivo_go();
        const QString inserted = surface->DocumentHTML();
        QVERIFY2(inserted.contains(QStringLiteral("'😀'.length")) && inserted.contains(QStringLiteral("content: '〜'")), qPrintable(inserted));
        QCOMPARE(app.boxes.texts(), QStringList{RunModeNotice});

        // Save: declined, nothing is written and the user is told why.
        app.boxes.shown.clear();
        const QString saved = app.file(QStringLiteral("saved.htm"));
        app.dialogs.fileNames << saved;
        app.boxes.answers << MessageBoxes::Answer::No;
        form.SavePage();
        QCOMPARE(app.boxes.shown.size(), 2);
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("スクリプトやスタイル（またはコメント）の中の「〜」「😀」は、このページの文字コード（Shift_JIS）では書き表せません。\n"
                                                     "このページをUTF-8で保存しますか？（ページの文字コードの宣言もUTF-8にします）"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::YesNo);
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(app.boxes.shown[1].text, QStringLiteral("保存しませんでした。スクリプトやスタイル（またはコメント）の中の「〜」「😀」をShift_JISでは書き表せないためです。\n"
                                                     "その文字を書き換えるか、UTF-8で保存してください。"));
        QCOMPARE(app.boxes.shown[1].icon, MessageBoxes::Icon::Warning);
        QVERIFY(!QFile::exists(saved));
        QCOMPARE(surface->DocumentHTML(), inserted);

        // Accepted: UTF-8 with a declaration that says so, in the file and in the page.
        app.boxes.shown.clear();
        app.dialogs.fileNames << saved;
        app.boxes.answers << MessageBoxes::Answer::Yes;
        form.SavePage();
        QCOMPARE(app.boxes.texts().last(), QStringLiteral("保存しました。"));
        QString expected = inserted;
        expected.replace(QStringLiteral("<HEAD>"), QStringLiteral("<HEAD><META charset=UTF-8>"));
        QVERIFY(expected != inserted);
        QCOMPARE(readBytes(saved), (expected + QStringLiteral("\r\n")).toUtf8());
        QCOMPARE(surface->DocumentHTML(), expected);
        // The page now says UTF-8: saved again without a question.
        app.boxes.shown.clear();
        app.dialogs.fileNames << saved;
        app.boxes.answers << MessageBoxes::Answer::Ok;
        form.SavePage();
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("同名ファイルがあります、上書きしますか？"), QStringLiteral("上書き保存しました。")}));
        QVERIFY(surface->LoadDocument(saved));
        QCOMPARE(surface->DocumentHTML(), expected);

        // A declared charset gets its declaration changed.
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><head><meta charset=euc-jp></head><body><script>a = '😀'</script></body></html>")));
        app.boxes.shown.clear();
        app.dialogs.fileNames << app.file(QStringLiteral("euc.htm"));
        app.boxes.answers << MessageBoxes::Answer::Yes;
        form.SavePage();
        QVERIFY(app.boxes.shown[0].text.contains(QStringLiteral("このページの文字コード（EUC-JP）")));
        QCOMPARE(readBytes(app.file(QStringLiteral("euc.htm"))),
                 QStringLiteral("<HTML><HEAD><META charset=UTF-8></HEAD><BODY><SCRIPT>a = '😀'</SCRIPT></BODY></HTML>\r\n").toUtf8());
    }

    // A NUL from the clipboard, the page's own DOM or an older file opens,
    // saves, runs and comes back.
    void nulNeverBlocksAPage()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>ab</p></body></html>")));

        selectText(surface, QStringLiteral("ab"), 1);
        auto *data = new QMimeData;
        data->setText(QString::fromUtf16(u"x\0y", 3));
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(surface->ExecCommand(5032));
        QCOMPARE(js(surface, QStringLiteral("document.body.textContent.indexOf('\\0')")), QStringLiteral("-1"));
        QCOMPARE(body(surface->DocumentHTML()), QStringLiteral("<BODY><P>axyb</P></BODY></HTML>"));
        // Put there by a script of the editor's: not written.
        QVERIFY(surface->evaluate(QStringLiteral("document.querySelector('p').appendChild(document.createTextNode('1\\u00002')); __tvl.markEdited(); true")));
        QCOMPARE(body(surface->DocumentHTML()), QStringLiteral("<BODY><P>axyb12</P></BODY></HTML>"));

        // A file that holds NULs (as an older save wrote them) opens, saves and runs.
        const QString old = app.file(QStringLiteral("old.htm"));
        writeBytes(old, QByteArray("<html><body><p>a\0b\0\0c</p><p id=out></p><script>document.getElementById('out').textContent = 'ran'</script></body></html>", 120));
        QVERIFY2(surface->LoadDocument(old), qPrintable(surface->lastError()));
        const QString opened = surface->DocumentHTML();
        QCOMPARE(body(opened), QStringLiteral("<BODY><P>abc</P><P id=out></P><SCRIPT>document.getElementById('out').textContent = 'ran'</SCRIPT></BODY></HTML>"));
        app.dialogs.fileNames << app.file(QStringLiteral("saved.htm"));
        form.SavePage();
        QVERIFY(!readBytes(app.file(QStringLiteral("saved.htm"))).contains('\0'));
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("saved.htm"))));
        QCOMPARE(surface->DocumentHTML(), opened);
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        QCOMPARE(js(surface, QStringLiteral("document.getElementById('out').textContent")), QStringLiteral("ran"));
        form.Command4_Click();

        // The source window writes what is typed there, NUL and all, and the page reloads from it.
        const QString temp = app.file(QStringLiteral("tvlTemp.htm"));
        QString error;
        QVERIFY(FileChannel::writeText(temp, QString::fromUtf16(u"<html><body><p>s\0t</p></body></html>", 36), &error));
        QVERIFY2(surface->LoadDocument(temp), qPrintable(surface->lastError()));
        QCOMPARE(body(surface->DocumentHTML()), QStringLiteral("<BODY><P>st</P></BODY></HTML>"));
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("保存しました。"), RunModeNotice}));
    }
};

TOVALEAF_TEST_MAIN(TestCharsets)
#include "tst_charsets.moc"
