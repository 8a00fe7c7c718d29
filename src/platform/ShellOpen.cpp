#include "ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
ShellOpen *installedShell = nullptr;
}

bool ShellOpen::file(const QString &path)
{
    static DesktopShellOpen real;
    return (installedShell ? *installedShell : static_cast<ShellOpen &>(real)).open(path);
}

void ShellOpen::install(ShellOpen *replacement)
{
    installedShell = replacement;
}

bool DesktopShellOpen::open(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
