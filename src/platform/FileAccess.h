#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing whole files with the system's own reason when that
// fails, told in Japanese. Qt's file classes lose the reason on a short write
// (a full disk then reads "unknown error") and cannot tell a missing file
// from one the user may not read.
class FileAccess
{
public:
    enum class Access { Read, Write };

    struct Result
    {
        int error = 0; // errno, 0 when done
        explicit operator bool() const { return error == 0; }
    };

    // At most limit bytes when limit >= 0: enough to tell that a file is too large.
    static Result read(const QString &path, QByteArray *bytes, qint64 limit = -1);
    // Whether the file can be opened for reading, without reading it.
    static Result probeRead(const QString &path);
    // Written beside the target and renamed over it, so a failed write leaves
    // the old file whole; a device or pipe is written in place.
    static Result write(const QString &path, const QByteArray &bytes);

    // Why a file could not be read or written, for a message that names it.
    static QString reason(int error, Access access);
};
