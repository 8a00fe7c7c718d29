#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A picture and its comment shown through the redirect filter, turned by the
// page's animation control.
class Form22 : public QDialog
{
    Q_OBJECT
public:
    static const QString FieldsMissing;
    static const QString AngleRefusal;

    explicit Form22(const DialogOwner &owner);

    void Command1_Click(); // 参照
    void Command2_Click(); // OK
    void Command3_Click(); // Cancel

    static QString markup(const QString &comment, const QString &picture);
    // The angle's leading number as a 16-bit whole number; nothing when the
    // text starts with no number or the number does not fit.
    static std::optional<qint16> angle(const QString &text);

private:
    DialogOwner m_owner;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QPlainTextEdit *m_Text2;
    QLineEdit *m_Text3;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
};
