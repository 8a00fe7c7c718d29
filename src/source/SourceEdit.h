#pragma once

#include <QPlainTextEdit>

class HtmlHighlighter;
class QMenu;

// The source box: plain text with line numbers, HTML colouring for display,
// and its own Japanese edit menu. clicked() is the insertion notification.
// A line longer than PieceLength is shown as several pieces: the box lays out
// and paints each line as a whole, so that a page on one line (as the editing
// surface writes it) would hold it up for seconds. The breaks between pieces
// are for display only: they are marked, and source() leaves them out.
class SourceEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    // Larger texts are shown without colouring, so that they open at once.
    static constexpr qsizetype ColouringLimit = 2 * 1024 * 1024;
    static constexpr int PieceLength = 2000;

    // text with its long lines broken into pieces; breaks gets the positions of the added line feeds.
    // Text holding other characters the box takes as line ends is left whole.
    static QString displayText(const QString &text, QList<int> *breaks);

    explicit SourceEdit(QWidget *parent = nullptr);

    void setSource(const QString &text);
    // The text exactly as it stands: no-break spaces and line separators kept.
    QString source() const;
    // The selection as source text.
    QString selectedSource() const;
    // The whole text replaced as one step the box can undo.
    void replaceWhole(const QString &text);
    // Typed text at the caret (hides QPlainTextEdit's, so that no display break is copied).
    void insertPlainText(const QString &text);
    int lineNumberWidth() const;
    // The box's own edit menu, as the right click shows it (the caller owns it).
    QMenu *editMenu();

signals:
    void clicked();
    void focusEntered();
    void focusLeft();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void updateLineNumberColumn();
    friend class LineNumberArea;
    void paintLineNumbers(QPaintEvent *event);
    void updateLineNumberArea(const QRect &rect, int dy);
    QString sourceBetween(int from, int to) const;
    void markBreaks(const QList<int> &breaks);
    void unmarkTyping();
    void numberLines();

    QWidget *m_lineNumbers;
    HtmlHighlighter *m_highlighter = nullptr;
    QPoint m_pressedAt;
    bool m_pieces = false; // whether the text may hold display breaks
    bool m_linesNumbered = false;
    QList<int> m_lineOfBlock; // real line number of each block; 0 for a piece that goes on a line
};
