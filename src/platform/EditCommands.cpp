#include "EditCommands.h"

QJsonObject EditCommands::table()
{
    QJsonObject ids;
#define TOVALEAF_COMMAND_ID(name, id) ids.insert(QStringLiteral(#name), id);
    TOVALEAF_EDIT_COMMANDS(TOVALEAF_COMMAND_ID)
#undef TOVALEAF_COMMAND_ID
    QJsonObject states;
#define TOVALEAF_COMMAND_STATE(name, value) states.insert(QStringLiteral(#name), value);
    TOVALEAF_COMMAND_STATES(TOVALEAF_COMMAND_STATE)
#undef TOVALEAF_COMMAND_STATE
    return {{QStringLiteral("ids"), ids}, {QStringLiteral("states"), states}};
}
