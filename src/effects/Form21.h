#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class CommonDialog;
class QLineEdit;
class QPushButton;

// A picture that blends into a second one when the page loads.
class Form21 : public QDialog
{
    Q_OBJECT
public:
    static const QString PicturesMissing;

    explicit Form21(const DialogOwner &owner);

    void Command1_Click(); // 参照, first picture
    void Command2_Click(); // 参照, next picture
    void Command3_Click(); // OK
    void Command4_Click(); // Cancel

    static QString markup(const QString &id, const QString &firstPicture);

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QLineEdit *m_Text2;
    QPushButton *m_Command2;
    QLineEdit *m_Text3;
    QPushButton *m_Command3;
    QPushButton *m_Command4;
    CommonDialog *m_CommonDialog1;
};
