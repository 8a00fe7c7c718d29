#include "CaseInsensitivePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// The one entry of folder named name without regard to case, or empty.
QString onlyMatch(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    QString found;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return QString(); // two files differ only in case: neither is meant more than the other
        found = entry;
    }
    return found;
}

} // namespace

QString CaseInsensitivePath::find(const QString &path)
{
    if (path.isEmpty())
        return QString();
    if (QFileInfo(path).isFile())
        return path;
    const QString clean = QDir::cleanPath(path);
    const QStringList parts = clean.split(QLatin1Char('/'));
    // An absolute path's first part is empty (the root).
    QString resolved = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString folder = resolved.isEmpty() ? QStringLiteral("/") : resolved;
        const QString name = onlyMatch(folder, parts[i]);
        if (name.isEmpty())
            return QString();
        resolved += QLatin1Char('/') + name;
    }
    return QFileInfo(resolved).isFile() ? resolved : QString();
}
