#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// A picture revealed by a transition when the page loads.
class Form7 : public QDialog
{
    Q_OBJECT
public:
    explicit Form7(const DialogOwner &owner);

    void Command1_Click(); // 参照
    void Command2_Click(); // OK
    void Command3_Click(); // Cancel

    static QString markup(const QString &file, const QString &alt, const QString &transition);

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QLineEdit *m_Text2;
    QComboBox *m_Combo2;
    QLineEdit *m_Text3;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
