#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class ColorClearButton;
class ColorField;
class QComboBox;
class QLineEdit;
class QPushButton;
class WebBrowser;

// Glowing text: colour and strength of the glow filter.
class Form15 : public QDialog
{
    Q_OBJECT
public:
    explicit Form15(const DialogOwner &owner);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

private:
    DialogOwner m_owner;
    ColorField *m_Text1;
    ColorClearButton *m_Command3;
    QLineEdit *m_Text2;
    QLineEdit *m_Text3;
    QComboBox *m_Combo1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    WebBrowser *m_WebBrowser1;
};
