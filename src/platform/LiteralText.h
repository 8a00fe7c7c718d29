#pragma once

#include <QList>
#include <QStringView>

// The parts of a page's text that a browser takes literally, where a numeric
// character reference would not stand for its character: the text of scripts,
// styles and the other raw-text elements, comments and other markup
// declarations, CDATA sections, and tag and attribute names. Attribute values
// and ordinary text (titles and text areas too) decode references.
class LiteralText
{
public:
    explicit LiteralText(QStringView text);

    // Whether the character at position lies in such a part.
    bool contains(qsizetype position) const;
    // Whether it lies in script or style text, a comment or a declaration: a
    // tag written there is no tag of the page.
    bool inCode(qsizetype position) const;

    struct Range
    {
        qsizetype begin;
        qsizetype end;
    };
    const QList<Range> &ranges() const { return m_ranges; }

private:
    qsizetype startTag(qsizetype at);
    qsizetype skipTo(qsizetype from, QStringView terminator) const;
    qsizetype elementEnd(qsizetype from, QStringView name) const;
    qsizetype scriptEnd(qsizetype from) const;
    bool tagAt(qsizetype at, QStringView tag) const;
    void mark(qsizetype begin, qsizetype end);
    void markCode(qsizetype begin, qsizetype end);
    static void add(QList<Range> &ranges, qsizetype begin, qsizetype end);
    static bool within(const QList<Range> &ranges, qsizetype position);

    QStringView m_text;
    QList<Range> m_ranges;
    QList<Range> m_code;
};
