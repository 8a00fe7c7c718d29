#include "ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopShellOpen::open(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
