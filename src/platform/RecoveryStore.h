#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

class StateFolder;

// The unsaved page of one editing surface on disk, in this run's part of the
// state folder, so that a run that ends without saving can be resumed at the
// next start. The entry names where the page belongs and its charset.
class RecoveryStore
{
public:
    struct Entry
    {
        QString text;
        QString origin; // the file the page was opened from or last saved to; empty for a new page
        QString charset; // what the page is written in when saved
        QDateTime takenAt;
    };

    explicit RecoveryStore(StateFolder &folder);
    // The entry stays: unsaved work survives a run that ends unexpectedly.
    ~RecoveryStore() = default;

    bool write(const Entry &entry, QString *error = nullptr);
    // The page is saved or given up: nothing to offer any more.
    void clear();
    QString file() const { return m_file; }

    static std::optional<Entry> read(const QString &file);
    static bool writeFile(const QString &file, const Entry &entry, QString *error);
    // Whether a file name of the state folder is a page entry's kind.
    static bool isPageKind(const QString &kind);

private:
    QString m_file;
};
