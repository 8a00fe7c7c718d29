#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// Text typed letter by letter into the page, until STOP.
class Form23 : public QDialog
{
    Q_OBJECT
public:
    static const QString TextMissing;

    explicit Form23(const DialogOwner &owner);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // The text without its trailing blanks; leading ones stay.
    static QString withoutTrailingBlanks(const QString &text);

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
