#pragma once

#include <QList>
#include <QString>

class CommonDialog;
class DhtmlEdit;

// The menu bar's editing commands: each one a single ExecCommand on the
// surface with its id, option and third argument, and its way with errors.
class EditingCommands
{
public:
    enum class Argument { None, One, ChosenColor };
    // Ignore: go on as if nothing happened; End: leave at the first error;
    // Unguarded: no trap of its own (errors are ignored all the same).
    enum class Trap { Ignore, End, Unguarded };
    struct Row
    {
        const char *item;
        int command;
        int option;
        Argument argument;
        Trap trap;
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
