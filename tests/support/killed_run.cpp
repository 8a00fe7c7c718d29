// A run of the program that ends as a killed one does: with SIGKILL, right
// after the step named on its command line. The tests of the next start
// look at what it left behind.
//
//   killed_run <program folder> edited <text>          an unsaved page
//   killed_run <program folder> opened <file> <text>   a page opened from file, then edited
//   killed_run <program folder> saved <file> <text>    edited, then saved to file
//   killed_run <program folder> new-page <text>        edited, then 新規作成 answered いいえ
//   killed_run <program folder> exit-no <text>         edited, then the exit answered いいえ
//   killed_run <program folder> saving <file>          killed in a save of file, its temporary file half written
//   killed_run <program folder> running <text>         an unsaved page, then waits to be killed
#include "support/TestSupport.h"

#include "documents/NewPageCommand.h"
#include "documents/PageSaver.h"
#include "documents/ProgramExit.h"
#include "platform/DhtmlEdit.h"
#include "platform/RecoveryCopy.h"
#include "platform/SaveJournal.h"
#include "shell/Form1.h"

#include <QDir>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

[[noreturn]] void die()
{
    std::fflush(stdout);
    std::raise(SIGKILL);
    std::abort();
}

bool edit(Form1 &form, const QString &text)
{
    return form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>%1</p></body></html>").arg(text));
}

} // namespace

int main(int argc, char **argv)
{
    // The state folder comes from the caller's XDG_STATE_HOME.
    TestSupport::prepareHeadlessProcess();
    QApplication app(argc, argv);
    TestSupport::prepareApplication();
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    ScriptedMessageBoxes boxes;
    ScriptedDialogs dialogs;
    RecordingShellOpen shell;
    AppContext context(args.at(1), boxes, dialogs, shell);
    const QString step = args.at(2);

    if (step == QLatin1String("saving")) {
        // As a save does: its temporary file beside the target, noted, half written.
        const QString temp = args.at(3) + QStringLiteral(".k1ll3d");
        QFile file(temp);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return 3;
        SaveJournal::note(temp);
        file.write("half a page");
        file.flush();
        std::printf("%s\n", qPrintable(temp));
        die();
    }

    Form1 form(context);
    form.show();
    if (step == QLatin1String("edited")) {
        if (!edit(form, args.at(3)))
            return 3;
        die();
    }
    if (step == QLatin1String("running")) {
        if (!edit(form, args.at(3)))
            return 3;
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }
    if (step == QLatin1String("opened") || step == QLatin1String("saved")) {
        if (args.size() < 5)
            return 2;
        if (step == QLatin1String("opened")) {
            if (!form.surface()->LoadDocument(args.at(3)))
                return 3;
            form.surface()->recovery().markOpened(args.at(3));
        }
        if (!edit(form, args.at(4)))
            return 3;
        if (step == QLatin1String("saved")) {
            dialogs.fileNames << args.at(3);
            PageSaver saver(context, form.surface(), form.richTextBox(1), form.commonDialog());
            if (saver.SavePage() != PageSaver::Outcome::Saved)
                return 4;
        }
        die();
    }
    if (step == QLatin1String("new-page")) {
        if (!edit(form, args.at(3)))
            return 3;
        boxes.answers << MessageBoxes::Answer::No;
        form.NewPage();
        die();
    }
    if (step == QLatin1String("exit-no")) {
        if (!edit(form, args.at(3)))
            return 3;
        PageSaver saver(context, form.surface(), form.richTextBox(1), form.commonDialog());
        ProgramExit exit(context, &form, saver);
        boxes.answers << MessageBoxes::Answer::No;
        if (!exit.Form_Unload())
            return 4;
        die();
    }
    return 2;
}
