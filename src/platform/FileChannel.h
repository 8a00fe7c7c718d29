#pragma once

#include <QByteArray>
#include <QString>

// The program's one text-file channel: a page or temporary page is written as
// its whole text plus CR LF, and read back line by line, each line plus CR LF.
class FileChannel
{
public:
    // Writes text + CR LF in a form that reads back as the same text
    // (PageBytes). The old file stays whole if the write fails; error then
    // says why, in Japanese.
    static bool writeText(const QString &path, const QString &text, QString *error);
    static bool writeBytes(const QString &path, const QByteArray &bytes, QString *error);
    // The bytes writeText writes for text.
    static QByteArray textBytes(const QString &text);
    // Reads the file line by line; every line, the last one too, gets CR LF.
    static bool readLines(const QString &path, QString *text, QString *error);

    // The line-by-line reading rule applied to text already in memory.
    static QString withCrLfLines(const QString &text);
};
