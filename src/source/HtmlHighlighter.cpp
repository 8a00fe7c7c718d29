#include "HtmlHighlighter.h"

HtmlHighlighter::HtmlHighlighter(QTextDocument *document) : QSyntaxHighlighter(document)
{
    m_tag.setForeground(QColor(0x80, 0x00, 0x80));
    m_attribute.setForeground(QColor(0xb0, 0x30, 0x00));
    m_value.setForeground(QColor(0x00, 0x00, 0xc0));
    m_comment.setForeground(QColor(0x00, 0x80, 0x00));
    m_entity.setForeground(QColor(0x80, 0x60, 0x00));
}

// Scans one line by hand: a line may start inside a comment or a tag left open by the one before.
void HtmlHighlighter::highlightBlock(const QString &text)
{
    const int n = int(text.size());
    int i = 0;
    const int state = previousBlockState();
    if (state == InComment) {
        const int end = int(text.indexOf(QLatin1String("-->")));
        if (end < 0) {
            setFormat(0, n, m_comment);
            setCurrentBlockState(InComment);
            return;
        }
        setFormat(0, end + 3, m_comment);
        i = end + 3;
    } else if (state == InTag) {
        i = highlightTag(text, 0);
        if (i < 0)
            return;
    }
    setCurrentBlockState(Text);
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<')) {
            if (text.mid(i, 4) == QLatin1String("<!--")) {
                const int end = int(text.indexOf(QLatin1String("-->"), i + 4));
                if (end < 0) {
                    setFormat(i, n - i, m_comment);
                    setCurrentBlockState(InComment);
                    return;
                }
                setFormat(i, end + 3 - i, m_comment);
                i = end + 3;
                continue;
            }
            int j = i + 1;
            if (j < n && (text.at(j) == QLatin1Char('/') || text.at(j) == QLatin1Char('!')))
                ++j;
            while (j < n && (text.at(j).isLetterOrNumber() || text.at(j) == QLatin1Char(':')))
                ++j;
            setFormat(i, j - i, m_tag);
            i = highlightTag(text, j);
            if (i < 0)
                return;
            continue;
        }
        if (c == QLatin1Char('&')) {
            const int end = int(text.indexOf(QLatin1Char(';'), i));
            if (end > i && end - i <= 10) {
                setFormat(i, end + 1 - i, m_entity);
                i = end + 1;
                continue;
            }
        }
        ++i;
    }
}

// Attributes up to the tag's '>'; -1 when the tag goes on past this line.
int HtmlHighlighter::highlightTag(const QString &text, int from)
{
    const int n = int(text.size());
    int i = from;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('>')) {
            setFormat(i, 1, m_tag);
            return i + 1;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = int(text.indexOf(c, i + 1));
            const int stop = end < 0 ? n : end + 1;
            setFormat(i, stop - i, m_value);
            i = stop;
            continue;
        }
        if (c.isLetter()) {
            int j = i;
            while (j < n && (text.at(j).isLetterOrNumber() || text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char(':')))
                ++j;
            setFormat(i, j - i, m_attribute);
            i = j;
            continue;
        }
        ++i;
    }
    setCurrentBlockState(InTag);
    return -1;
}
