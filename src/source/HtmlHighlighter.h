#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Colours tags, attribute names, values, comments and character references.
// Display only: the document's text is untouched.
class HtmlHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit HtmlHighlighter(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    enum State { Text = 0, InComment = 1, InTag = 2 };
    int highlightTag(const QString &text, int from);

    QTextCharFormat m_tag;
    QTextCharFormat m_attribute;
    QTextCharFormat m_value;
    QTextCharFormat m_comment;
    QTextCharFormat m_entity;
};
