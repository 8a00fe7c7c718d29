#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/LiteralText.h"
#include "platform/PageBytes.h"
#include "platform/PageEncoding.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <random>

using namespace TestSupport;

namespace {

// TOVALEAF_FUZZ_SEED replays a reported run; TOVALEAF_FUZZ_CASES makes runs longer.
quint64 fuzzSeed()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("TOVALEAF_FUZZ_SEED").toULongLong(&ok, 0);
    return ok ? seed : 0x70FA1EAFull;
}

int fuzzCases(int normal)
{
    bool ok = false;
    const int cases = qEnvironmentVariableIntValue("TOVALEAF_FUZZ_CASES", &ok);
    return ok && cases > 0 ? cases : normal;
}

QString shown(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0) || c.isSurrogate() || category == QChar::Other_Format
            || category == QChar::Mark_NonSpacing || (category == QChar::Separator_Space && c != u' '))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out.left(1500);
}

class Random
{
public:
    explicit Random(quint64 seed) : m_engine(seed) {}
    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(m_engine)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T>
    const T &pick(const QList<T> &items) { return items[below(int(items.size()))]; }

private:
    std::mt19937_64 m_engine;
};

struct CharPool
{
    char32_t first;
    char32_t last;
};

// Characters of the scripts the program meets, and those that trip charsets up.
const QList<CharPool> Pools{
    {U'a', U'z'}, {U'0', U'9'}, {U'\u3041', U'\u3096'}, {U'\u30A1', U'\u30FA'}, {U'\u4E00', U'\u9FA0'},
    {U'\uFF61', U'\uFF9F'}, {U'\u00A0', U'\u00FF'}, {U'\u0391', U'\u03C9'}, {U'\u0410', U'\u044F'},
    {U'\uAC00', U'\uD7A3'}, {U'\u3000', U'\u303F'}, {U'\U0001F300', U'\U0001F64F'}, {U'\u0300', U'\u036F'},
    {U'\uE000', U'\uE0FF'}, {U'\u2010', U'\u2312'}, {U'\uFF01', U'\uFF5E'}};
const QString Awkward = QStringLiteral("〜¥−‖¢£¬—‾～－\uFEFF\uFFFD&<>\"'=`\u00A0\r\n\t ");

const QStringList Charsets{QStringLiteral("shift_jis"), QStringLiteral("utf-8"), QStringLiteral("euc-jp"),
                           QStringLiteral("iso-2022-jp"), QStringLiteral("utf-16"), QStringLiteral("utf-16be"),
                           QStringLiteral("utf-32"), QStringLiteral("utf-7"), QStringLiteral("windows-1252"),
                           QStringLiteral("iso-8859-1"), QStringLiteral("koi8-r"), QStringLiteral("gbk"),
                           QStringLiteral("gb18030"), QStringLiteral("big5"), QStringLiteral("euc-kr"),
                           QStringLiteral("windows-1258"), QStringLiteral("x-unknown"), QStringLiteral("unicode"),
                           QStringLiteral("ibm037"), QStringLiteral("iso-8859-15"), QStringLiteral("x-sjis")};

