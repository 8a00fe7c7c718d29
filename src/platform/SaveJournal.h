#pragma once

#include <QString>

// The temporary files this run's saves are writing, noted in its part of the
// state folder until they are renamed over their target or removed, so that
// one left by a run killed in the middle of a save is removed at the next
// save or start.
class SaveJournal
{
public:
    static void note(const QString &tempPath);
    static void forget(const QString &tempPath);
    // Removes the temporary files that ended runs left behind.
    static void removeLeftovers();
    // Whether a file name has the form of a save's temporary file (target name, a dot, six letters).
    static bool isTempName(const QString &fileName);
};
