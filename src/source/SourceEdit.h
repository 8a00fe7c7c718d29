#pragma once

#include <QPlainTextEdit>

class HtmlHighlighter;
class QMenu;

// The source box: plain text with line numbers, HTML colouring for display,
// and its own Japanese edit menu. clicked() is the insertion notification.
class SourceEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    // Larger texts are shown without colouring, so that they open at once.
    static constexpr qsizetype ColouringLimit = 2 * 1024 * 1024;

    explicit SourceEdit(QWidget *parent = nullptr);

    void setSource(const QString &text);
    // The text exactly as it stands: no-break spaces and line separators kept.
    QString source() const;
    // The whole text replaced as one step the box can undo.
    void replaceWhole(const QString &text);
    int lineNumberWidth() const;
    // The box's own edit menu, as the right click shows it (the caller owns it).
    QMenu *editMenu();

signals:
    void clicked();
    void focusEntered();
    void focusLeft();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class LineNumberArea;
    void paintLineNumbers(QPaintEvent *event);
    void updateLineNumberArea(const QRect &rect, int dy);

    QWidget *m_lineNumbers;
    HtmlHighlighter *m_highlighter = nullptr;
    QPoint m_pressedAt;
};
