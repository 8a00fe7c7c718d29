#pragma once

#include <QLineEdit>

// A text box for a colour text: a colour name dragged from the palette and
// dropped on it replaces its selection, and its change signal follows exactly
// as for typing.
class ColorField : public QLineEdit
{
    Q_OBJECT
public:
    explicit ColorField(const QString &name, QWidget *parent = nullptr);

    // What a drop of text at position does: it replaces the selection, else goes in at position.
    void dropText(const QString &text, const QPoint &position);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
