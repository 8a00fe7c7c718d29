#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// A settings dialog's fields by their designer names, used as the user would.
namespace DialogFields {

template<typename T>
T *field(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

inline QLineEdit *line(QWidget *dialog, const char *name) { return field<QLineEdit>(dialog, name); }
inline QComboBox *combo(QWidget *dialog, const char *name) { return field<QComboBox>(dialog, name); }
inline void click(QWidget *dialog, const char *name) { field<QPushButton>(dialog, name)->click(); }
inline void setText(QWidget *dialog, const char *name, const QString &text) { line(dialog, name)->setText(text); }

// Picks an entry of a list as the user does, which a typed text is not.
inline void choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}
inline void choose(QWidget *dialog, const char *name, const QString &text) { choose(combo(dialog, name), text); }

} // namespace DialogFields
