#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Floating frame: the file shown inside it and whether it has a border.
class Form5 : public QDialog
{
    Q_OBJECT
public:
    static const QString FileFilter;
    explicit Form5(const DialogOwner &owner);

    void Command1_Click(); // browse
    void Command2_Click(); // OK
    void Command3_Click(); // Cancel

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QComboBox *m_Combo1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
