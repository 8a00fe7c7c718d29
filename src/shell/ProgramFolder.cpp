#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder::path()
{
    const QString &folder = overridden();
    QString p = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    // A root is kept without its separator, as a drive root is.
    if (p == QLatin1String("/"))
        return QString();
    return p;
}

void ProgramFolder::setPath(const QString &folder)
{
    overridden() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString ProgramFolder::file(const QString &name)
{
    return join(path(), name);
}

QString ProgramFolder::join(const QString &folder, const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!n.startsWith(QLatin1Char('/')))
        n.prepend(QLatin1Char('/'));
    return folder + n;
}
