#pragma once

#include <QString>

// The folder of the running program: its installation files lie there and its
// temporary pages are written there. A name is joined as folder + "/name".
class ProgramFolder
{
public:
    static QString path();
    // For tests, which run on a fresh copy of the installation files.
    static void setPath(const QString &folder);
    // The program folder's file of that name (given with or without the leading separator).
    static QString file(const QString &name);
    // Joins a folder as kept by the program ("" for the root) and a name.
    static QString join(const QString &folder, const QString &name);
};
