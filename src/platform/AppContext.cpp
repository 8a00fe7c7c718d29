#include "AppContext.h"

#include <QDir>

AppContext::AppContext(const QString &programFolder, MessageBoxes &messageBoxes, DialogPicker &dialogPicker, ShellOpen &shellOpen)
    : folder(programFolder), boxes(messageBoxes), dialogs(dialogPicker), shell(shellOpen), pages(messageBoxes)
{
    // An installation the user may not write in is no place for their pages.
    workingFolder = folder.isWritable() ? QDir::cleanPath(programFolder) : QDir::homePath();
}
