#pragma once

#include <QList>
#include <QString>

class CommonDialog;
class DhtmlEdit;

// The menu bar's editing commands: each one a single ExecCommand on the
// surface with its id, option and third argument; a refused one does nothing.
class EditingCommands
{
public:
    enum class Argument { None, One, ChosenColor };
    struct Row
    {
        const char *item;
        int command;
        int option;
        Argument argument;
    };
    static const QList<Row> &table();
    static const Row *row(const QString &item);

    EditingCommands(DhtmlEdit *surface, CommonDialog *dialog) : m_surface(surface), m_dialog(dialog) {}

    // The procedure of that menu item; false when it did not act.
    bool run(const QString &item);

private:
    DhtmlEdit *m_surface;
    CommonDialog *m_dialog;
};
