#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

namespace {

// A file every installation has.
const QString Marker = QStringLiteral("/color.htm");

// Tried rather than judged from the permissions, which say nothing of a
// read-only file system and do not hold for the administrator.
bool canWriteIn(const QString &folder)
{
    QTemporaryFile probe(ProgramFolder::join(folder, QStringLiteral(".tovaleaf-probe-XXXXXX")));
    return probe.open();
}

} // namespace

ProgramFolder::ProgramFolder(const QString &folder) : m_path(QDir::cleanPath(folder))
{
    if (m_path == QLatin1String("/"))
        m_path.clear();
}

QString ProgramFolder::ofInstallation()
{
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(beside + Marker))
        return beside;
    const QString installed = QDir::cleanPath(beside + QStringLiteral("/" TOVALEAF_DATA_FROM_BIN));
    return QFileInfo::exists(installed + Marker) ? installed : beside;
}

QString ProgramFolder::join(const QString &folder, const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!n.startsWith(QLatin1Char('/')))
        n.prepend(QLatin1Char('/'));
    return folder + n;
}

bool ProgramFolder::isWritable() const
{
    return canWriteIn(m_path.isEmpty() ? QStringLiteral("/") : m_path);
}

QString ProgramFolder::cacheFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base + QStringLiteral("/tovaleaf"));
}

QString ProgramFolder::tempFolder() const
{
    if (isWritable())
        return m_path;
    const QString cache = cacheFolder();
    // A folder that cannot be made shows in the write that follows, which names it.
    QDir().mkpath(cache);
    return cache;
}
