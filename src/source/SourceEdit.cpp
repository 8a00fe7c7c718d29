#include "SourceEdit.h"

#include "HtmlHighlighter.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>

namespace {

// On the line feed that starts a piece; Qt keeps a separator's format with the block that follows it.
constexpr int PieceBreak = QTextFormat::UserProperty + 1;

bool startsPiece(const QTextBlock &block)
{
    return block.blockNumber() > 0 && block.charFormat().boolProperty(PieceBreak);
}

// Characters the box takes as line ends besides the line feed: with them the display's positions would not be the text's.
bool holdsOtherLineEnds(const QString &text)
{
    for (const QChar c : text)
        if (c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1))
            return true;
    return false;
}

} // namespace

class LineNumberArea : public QWidget
{
public:
    explicit LineNumberArea(SourceEdit *editor) : QWidget(editor), m_editor(editor) { setObjectName(QStringLiteral("lineNumbers")); }
    QSize sizeHint() const override { return {m_editor->lineNumberWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *event) override { m_editor->paintLineNumbers(event); }

private:
    SourceEdit *m_editor;
};

SourceEdit::SourceEdit(QWidget *parent) : QPlainTextEdit(parent), m_lineNumbers(new LineNumberArea(this))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &SourceEdit::updateLineNumberColumn);
    connect(this, &QPlainTextEdit::updateRequest, this, &SourceEdit::updateLineNumberArea);
    connect(document(), &QTextDocument::contentsChange, this, [this] { m_linesNumbered = false; });
    updateLineNumberColumn();
}

QString SourceEdit::displayText(const QString &text, QList<int> *breaks)
{
    breaks->clear();
    bool longLine = false;
    for (qsizetype start = 0; start < text.size() && !longLine;) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        longLine = end - start > PieceLength;
        start = end + 1;
    }
    if (!longLine || holdsOtherLineEnds(text))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / (PieceLength / 2) + 1);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        while (end - start > PieceLength) {
            // After a tag's '>' where there is one, so that the pieces read naturally.
            qsizetype cut = start + PieceLength;
            const qsizetype gt = text.lastIndexOf(QLatin1Char('>'), cut - 1);
            if (gt >= start + PieceLength / 2)
                cut = gt + 1;
            else if (text.at(cut - 1).isHighSurrogate())
                --cut;
            out.append(QStringView(text).mid(start, cut - start));
            breaks->append(int(out.size()));
            out.append(QLatin1Char('\n'));
            start = cut;
        }
        out.append(QStringView(text).mid(start, end - start));
        if (end < text.size())
            out.append(QLatin1Char('\n'));
        start = end + 1;
    }
    return out;
}

void SourceEdit::setSource(const QString &text)
{
    // Colouring a very large text would hold the window up; it is display only.
    if (text.size() <= ColouringLimit) {
        if (!m_highlighter)
            m_highlighter = new HtmlHighlighter(document());
    } else if (m_highlighter) {
        delete m_highlighter;
        m_highlighter = nullptr;
    }
    QList<int> breaks;
    setPlainText(displayText(text, &breaks));
    m_pieces = !breaks.isEmpty();
    if (m_pieces) {
        markBreaks(breaks);
        document()->clearUndoRedoStacks();
    }
    m_linesNumbered = false;
}

void SourceEdit::markBreaks(const QList<int> &breaks)
{
    QTextCharFormat mark;
    mark.setProperty(PieceBreak, true);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (int at : breaks) {
        QTextCursor piece(document());
        piece.setPosition(at);
        piece.setPosition(at + 1, QTextCursor::KeepAnchor);
        piece.mergeCharFormat(mark);
    }
    cursor.endEditBlock();
}

QString SourceEdit::source() const
{
    return sourceBetween(0, document()->characterCount() - 1);
}

QString SourceEdit::selectedSource() const
{
    const QTextCursor cursor = textCursor();
    return sourceBetween(cursor.selectionStart(), cursor.selectionEnd());
}

// The text read raw: toPlainText() would make U+00A0 a space and U+2028 a line feed, and so change scripts unasked.
QString SourceEdit::sourceBetween(int from, int to) const
{
    const QString raw = document()->toRawText();
    to = qMin(to, int(raw.size()));
    if (from >= to)
        return QString();
    if (!m_pieces) {
        QString text = raw.mid(from, to - from);
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }
    QString out;
    out.reserve(to - from);
    int at = from;
    for (QTextBlock block = document()->findBlock(from); block.isValid(); block = block.next()) {
        const int end = block.position() + block.length() - 1; // the line feed that ends the block
        const QTextBlock next = block.next();
        if (!next.isValid() || end >= to)
            break;
        out.append(QStringView(raw).mid(at, end - at));
        if (!startsPiece(next))
            out.append(QLatin1Char('\n'));
        at = end + 1;
    }
    out.append(QStringView(raw).mid(at, to - at));
    return out;
}

