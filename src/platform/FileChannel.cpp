#include "FileChannel.h"

#include "FileAccess.h"
#include "PageBytes.h"
#include "PageEncoding.h"

bool FileChannel::writeText(const QString &path, const QString &text, QString *error)
{
    return writeBytes(path, textBytes(text), error);
}

bool FileChannel::writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    const FileAccess::Result written = FileAccess::write(path, bytes);
    if (!written && error)
        *error = FileAccess::reason(written.error, FileAccess::Access::Write);
    return bool(written);
}

QByteArray FileChannel::textBytes(const QString &text)
{
    return PageBytes::of(text + QStringLiteral("\r\n")).bytes;
}

bool FileChannel::readLines(const QString &path, QString *text, QString *error)
{
    QByteArray bytes;
    const FileAccess::Result read = FileAccess::read(path, &bytes);
    if (!read) {
        if (error)
            *error = FileAccess::reason(read.error, FileAccess::Access::Read);
        return false;
    }
    *text = withCrLfLines(PageEncoding::decodeDetected(bytes));
    return true;
}

QString FileChannel::withCrLfLines(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    const QChar *lineStart = p;
    while (p < end) {
        const char16_t c = p->unicode();
        if (c == u'\r' || c == u'\n') {
            out.append(lineStart, p - lineStart);
            out.append(QStringLiteral("\r\n"));
            if (c == u'\r' && p + 1 < end && p[1] == u'\n')
                ++p;
            lineStart = ++p;
        } else {
            ++p;
        }
    }
    if (lineStart < end) {
        out.append(lineStart, end - lineStart);
        out.append(QStringLiteral("\r\n"));
    }
    return out;
}
