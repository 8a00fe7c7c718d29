#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class ColorClearButton;
class ColorField;
class QComboBox;
class QLineEdit;
class QPushButton;
class WebBrowser;

// Horizontal rule: length, thickness, shade, colour and position.
class Form11 : public QDialog
{
    Q_OBJECT
public:
    explicit Form11(const DialogOwner &owner);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QLineEdit *m_Text2;
    QComboBox *m_Combo1;
    ColorField *m_Text3;
    ColorClearButton *m_Command3;
    QComboBox *m_Combo2;
    WebBrowser *m_WebBrowser1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
