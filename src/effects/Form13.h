#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class ColorClearButton;
class ColorField;
class QComboBox;
class QLineEdit;
class QPushButton;
class WebBrowser;

// Shadowed text: colour and angle of the shadow, with or without its script.
class Form13 : public QDialog
{
    Q_OBJECT
public:
    explicit Form13(const DialogOwner &owner);

    void Command3_Click(); // OK
    void Command4_Click(); // Cancel

private:
    DialogOwner m_owner;
    ColorField *m_Text1;
    ColorClearButton *m_Command1;
    QLineEdit *m_Text2;
    QLineEdit *m_Text3;
    QComboBox *m_Combo1;
    QPushButton *m_Command3;
    QPushButton *m_Command4;
    WebBrowser *m_WebBrowser1;
};
