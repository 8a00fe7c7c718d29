#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class TextBuffer;

// The background picture dialog "背景画像設定": the picture and whether it
// stays fixed go into the page's BODY tag.
class Form19 : public QDialog
{
    Q_OBJECT
public:
    static const QString PickerFilter;
    explicit Form19(const DialogOwner &owner);

private:
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();

    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QComboBox *m_Combo1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
    TextBuffer *m_RichTextBox1;
};
