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
    // Beside the executable when its files are there (the build, an unpacked
    // program), else where an installation puts them (PREFIX/share/tovaleaf).
    static QString path();
    // For tests, which run on a fresh copy of the installation files.
    static void setPath(const QString &folder);
    // The program folder's file of that name (given with or without the leading separator).
    static QString file(const QString &name);
    // Joins a folder as kept by the program ("" for the root) and a name.
    static QString join(const QString &folder, const QString &name);

    // Whether the program may write in its folder.
    static bool isWritable();
    // Where the temporary pages that belong with the program go: the program
    // folder, else $XDG_CACHE_HOME/tovaleaf (~/.cache/tovaleaf), made when asked for.
    static QString tempFolder();
    static QString tempFile(const QString &name);
    // The user's cache folder for them, whether used or not.
    static QString cacheFolder();
};
