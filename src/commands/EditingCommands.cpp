#include "EditingCommands.h"

#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"

const QList<EditingCommands::Row> &EditingCommands::table()
{
    using A = Argument;
    using T = Trap;
    static const QList<Row> rows = {
        {"mivoinsert_cell", 5019, 2, A::One, T::Ignore},
        {"mivoinsert_retu", 5020, 2, A::One, T::Ignore},
        {"mivoinsert_gyou", 5021, 2, A::One, T::Ignore},
        {"mivodel_cell", 5005, 2, A::One, T::Ignore},
        {"mivodel_retu", 5006, 2, A::One, T::Ignore},
        {"mivodel_gyou", 5007, 2, A::One, T::Ignore},
        {"hidariyose", 5025, 1, A::None, T::Ignore},
        {"cyuuouyose", 5024, 1, A::None, T::Ignore},
        {"migiyose", 5026, 1, A::None, T::Ignore},
        {"mivounderline", 5048, 1, A::None, T::Ignore},
        {"boldmoji", 5000, 1, A::None, T::Ignore},
        {"mivoitalic", 5023, 1, A::None, T::Ignore},
        {"mojiiro", 5046, 2, A::ChosenColor, T::End},
        {"moji_backcolor", 5042, 2, A::ChosenColor, T::End},
        {"font_all", 5009, 0, A::None, T::End},
        {"syoshiki_clear", 5034, 0, A::None, T::Ignore},
        {"mivoundo", 5049, 1, A::None, T::Unguarded},
        {"mivoredo", 5033, 1, A::None, T::Unguarded},
        {"mivocopy", 5002, 1, A::None, T::Ignore},
        {"mivocut", 5003, 1, A::None, T::Ignore},
        {"mivopaste", 5032, 1, A::None, T::Ignore},
        {"allselect", 5035, 1, A::None, T::Unguarded},
        {"alldelete", 5004, 1, A::None, T::Unguarded},
        {"mivolinkdel", 5050, 1, A::None, T::Unguarded},
        {"mivoindentok", 5018, 1, A::None, T::Ignore},
        {"mivoindentdel", 5031, 1, A::None, T::Ignore},
        {"unorderlist", 5051, 0, A::None, T::Ignore},
        {"orderlist", 5030, 0, A::None, T::Ignore},
        {"insertgazo", 5017, 1, A::None, T::Ignore},
        {"objectgo", 5028, 1, A::None, T::Ignore},
        {"mae_object", 5039, 1, A::None, T::Ignore},
        {"ushiro_object", 5038, 1, A::None, T::Ignore},
        {"mivosearch", 5008, 0, A::None, T::Ignore},
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
