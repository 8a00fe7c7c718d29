#pragma once

#include "platform/AppContext.h"
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

#include <functional>

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
// The engine offscreen unless the caller chose a display; the per-user state left as the caller set it.
void prepareHeadlessProcess();
// The same, with a per-user state folder of the test program's own.
void prepareProcess();

// The program itself, as a user runs it from a shell with no display: its exit
// status (-2 when it crashed, -1 when it did not end within a minute) and what it said.
struct ProgramRun
{
    int status = -1;
    QString out;
    QString err;
};
// inChild runs in the started process before the program, as its setup (a user to run as);
// executable: another copy of the program (an installed one).
ProgramRun runProgramWithoutDisplay(const QStringList &arguments, const std::function<void()> &inChild = {},
                                    const QString &executable = QStringLiteral(TOVALEAF_EXECUTABLE));
// Installs the build under prefix as a user would (cmake --install); empty, or what went wrong.
// An installation in a folder open to all is one an ordinary user can run, wherever the build is.
QString installBuild(const QString &prefix);
void prepareApplication();
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
// Places the selection on the page: the text node that holds needle, from
// offset start to end within that node's text (end < 0: a bare caret at start).
// An empty needle puts the caret in the body itself.
void selectText(DhtmlEdit *surface, const QString &needle, int start, int end = -1);
QString js(DhtmlEdit *surface, const QString &expression);
// From now on the page records every command the program sends it, then runs it.
bool recordCalls(DhtmlEdit *surface);
// The commands recorded since the last take, as JSON: [[id, option, value], ...].
QString takeCalls(DhtmlEdit *surface);
} // namespace TestSupport

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
    void notify(const QString &text, const QString &title, Icon icon) override;
    Answer ask(const QString &text, Buttons buttons, const QString &title, Icon icon) override;
    std::optional<QString> input(const QString &text, const QString &title, const QString &value) override;

    QQueue<Answer> answers;
    QQueue<std::optional<QString>> inputs; // nullopt: cancelled
    QList<Shown> shown;
    // Runs as each box comes up, before it is answered: what the user does meanwhile.
    std::function<void(const Shown &)> whileShown;
    QStringList texts() const;
};

// File, colour and font dialogs answered from a script.
class ScriptedDialogs : public DialogPicker
{
public:
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

// What the start-up makes, made fresh for one test: a program folder that is a
// copy of the installation files, the user's side scripted, and the
// application context over them, which the windows under test are given.
class TestApp
{
public:
    TestApp();
    TestApp(const TestApp &) = delete;
    TestApp &operator=(const TestApp &) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }
    Module1 &shared() { return context.shared; }

private:
    QTemporaryDir m_dir;

public:
    ScriptedMessageBoxes boxes;
    ScriptedDialogs dialogs;
    RecordingShellOpen shell;
    AppContext context;
};

namespace TestSupport {
// The page's body as the program reads it: DocumentHTML between the BODY tags.
QString body(DhtmlEdit *surface);
// The body's text as the page shows it (innerText).
QString bodyText(DhtmlEdit *surface);
// Writes page as the program folder's page.htm and loads it; false when the surface refuses.
bool loadPage(DhtmlEdit *surface, const TestApp &app, const QByteArray &page);
// Writes bytes as the program folder's file name (in its subfolder, made if need be); its path.
QString writePage(const TestApp &app, const QString &name, const QByteArray &bytes);
// An installed template as the program reads it (CP932).
QString templateText(const TestApp &app, const QString &name);
// Line breaks as the surface keeps them in a page's text: LF.
QString asInPage(QString text);
// A picture of one colour written as PNG; false when it could not be.
bool writePicture(const QString &path, const QColor &colour, int width = 120, int height = 80);
// Shows window and waits until the window system has it on screen.
bool showExposed(QWidget &window);
} // namespace TestSupport
