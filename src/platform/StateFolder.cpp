#include "StateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>

namespace {

const QString LockSuffix = QStringLiteral(".lock");

QString idOf(const QString &fileName)
{
    return fileName.section(QLatin1Char('.'), 0, 0);
}

QString kindOf(const QString &fileName)
{
    return fileName.section(QLatin1Char('.'), 1);
}

} // namespace

StateFolder::EndedRun::EndedRun(const QString &folder, const QString &id, std::unique_ptr<QLockFile> lock)
    : m_folder(folder), m_id(id), m_lock(std::move(lock))
{
}

StateFolder::EndedRun::~EndedRun()
{
    // Unlocking removes the lock file; files left are handled at a later start.
    m_lock->unlock();
}

QStringList StateFolder::EndedRun::kinds() const
{
    QStringList out;
    const QStringList names = QDir(m_folder).entryList({m_id + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString kind = kindOf(name);
        if (kind != QLatin1String("lock"))
            out << kind;
    }
    return out;
}

QString StateFolder::EndedRun::file(const QString &kind) const
{
    return m_folder + QLatin1Char('/') + m_id + QLatin1Char('.') + kind;
}

void StateFolder::EndedRun::remove(const QString &kind)
{
    QFile::remove(file(kind));
}

QString StateFolder::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/tovaleaf");
}

StateFolder &StateFolder::current()
{
    static StateFolder folder(defaultPath());
    return folder;
}

StateFolder::StateFolder(const QString &path) : m_path(path)
{
    m_id = QStringLiteral("%1-%2")
               .arg(QCoreApplication::applicationPid())
               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    if (!QDir().mkpath(m_path)) {
        m_error = QStringLiteral("フォルダを作れません: %1").arg(m_path);
        return;
    }
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_lock = std::make_unique<QLockFile>(m_path + QLatin1Char('/') + m_id + LockSuffix);
    // A live run's lock never goes stale by age: only a run that is gone gives it up.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_error = QStringLiteral("ロックを取れません: %1").arg(m_lock->fileName());
        return;
    }
    m_usable = true;
}

StateFolder::~StateFolder()
{
    if (m_lock)
        m_lock->unlock();
}

QString StateFolder::file(const QString &kind) const
{
    return m_path + QLatin1Char('/') + m_id + QLatin1Char('.') + kind;
}

std::vector<std::unique_ptr<StateFolder::EndedRun>> StateFolder::takeEndedRuns() const
{
    std::vector<std::unique_ptr<EndedRun>> out;
    QSet<QString> ids;
    const QStringList names = QDir(m_path).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        const QString id = idOf(name);
        if (!id.isEmpty() && id != m_id)
            ids.insert(id);
    }
    QStringList sorted(ids.cbegin(), ids.cend());
    sorted.sort();
    for (const QString &id : sorted) {
        auto lock = std::make_unique<QLockFile>(m_path + QLatin1Char('/') + id + LockSuffix);
        lock->setStaleLockTime(0);
        // Taken only when its run is gone (its process ended) or another run is not handling it now.
        if (!lock->tryLock(0))
            continue;
        out.push_back(std::make_unique<EndedRun>(m_path, id, std::move(lock)));
    }
    return out;
}
