#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

// Select box: its items, one at a time, and the option source the user may edit.
class Form12 : public QDialog
{
    Q_OBJECT
public:
    explicit Form12(const DialogOwner &owner);

    void Command1_Click(); // add
    void List1_Click(QListWidgetItem *item);
    void Command4_Click(); // delete all
    void Command2_Click(); // OK
    void Command3_Click(); // Cancel

    // The option source as the user sees it, each line ending in CR LF.
    QString sourceText() const;

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QListWidget *m_List1;
    QPlainTextEdit *m_Text2;
    QPushButton *m_Command4;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
