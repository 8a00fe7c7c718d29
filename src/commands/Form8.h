#pragma once

#include "platform/DialogOwner.h"

#include <QPointer>
#include <QWidget>

class ColorField;
class DhtmlEdit;
class QPushButton;
class WebBrowser;

// The page background palette "背景色設定": always on top near the screen's
// top-left, it recolours the page at every change of its colour field.
class Form8 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int WidthPixels = 160;
    static constexpr int HeightPixels = 305;

    // Shows the one window, loading it if needed, without taking the focus.
    static Form8 *showFor(const DialogOwner &owner);
    static Form8 *current() { return s_current; }

    ColorField *colorField() const { return m_Text1; }

    // Where the window's frame goes: inside the screen's available area, clear
    // of the owner's menu bar and lists.
    static QPoint placeBeside(const DialogOwner &owner, const QWidget *window);

private:
    explicit Form8(const DialogOwner &owner);
    void Text1_Change();

    DhtmlEdit *m_surface;
    WebBrowser *m_palette;
    ColorField *m_Text1;
    QPushButton *m_Command1;
    static QPointer<Form8> s_current;
};
