#pragma once

#include <QFile>
#include <QString>

#include <sys/fsuid.h>
#include <unistd.h>

// While it lives, this thread's file access is checked as an ordinary user,
// also when the tests run as root: folders without rights then refuse as
// they do for the user.
class UnprivilegedFiles
{
public:
    static constexpr unsigned Nobody = 65534;

    UnprivilegedFiles()
    {
        if (::geteuid() == 0) {
            ::setfsgid(Nobody);
            ::setfsuid(Nobody);
            m_switched = true;
        }
    }
    ~UnprivilegedFiles()
    {
        if (m_switched) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    UnprivilegedFiles(const UnprivilegedFiles &) = delete;
    UnprivilegedFiles &operator=(const UnprivilegedFiles &) = delete;

    // Lets everyone into a folder (a temporary folder is the owner's only).
    static void openToAll(const QString &folder)
    {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    }
    // Readable and enterable for all, writable for nobody but root.
    static void readOnly(const QString &folder)
    {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                          | QFile::ReadOther | QFile::ExeOther);
    }

private:
    bool m_switched = false;
};
