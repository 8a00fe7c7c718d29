#pragma once

#include <QString>
#include <QStringList>

class Form1;

// The form-control list: a fixed snippet inserted at once, or the settings
// dialog of a simple element opened modally.
class ControlList
{
public:
    static const QStringList &entries();

    explicit ControlList(Form1 *form) : m_form(form) {}
    void Combo1_Click(const QString &chosenText);

private:
    void insert(const QString &snippet);
    Form1 *m_form;
};
