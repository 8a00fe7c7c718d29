#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

#include <optional>

// Which folder the code of each page may read. Every page the program shows is
// served under a host of its own scheme (its origin); the host's root is the
// folder of the page it was made for, and its code reads files in that folder
// and the folders below it, nothing else. Paths are compared canonically, so
// "..", percent-encoding and symbolic links lead nowhere else.
class PageOrigins
{
public:
    PageOrigins();

    // The root of host becomes the (canonical) folder.
    void setRoot(const QString &host, const QString &folder);
    std::optional<QString> rootOf(const QString &host) const;
    void forget(const QString &host);

    // A host of its own for a page shown from folder (a frame or a page linked
    // from outside the folder of the page that named it): one per folder.
    QString hostForFolder(const QString &folder);
    // A host for a window a page opens: it reads what its opener reads.
    QString windowHost(const QString &root);

    // Marks the file address a shown picture or style sheet is finally read from,
    // so that only the program's own redirects reach files outside a root.
    QString shownMark() const { return m_shownMark; }

    // The file's canonical path; empty when it does not exist.
    static QString canonicalPath(const QString &path);
    // The canonical path of the file path means (letter case aside, see
    // CaseInsensitivePath), or for a file that does not exist, its canonical
    // folder and its name; empty when not even the folder exists.
    static QString resolvedPath(const QString &path);
    // The canonical folder a path lies in (the path itself when it is a folder).
    static QString canonicalFolderOf(const QString &path);
    // True when canonicalPath is root or lies below it.
    static bool contains(const QString &root, const QString &canonicalPath);

private:
    mutable QMutex m_mutex;
    QHash<QString, QString> m_roots;        // host -> canonical folder
    QHash<QString, QString> m_folderHosts;  // canonical folder -> host
    int m_nextFolderHost = 1;
    int m_nextWindowHost = 1;
    QString m_shownMark;
};
