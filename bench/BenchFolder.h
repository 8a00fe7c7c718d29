#pragma once

#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/PageEncoding.h"
#include "platform/ShellOpen.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A benchmark has no one to answer: every box is passed over, every question cancelled.
class SilentBoxes : public MessageBoxes
{
public:
    void notify(const QString &, const QString &, Icon) override {}
    Answer ask(const QString &, Buttons, const QString &, Icon) override { return Answer::Cancel; }
};

// Nor a desktop to open files on.
class NoShellOpen : public ShellOpen
{
public:
    void open(const QString &, const Failed &failed) override { failed(QStringLiteral("ベンチマークでは開きません。")); }
};

// What every benchmark starts from: a program folder (and state folder) of its
// own with the palette page, the application context over it, and the 1 MB
// page of paragraphs the figures are measured on.
class BenchFolder
{
public:
    BenchFolder() : context(prepared(m_dir), m_boxes, m_dialogs, m_shell) {}
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
    static QString prepared(const QTemporaryDir &dir)
    {
        QFile::copy(QStringLiteral(TOVALEAF_DATA_DIR "/color.htm"), dir.filePath(QStringLiteral("color.htm")));
        // Recovery copies of the benchmarks stay out of the user's own state folder.
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
        return dir.path();
    }

    QTemporaryDir m_dir;
    SilentBoxes m_boxes;
    StandardDialogPicker m_dialogs;
    NoShellOpen m_shell;

public:
    AppContext context;
};
