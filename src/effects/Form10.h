#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// One button with one event: a message, a jump to a page file or a URL.
class Form10 : public QDialog
{
    Q_OBJECT
public:
    explicit Form10(const DialogOwner &owner);

    // The button markup for an event whose handler runs statement.
    static QString buttonMarkup(const QString &eventName, const QString &statement, const QString &title);
    static QString jumpStatement(const QString &target);

    void Combo2_Click();
    void Command1_Click(); // pick the page file to jump to
    void Command2_Click(); // OK
    void Command3_Click(); // Cancel

private:
    DialogOwner m_owner;
    QLineEdit *m_Text3;
    QComboBox *m_Combo1;
    QComboBox *m_Combo2;
    QPlainTextEdit *m_Text1;
    QLineEdit *m_Text2;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
