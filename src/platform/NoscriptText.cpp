#include "NoscriptText.h"

#include <QByteArray>
#include <QStringList>
#include <QStringView>

namespace {

const QLatin1String Marker("<!--tvl-noscript ");

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
        || c == QLatin1Char('\f');
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool startsAt(const QString &text, qsizetype at, QLatin1String what)
{
    return QStringView(text).mid(at).startsWith(what, Qt::CaseInsensitive);
}

// Where the tag that opens at `at` ends (just past its '>'), quoted values included.
qsizetype tagEnd(const QString &text, qsizetype at)
{
    const qsizetype n = text.size();
    qsizetype i = at + 1;
    while (i < n && !isSpace(text[i]) && text[i] != QLatin1Char('/') && text[i] != QLatin1Char('>'))
        ++i;
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('>'))
            return i + 1;
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = text.indexOf(c, i + 1);
            if (close < 0)
                return n;
            i = close + 1;
            continue;
        }
        ++i;
    }
    return n;
}

// Where the end tag </name> begins, as the tokenizer finds it in raw text.
qsizetype rawTextEnd(const QString &text, qsizetype from, const QString &name)
{
    const QString close = QLatin1String("</") + name;
    for (qsizetype i = text.indexOf(close, from, Qt::CaseInsensitive); i >= 0;
         i = text.indexOf(close, i + 1, Qt::CaseInsensitive)) {
        const qsizetype after = i + close.size();
        if (after >= text.size() || isSpace(text[after]) || text[after] == QLatin1Char('/') || text[after] == QLatin1Char('>'))
            return i;
    }
    return text.size();
}

qsizetype commentEnd(const QString &text, qsizetype at)
{
    // "<!-->" and "<!--->" are whole comments.
    if (startsAt(text, at, QLatin1String("<!-->")))
        return at + 5;
    if (startsAt(text, at, QLatin1String("<!--->")))
        return at + 6;
    const qsizetype plain = text.indexOf(QLatin1String("-->"), at + 4);
    const qsizetype bang = text.indexOf(QLatin1String("--!>"), at + 4);
    if (plain < 0 && bang < 0)
        return text.size();
    if (bang < 0 || (plain >= 0 && plain < bang))
        return plain + 3;
    return bang + 4;
}

} // namespace

QString NoscriptText::keep(const QString &html)
{
    if (!html.contains(QLatin1String("<noscript"), Qt::CaseInsensitive))
        return html;
    static const QStringList rawText{QStringLiteral("script"), QStringLiteral("style"),  QStringLiteral("xmp"),
                                     QStringLiteral("iframe"), QStringLiteral("noembed"), QStringLiteral("noframes"),
                                     QStringLiteral("textarea"), QStringLiteral("title")};
    QString out;
    out.reserve(html.size() + 64);
    const qsizetype n = html.size();
    qsizetype copied = 0;
    qsizetype i = 0;
    while (i < n) {
        i = html.indexOf(QLatin1Char('<'), i);
        if (i < 0 || i + 1 >= n)
            break;
        const QChar next = html[i + 1];
        if (startsAt(html, i, QLatin1String("<!--"))) {
            i = commentEnd(html, i);
        } else if (next == QLatin1Char('!') || next == QLatin1Char('?')) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), i + 2);
            i = close < 0 ? n : close + 1;
        } else if (next == QLatin1Char('/')) {
            if (i + 2 < n && isAsciiLetter(html[i + 2])) {
                i = tagEnd(html, i + 1);
            } else {
                const qsizetype close = html.indexOf(QLatin1Char('>'), i + 2);
                i = close < 0 ? n : close + 1;
            }
        } else if (isAsciiLetter(next)) {
            qsizetype nameEnd = i + 1;
            while (nameEnd < n && !isSpace(html[nameEnd]) && html[nameEnd] != QLatin1Char('/') && html[nameEnd] != QLatin1Char('>'))
                ++nameEnd;
            const QString name = html.mid(i + 1, nameEnd - i - 1).toLower();
            const qsizetype end = tagEnd(html, i);
            if (name == QLatin1String("plaintext"))
                break;
            if (name == QLatin1String("noscript")) {
                const qsizetype rawEnd = rawTextEnd(html, end, name);
                out += QStringView(html).mid(copied, end - copied);
                out += Marker;
                out += QString::fromLatin1(html.mid(end, rawEnd - end).toUtf8().toPercentEncoding(QByteArray(), "-"));
                out += QLatin1String("-->");
                copied = rawEnd;
                i = rawEnd;
            } else if (rawText.contains(name)) {
                i = rawTextEnd(html, end, name);
            } else {
                i = end;
            }
        } else {
            ++i;
        }
    }
    out += QStringView(html).mid(copied);
    return out;
}
