#include "support/TestSupport.h"

#include "platform/FileChannel.h"
#include "platform/LiteralText.h"
#include "platform/PageBytes.h"
#include "platform/PageEncoding.h"

using namespace TestSupport;

namespace {

const QByteArray Nihongo = "\x93\xfa\x96\x7b\x8c\xea"; // 日本語 in CP932
const QByteArray Utf8Bom = "\xEF\xBB\xBF";

QByteArray utf16le(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

// Position of the n-th (from 0) occurrence of needle.
qsizetype nth(const QString &text, const QString &needle, int n)
{
    qsizetype at = -1;
    for (int i = 0; i <= n; ++i)
        at = text.indexOf(needle, at + 1);
    return at;
}

} // namespace

// Charsets of the pages the program reads and writes, and the line rules of
// its text files.
class TestPageEncoding : public QObject
{
    Q_OBJECT

private slots:
    void cp932RoundTripAndReferences()
    {
        const QString text = QStringLiteral("日本語ｶﾀｶﾅ①～髙 é \U0001F600");
        const QByteArray bytes = PageEncoding::encode(text, PageEncoding::Cp932);
        // é and the emoji have no CP932 form: numeric references keep them.
        QVERIFY(bytes.endsWith(" &#233; &#128512;"));
        QCOMPARE(bytes.left(6), Nihongo);
        QCOMPARE(PageEncoding::decode(bytes, PageEncoding::Cp932), QStringLiteral("日本語ｶﾀｶﾅ①～髙 &#233; &#128512;"));
        // CP932 would give these back as other characters (a full-width tilde,
        // a backslash, a full-width minus): kept by references instead.
        QCOMPARE(PageEncoding::encode(QStringLiteral("〜¥−‖"), PageEncoding::Cp932), QByteArray("&#12316;&#165;&#8722;&#8214;"));
        QCOMPARE(PageEncoding::encode(QStringLiteral("¥"), "EUC-JP"), QByteArray("&#165;"));
        QVERIFY(!PageEncoding::holds(PageEncoding::Cp932, U'〜'));
        QVERIFY(PageEncoding::holds(PageEncoding::Cp932, U'～'));
        QVERIFY(PageEncoding::holds(PageEncoding::Utf16Le, U'\U0001F600'));
        // A stateful charset returns to ASCII before a reference.
        const QByteArray jis = PageEncoding::encode(QStringLiteral("あé"), "ISO-2022-JP");
        QCOMPARE(PageEncoding::decode(jis, "ISO-2022-JP"), QStringLiteral("あ&#233;"));
        // A U+FEFF that begins the text is text, in every reader: only a byte-order mark is dropped.
        QCOMPARE(PageEncoding::decodeDetected(QByteArray("\xFF\xFE\xFF\xFE<\0", 6)), QStringLiteral("\uFEFF<"));
        QCOMPARE(PageEncoding::encode(QStringLiteral("\uFEFF中"), "GB18030"), QByteArray("&#65279;\xD6\xD0"));
        // Broken bytes decode to replacement characters, nothing is dropped silently.
        QCOMPARE(PageEncoding::decode(QByteArray("a\x82z"), PageEncoding::Cp932), QStringLiteral("a\uFFFDz"));
    }

