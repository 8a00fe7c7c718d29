#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The program's per-user folder for what must outlive a run: each run keeps
// its files there under its own name, beside a lock it holds while it runs.
// Files whose run holds no lock any more belong to a run that ended without
// cleaning up (killed, crashed, power lost).
class StateFolder
{
public:
    // A run that ended: its lock is held by us while its files are handled.
    class EndedRun
    {
    public:
        EndedRun(const QString &folder, const QString &id, std::unique_ptr<QLockFile> lock);
        ~EndedRun();
        QString id() const { return m_id; }
        // Its files of a kind ("page-1", "saving"), by their kind.
        QStringList kinds() const;
        QString file(const QString &kind) const;
        void remove(const QString &kind);

    private:
        QString m_folder;
        QString m_id;
        std::unique_ptr<QLockFile> m_lock;
    };

    explicit StateFolder(const QString &path);
    ~StateFolder();

    // The folder of this run: $XDG_STATE_HOME/tovaleaf (~/.local/state/tovaleaf).
    static StateFolder &current();
    static QString defaultPath();

    QString path() const { return m_path; }
    QString id() const { return m_id; }
    // This run's file of a kind.
    QString file(const QString &kind) const;
    // False when the folder cannot be made or locked; lastError says why.
    bool isUsable() const { return m_usable; }
    QString lastError() const { return m_error; }

    // The runs that ended, each taken (locked) so that no other run handles it at once.
    std::vector<std::unique_ptr<EndedRun>> takeEndedRuns() const;

private:
    QString m_path;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    bool m_usable = false;
    QString m_error;
};
