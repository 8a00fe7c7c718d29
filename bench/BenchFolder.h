#pragma once

#include "platform/PageEncoding.h"
#include "shell/ProgramFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// What every benchmark starts from: a program folder (and state folder) of its
// own with the palette page, and the 1 MB page of paragraphs the figures are measured on.
class BenchFolder
{
public:
    BenchFolder()
    {
        QFile::copy(QStringLiteral(TOVALEAF_DATA_DIR "/color.htm"), m_dir.filePath(QStringLiteral("color.htm")));
        ProgramFolder::setPath(m_dir.path());
        QDir::setCurrent(m_dir.path());
        // Recovery copies of the benchmarks stay out of the user's own state folder.
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("state"))));
    }
    QString path() const { return m_dir.path(); }

    QString writeMegabytePage() const
    {
        QByteArray page = "<html><head><title>bench</title></head><body>\n";
        const QByteArray row = "<p class=row>"
                               + PageEncoding::encode(QStringLiteral("一メガバイトのページの段落です。"), PageEncoding::Cp932)
                               + " <b>bold</b> <a href=\"x.htm\">link</a></p>\n";
        while (page.size() < 1024 * 1024)
            page += row;
        page += "</body></html>";
        const QString path = m_dir.filePath(QStringLiteral("big.htm"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(page) != page.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private:
    QTemporaryDir m_dir;
};
