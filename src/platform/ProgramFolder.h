#pragma once

#include <QString>
#include <QStringList>

// The folder of the running program: its installation files lie there and its
// temporary pages are written there, unless the program may not write in it
// (an installed program): then they go to the user's cache folder. A name is
// joined as folder + "/name".
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &folder);

    // Where this program's installation files are: beside the executable when
    // they are there (the build, an unpacked program), else where an
    // installation puts them (PREFIX/share/tovaleaf).
    static QString ofInstallation();

    // A root is kept without its separator, as a drive root is ("" for "/").
    QString path() const { return m_path; }
    // The program folder's file of that name (given with or without the leading separator).
    QString file(const QString &name) const { return join(m_path, name); }
    // Joins a folder as kept by the program ("" for the root) and a name.
    static QString join(const QString &folder, const QString &name);

    // Whether the program may write in its folder.
    bool isWritable() const;
    // Where the temporary pages that belong with the program go: the program
    // folder, else $XDG_CACHE_HOME/tovaleaf (~/.cache/tovaleaf), made when asked for.
    QString tempFolder() const;
    QString tempFile(const QString &name) const { return join(tempFolder(), name); }
    // The user's cache folder for them, whether used or not.
    static QString cacheFolder();

private:
    QString m_path;
};
