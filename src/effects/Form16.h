#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Fading text: opacity and style of the alpha filter.
class Form16 : public QDialog
{
    Q_OBJECT
public:
    explicit Form16(const DialogOwner &owner);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QComboBox *m_Combo1;
    QLineEdit *m_Text2;
    QComboBox *m_Combo2;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
