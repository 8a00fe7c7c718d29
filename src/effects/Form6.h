#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class ColorClearButton;
class ColorField;
class QComboBox;
class QLineEdit;
class QPushButton;
class WebBrowser;

// Text revealed by a transition when the page loads.
class Form6 : public QDialog
{
    Q_OBJECT
public:
    static const QString NumberRefusal;

    explicit Form6(const DialogOwner &owner);

    void Command2_Click(); // OK
    void Command3_Click(); // Cancel

    // The element: "文字を入力" in a hidden DIV carrying the transition.
    static QString markup(int transition, const QString &textAlign, const QString &backColor);

private:
    DialogOwner m_owner;
    QComboBox *m_Combo1;
    QLineEdit *m_Text2;
    QComboBox *m_Combo2;
    ColorField *m_Text1;
    ColorClearButton *m_Command1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
    WebBrowser *m_WebBrowser1;
};
