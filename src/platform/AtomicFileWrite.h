#pragma once

#include <QFile>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file beside
// it, which then replaces it. The temporary file is noted in this run's part
// of the state folder until it is gone, so that one left by a run killed in
// the middle of a save is removed at the next save or start.
class AtomicFileWrite
{
public:
    explicit AtomicFileWrite(const QString &path);
    ~AtomicFileWrite();

    bool open();
    bool write(const QByteArray &bytes);
    // Replaces the file; false leaves the old file as it was.
    bool commit();
    QString errorString() const { return m_error; }
    QString tempPath() const { return m_tempPath; }

    // Removes the temporary files that ended runs left behind.
    static void removeLeftovers();
    // Whether a file name is one of ours.
    static bool isTempName(const QString &fileName);

private:
    void discard();

    QString m_target;
    QString m_tempPath;
    QFile m_temp;
    QString m_error;
    bool m_committed = false;
};
