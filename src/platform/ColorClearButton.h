#pragma once

#include <QColor>
#include <QPushButton>

class QLineEdit;

// The small button beside a colour field that empties it: red while the field
// holds text, the dialog's own background while it is empty.
class ColorClearButton : public QPushButton
{
    Q_OBJECT
public:
    ColorClearButton(const QString &name, QLineEdit *field, QWidget *parent);
    QColor backColor() const { return m_backColor; }

private:
    void follow(const QString &fieldText);
    QColor m_normal;
    QColor m_backColor;
};
