#include "FileAccess.h"

#include "SaveJournal.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now: on some file systems a full disk shows only here.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        p += n;
        left -= n;
    }
    return 0;
}

// Saving over a link replaces the file it points to, not the link.
QString resolvedTarget(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops)
        info = QFileInfo(info.symLinkTarget());
    return info.filePath();
}

QString temporaryName(const QString &target)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return name;
}

int writeInPlace(const QByteArray &target, const QByteArray &bytes)
{
    Descriptor fd(::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    if (const int error = writeAll(fd.get(), bytes))
        return error;
    return fd.close();
}

} // namespace

FileAccess::Result FileAccess::read(const QString &path, QByteArray *bytes, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    // Not blocking: a pipe with no writer must not hang the program.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return {errno};
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return {errno};
    if (S_ISDIR(st.st_mode))
        return {EISDIR};
    QByteArray data;
    if (S_ISREG(st.st_mode))
        data.reserve(qsizetype(limit >= 0 ? std::min<qint64>(st.st_size, limit) : st.st_size));
    char buffer[65536];
    while (limit < 0 || data.size() < limit) {
        const size_t wanted = limit < 0 ? sizeof buffer : size_t(std::min<qint64>(qint64(sizeof buffer), limit - data.size()));
        const ssize_t n = ::read(fd.get(), buffer, wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {errno};
        }
        if (n == 0)
            break;
        data.append(buffer, n);
    }
    *bytes = data;
    return {0};
}

FileAccess::Result FileAccess::probeRead(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Not blocking: a pipe with no writer must not hang the program.
    Descriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return {errno};
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return {errno};
    return {S_ISDIR(st.st_mode) ? EISDIR : 0};
}

FileAccess::Result FileAccess::write(const QString &path, const QByteArray &bytes)
{
    const QString target = resolvedTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat st;
    const bool exists = ::stat(targetName.constData(), &st) == 0;
    if (!exists && errno != ENOENT)
        return {errno};
    if (exists && S_ISDIR(st.st_mode))
        return {EISDIR};
    // A device or a pipe cannot be replaced by a renamed file.
    if (exists && !S_ISREG(st.st_mode))
        return {writeInPlace(targetName, bytes)};
    if (exists && ::access(targetName.constData(), W_OK) != 0)
        return {errno};

    SaveJournal::removeLeftovers();
    QByteArray tempName;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        tempName = QFile::encodeName(temporaryName(target));
        // The old file's rights are copied below; until then nobody else may read the copy.
        raw = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (raw < 0 && errno != EEXIST)
            return {errno};
    }
    if (raw < 0)
        return {EEXIST};
    Descriptor fd(raw);
    // Noted once it is ours: a run killed before the rename leaves nothing at the next save or start.
    const QString tempPath = QFile::decodeName(tempName);
    SaveJournal::note(tempPath);
    auto failed = [&](int error) {
        ::unlink(tempName.constData());
        SaveJournal::forget(tempPath);
        return Result{error};
    };
    if (exists && ::fchmod(fd.get(), st.st_mode & 07777) != 0 && errno != EPERM)
        return failed(errno);
    if (const int error = writeAll(fd.get(), bytes))
        return failed(error);
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS)
        return failed(errno);
    if (const int error = fd.close())
        return failed(error);
    if (::rename(tempName.constData(), targetName.constData()) != 0)
        return failed(errno);
    SaveJournal::forget(tempPath);
    return {0};
}

QString FileAccess::reason(int error, Access access)
{
    const bool reading = access == Access::Read;
    switch (error) {
    case 0:
        return QString();
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません");
    case EACCES:
    case EPERM:
        return reading ? QStringLiteral("読み取りの権限がありません") : QStringLiteral("書き込みの権限がありません");
    case EROFS:
        return QStringLiteral("読み取り専用の場所のため書き込めません");
    case ENOENT:
        return reading ? QStringLiteral("ファイルが見つかりません") : QStringLiteral("保存先のフォルダが見つかりません");
    case ENOTDIR:
        return QStringLiteral("パスの途中にフォルダではないものがあります");
    case EISDIR:
        return reading ? QStringLiteral("フォルダです") : QStringLiteral("同じ名前のフォルダがあります");
    case ENAMETOOLONG:
        return QStringLiteral("名前が長すぎます");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環しています");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("ファイルが使用中です");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました");
    default:
        return QStringLiteral("システムのエラーです（%1）").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}
