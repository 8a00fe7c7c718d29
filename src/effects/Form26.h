#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class TextBuffer;

// A button that shows a page in a modal or modeless dialog window.
class Form26 : public QDialog
{
    Q_OBJECT
public:
    static const QString KindMissing;
    static const QString FileMissing;

    explicit Form26(const DialogOwner &owner);

    void Command1_Click(); // 参照
    void Command2_Click(); // OK
    void Command3_Click(); // cancel

    // The script text being filled (the hidden Text2).
    QString scriptText() const;

private:
    DialogOwner m_owner;
    QComboBox *m_Combo1;
    QLineEdit *m_Text1;
    TextBuffer *m_Text2;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
