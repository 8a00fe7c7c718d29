#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The table dialog "表の作成": rows, columns, table and cell attributes and a
// caption, handed to the main window's creat_hyou.
class Form2 : public QDialog
{
    Q_OBJECT
public:
    static const QString InitialTableAttrs;
    static const QString InitialCellAttrs;

    explicit Form2(const DialogOwner &owner);

    // Rows or columns that are given but not a whole number from 1 to 1000.
    static bool countsRefused(const QString &rows, const QString &cols);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Command1_Click();

    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QLineEdit *m_Text2;
    QLineEdit *m_Text3;
    QLineEdit *m_Text4;
    QLineEdit *m_Text5;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
