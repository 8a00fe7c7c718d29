#pragma once

#include <QString>

// The folder of the running program: its installation files lie there and its
// temporary pages are written there. A name is joined as folder + "/name".
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &folder);

    // The executable's folder, where the build and an unpacked program keep their files.
    static QString ofExecutable();

    // A root is kept without its separator, as a drive root is ("" for "/").
    QString path() const { return m_path; }
    // The program folder's file of that name (given with or without the leading separator).
    QString file(const QString &name) const { return join(m_path, name); }
    // Joins a folder as kept by the program ("" for the root) and a name.
    static QString join(const QString &folder, const QString &name);

private:
    QString m_path;
};
