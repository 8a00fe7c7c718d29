#include "ColorClearButton.h"

#include <QLineEdit>

ColorClearButton::ColorClearButton(const QString &name, QLineEdit *field, QWidget *parent) : QPushButton(parent)
{
    setObjectName(name);
    setAutoDefault(false);
    setFixedSize(16, 16);
    setToolTip(QStringLiteral("色をクリア"));
    m_normal = parent->palette().color(QPalette::Window);
    connect(this, &QPushButton::clicked, field, &QLineEdit::clear);
    connect(field, &QLineEdit::textChanged, this, &ColorClearButton::follow);
    follow(field->text());
}

void ColorClearButton::follow(const QString &fieldText)
{
    m_backColor = fieldText.isEmpty() ? m_normal : QColor(255, 0, 0);
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; }").arg(m_backColor.name()));
}
