#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Marquee: how and where its text moves; shown running with a check button.
class Form9 : public QDialog
{
    Q_OBJECT
public:
    explicit Form9(const DialogOwner &owner);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

private:
    DialogOwner m_owner;
    QComboBox *m_Combo1;
    QComboBox *m_Combo2;
    QLineEdit *m_Text1;
    QLineEdit *m_Text2;
    QLineEdit *m_Text3;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
