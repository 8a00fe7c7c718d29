#include "AppContext.h"

#include <QDir>

AppContext::AppContext(const QString &programFolder, MessageBoxes &messageBoxes, DialogPicker &dialogPicker, ShellOpen &shellOpen)
    : folder(programFolder), workingFolder(QDir::cleanPath(programFolder)), boxes(messageBoxes), dialogs(dialogPicker),
      shell(shellOpen)
{
}
