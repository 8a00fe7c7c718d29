#include "LiteralText.h"

#include <algorithm>

namespace {

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isRawText(QStringView name)
{
    for (const char16_t *raw : {u"script", u"style", u"xmp", u"iframe", u"noembed", u"noframes", u"noscript"})
        if (name.compare(QStringView(raw), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Text of these decodes references, but a "<" in it starts no tag.
bool isEscapableRawText(QStringView name)
{
    return name.compare(u"textarea", Qt::CaseInsensitive) == 0 || name.compare(u"title", Qt::CaseInsensitive) == 0;
}

} // namespace

LiteralText::LiteralText(QStringView text) : m_text(text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype lt = text.indexOf(u'<', i);
        if (lt < 0 || lt + 1 >= n)
            break;
        const QStringView rest = text.mid(lt);
        const QChar next = text[lt + 1];
        if (rest.startsWith(u"<!--")) {
            const qsizetype body = lt + 4;
            qsizetype end;
            if (body < n && text[body] == u'>')
                end = body + 1;
            else if (text.mid(body).startsWith(u"->"))
                end = body + 2;
            else
                end = std::min(skipTo(body, u"-->"), skipTo(body, u"--!>"));
            markCode(lt, end);
            i = end;
        } else if (rest.startsWith(u"<![CDATA[")) {
            const qsizetype end = skipTo(lt + 9, u"]]>");
            markCode(lt, end);
            i = end;
        } else if (next == u'!' || next == u'?' || (next == u'/' && !(lt + 2 < n && isLetter(text[lt + 2])))) {
            const qsizetype end = skipTo(lt + 2, u">");
            markCode(lt, end);
            i = end;
        } else if (isLetter(next) || next == u'/') {
            i = startTag(lt);
        } else {
            i = lt + 1;
        }
    }
}

// Parses the tag at `at` and returns where scanning goes on.
qsizetype LiteralText::startTag(qsizetype at)
{
    const QStringView text = m_text;
    const qsizetype n = text.size();
    qsizetype p = at + 1;
    const bool endTag = text[p] == u'/';
    if (endTag)
        ++p;
    const qsizetype nameBegin = p;
    while (p < n && !isSpace(text[p]) && text[p] != u'/' && text[p] != u'>')
        ++p;
    const QStringView name = text.mid(nameBegin, p - nameBegin);
    mark(at, p);
    for (;;) {
        while (p < n && (isSpace(text[p]) || text[p] == u'/'))
            ++p;
        if (p >= n) {
            // A tag cut off by the end of the text is dropped by the browser.
            mark(at, n);
            return n;
        }
        if (text[p] == u'>') {
            ++p;
            break;
        }
        const qsizetype attributeName = p++;
        while (p < n && !isSpace(text[p]) && text[p] != u'/' && text[p] != u'>' && text[p] != u'=')
            ++p;
        mark(attributeName, p);
        while (p < n && isSpace(text[p]))
            ++p;
        if (p < n && text[p] == u'=') {
            ++p;
            while (p < n && isSpace(text[p]))
                ++p;
            if (p < n && (text[p] == u'"' || text[p] == u'\'')) {
                const qsizetype close = text.indexOf(text[p], p + 1);
                if (close < 0) {
                    mark(at, n);
                    return n;
                }
                p = close + 1;
            } else {
                while (p < n && !isSpace(text[p]) && text[p] != u'>')
                    ++p;
            }
        }
    }
    if (endTag) {
        mark(at, p);
        return p;
    }
    if (name.compare(u"plaintext", Qt::CaseInsensitive) == 0) {
        markCode(p, n);
        return n;
    }
    if (isRawText(name)) {
        const qsizetype end = name.compare(u"script", Qt::CaseInsensitive) == 0 ? scriptEnd(p) : elementEnd(p, name);
        markCode(p, end);
        return end;
    }
    if (isEscapableRawText(name))
        return elementEnd(p, name);
    return p;
}

// Just past the terminator, or the end of the text.
qsizetype LiteralText::skipTo(qsizetype from, QStringView terminator) const
{
    const qsizetype at = m_text.indexOf(terminator, from);
    return at < 0 ? m_text.size() : at + terminator.size();
}

// Where the element's end tag begins, or the end of the text.
qsizetype LiteralText::elementEnd(qsizetype from, QStringView name) const
{
    const qsizetype n = m_text.size();
    for (;;) {
        const qsizetype at = m_text.indexOf(u"</", from);
        if (at < 0)
            return n;
        const qsizetype after = at + 2 + name.size();
        if (m_text.mid(at + 2, name.size()).compare(name, Qt::CaseInsensitive) == 0
            && (after >= n || isSpace(m_text[after]) || m_text[after] == u'/' || m_text[after] == u'>'))
            return at;
        from = at + 2;
    }
}

bool LiteralText::tagAt(qsizetype at, QStringView tag) const
{
    const qsizetype after = at + tag.size();
    return m_text.mid(at, tag.size()).compare(tag, Qt::CaseInsensitive) == 0
        && (after >= m_text.size() || isSpace(m_text[after]) || m_text[after] == u'/' || m_text[after] == u'>');
}

// A script ends at its end tag, but not at one inside "<!--" after "<script"
// (document.write("<script ...></script>") in an old page's hidden script).
qsizetype LiteralText::scriptEnd(qsizetype from) const
{
    enum { Data, Escaped, DoubleEscaped } state = Data;
    const qsizetype n = m_text.size();
    for (qsizetype at = from; at < n; ++at) {
        const QStringView rest = m_text.mid(at);
        if (m_text[at] == u'<') {
            if (state != DoubleEscaped && tagAt(at, u"</script"))
                return at;
            if (state == DoubleEscaped && tagAt(at, u"</script")) {
                state = Escaped;
                at += 7;
            } else if (state == Escaped && tagAt(at, u"<script")) {
                state = DoubleEscaped;
                at += 6;
            } else if (state == Data && rest.startsWith(u"<!--")) {
                // "<!-->" and "<!--->" close at once.
                if (rest.mid(4).startsWith(u">"))
                    at += 4;
                else if (rest.mid(4).startsWith(u"->"))
                    at += 5;
                else {
                    state = Escaped;
                    at += 3;
                }
            }
        } else if (state != Data && rest.startsWith(u"-->")) {
            state = Data;
            at += 2;
        }
    }
    return n;
}

void LiteralText::mark(qsizetype begin, qsizetype end)
{
    add(m_ranges, begin, end);
}

void LiteralText::markCode(qsizetype begin, qsizetype end)
{
    add(m_ranges, begin, end);
    add(m_code, begin, end);
}

void LiteralText::add(QList<Range> &ranges, qsizetype begin, qsizetype end)
{
    if (end <= begin)
        return;
    while (!ranges.isEmpty() && begin <= ranges.last().end) {
        begin = std::min(begin, ranges.last().begin);
        end = std::max(end, ranges.last().end);
        ranges.removeLast();
    }
    ranges.append({begin, end});
}

bool LiteralText::within(const QList<Range> &ranges, qsizetype position)
{
    auto it = std::upper_bound(ranges.cbegin(), ranges.cend(), position,
                               [](qsizetype p, const Range &r) { return p < r.begin; });
    if (it == ranges.cbegin())
        return false;
    --it;
    return position < it->end;
}

bool LiteralText::contains(qsizetype position) const
{
    return within(m_ranges, position);
}

bool LiteralText::inCode(qsizetype position) const
{
    return within(m_code, position);
}