void SourceEdit::replaceWhole(const QString &text)
{
    QList<int> breaks;
    const QString shown = displayText(text, &breaks);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(shown, QTextCharFormat());
    if (!breaks.isEmpty()) {
        // Still within the one step, so that undo brings back the old text with its own breaks.
        markBreaks(breaks);
        m_pieces = true;
    }
    cursor.endEditBlock();
    m_linesNumbered = false;
}

void SourceEdit::insertPlainText(const QString &text)
{
    unmarkTyping();
    QPlainTextEdit::insertPlainText(text);
}

// What is typed takes the format before the caret, which after a display break is the break's mark.
void SourceEdit::unmarkTyping()
{
    QTextCharFormat format = currentCharFormat();
    if (!format.hasProperty(PieceBreak))
        return;
    format.clearProperty(PieceBreak);
    setCurrentCharFormat(format);
}

void SourceEdit::keyPressEvent(QKeyEvent *event)
{
    unmarkTyping();
    QPlainTextEdit::keyPressEvent(event);
}

void SourceEdit::inputMethodEvent(QInputMethodEvent *event)
{
    unmarkTyping();
    QPlainTextEdit::inputMethodEvent(event);
}

void SourceEdit::insertFromMimeData(const QMimeData *source)
{
    unmarkTyping();
    QPlainTextEdit::insertFromMimeData(source);
}

QMimeData *SourceEdit::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(selectedSource());
    return data;
}

void SourceEdit::numberLines()
{
    m_lineOfBlock.clear();
    m_lineOfBlock.reserve(blockCount());
    int line = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        m_lineOfBlock.append(startsPiece(block) ? 0 : ++line);
    m_linesNumbered = true;
}

int SourceEdit::lineNumberWidth() const
{
    int digits = 1;
    for (int max = qMax(1, blockCount()); max >= 10; max /= 10)
        ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

// The column and the text's margin always take the same width: more digits or a
// larger font widen both.
void SourceEdit::updateLineNumberColumn()
{
    const int width = lineNumberWidth();
    setViewportMargins(width, 0, 0, 0);
    const QRect r = contentsRect();
    m_lineNumbers->setGeometry(QRect(r.left(), r.top(), width, r.height()));
}

void SourceEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    updateLineNumberColumn();
}

void SourceEdit::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateLineNumberColumn();
}

void SourceEdit::updateLineNumberArea(const QRect &rect, int dy)
{
    if (dy)
        m_lineNumbers->scroll(0, dy);
    else
        m_lineNumbers->update(0, rect.y(), m_lineNumbers->width(), rect.height());
}

void SourceEdit::paintLineNumbers(QPaintEvent *event)
{
    if (m_pieces && !m_linesNumbered)
        numberLines();
    QPainter painter(m_lineNumbers);
    painter.fillRect(event->rect(), QColor(0xf0, 0xf0, 0xf0));
    painter.setPen(QColor(0x90, 0x90, 0x90));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        const int line = m_pieces ? m_lineOfBlock.value(block.blockNumber()) : block.blockNumber() + 1;
        if (block.isVisible() && bottom >= event->rect().top() && line > 0)
            painter.drawText(0, top, m_lineNumbers->width() - 4, lineHeight, Qt::AlignRight, QString::number(line));
        block = block.next();
        top = bottom;
    }
}

void SourceEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = editMenu();
    menu->exec(event->globalPos());
    delete menu;
}

QMenu *SourceEdit::editMenu()
{
    auto *menuPointer = new QMenu(this);
    QMenu &menu = *menuPointer;
    menu.setObjectName(QStringLiteral("SourceEditMenu"));
    const bool hasSelection = textCursor().hasSelection();
    QAction *undoAction = menu.addAction(QStringLiteral("元に戻す"), this, &QPlainTextEdit::undo);
    undoAction->setEnabled(document()->isUndoAvailable());
    menu.addSeparator();
    menu.addAction(QStringLiteral("切り取り"), this, &QPlainTextEdit::cut)->setEnabled(hasSelection);
    menu.addAction(QStringLiteral("コピー"), this, &QPlainTextEdit::copy)->setEnabled(hasSelection);
    menu.addAction(QStringLiteral("貼り付け"), this, &QPlainTextEdit::paste)->setEnabled(canPaste());
    menu.addAction(QStringLiteral("削除"), this, [this] { textCursor().removeSelectedText(); })->setEnabled(hasSelection);
    menu.addSeparator();
    menu.addAction(QStringLiteral("すべて選択"), this, &QPlainTextEdit::selectAll);
    return menuPointer;
}

void SourceEdit::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt = event->pos();
    QPlainTextEdit::mousePressEvent(event);
}

// A click, not a drag that selects: the place where a tag may go.
void SourceEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && (event->pos() - m_pressedAt).manhattanLength() < 4)
        emit clicked();
}

void SourceEdit::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    emit focusEntered();
}

void SourceEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    emit focusLeft();
}
