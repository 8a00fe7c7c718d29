#include "support/TestSupport.h"

#include "platform/FileChannel.h"
#include "platform/PageEncoding.h"

using namespace TestSupport;

// Charsets and the line rules of the program's text files.
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
        QCOMPARE(bytes.left(6), QByteArray("\x93\xfa\x96\x7b\x8c\xea"));
        QCOMPARE(PageEncoding::decode(bytes, PageEncoding::Cp932), QStringLiteral("日本語ｶﾀｶﾅ①～髙 &#233; &#128512;"));
        // A stateful charset returns to ASCII before a reference.
        const QByteArray jis = PageEncoding::encode(QStringLiteral("あé"), "ISO-2022-JP");
        QCOMPARE(PageEncoding::decode(jis, "ISO-2022-JP"), QStringLiteral("あ&#233;"));
        // Broken bytes decode to replacement characters, nothing is dropped silently.
        QCOMPARE(PageEncoding::decode(QByteArray("a\x82z"), PageEncoding::Cp932), QStringLiteral("a\uFFFDz"));
    }

    void detection()
    {
        QCOMPARE(PageEncoding::detect(PageEncoding::encode(QStringLiteral("<p>日本</p>"), PageEncoding::Cp932)), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::detect(QStringLiteral("<p>日本</p>").toUtf8()), PageEncoding::Utf8);
        QCOMPARE(PageEncoding::detect("\xEF\xBB\xBF<p>x</p>"), PageEncoding::Utf8);
        QCOMPARE(PageEncoding::detect("<meta http-equiv=Content-Type content=\"text/html; charset=EUC-JP\">"), QByteArray("EUC-JP"));
        QCOMPARE(PageEncoding::detect("<META charset='x-sjis'><p>\xEF\xBB\xBF</p>"), PageEncoding::Cp932);
        // The editing component's "unicode" names no charset of a file.
        QCOMPARE(PageEncoding::detect("<META content=\"text/html; charset=unicode\" http-equiv=Content-Type>\x93\xfa"), PageEncoding::Cp932);
        QCOMPARE(PageEncoding::forText(QStringLiteral("<meta charset=utf-8><p>é</p>")), PageEncoding::Utf8);
        QCOMPARE(PageEncoding::forText(QStringLiteral("<p>é</p>")), PageEncoding::Cp932);
        QVERIFY(PageEncoding::looksBinary(QByteArray("GIF89a\0\0", 8)));
        QVERIFY(!PageEncoding::looksBinary("<p>x</p>"));
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

        QVERIFY(!FileChannel::readLines(dir.filePath(QStringLiteral("missing.htm")), &text, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!FileChannel::readLines(dir.path(), &text, &error));
        QVERIFY(!FileChannel::writeText(dir.filePath(QStringLiteral("no/such/folder.htm")), QStringLiteral("x"), &error));
    }
};

TOVALEAF_TEST_MAIN(TestPageEncoding)
#include "tst_pageencoding.moc"
