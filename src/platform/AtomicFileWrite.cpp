#include "AtomicFileWrite.h"

#include "StateFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const QString SavingKind = QStringLiteral("saving");

// Where this run notes its temporary files, one path a line.
class SaveJournal
{
public:
    static void note(const QString &tempPath)
    {
        QFile journal(StateFolder::current().file(SavingKind));
        if (journal.open(QIODevice::Append))
            journal.write(tempPath.toUtf8() + '\n');
    }

    static void forget(const QString &tempPath)
    {
        const QString path = StateFolder::current().file(SavingKind);
        QFile journal(path);
        if (!journal.open(QIODevice::ReadOnly))
            return;
        QList<QByteArray> lines = journal.readAll().split('\n');
        journal.close();
        lines.removeAll(tempPath.toUtf8());
        lines.removeAll(QByteArray());
        if (lines.isEmpty()) {
            QFile::remove(path);
            return;
        }
        if (journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
            journal.write(lines.join('\n') + '\n');
    }
};

} // namespace

bool AtomicFileWrite::isTempName(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\..+\\.tvl-[0-9a-f]{8}\\.tmp$"));
    return pattern.match(fileName).hasMatch();
}

AtomicFileWrite::AtomicFileWrite(const QString &path)
{
    // Through a link the file it names is replaced, not the link.
    const QFileInfo info(path);
    m_target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

AtomicFileWrite::~AtomicFileWrite()
{
    if (!m_committed)
        discard();
}

bool AtomicFileWrite::open()
{
    removeLeftovers();
    const QFileInfo target(m_target);
    if (target.isDir()) {
        m_error = QStringLiteral("フォルダです");
        return false;
    }
    if (target.exists() && !target.isWritable()) {
        m_error = QStringLiteral("書き込みが禁止されたファイルです");
        return false;
    }
    m_tempPath = target.absolutePath() + QStringLiteral("/.") + target.fileName()
                 + QStringLiteral(".tvl-%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    SaveJournal::note(m_tempPath);
    m_temp.setFileName(m_tempPath);
    if (!m_temp.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        m_error = m_temp.errorString();
        SaveJournal::forget(m_tempPath);
        m_tempPath.clear();
        return false;
    }
    // A file that exists keeps its permissions.
    if (target.exists())
        m_temp.setPermissions(QFile::permissions(m_target));
    return true;
}

bool AtomicFileWrite::write(const QByteArray &bytes)
{
    if (m_temp.write(bytes) != bytes.size()) {
        m_error = m_temp.errorString();
        return false;
    }
    return true;
}

bool AtomicFileWrite::commit()
{
    if (!m_temp.isOpen())
        return false;
    // On the disk before it takes the old file's place.
    if (!m_temp.flush() || ::fsync(m_temp.handle()) != 0) {
        m_error = m_temp.errorString().isEmpty() ? QString::fromLocal8Bit(std::strerror(errno)) : m_temp.errorString();
        discard();
        return false;
    }
    m_temp.close();
    if (std::rename(QFile::encodeName(m_tempPath).constData(), QFile::encodeName(m_target).constData()) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        discard();
        return false;
    }
    SaveJournal::forget(m_tempPath);
    m_committed = true;
    return true;
}

void AtomicFileWrite::discard()
{
    if (m_tempPath.isEmpty())
        return;
    m_temp.close();
    QFile::remove(m_tempPath);
    SaveJournal::forget(m_tempPath);
    m_tempPath.clear();
}

void AtomicFileWrite::removeLeftovers()
{
    for (const auto &run : StateFolder::current().takeEndedRuns()) {
        if (!run->kinds().contains(SavingKind))
            continue;
        QFile journal(run->file(SavingKind));
        if (journal.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : journal.readAll().split('\n')) {
                const QString path = QString::fromUtf8(line);
                // Only a file of our own naming is ever removed.
                if (!path.isEmpty() && isTempName(QFileInfo(path).fileName()))
                    QFile::remove(path);
            }
        }
        run->remove(SavingKind);
    }
}
