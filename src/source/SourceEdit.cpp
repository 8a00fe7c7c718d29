#include "SourceEdit.h"

#include "HtmlHighlighter.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QTextBlock>

class LineNumberArea : public QWidget
{
public:
    explicit LineNumberArea(SourceEdit *editor) : QWidget(editor), m_editor(editor) {}
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
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { setViewportMargins(lineNumberWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, &SourceEdit::updateLineNumberArea);
    setViewportMargins(lineNumberWidth(), 0, 0, 0);
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
    setPlainText(text);
}

QString SourceEdit::source() const
{
    // toPlainText() would make U+00A0 a space and U+2028 a line feed, and so change scripts unasked.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void SourceEdit::replaceWhole(const QString &text)
{
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

int SourceEdit::lineNumberWidth() const
{
    int digits = 1;
    for (int max = qMax(1, blockCount()); max >= 10; max /= 10)
        ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void SourceEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    m_lineNumbers->setGeometry(QRect(r.left(), r.top(), lineNumberWidth(), r.height()));
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
    QPainter painter(m_lineNumbers);
    painter.fillRect(event->rect(), QColor(0xf0, 0xf0, 0xf0));
    painter.setPen(QColor(0x90, 0x90, 0x90));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, m_lineNumbers->width() - 4, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
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
