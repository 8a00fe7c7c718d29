#pragma once

#include <QDialog>

class Form1;
class QLineEdit;
class QPushButton;

// The link dialog "リンク先の指定": the selection becomes a link to Text1.
class Form4 : public QDialog
{
    Q_OBJECT
public:
    static const QString PickerFilter;
    explicit Form4(Form1 *owner);

private:
    void Command1_Click();
    void Command2_Click();

    Form1 *m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
