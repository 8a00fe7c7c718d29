#include "EditingCommands.h"

#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"

const QList<EditingCommands::Row> &EditingCommands::table()
{
    using A = Argument;
    static const QList<Row> rows = {
        {"mivoinsert_cell", 5019, 2, A::One},
        {"mivoinsert_retu", 5020, 2, A::One},
        {"mivoinsert_gyou", 5021, 2, A::One},
        {"mivodel_cell", 5005, 2, A::One},
        {"mivodel_retu", 5006, 2, A::One},
        {"mivodel_gyou", 5007, 2, A::One},
        {"hidariyose", 5025, 1, A::None},
        {"cyuuouyose", 5024, 1, A::None},
        {"migiyose", 5026, 1, A::None},
        {"mivounderline", 5048, 1, A::None},
        {"boldmoji", 5000, 1, A::None},
        {"mivoitalic", 5023, 1, A::None},
        {"mojiiro", 5046, 2, A::ChosenColor},
        {"moji_backcolor", 5042, 2, A::ChosenColor},
        {"font_all", 5009, 0, A::None},
        {"syoshiki_clear", 5034, 0, A::None},
        {"mivoundo", 5049, 1, A::None},
        {"mivoredo", 5033, 1, A::None},
        {"mivocopy", 5002, 1, A::None},
        {"mivocut", 5003, 1, A::None},
        {"mivopaste", 5032, 1, A::None},
        {"allselect", 5035, 1, A::None},
        {"alldelete", 5004, 1, A::None},
        {"mivolinkdel", 5050, 1, A::None},
        {"mivoindentok", 5018, 1, A::None},
        {"mivoindentdel", 5031, 1, A::None},
        {"unorderlist", 5051, 0, A::None},
        {"orderlist", 5030, 0, A::None},
        {"insertgazo", 5017, 1, A::None},
        {"objectgo", 5028, 1, A::None},
        {"mae_object", 5039, 1, A::None},
        {"ushiro_object", 5038, 1, A::None},
        {"mivosearch", 5008, 0, A::None},
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
