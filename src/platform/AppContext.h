#pragma once

#include "Module1.h"
#include "PageEnvironment.h"
#include "ProgramFolder.h"

class DialogPicker;
class MessageBoxes;
class ShellOpen;

// What the start-up makes once and hands, through constructors, to every part
// that needs it: Module1's variables (the one channel from the dialogs to the
// main window), the program folder, the folder the run works in, the user's
// side of the program (message boxes, the file, colour and font dialogs, the
// desktop's "open"), which tests script, and the web engine as the program's
// pages use it.
struct AppContext
{
    AppContext(const QString &programFolder, MessageBoxes &messageBoxes, DialogPicker &dialogPicker, ShellOpen &shellOpen);
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Module1 shared;
    ProgramFolder folder;
    // The run's current folder: the program folder, or the home folder when the
    // program may not write in its own. The file screen and Save As start there,
    // and a page never saved counts as one of it.
    QString workingFolder;
    MessageBoxes &boxes;
    DialogPicker &dialogs;
    ShellOpen &shell;
    // The profile, page scheme and request policy of every page the program shows.
    PageEnvironment pages;
};
