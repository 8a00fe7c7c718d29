#include "PageOrigins.h"

#include "CaseInsensitivePath.h"

#include <QFileInfo>
#include <QRandomGenerator>

PageOrigins::PageOrigins()
{
    // Unguessable, so that a page cannot write the mark into an address itself.
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    m_shownMark = QStringLiteral("tvl-shown=")
        + QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(words), sizeof(words)).toHex());
}

void PageOrigins::setRoot(const QString &host, const QString &folder)
{
    const QString root = canonicalPath(folder);
    QMutexLocker lock(&m_mutex);
    m_roots.insert(host, root);
}

std::optional<QString> PageOrigins::rootOf(const QString &host) const
{
    QMutexLocker lock(&m_mutex);
    auto it = m_roots.constFind(host);
    if (it == m_roots.constEnd())
        return std::nullopt;
    return *it;
}

void PageOrigins::forget(const QString &host)
{
    QMutexLocker lock(&m_mutex);
    m_roots.remove(host);
}

QString PageOrigins::hostForFolder(const QString &folder)
{
    const QString root = canonicalPath(folder);
    QMutexLocker lock(&m_mutex);
    auto it = m_folderHosts.constFind(root);
    if (it != m_folderHosts.constEnd())
        return *it;
    const QString host = QStringLiteral("f%1").arg(m_nextFolderHost++);
    m_folderHosts.insert(root, host);
    m_roots.insert(host, root);
    return host;
}

QString PageOrigins::windowHost(const QString &root)
{
    QMutexLocker lock(&m_mutex);
    const QString host = QStringLiteral("w%1").arg(m_nextWindowHost++);
    m_roots.insert(host, root);
    return host;
}

QString PageOrigins::canonicalPath(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QFileInfo(path).canonicalFilePath();
}

QString PageOrigins::resolvedPath(const QString &path)
{
    // The file a page written on Windows means, named in other letter case.
    const QString found = CaseInsensitivePath::find(path);
    const QString canonical = canonicalPath(found.isEmpty() ? path : found);
    if (!canonical.isEmpty() || path.isEmpty())
        return canonical;
    const QFileInfo info(path);
    const QString folder = canonicalPath(info.absolutePath());
    if (folder.isEmpty())
        return QString();
    return folder.endsWith(QLatin1Char('/')) ? folder + info.fileName() : folder + QLatin1Char('/') + info.fileName();
}

QString PageOrigins::canonicalFolderOf(const QString &path)
{
    const QString resolved = resolvedPath(path);
    if (resolved.isEmpty())
        return QString();
    const QFileInfo info(resolved);
    return info.isDir() ? resolved : info.absolutePath();
}

bool PageOrigins::contains(const QString &root, const QString &canonicalPath)
{
    if (root.isEmpty() || canonicalPath.isEmpty())
        return false;
    if (canonicalPath == root)
        return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return canonicalPath.startsWith(prefix);
}
