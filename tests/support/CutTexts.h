#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStringList>

// Which texts of a window a person would see cut: every shown label, button,
// box and field whose size is below what its text needs.
namespace CutTexts {

inline int lineEditNeeds(const QLineEdit *edit, const QString &text)
{
    if (!edit->hasFrame())
        return edit->fontMetrics().horizontalAdvance(text) + 4 + 1;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QMargins margins = edit->textMargins();
    const QSize contents(edit->fontMetrics().horizontalAdvance(text) + 4 + 1 + margins.left() + margins.right(),
                         edit->fontMetrics().height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
}

// A push button's text with the style's margins around it, without the least width a style gives every button.
inline QSize pushButtonNeeds(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QSize contents = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull())
        contents = QSize(contents.width() + button->iconSize().width() + 4, qMax(contents.height(), button->iconSize().height()));
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button) * 2;
    return {contents.width() + margin + frame, contents.height() + frame};
}

inline int comboNeeds(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.currentText = combo->currentText();
    const QSize contents(combo->fontMetrics().horizontalAdvance(combo->currentText()) + 4, combo->fontMetrics().height());
    return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, combo).width();
}

inline QString describe(const QWidget *widget, const QString &text, const QSize &has, const QSize &needs)
{
    return QStringLiteral("%1 %2 \"%3\": %4x%5, needs %6x%7")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text)
        .arg(has.width())
        .arg(has.height())
        .arg(needs.width())
        .arg(needs.height());
}

// What shows of a widget, from its left along its text's line: a
// window's edge or a widget over it cuts a text as a small size does.
inline QSize shownSize(const QWidget *widget)
{
    const QRegion shown = widget->visibleRegion();
    // A group box's title is on its top line, over its contents.
    const int line = qobject_cast<const QGroupBox *>(widget) ? widget->fontMetrics().height() / 2 : widget->height() / 2;
    const QRegion middle = shown & QRect(0, line, widget->width(), 1);
    int width = 0;
    for (const QRect &part : middle)
        if (part.left() <= width)
            width = qMax(width, part.right() + 1);
    return {width, shown.boundingRect().height()};
}

// One line per cut text, empty when every text shows whole.
inline QStringList in(const QWidget *window)
{
    QStringList cut;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        const QSize has = shownSize(widget);
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            QSize needs = label->sizeHint();
            if (label->wordWrap())
                needs = QSize(0, label->heightForWidth(has.width()));
            if (has.width() < needs.width() || has.height() < needs.height())
                cut << describe(widget, label->text(), has, needs);
        } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            if (button->text().isEmpty())
                continue;
            const QSize needs = pushButtonNeeds(button);
            if (has.width() < needs.width() || has.height() < needs.height())
                cut << describe(widget, button->text(), has, needs);
        } else if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget)) {
            const auto *box = static_cast<const QAbstractButton *>(widget);
            const QSize needs = box->sizeHint();
            if (has.width() < needs.width() || has.height() < needs.height())
                cut << describe(widget, box->text(), has, needs);
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
            if (edit->text().isEmpty() || edit->echoMode() != QLineEdit::Normal)
                continue;
            const QSize needs(lineEditNeeds(edit, edit->text()), edit->fontMetrics().height());
            if (has.width() < needs.width() || has.height() < needs.height())
                cut << describe(widget, edit->text(), has, needs);
        } else if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            // An editable box's text is its line edit's, checked as one.
            if (combo->isEditable() || combo->currentText().isEmpty())
                continue;
            const QSize needs(comboNeeds(combo), combo->fontMetrics().height());
            if (has.width() < needs.width() || has.height() < needs.height())
                cut << describe(widget, combo->currentText(), has, needs);
        } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
            const QSize needs(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->fontMetrics().height());
            if (!group->title().isEmpty() && (has.width() < needs.width() || has.height() < needs.height()))
                cut << describe(widget, group->title(), has, needs);
        }
    }
    return cut;
}

} // namespace CutTexts
