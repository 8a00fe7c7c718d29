#pragma once

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

// Small builders for the settings dialogs' rows: a label, the field under its
// designer name, and an optional hint beside it.
namespace DialogRows {

inline QLineEdit *text(const QString &name, const QString &initial, QWidget *parent)
{
    auto *field = new QLineEdit(initial, parent);
    field->setObjectName(name);
    return field;
}

// An editable list, as the dialogs compare the typed text, not the index.
inline QComboBox *list(const QString &name, const QStringList &entries, const QString &shown, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(entries);
    combo->setCurrentIndex(entries.indexOf(shown));
    combo->setEditText(shown);
    return combo;
}

inline QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// OK and Cancel at the right of the dialog's last row.
inline QHBoxLayout *okCancel(QPushButton *ok, QPushButton *cancel)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

inline void add(QGridLayout *grid, const QString &label, QWidget *field, const QString &hint = QString(),
                QWidget *extra = nullptr)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(field, row, 1);
    if (!hint.isEmpty())
        grid->addWidget(new QLabel(hint), row, 2);
    if (extra)
        grid->addWidget(extra, row, 3);
}

} // namespace DialogRows
