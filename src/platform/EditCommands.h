#pragma once

#include <QJsonObject>

// The editing surface's commands by the ids the program passes to ExecCommand
// and QueryStatus, the states QueryStatus answers and the options ExecCommand
// takes: one table for the program and for the page's scripts, which get it
// when they are installed (PageScripts) and name the commands alike.
#define TOVALEAF_EDIT_COMMANDS(X)                                                                                      \
    X(BOLD, 5000)                                                                                                      \
    X(COPY, 5002)                                                                                                      \
    X(CUT, 5003)                                                                                                       \
    X(DELETE, 5004)                                                                                                    \
    X(DELETECELLS, 5005)                                                                                               \
    X(DELETECOLS, 5006)                                                                                                \
    X(DELETEROWS, 5007)                                                                                                \
    X(FINDTEXT, 5008)                                                                                                  \
    X(FONT, 5009)                                                                                                      \
    X(HYPERLINK, 5016)                                                                                                 \
    X(IMAGE, 5017)                                                                                                     \
    X(INDENT, 5018)                                                                                                    \
    X(INSERTCELL, 5019)                                                                                                \
    X(INSERTCOL, 5020)                                                                                                 \
    X(INSERTROW, 5021)                                                                                                 \
    X(INSERTTABLE, 5022)                                                                                               \
    X(ITALIC, 5023)                                                                                                    \
    X(JUSTIFYCENTER, 5024)                                                                                             \
    X(JUSTIFYLEFT, 5025)                                                                                               \
    X(JUSTIFYRIGHT, 5026)                                                                                              \
    X(MAKE_ABSOLUTE, 5028)                                                                                             \
    X(ORDERLIST, 5030)                                                                                                 \
    X(OUTDENT, 5031)                                                                                                   \
    X(PASTE, 5032)                                                                                                     \
    X(REDO, 5033)                                                                                                      \
    X(REMOVEFORMAT, 5034)                                                                                              \
    X(SELECTALL, 5035)                                                                                                 \
    X(SEND_BELOW_TEXT, 5038)                                                                                           \
    X(BRING_ABOVE_TEXT, 5039)                                                                                          \
    X(SETBACKCOLOR, 5042)                                                                                              \
    X(SETFORECOLOR, 5046)                                                                                              \
    X(UNDERLINE, 5048)                                                                                                 \
    X(UNDO, 5049)                                                                                                      \
    X(UNLINK, 5050)                                                                                                    \
    X(UNORDERLIST, 5051)

// What QueryStatus answers: the program asks only whether a command is enabled.
#define TOVALEAF_COMMAND_STATES(X)                                                                                     \
    X(NOTSUPPORTED, 0)                                                                                                 \
    X(DISABLED, 1)                                                                                                     \
    X(ENABLED, 3)                                                                                                      \
    X(LATCHED, 7)                                                                                                      \
    X(NINCHED, 11)

enum EditCommand : int {
#define TOVALEAF_COMMAND_ID(name, id) DECMD_##name = id,
    TOVALEAF_EDIT_COMMANDS(TOVALEAF_COMMAND_ID)
#undef TOVALEAF_COMMAND_ID
};

enum CommandStatus : int {
#define TOVALEAF_COMMAND_STATE(name, value) DECMDF_##name = value,
    TOVALEAF_COMMAND_STATES(TOVALEAF_COMMAND_STATE)
#undef TOVALEAF_COMMAND_STATE
};

// ExecCommand's second argument.
enum CommandOption : int {
    OLECMDEXECOPT_DODEFAULT = 0,
    OLECMDEXECOPT_PROMPTUSER = 1,
    OLECMDEXECOPT_DONTPROMPTUSER = 2,
};

namespace EditCommands {
// The table as the page's scripts read it: {"ids": {"BOLD": 5000, ...}, "states": {"ENABLED": 3, ...}}.
QJsonObject table();
} // namespace EditCommands
