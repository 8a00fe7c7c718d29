#pragma once

#include "platform/CommonDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QList>
#include <QPair>
#include <QQueue>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

class DhtmlEdit;

// A test program's main: the page scheme is registered before the application exists.
#define TOVALEAF_TEST_MAIN(TestClass)                                                                                \
    int main(int argc, char **argv)                                                                                  \
    {                                                                                                                \
        TestSupport::prepareProcess();                                                                               \
        QApplication app(argc, argv);                                                                                \
        TestSupport::prepareApplication();                                                                           \
        TestClass test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                      \
    }

namespace TestSupport {
void prepareProcess();
void prepareApplication();
// A test file from tests/data.
QString testFile(const QString &name);
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
// Places the selection on the page: the text node that holds needle, from
// offset start to end within that node's text (end < 0: a bare caret at start).
// An empty needle puts the caret in the body itself.
void selectText(DhtmlEdit *surface, const QString &needle, int start, int end = -1);
QString js(DhtmlEdit *surface, const QString &expression);
} // namespace TestSupport

// A fresh program folder (a copy of the installation files) and fresh shared state.
class ProgramFolderFixture
{
public:
    ProgramFolderFixture();
    ~ProgramFolderFixture();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

private:
    QTemporaryDir m_dir;
};

// Message boxes answered from a script; every box shown is recorded.
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };
    ScriptedMessageBoxes() { MessageBoxes::install(this); }
    ~ScriptedMessageBoxes() override { MessageBoxes::install(nullptr); }
    void notify(const QString &text, const QString &title, Icon icon) override;
    Answer ask(const QString &text, Buttons buttons, const QString &title, Icon icon) override;
    std::optional<QString> input(const QString &text, const QString &title, const QString &value) override;

    QQueue<Answer> answers;
    QQueue<std::optional<QString>> inputs; // nullopt: cancelled
    QList<Shown> shown;
    QStringList texts() const;
};

// File, colour and font dialogs answered from a script.
class ScriptedDialogs : public DialogPicker
{
public:
    ScriptedDialogs() { DialogPicker::install(this); }
    ~ScriptedDialogs() override { DialogPicker::install(nullptr); }
    std::optional<QString> saveFileName(QWidget *, const QString &filter, const QString &current) override;
    std::optional<QString> openFileName(QWidget *, const QString &filter, const QString &current) override;
    std::optional<QString> folder(QWidget *, const QString &title, const QString &current) override;
    std::optional<QColor> color(QWidget *, const QColor &current) override;
    std::optional<QFont> font(QWidget *, const QFont &current) override;

    QQueue<std::optional<QString>> fileNames;
    QQueue<std::optional<QString>> folders;
    QStringList folderTitlesSeen;
    QQueue<std::optional<QColor>> colors;
    QQueue<std::optional<QFont>> fonts;
    QStringList filtersSeen;
    QStringList currentNamesSeen;
};

// Records what the program hands to the desktop's "open".
class RecordingShellOpen : public ShellOpen
{
public:
    RecordingShellOpen() { ShellOpen::install(this); }
    ~RecordingShellOpen() override { ShellOpen::install(nullptr); }
    void open(const QString &path, const Failed &failed) override
    {
        opened << path;
        if (!result)
            failed(failure);
    }
    QStringList opened;
    bool result = true;
    QString failure = QStringLiteral("このファイルを開くためのプログラムが見つかりません。");
};
