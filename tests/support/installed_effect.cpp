// An effect made by a program that finds its files as an installed one does:
// copied into an installation's bin folder, it reads its template from there
// and writes its temporary pages where the program would. It chooses 時刻表示
// in the effects list (the page then runs), goes back to edit mode, removes
// the background picture (a rewrite through a temporary page), runs the page
// again, shows it in the browser, then closes the window answering いいえ to
// the save question. What it saw goes to standard output, one "name: value" a line;
// a step that fails ends it with status 3 and the reason on standard error.
#include "support/TestSupport.h"

#include "commands/BackgroundPicture.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/ProgramFolder.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QDir>

#include <cstdio>

namespace {

void say(const char *name, const QString &value)
{
    std::printf("%s: %s\n", name, qPrintable(value));
    std::fflush(stdout);
}

int failed(const QString &why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 3;
}

QString tempPages(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.htm"), QStringLiteral("*.js")}, QDir::Files, QDir::Name).join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char **argv)
{
    TestSupport::prepareHeadlessProcess();
    QApplication app(argc, argv);
    TestSupport::prepareApplication();

    ScriptedMessageBoxes boxes;
    ScriptedDialogs dialogs;
    RecordingShellOpen browser;
    AppContext context(ProgramFolder::ofInstallation(), boxes, dialogs, browser);
    say("program folder", context.folder.path());
    say("writable", context.folder.isWritable() ? QStringLiteral("yes") : QStringLiteral("no"));
    const QString temp = context.folder.tempFolder();
    say("temporary pages", temp);

    Form1 form(context);
    form.show();
    QComboBox *effects = form.combo(2);
    effects->setCurrentIndex(effects->findText(QStringLiteral("時刻表示")));
    form.Combo2_Click();
    DhtmlEdit *surface = form.surface();
    if (!surface->BrowseMode())
        return failed(QStringLiteral("the clock does not run: ") + boxes.texts().join(QLatin1Char('|')));
    // The template's own words: read from the installation.
    if (!surface->DocumentHTML().contains(QStringLiteral("mivo_clock_tick")))
        return failed(QStringLiteral("no clock script in the page: ") + surface->DocumentHTML());
    form.Command4_Click();
    if (!BackgroundPicture::remove(context, surface, form.richTextBox(1)))
        return failed(QStringLiteral("no rewrite for the background: ") + boxes.texts().join(QLatin1Char('|')));
    form.Command3_Click();
    if (!surface->BrowseMode())
        return failed(QStringLiteral("run mode again failed: ") + boxes.texts().join(QLatin1Char('|')));
    form.PreviewInBrowser();
    say("shown in the browser", browser.opened.join(QLatin1Char(' ')));
    say("written", tempPages(temp));
    say("said", boxes.texts().join(QLatin1Char('|')));
    boxes.shown.clear();

    boxes.answers << MessageBoxes::Answer::No;
    if (!form.close())
        return failed(QStringLiteral("the window stays open"));
    say("asked at exit", boxes.texts().join(QLatin1Char('|')));
    say("left after exit", tempPages(temp));
    return 0;
}