const QStringList Fragments{
    QStringLiteral("<p>"), QStringLiteral("</p>"), QStringLiteral("<div class=a>"), QStringLiteral("<b>"), QStringLiteral("</b>"),
    QStringLiteral("<br>"), QStringLiteral("<table><tr><td>"), QStringLiteral("</td></tr></table>"), QStringLiteral("<script>"),
    QStringLiteral("</script>"), QStringLiteral("<style>"), QStringLiteral("</style>"), QStringLiteral("<!--"), QStringLiteral("-->"),
    QStringLiteral("<textarea>"), QStringLiteral("</textarea>"), QStringLiteral("<title>"), QStringLiteral("</title>"),
    QStringLiteral("<pre>"), QStringLiteral("</pre>"), QStringLiteral("<img src=\"a.png\" alt='"), QStringLiteral("'>"),
    QStringLiteral("&amp;"), QStringLiteral("&#"), QStringLiteral("&#128512;"), QStringLiteral("&lt;"), QStringLiteral("<![CDATA["),
    QStringLiteral("]]>"), QStringLiteral("<svg>"), QStringLiteral("</svg>"), QStringLiteral("<a href="), QStringLiteral(">"),
    QStringLiteral("<"), QStringLiteral("\""), QStringLiteral("'"), QStringLiteral("="), QStringLiteral("\r\n"),
    QStringLiteral("<HTML>"), QStringLiteral("<HEAD>"), QStringLiteral("</HEAD>"), QStringLiteral("<BODY>"),
    QStringLiteral("</BODY></HTML>"), QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<xmp>"), QStringLiteral("</xmp>")};

QString randomChars(Random &random, int count)
{
    QString out;
    const CharPool pool = random.pick(Pools);
    for (int i = 0; i < count; ++i) {
        if (random.chance(15)) {
            out += Awkward[random.below(int(Awkward.size()))];
            continue;
        }
        if (random.chance(2)) {
            out += QChar(0); // pasted from somewhere
            continue;
        }
        const char32_t c = pool.first + char32_t(random.below(int(pool.last - pool.first + 1)));
        out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QString declaration(Random &random)
{
    const QString name = random.pick(Charsets);
    return random.chance(50) ? QStringLiteral("<meta charset=\"%1\">").arg(name)
                             : QStringLiteral("<META http-equiv=Content-Type content=\"text/html; charset=%1\">").arg(name);
}

QString randomPage(Random &random)
{
    QString page;
    if (random.chance(70))
        page += QStringLiteral("<HTML><HEAD>") + (random.chance(70) ? declaration(random) : QString());
    const int pieces = 1 + random.below(80);
    for (int i = 0; i < pieces; ++i) {
        const int kind = random.below(100);
        if (kind < 45)
            page += random.pick(Fragments);
        else if (kind < 48)
            page += declaration(random);
        else
            page += randomChars(random, 1 + random.below(12));
    }
    return page;
}

QByteArray mutated(Random &random, QByteArray bytes)
{
    const int steps = 1 + random.below(6);
    for (int i = 0; i < steps && !bytes.isEmpty(); ++i) {
        const int at = random.below(int(bytes.size()));
        switch (random.below(6)) {
        case 0:
            bytes[at] = char(random.below(256));
            break;
        case 1:
            bytes.insert(at, QByteArray(1 + random.below(4), char(0x80 + random.below(128))));
            break;
        case 2:
            bytes.remove(at, 1 + random.below(16));
            break;
        case 3:
            bytes.insert(at, bytes.mid(random.below(int(bytes.size())), 1 + random.below(64)));
            break;
        case 4:
            bytes.insert(at, declaration(random).toLatin1());
            break;
        default: {
            static const QList<QByteArray> marks{"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", QByteArray(1, '\0')};
            bytes.prepend(random.pick(marks));
        }
        }
    }
    return bytes;
}

// Checks that read is text with some characters written as "&#N;", never
// inside the literal parts (scripts, styles, comments, names); else says where not.
QString referencesOnlyWhereAllowed(const QString &text, const QString &read, bool page)
{
    const LiteralText literal(text);
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < text.size()) {
        if (j < read.size() && read[j] == text[i]) {
            ++i;
            ++j;
            continue;
        }
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const QString reference = QStringLiteral("&#%1;").arg(uint(codePoint));
        if (!QStringView(read).mid(j).startsWith(reference))
            return QStringLiteral("changed at %1: %2").arg(i).arg(shown(text.mid(i, 12)));
        if (page && literal.contains(i))
            return QStringLiteral("reference inside a script, style, comment or name at %1").arg(i);
        i += pair ? 2 : 1;
        j += reference.size();
    }
    return j == read.size() ? QString() : QStringLiteral("text added at the end");
}

// What the program writes it reads back: references only where a browser
// reads them as the character, the same text otherwise, and the same again.
QString writerProblem(const QString &text)
{
    const PageBytes form = PageBytes::of(text);
    const QString read = form.readBack();
    if (!form.unheldInCode.isEmpty() && (read != text || !form.byteOrderMark))
        return QStringLiteral("script characters not kept whole");
    const QString where = referencesOnlyWhereAllowed(text, read, true);
    if (!where.isEmpty())
        return where;
    if (PageBytes::of(read).readBack() != read)
        return QStringLiteral("a second write reads back otherwise");
    if (PageEncoding::looksBinary(form.bytes))
        return QStringLiteral("written page taken for a binary file");
    return QString();
}

bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

QString jsonText(const QJsonValue &value)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

// Documents for the serializer: well-formed trees and broken markup.
class DocumentMaker
{
public:
    explicit DocumentMaker(Random &random) : m_random(random) {}

    QString document()
    {
        QString doc;
        if (m_random.chance(20))
            doc += QStringLiteral("<!DOCTYPE html>");
        if (m_random.chance(10))
            doc += QStringLiteral("<!--") + text(false) + QStringLiteral("-->");
        doc += QStringLiteral("<html><head>");
        if (m_random.chance(50))
            doc += QStringLiteral("<title>") + text(true) + QStringLiteral("</title>");
        if (m_random.chance(30))
            doc += QStringLiteral("<style>p{color:red} /* ") + text(true) + QStringLiteral(" */</style>");
        doc += QStringLiteral("</head><body") + attributes() + QStringLiteral(">");
        doc += nodes(3);
        doc += QStringLiteral("</body></html>");
        if (m_random.chance(30))
            doc = broken(doc);
        return doc;
    }

private:
    QString text(bool specials)
    {
        QString out = randomChars(m_random, m_random.below(10));
        if (specials && m_random.chance(50))
            out += m_random.pick(QStringList{QStringLiteral("&amp;"), QStringLiteral("&lt;b&gt;"), QStringLiteral("a < b"),
                                             QStringLiteral("\r\n"), QStringLiteral("&nbsp;"), QStringLiteral("x&y"),
                                             QStringLiteral("\n\n"), QStringLiteral("</"), QStringLiteral("--")});
        return out;
    }

    QString attributes()
    {
        static const QStringList names{QStringLiteral("id"), QStringLiteral("class"), QStringLiteral("style"), QStringLiteral("title"),
                                       QStringLiteral("bgcolor"), QStringLiteral("cellpadding"), QStringLiteral("colspan"),
                                       QStringLiteral("nowrap"), QStringLiteral("checked"), QStringLiteral("value"),
                                       QStringLiteral("href"), QStringLiteral("alt"), QStringLiteral("onclick"),
                                       QStringLiteral("data-x"), QStringLiteral("x:y"), QStringLiteral("language")};
        QString out;
        const int count = m_random.below(4);
        QStringList used;
        for (int i = 0; i < count; ++i) {
            const QString name = m_random.pick(names);
            if (used.contains(name))
                continue;
            used << name;
            out += QLatin1Char(' ') + name;
            if (m_random.chance(80)) {
                QString value = text(false);
                value.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
                value += m_random.pick(QStringList{QString(), QStringLiteral("a b"), QStringLiteral("'"), QStringLiteral("<>"),
                                                   QStringLiteral("="), QStringLiteral("`"), QStringLiteral("&amp;"),
                                                   QStringLiteral("&quot;"), QStringLiteral("/")});
                out += QStringLiteral("=\"") + value + QLatin1Char('"');
            }
        }
        return out;
    }

    QString nodes(int depth)
    {
        static const QStringList containers{QStringLiteral("p"), QStringLiteral("div"), QStringLiteral("span"), QStringLiteral("b"),
                                            QStringLiteral("i"), QStringLiteral("font"), QStringLiteral("a"), QStringLiteral("center"),
                                            QStringLiteral("ul"), QStringLiteral("li"), QStringLiteral("h1"), QStringLiteral("marquee"),
                                            QStringLiteral("form"), QStringLiteral("blink"), QStringLiteral("pre"),
                                            QStringLiteral("listing"), QStringLiteral("select"), QStringLiteral("option")};
        static const QStringList voids{QStringLiteral("br"), QStringLiteral("hr"), QStringLiteral("img"), QStringLiteral("input")};
        static const QStringList raws{QStringLiteral("script"), QStringLiteral("style"), QStringLiteral("textarea"),
                                      QStringLiteral("xmp"), QStringLiteral("noscript"), QStringLiteral("iframe"),
                                      QStringLiteral("noembed"), QStringLiteral("title")};
        QString out;
        const int count = m_random.below(5);
        for (int i = 0; i < count; ++i) {
            const int kind = m_random.below(100);
            if (kind < 30 || depth == 0) {
                out += text(true);
            } else if (kind < 60) {
                const QString tag = m_random.pick(containers);
                out += QLatin1Char('<') + tag + attributes() + QLatin1Char('>') + nodes(depth - 1);
                if (m_random.chance(90))
                    out += QStringLiteral("</") + tag + QLatin1Char('>');
            } else if (kind < 70) {
                out += QLatin1Char('<') + m_random.pick(voids) + attributes() + QLatin1Char('>');
            } else if (kind < 80) {
                const QString tag = m_random.pick(raws);
                QString body = text(true);
                if (m_random.chance(30))
                    body += m_random.pick(QStringList{QStringLiteral("<!--"), QStringLiteral("<b>x</b>"), QStringLiteral("'</scr' + 'ipt>'"),
                                                      QStringLiteral("-->"), QStringLiteral("<p>")});
                out += QLatin1Char('<') + tag + attributes() + QLatin1Char('>') + body + QStringLiteral("</") + tag + QLatin1Char('>');
            } else if (kind < 85) {
                out += QStringLiteral("<!--") + text(false).remove(QStringLiteral("--")) + QStringLiteral("-->");
            } else if (kind < 90) {
                out += QStringLiteral("<table") + attributes() + QStringLiteral("><tr><td") + attributes() + QLatin1Char('>')
                    + nodes(depth - 1) + QStringLiteral("</td></tr></table>");
            } else if (kind < 95) {
                out += QStringLiteral("<svg viewBox=\"0 0 10 10\"><title>") + text(true) + QStringLiteral("</title><rect width=\"5\"/>")
                    + QStringLiteral("<foreignObject><p>") + text(true) + QStringLiteral("</p></foreignObject></svg>");
            } else {
                out += QStringLiteral("<math><mi>") + text(true) + QStringLiteral("</mi></math>");
            }
        }
        return out;
    }

    QString broken(QString doc)
    {
        const int steps = 1 + m_random.below(4);
        for (int i = 0; i < steps && !doc.isEmpty(); ++i) {
            const int at = m_random.below(int(doc.size()));
            switch (m_random.below(3)) {
            case 0:
                doc.remove(at, 1 + m_random.below(12));
                break;
            case 1:
                doc.insert(at, doc.mid(m_random.below(int(doc.size())), 1 + m_random.below(40)));
                break;
            default:
                doc.insert(at, m_random.pick(Fragments));
            }
        }
        return doc;
    }

    Random &m_random;
};

} // namespace

// Seeded fuzzing of the page decoder, the encoder and the serializer. A
// failure names its seed; TOVALEAF_FUZZ_SEED=<seed> replays it.
class TestFuzz : public QObject
{
    Q_OBJECT

private slots:
    void pageWriterAndReader()
    {
        const quint64 seed = fuzzSeed();
        Random random(seed);
        const int cases = fuzzCases(3000);
        for (int n = 0; n < cases; ++n) {
            const QString page = randomPage(random);
            const QString problem = writerProblem(page);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("seed %1, case %2: %3\npage: %4")
                                                       .arg(seed).arg(n).arg(problem, shown(page))));
        }
    }

    void decoderOnMutatedFiles()
    {
        const quint64 seed = fuzzSeed();
        Random random(seed + 1);
        QList<QByteArray> samples;
        for (const QString &name : QDir(QStringLiteral(TOVALEAF_DATA_DIR)).entryList({QStringLiteral("*.htm"), QStringLiteral("*.vs")}))
            samples << readBytes(QStringLiteral(TOVALEAF_DATA_DIR "/") + name).left(6000);
        samples << PageEncoding::encode(QStringLiteral("<meta charset=euc-jp><p>日本語</p>"), "EUC-JP")
                << PageEncoding::encode(QStringLiteral("<meta charset=iso-2022-jp><p>日本語</p>"), "ISO-2022-JP")
                << PageBytes::of(QStringLiteral("<meta charset=utf-16><p>日本語😀</p>")).bytes;
        QVERIFY(samples.size() > 4);
        const int cases = fuzzCases(3000);
        for (int n = 0; n < cases; ++n) {
            const QByteArray bytes = random.chance(10) ? mutated(random, QByteArray(random.below(64), char(random.below(256))))
                                                       : mutated(random, random.pick(samples));
            const QString text = PageEncoding::decodeDetected(bytes);
            const QString context = QStringLiteral("seed %1, case %2, bytes %3").arg(seed).arg(n).arg(QString::fromLatin1(bytes.left(200).toHex()));
            QVERIFY2(!hasLoneSurrogate(text), qPrintable(context));
            const QString problem = writerProblem(text);
            QVERIFY2(problem.isEmpty(), qPrintable(context + QStringLiteral(": ") + problem));
        }
    }

    // decode(encode(x)) == x for text each charset holds; references, and
    // nothing else, for what it does not.
    void encoderPerCharset()
    {
        const quint64 seed = fuzzSeed();
        Random random(seed + 2);
        const QList<QByteArray> charsets{PageEncoding::Cp932, "EUC-JP", "ISO-2022-JP", "WINDOWS-1252", "ISO-8859-15", "KOI8-R",
                                         "GBK", "GB18030", "BIG5", "EUC-KR", "WINDOWS-1258", PageEncoding::Utf8,
                                         PageEncoding::Utf16Le, PageEncoding::Utf16Be};
        const int cases = fuzzCases(3000);
        for (int n = 0; n < cases; ++n) {
            const QByteArray charset = random.pick(charsets);
            QString text;
            const int pieces = 1 + random.below(8);
            for (int i = 0; i < pieces; ++i)
                text += random.chance(30) ? random.pick(Fragments) : randomChars(random, 1 + random.below(10));
            text = PageEncoding::withoutLoneSurrogates(text);
            const QString context = QStringLiteral("seed %1, case %2, %3: %4").arg(seed).arg(n).arg(QString::fromLatin1(charset), shown(text));
            const QString read = PageEncoding::decode(PageEncoding::encode(text, charset), charset);
            const QString problem = referencesOnlyWhereAllowed(text, read, false);
            QVERIFY2(problem.isEmpty(), qPrintable(context + QStringLiteral(": ") + problem));

            // Text the charset itself produced is held whole (what it could not
            // read aside). The Vietnamese charset reads a letter and two accents
            // as a precomposed letter and an accent, which it cannot write back
            // as such: there references keep them, and nothing else is allowed.
            QByteArray bytes(1 + random.below(40), '\0');
            for (char &b : bytes)
                b = char(random.chance(50) ? 0x20 + random.below(0x5F) : 0x80 + random.below(0x80));
            const QString decoded = PageEncoding::decode(bytes, charset);
            const QString again = PageEncoding::decode(PageEncoding::encode(decoded, charset), charset);
            const QString expected = PageEncoding::holds(charset, 0xFFFD)
                ? decoded
                : QString(decoded).replace(QChar(QChar::ReplacementCharacter), QStringLiteral("&#65533;"));
            const bool whole = charset == "WINDOWS-1258" ? referencesOnlyWhereAllowed(decoded, again, false).isEmpty() : again == expected;
            QVERIFY2(whole, qPrintable(QStringLiteral("seed %1, case %2, %3 does not give back its own text %4 (%5)")
                                           .arg(seed).arg(n).arg(QString::fromLatin1(charset), shown(decoded), QString::fromLatin1(bytes.toHex()))));
        }
    }

    // Pages the fuzzing found the serializer changing, each written as it must be.
    void serializerFoundCases()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        QVERIFY(surface.NewDocument());
        const QList<QPair<QString, QString>> cases{
            // An SVG title is no HTML title: its text stays escaped.
            {QStringLiteral("<svg><title>&lt;b&gt;</title></svg>"), QStringLiteral("<SVG><TITLE>&lt;b&gt;</TITLE></SVG>")},
            // Only ASCII letters change case.
            {QStringLiteral("<xσ>t</xσ>"), QStringLiteral("<Xσ>t</Xσ>")},
            // A no-break space is part of a name, not a space.
            {QStringLiteral("<p a\u00A0b=1>t</p>"), QStringLiteral("<P a\u00A0b=1>t</P>")},
            // A name that begins with "=" after a bare one would become its value.
            {QStringLiteral("<input checked=\"\"=x>"), QStringLiteral("<INPUT checked=\"\" =x=\"\">")},
            // A script's own "</script>" after "<!--" and "<script" is script text.
            {QStringLiteral("<script><!--\ndocument.write(\"<script src=a.js></script>\");\n//--></script><p>t</p>"),
             QStringLiteral("<SCRIPT><!--\ndocument.write(\"<script src=a.js></script>\");\n//--></SCRIPT><P>t</P>")},
            // A parsed page's <noscript> holds markup.
            {QStringLiteral("<noscript><!--</noscript>--><b>t</b></noscript>"), QStringLiteral("<NOSCRIPT><!--</noscript>--><B>t</B></NOSCRIPT>")},
            // A parser drops one line break after <pre> and <textarea>.
            {QStringLiteral("<pre>\n\nx</pre><textarea>\n\ny</textarea>"), QStringLiteral("<PRE>\n\nx</PRE><TEXTAREA>\n\ny</TEXTAREA>")},
            // HTML's own <foreignobject> inside SVG's <foreignObject> does not end it.
            {QStringLiteral("<svg><foreignObject><foreignobject></foreignobject><style>a<b>x</b></style></foreignObject></svg>"),
             QStringLiteral("<SVG><FOREIGNOBJECT><FOREIGNOBJECT></FOREIGNOBJECT><STYLE>a<b>x</b></STYLE></FOREIGNOBJECT></SVG>")},
        };
        QJsonArray pages;
        for (const auto &c : cases)
            pages.append(QStringLiteral("<html><head></head><body>") + c.first + QStringLiteral("</body></html>"));
        const auto result = surface.evaluate(QStringLiteral(
            "JSON.stringify(%1.map((html) => __tvl.serializeDocument(new DOMParser().parseFromString(html, 'text/html'))))")
                                                 .arg(jsonText(pages)));
        QVERIFY(result);
        const QJsonArray written = QJsonDocument::fromJson(result->toString().toUtf8()).array();
        QCOMPARE(written.size(), cases.size());
        for (int i = 0; i < cases.size(); ++i)
            QCOMPARE(written[i].toString(), QStringLiteral("<HTML><HEAD></HEAD><BODY>") + cases[i].second + QStringLiteral("</BODY></HTML>"));
    }

    // serialize(parse(serialize(doc))) == serialize(doc), on the real engine,
    // many documents to a call.
    void serializerIsStable()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        QVERIFY(surface.NewDocument());
        const quint64 seed = fuzzSeed();
        Random random(seed + 3);
        DocumentMaker maker(random);
        const int cases = fuzzCases(3000);
        constexpr int Batch = 250;
        int judged = 0;
        for (int first = 0; first < cases; first += Batch) {
            QJsonArray documents;
            for (int i = first; i < std::min(cases, first + Batch); ++i)
                documents.append(maker.document());
            // Where the engine's own serializer cannot give the tree back (a form
            // in a form, a heading in a heading: trees only broken markup builds),
            // no serializer can: those documents are counted, not judged. The
            // engine's writing, with the line break a parser drops after <pre>
            // put back, is also what the tree is compared by.
            const auto result = surface.evaluate(QStringLiteral(R"((() => {
                const parse = (html) => new DOMParser().parseFromString(html, 'text/html');
                const native = (doc) => Array.from(doc.childNodes).map((n) =>
                    n.nodeType === Node.ELEMENT_NODE ? n.outerHTML
                    : n.nodeType === Node.COMMENT_NODE ? '<!--' + n.data + '-->'
                    : n.nodeType === Node.DOCUMENT_TYPE_NODE ? '<!DOCTYPE ' + n.name + '>' : '').join('')
                    .replace(/(<(?:pre|listing|textarea)\b[^>]*>)\n/g, '$1\n\n');
                // The program drops the line breaks before </BODY> that every rewrite would add.
                const withoutTrailingBreaks = (doc) => {
                    const last = doc.body && doc.body.lastChild;
                    if (last && last.nodeType === Node.TEXT_NODE && /^[ \t\r\n]*[\r\n][ \t\r\n]*$/.test(last.data)
                        && (!last.previousSibling || last.previousSibling.nodeType !== Node.TEXT_NODE)) last.remove();
                    return doc;
                };
                const failures = [];
                let judged = 0;
                %1.forEach((html, i) => {
                    const first = parse(html);
                    const nativeOnce = native(first);
                    if (native(parse(nativeOnce)) !== nativeOnce) return;
                    ++judged;
                    const once = __tvl.serializeDocument(first);
                    const reparsed = parse(once);
                    const twice = __tvl.serializeDocument(reparsed);
                    const tree = native(withoutTrailingBreaks(first)) === native(reparsed);
                    if (once !== twice || !tree || once.indexOf('\0') >= 0)
                        failures.push({i, html, once, twice: tree ? twice : native(reparsed) + '\n  expected tree: ' + native(first)});
                });
                return JSON.stringify({judged, failures: failures.slice(0, 3)});
            })())")
                                                     .arg(jsonText(documents)));
            QVERIFY2(result, qPrintable(surface.lastError()));
            const QJsonObject outcome = QJsonDocument::fromJson(result->toString().toUtf8()).object();
            judged += outcome.value(QStringLiteral("judged")).toInt();
            const QJsonArray failures = outcome.value(QStringLiteral("failures")).toArray();
            if (!failures.isEmpty()) {
                const QJsonObject f = failures.first().toObject();
                QFAIL(qPrintable(QStringLiteral("seed %1, case %2\ndocument: %3\nonce:  %4\ntwice: %5")
                                     .arg(seed)
                                     .arg(first + f.value(QStringLiteral("i")).toInt())
                                     .arg(shown(f.value(QStringLiteral("html")).toString()), shown(f.value(QStringLiteral("once")).toString()),
                                          shown(f.value(QStringLiteral("twice")).toString()))));
            }
        }
        // Most documents are judged: the generator makes mostly trees markup can express.
        QVERIFY2(judged * 10 >= cases * 8, qPrintable(QStringLiteral("seed %1: only %2 of %3 documents judged").arg(seed).arg(judged).arg(cases)));
    }
};

TOVALEAF_TEST_MAIN(TestFuzz)
#include "tst_fuzz.moc"
