#include "FieldWidth.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

int FieldWidth::forText(const QLineEdit *edit, const QString &text)
{
    const QMargins margins = edit->textMargins();
    // Two pixels of margin each side inside the frame, and the caret.
    const QSize contents(edit->fontMetrics().horizontalAdvance(text) + 4 + 1 + margins.left() + margins.right(),
                         edit->fontMetrics().height());
    if (!edit->hasFrame())
        return contents.width();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    option.state |= QStyle::State_Sunken;
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
}

void FieldWidth::fit(QLineEdit *edit, const QString &text)
{
    edit->setMinimumWidth(qMax(edit->minimumWidth(), forText(edit, text)));
}
