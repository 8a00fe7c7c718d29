#pragma once

#include <QColor>
#include <QObject>
#include <QString>

// A hidden text box of the main window, used only as a string holder.
class TextBuffer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit TextBuffer(const QString &name, QObject *parent = nullptr) : QObject(parent) { setObjectName(name); }
    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color) { m_backColor = color; }

private:
    QString m_text;
    QColor m_backColor;
};
