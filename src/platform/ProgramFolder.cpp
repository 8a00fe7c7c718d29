#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

ProgramFolder::ProgramFolder(const QString &folder) : m_path(QDir::cleanPath(folder))
{
    if (m_path == QLatin1String("/"))
        m_path.clear();
}

QString ProgramFolder::ofExecutable()
{
    return QCoreApplication::applicationDirPath();
}

QString ProgramFolder::join(const QString &folder, const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!n.startsWith(QLatin1Char('/')))
        n.prepend(QLatin1Char('/'));
    return folder + n;
}