    void detection()
    {
        QCOMPARE(PageEncoding::detect(PageEncoding::encode(QStringLiteral("<p>日本</p>"), PageEncoding::Cp932)), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::detect(QStringLiteral("<p>日本</p>").toUtf8()), PageEncoding::Utf8);
        QCOMPARE(PageEncoding::detect("\xEF\xBB\xBF<p>x</p>"), PageEncoding::Utf8);
        QCOMPARE(PageEncoding::detect("\xFF\xFE<\0p\0"), PageEncoding::Utf16Le);
        QCOMPARE(PageEncoding::detect("<meta http-equiv=Content-Type content=\"text/html; charset=EUC-JP\">"), QByteArray("EUC-JP"));
        QCOMPARE(PageEncoding::detect("<META charset='x-sjis'><p>\xEF\xBB\xBF</p>"), PageEncoding::Cp932);
        // The editing component's "unicode" names no charset of a file.
        QCOMPARE(PageEncoding::detect("<META content=\"text/html; charset=unicode\" http-equiv=Content-Type>\x93\xfa"), PageEncoding::Cp932);
        // A UTF-16, UTF-32 or UTF-7 declaration read from ASCII bytes cannot
        // describe them: passed over, as browsers do, so a page written so by
        // mistake opens as what it is.
        QCOMPARE(PageEncoding::detect("<meta charset=utf-16><p>" + Nihongo + "</p>"), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::detect("<meta charset=\"UTF-16\"><p>" + QStringLiteral("日本").toUtf8() + "</p>"), PageEncoding::Utf8);
        QCOMPARE(PageEncoding::detect("<meta charset=utf-32><meta charset=euc-jp>"), QByteArray("EUC-JP"));
        QCOMPARE(PageEncoding::detect("<meta charset=utf-7>\x93\xfa"), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::decodeDetected("<meta charset=utf-16><p>" + Nihongo + "</p>"),
                 QStringLiteral("<meta charset=utf-16><p>日本語</p>"));
        // The writer honours a UTF-16 declaration (with a byte-order mark) and passes over the others.
        QCOMPARE(PageEncoding::charsetForText(QStringLiteral("<meta charset=utf-16>")), PageEncoding::Utf16Le);
        QCOMPARE(PageEncoding::charsetForText(QStringLiteral("<meta charset=UnicodeFFFE>")), PageEncoding::Utf16Be);
        QCOMPARE(PageEncoding::charsetForText(QStringLiteral("<meta charset=utf-32><p>é</p>")), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::charsetForText(QStringLiteral("<meta charset=utf-8><p>é</p>")), PageEncoding::Utf8);
        QCOMPARE(PageEncoding::charsetForText(QStringLiteral("<p>é</p>")), PageEncoding::Cp932);

        QVERIFY(PageEncoding::looksBinary(QByteArray("GIF89a\0\0", 8)));
        QVERIFY(PageEncoding::looksBinary(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
        QByteArray machine(4096, '\0');
        for (int i = 0; i < machine.size(); ++i)
            machine[i] = char((i * 73 + 11) % 256);
        QVERIFY(PageEncoding::looksBinary(machine));
        QVERIFY(!PageEncoding::looksBinary("<p>x</p>"));
        // NULs pasted into a page do not make it a picture.
        QVERIFY(!PageEncoding::looksBinary(QByteArray("<p>a\0b\0\0c</p>\r\n", 16)));
        QVERIFY(!PageEncoding::looksBinary("<p>\x1B$B$\"\x1B(B</p>"));
    }

    // Pages that neither mark nor declare a charset and are not UTF-8: the
    // detector's judgement where it knows better than the CP932 default, and
    // the editor's text then says which charset it was read in.
    void undeclaredPagesAreRecognised()
    {
        const QString japanese = QStringLiteral("<html><head><title>テスト</title></head><body><p>日本語のページです。"
                                                "漢字とひらがな、カタカナを使っています。</p></body></html>");
        const QByteArray euc = PageEncoding::encode(japanese, "EUC-JP");
        QCOMPARE(PageEncoding::detect(euc), QByteArray("EUC-JP"));
        QCOMPARE(PageEncoding::decodeDetected(euc), japanese);
        QCOMPARE(PageEncoding::readPage(euc),
                 QStringLiteral("<html><head><META charset=EUC-JP><title>テスト</title></head><body><p>日本語のページです。"
                                "漢字とひらがな、カタカナを使っています。</p></body></html>"));
        // Read back with its declaration, written in the same charset.
        QCOMPARE(PageBytes::of(PageEncoding::readPage(euc)).charset, QByteArray("EUC-JP"));

        // CP932 stays CP932, and gets no declaration, however little Japanese
        // it holds: three half-width katakana look Western to the detector.
        const QByteArray sjis = PageEncoding::encode(japanese, PageEncoding::Cp932);
        QCOMPARE(PageEncoding::detect(sjis), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::readPage(sjis), japanese);
        const QByteArray kana = PageEncoding::encode(QStringLiteral("<html><body>ｱｲｳ</body></html>"), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::detect(kana), PageEncoding::Cp932);

        // Bytes CP932 cannot read: the detector's Western answer.
        const QByteArray latin = "<html><body>Caf\xE9 cr\xE8me br\xFBl\xE9" "e, \xE0 la carte</body></html>";
        QCOMPARE(PageEncoding::decodeDetected(latin), QStringLiteral("<html><body>Café crème brûlée, à la carte</body></html>"));
        QVERIFY(PageEncoding::readPage(latin).contains(QStringLiteral("<META charset=")));

        // Korean in EUC-KR, and 7-bit ISO-2022-JP (valid UTF-8, but not meant as it).
        const QString korean = QStringLiteral("<html><body><p>한국어 페이지입니다. 안녕하세요, 반갑습니다.</p></body></html>");
        QCOMPARE(PageEncoding::decodeDetected(PageEncoding::encode(korean, "EUC-KR")), korean);
        const QByteArray jis = PageEncoding::encode(japanese, "ISO-2022-JP");
        QCOMPARE(PageEncoding::detect(jis), QByteArray("ISO-2022-JP"));
        QCOMPARE(PageEncoding::decodeDetected(jis), japanese);

        // A declaration, a byte-order mark or UTF-8 is taken before any guess.
        QCOMPARE(PageEncoding::readPage(japanese.toUtf8()), japanese);
        QCOMPARE(PageEncoding::detect("<meta charset=shift_jis>" + euc), PageEncoding::Cp932);
    }

    // Every form the writer chooses reads back as the text it was given.
    void writtenFormsReadBack()
    {
        auto check = [](const QString &text, const QByteArray &bytes, const QString &readBack, const QString &unheld = QString()) {
            const PageBytes form = PageBytes::of(text);
            QCOMPARE(form.bytes, bytes);
            QCOMPARE(form.readBack(), readBack);
            QCOMPARE(form.unheldInCode, unheld);
        };
        // No declaration: CP932, references for what it cannot hold.
        check(QStringLiteral("<p>日本語〜😀</p>\r\n"), "<p>" + Nihongo + "&#12316;&#128512;</p>\r\n",
              QStringLiteral("<p>日本語&#12316;&#128512;</p>\r\n"));
        // CP932 bytes that happen to be valid UTF-8 would come back as "ý": UTF-8 with a mark.
        check(QStringLiteral("<p>ﾃｽ</p>"), Utf8Bom + QStringLiteral("<p>ﾃｽ</p>").toUtf8(), QStringLiteral("<p>ﾃｽ</p>"));
        // UTF-16, either order, with its byte-order mark.
        const QString utf16Page = QStringLiteral("<meta charset=\"utf-16\"><p>日本😀</p>\r\n");
        check(utf16Page, "\xFF\xFE" + utf16le(utf16Page), utf16Page);
        const PageBytes bigEndian = PageBytes::of(QStringLiteral("<meta charset=utf-16be>日"));
        QVERIFY(bigEndian.bytes.startsWith("\xFE\xFF\0<"));
        QCOMPARE(bigEndian.readBack(), QStringLiteral("<meta charset=utf-16be>日"));
        // Declarations the reader passes over: written as a page without one.
        check(QStringLiteral("<meta charset=utf-32><p>日本語</p>"), "<meta charset=utf-32><p>" + Nihongo + "</p>",
              QStringLiteral("<meta charset=utf-32><p>日本語</p>"));
        check(QStringLiteral("<meta charset=x-no-such-charset><p>日本語</p>"), "<meta charset=x-no-such-charset><p>" + Nihongo + "</p>",
              QStringLiteral("<meta charset=x-no-such-charset><p>日本語</p>"));
        // A declared charset; what it cannot hold inside a script cannot be a reference.
        check(QStringLiteral("<meta charset=euc-jp><p>日本😀</p>"), "<meta charset=euc-jp><p>\xC6\xFC\xCB\xDC&#128512;</p>",
              QStringLiteral("<meta charset=euc-jp><p>日本&#128512;</p>"));
        const QString inScript = QStringLiteral("<meta charset=euc-jp><script>s='😀é😁😀'</script><p>😀</p>");
        check(inScript, Utf8Bom + inScript.toUtf8(), inScript, QStringLiteral("😀😁"));
        QCOMPARE(PageBytes::of(inScript).pageCharset, QByteArray("EUC-JP"));
        check(QStringLiteral("<style>p:after{content:'〜'}</style>"), Utf8Bom + QStringLiteral("<style>p:after{content:'〜'}</style>").toUtf8(),
              QStringLiteral("<style>p:after{content:'〜'}</style>"), QStringLiteral("〜"));
        // A charset whose reading joins a letter and an accent written apart:
        // the accent is a reference, or in a script the page is UTF-8.
        check(QStringLiteral("<meta charset=windows-1258><p>A\u0301 \u1EBF</p>"), "<meta charset=windows-1258><p>A&#769; \xEA\xEC</p>",
              QStringLiteral("<meta charset=windows-1258><p>A&#769; \u1EBF</p>"));
        const QString vietnamese = QStringLiteral("<meta charset=windows-1258><script>'A\u0301'</script>");
        check(vietnamese, Utf8Bom + vietnamese.toUtf8(), vietnamese, QStringLiteral("\u0301"));
        // Its reader holds the last letter back for an accent: not lost at the end.
        QCOMPARE(PageEncoding::decode("a\xC3", "WINDOWS-1258"), QStringLiteral("a\u0102"));
        // A leading U+FEFF in UTF-8 would be taken for a byte-order mark.
        check(QStringLiteral("\uFEFF<meta charset=utf-8>é"), Utf8Bom + QStringLiteral("\uFEFF<meta charset=utf-8>é").toUtf8(),
              QStringLiteral("\uFEFF<meta charset=utf-8>é"));
        // A declaration the reader does not reach in the bytes.
        const QString late = QStringLiteral("<title>") + QString(3000, QChar(u'日')) + QStringLiteral("</title><meta charset=euc-jp>");
        QCOMPARE(PageBytes::of(late).readBack(), late);
        // A NUL goes through and comes back.
        const QString withNul = QString::fromUtf16(u"<p>a\0b</p>", 10);
        check(withNul, QByteArray("<p>a\0b</p>", 10), withNul);
        QVERIFY(!PageEncoding::looksBinary(PageBytes::of(withNul).bytes));
        // A half surrogate pair is no character: U+FFFD.
        QCOMPARE(PageBytes::of(QStringLiteral("<meta charset=utf-8>") + QChar(0xD800)).readBack(), QStringLiteral("<meta charset=utf-8>\uFFFD"));
    }

    void literalParts()
    {
        const QString page = QStringLiteral(
            "<p title=\"X\" X=1 data=X>X</p><script>X</script ><STYLE>X</STYLE><!--X--><textarea><b>X</textarea>"
            "<title>X</title><script type=a>\"</scripty>X\"</script><![CDATA[X]]><!DOCTYPE X><xmp>X</xmp><?X?>"
            "<a href='X'>X</a X>X<plaintext>X</p>X");
        const LiteralText literal(page);
        const QList<bool> expected{false, true, false, false, true, true, true, false, false, true, true, true, true, true,
                                   false, false, true, false, true, true};
        for (int i = 0; i < expected.size(); ++i) {
            const qsizetype at = nth(page, QStringLiteral("X"), i);
            QVERIFY2(at >= 0, qPrintable(QString::number(i)));
            QVERIFY2(literal.contains(at) == expected[i], qPrintable(QStringLiteral("X number %1").arg(i)));
        }
        QVERIFY(!literal.inCode(page.indexOf(QStringLiteral("title="))));
        QVERIFY(literal.contains(page.indexOf(QStringLiteral("title="))));
        QVERIFY(literal.inCode(nth(page, QStringLiteral("X"), 6)));
        // A script's own "</script>" after "<!--" and "<script" does not end it.
        const QString hidden = QStringLiteral("<script><!--\nw(\"<script>X</script>X\");\n//--></script>X");
        const LiteralText hiddenParts(hidden);
        QVERIFY(hiddenParts.inCode(nth(hidden, QStringLiteral("X"), 0)));
        QVERIFY(hiddenParts.inCode(nth(hidden, QStringLiteral("X"), 1)));
        QVERIFY(!hiddenParts.contains(nth(hidden, QStringLiteral("X"), 2)));
        QVERIFY(!LiteralText(QStringLiteral("<script><!--></script>X")).contains(22));
        // Unclosed, to the end.
        QVERIFY(LiteralText(QStringLiteral("<script>a")).contains(8));
        QVERIFY(LiteralText(QStringLiteral("<!-- a")).contains(5));
        QVERIFY(!LiteralText(QStringLiteral("a < b")).contains(4));
    }

    void utf8Declaration()
    {
        QCOMPARE(PageEncoding::declaringUtf8(QStringLiteral("<HTML><HEAD><META charset=shift_jis></HEAD>")),
                 QStringLiteral("<HTML><HEAD><META charset=UTF-8></HEAD>"));
        QCOMPARE(PageEncoding::declaringUtf8(QStringLiteral("<head><meta http-equiv=Content-Type content=\"text/html; charset=euc-jp\">"
                                                            "<meta charset='x-sjis'></head>")),
                 QStringLiteral("<head><meta http-equiv=Content-Type content=\"text/html; charset=UTF-8\"><meta charset='UTF-8'></head>"));
        // Declarations written in scripts or comments are not the page's.
        QCOMPARE(PageEncoding::declaringUtf8(QStringLiteral("<HTML><HEAD id=h><!-- <meta charset=euc-jp> --></HEAD>"
                                                            "<SCRIPT>w('<meta charset=euc-jp>')</SCRIPT>")),
                 QStringLiteral("<HTML><HEAD id=h><META charset=UTF-8><!-- <meta charset=euc-jp> --></HEAD>"
                                "<SCRIPT>w('<meta charset=euc-jp>')</SCRIPT>"));
        QCOMPARE(PageEncoding::declaringUtf8(QStringLiteral("<html><body>x</body></html>")),
                 QStringLiteral("<html><META charset=UTF-8><body>x</body></html>"));
        QCOMPARE(PageEncoding::declaringUtf8(QStringLiteral("<p>x</p>")), QStringLiteral("<META charset=UTF-8><p>x</p>"));
        const QString changed = PageEncoding::declaringUtf8(QStringLiteral("<HEAD><META charset=euc-jp></HEAD><SCRIPT>'😀'</SCRIPT>"));
        const PageBytes form = PageBytes::of(changed);
        QCOMPARE(form.charset, PageEncoding::Utf8);
        QVERIFY(!form.byteOrderMark);
        QCOMPARE(form.bytes, changed.toUtf8());
    }

    void fileChannelLines()
    {
        QCOMPARE(FileChannel::withCrLfLines(QStringLiteral("a\nb\r\nc\rd")), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
        QCOMPARE(FileChannel::withCrLfLines(QStringLiteral("a\r\n")), QStringLiteral("a\r\n"));
        QCOMPARE(FileChannel::withCrLfLines(QStringLiteral("a\n\n")), QStringLiteral("a\r\n\r\n"));
        QCOMPARE(FileChannel::withCrLfLines(QString()), QString());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.htm"));
        QString error;
        QVERIFY(FileChannel::writeText(path, QStringLiteral("<p>表\n</p>"), &error));
        QCOMPARE(readBytes(path), QByteArray("<p>\x95\x5c\n</p>\r\n"));
        QString text;
        QVERIFY(FileChannel::readLines(path, &text, &error));
        QCOMPARE(text, QStringLiteral("<p>表\r\n</p>\r\n"));
        // A page that declares UTF-8 is written in UTF-8.
        QVERIFY(FileChannel::writeText(path, QStringLiteral("<meta charset=\"utf-8\">é"), &error));
        QCOMPARE(readBytes(path), QByteArray("<meta charset=\"utf-8\">\xC3\xA9\r\n"));
        // A temporary page keeps what a script holds, whatever the page declares.
        QVERIFY(FileChannel::writeText(path, QStringLiteral("<script>'😀'</script>"), &error));
        QVERIFY(FileChannel::readLines(path, &text, &error));
        QCOMPARE(text, QStringLiteral("<script>'😀'</script>\r\n"));
        // Written over, the file keeps its rights.
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        QVERIFY(FileChannel::writeText(path, QStringLiteral("x"), &error));
        QCOMPARE(QFile::permissions(path) & ~QFileDevice::Permissions(0x0700), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("t.htm")});

        QVERIFY(!FileChannel::readLines(dir.filePath(QStringLiteral("missing.htm")), &text, &error));
        QCOMPARE(error, QStringLiteral("ファイルが見つかりません"));
        QVERIFY(!FileChannel::readLines(dir.path(), &text, &error));
        QCOMPARE(error, QStringLiteral("フォルダです"));
        QVERIFY(!FileChannel::writeText(dir.filePath(QStringLiteral("no/such/folder.htm")), QStringLiteral("x"), &error));
        QCOMPARE(error, QStringLiteral("保存先のフォルダが見つかりません"));
        QVERIFY(!FileChannel::writeText(dir.path(), QStringLiteral("x"), &error));
        QCOMPARE(error, QStringLiteral("同じ名前のフォルダがあります"));
    }
};

QTEST_APPLESS_MAIN(TestPageEncoding)
#include "tst_pageencoding.moc"
