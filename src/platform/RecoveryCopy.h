#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class RecoveryStore;

// The page as the user last left it, kept a few seconds behind them: what a
// crashed renderer shows again, and (through a RecoveryStore) what survives
// the program itself. "Dirty" means the page holds work that is in no file.
// A copy is wanted a second after the user pauses, and at least every five
// seconds while they go on changing the page.
class RecoveryCopy : public QObject
{
    Q_OBJECT
public:
    static constexpr int PauseMs = 1000;
    static constexpr int MostBehindMs = 5000;

    explicit RecoveryCopy(QObject *parent = nullptr);

    // Not owned; the copy is written there while the page is dirty.
    void setStore(RecoveryStore *store);

    // The surface shows text now (a load, a rewrite through a temporary page, a restore).
    void pageShown(const QString &text);
    // The page's copy, taken when it was wanted.
    void copyTaken(const QString &text);
    // The user changed the page.
    void changed();

    void markDirty();
    void markSaved(const QString &path);
    void markOpened(const QString &path);
    // The user gave the page up (a new page, exit without saving).
    void markDiscarded();

    QString text() const { return m_text; }
    bool isDirty() const { return m_dirty; }
    // Changed since it was opened, saved or started: unlike isDirty(), at
    // once, not when the next copy is taken.
    bool isModified() const { return m_modified; }
    // No change is known to have happened after the copy.
    bool isCurrent() const { return m_current; }
    qint64 ageMs() const { return m_taken.isValid() ? m_taken.elapsed() : 0; }
    QString origin() const { return m_origin; }
    void setOrigin(const QString &path);
    QString lastWriteError() const { return m_writeError; }

signals:
    // The page's file, or whether it changed since, may be other than before.
    void fileStateChanged();
    // Time to take the page's copy.
    void copyWanted();
    void copied();
    // The copy could not be written to disk (once a run is enough to say so).
    void writeFailed(const QString &reason);

private:
    void persist();
    void clean(const QString &origin);
    void setModified();

    RecoveryStore *m_store = nullptr;
    QTimer m_pause;
    QElapsedTimer m_firstChange;
    QString m_text;
    QString m_origin;
    bool m_dirty = false;
    bool m_modified = false;
    bool m_current = true;
    QElapsedTimer m_taken;
    QString m_writeError;
};
