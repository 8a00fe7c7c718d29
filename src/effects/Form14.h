#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Waving text: strength, number of waves and light of the wave filter.
class Form14 : public QDialog
{
    Q_OBJECT
public:
    explicit Form14(const DialogOwner &owner);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QLineEdit *m_Text2;
    QLineEdit *m_Text3;
    QLineEdit *m_Text4;
    QComboBox *m_Combo1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
