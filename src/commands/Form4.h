#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The link dialog "リンク先の指定": the selection becomes a link to Text1.
class Form4 : public QDialog
{
    Q_OBJECT
public:
    static const QString PickerFilter;
    explicit Form4(const DialogOwner &owner);

private:
    void Command1_Click();
    void Command2_Click();

    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
