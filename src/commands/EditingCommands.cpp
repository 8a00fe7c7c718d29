#include "EditingCommands.h"

#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"

const QList<EditingCommands::Row> &EditingCommands::table()
{
    using A = Argument;
    static const QList<Row> rows = {
        {"mivoinsert_cell", DECMD_INSERTCELL, OLECMDEXECOPT_DONTPROMPTUSER, A::One},
        {"mivoinsert_retu", DECMD_INSERTCOL, OLECMDEXECOPT_DONTPROMPTUSER, A::One},
        {"mivoinsert_gyou", DECMD_INSERTROW, OLECMDEXECOPT_DONTPROMPTUSER, A::One},
        {"mivodel_cell", DECMD_DELETECELLS, OLECMDEXECOPT_DONTPROMPTUSER, A::One},
        {"mivodel_retu", DECMD_DELETECOLS, OLECMDEXECOPT_DONTPROMPTUSER, A::One},
        {"mivodel_gyou", DECMD_DELETEROWS, OLECMDEXECOPT_DONTPROMPTUSER, A::One},
        {"hidariyose", DECMD_JUSTIFYLEFT, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"cyuuouyose", DECMD_JUSTIFYCENTER, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"migiyose", DECMD_JUSTIFYRIGHT, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivounderline", DECMD_UNDERLINE, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"boldmoji", DECMD_BOLD, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivoitalic", DECMD_ITALIC, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mojiiro", DECMD_SETFORECOLOR, OLECMDEXECOPT_DONTPROMPTUSER, A::ChosenColor},
        {"moji_backcolor", DECMD_SETBACKCOLOR, OLECMDEXECOPT_DONTPROMPTUSER, A::ChosenColor},
        {"font_all", DECMD_FONT, OLECMDEXECOPT_DODEFAULT, A::None},
        {"syoshiki_clear", DECMD_REMOVEFORMAT, OLECMDEXECOPT_DODEFAULT, A::None},
        {"mivoundo", DECMD_UNDO, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivoredo", DECMD_REDO, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivocopy", DECMD_COPY, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivocut", DECMD_CUT, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivopaste", DECMD_PASTE, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"allselect", DECMD_SELECTALL, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"alldelete", DECMD_DELETE, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivolinkdel", DECMD_UNLINK, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivoindentok", DECMD_INDENT, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivoindentdel", DECMD_OUTDENT, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"unorderlist", DECMD_UNORDERLIST, OLECMDEXECOPT_DODEFAULT, A::None},
        {"orderlist", DECMD_ORDERLIST, OLECMDEXECOPT_DODEFAULT, A::None},
        {"insertgazo", DECMD_IMAGE, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"objectgo", DECMD_MAKE_ABSOLUTE, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mae_object", DECMD_BRING_ABOVE_TEXT, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"ushiro_object", DECMD_SEND_BELOW_TEXT, OLECMDEXECOPT_PROMPTUSER, A::None},
        {"mivosearch", DECMD_FINDTEXT, OLECMDEXECOPT_DODEFAULT, A::None},
    };
    return rows;
}

const EditingCommands::Row *EditingCommands::row(const QString &item)
{
    for (const Row &r : table())
        if (item == QLatin1String(r.item))
            return &r;
    return nullptr;
}

bool EditingCommands::run(const QString &item)
{
    const Row *r = row(item);
    if (!r)
        return false;
    QVariant argument;
    switch (r->argument) {
    case Argument::None:
        break;
    case Argument::One:
        argument = 1;
        break;
    case Argument::ChosenColor:
        // A cancelled colour dialog is the first error: nothing is applied.
        if (!m_dialog->ShowColor())
            return false;
        argument = m_dialog->Color;
        break;
    }
    // A refused command simply has no effect, whatever the trap.
    return m_surface->ExecCommand(r->command, r->option, argument);
}
