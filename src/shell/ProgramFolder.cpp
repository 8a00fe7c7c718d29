#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}

// A file every installation has.
const QString Marker = QStringLiteral("/color.htm");

QString installationFolder()
{
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(beside + Marker))
        return beside;
    const QString installed = QDir::cleanPath(beside + QStringLiteral("/" TOVALEAF_DATA_FROM_BIN));
    return QFileInfo::exists(installed + Marker) ? installed : beside;
}

// Tried rather than judged from the permissions, which say nothing of a
// read-only file system and do not hold for the administrator.
bool canWriteIn(const QString &folder)
{
    QTemporaryFile probe(ProgramFolder::join(folder, QStringLiteral(".tovaleaf-probe-XXXXXX")));
    return probe.open();
}
} // namespace

QString ProgramFolder::path()
{
    const QString &folder = overridden();
    QString p = folder.isEmpty() ? installationFolder() : folder;
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

bool ProgramFolder::isWritable()
{
    return canWriteIn(path().isEmpty() ? QStringLiteral("/") : path());
}

QString ProgramFolder::cacheFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base + QStringLiteral("/tovaleaf"));
}

QString ProgramFolder::tempFolder()
{
    if (isWritable())
        return path();
    const QString cache = cacheFolder();
    // A folder that cannot be made shows in the write that follows, which names it.
    QDir().mkpath(cache);
    return cache;
}

QString ProgramFolder::tempFile(const QString &name)
{
    return join(tempFolder(), name);
}
