#include "FileChannel.h"

#include "PageEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool FileChannel::writeText(const QString &path, const QString &text, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = textBytes(text);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QByteArray FileChannel::textBytes(const QString &text)
{
    return PageEncoding::encode(text + QStringLiteral("\r\n"), PageEncoding::forText(text));
}

bool FileChannel::readLines(const QString &path, QString *text, QString *error)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QFileInfo(path).isDir() ? QStringLiteral("フォルダです") : file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
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
