#include "Main.h"

#include "CommandLine.h"
#include "Form1.h"
#include "documents/RecoveryOffer.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/PageScheme.h"
#include "platform/ProgramFolder.h"
#include "platform/SaveJournal.h"
#include "platform/ScreenFit.h"
#include "platform/ShellOpen.h"
#include "platform/StateFolder.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <unistd.h>

namespace Main {

void prepareProcess()
{
    // Chromium refuses its sandbox when run as root (containers, CI).
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    PageScheme::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setApplicationName(QStringLiteral("Tovaleaf"));
    // Desktops match the window to its entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tovaleaf.Tovaleaf"));
}

void prepareApplication()
{
    // The design names Windows' Japanese fonts; these stand in for them here.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAMincho")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"), {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")});

    // Every window on the screen, at any scale factor.
    ScreenFit::install();

    // Qt's own texts (dialog buttons) in Japanese.
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void resumeEndedRuns(AppContext &app, Form1 &form)
{
    SaveJournal::removeLeftovers();
    RecoveryOffer(app.boxes, form.surface(), form.commonDialog(), StateFolder::current()).offer();
}

int run(int argc, char **argv)
{
    // A task named on the command line runs without the window.
    if (const std::optional<int> status = CommandLine::runTask(argc, argv))
        return *status;
    prepareProcess();
    QApplication app(argc, argv);
    // Named against the folder the user started in, before the program moves into its own.
    QString page;
    if (const std::optional<int> status = CommandLine::pageToOpen(QCoreApplication::arguments(), QDir::currentPath(), &page))
        return *status;
    prepareApplication();
    // The one context of the run: the program's folder, its shared variables,
    // the user's side and the web engine as its pages use it.
    DialogMessageBoxes boxes;
    StandardDialogPicker dialogs;
    DesktopShellOpen shell;
    AppContext context(ProgramFolder::ofInstallation(), boxes, dialogs, shell);
    // The desktop's own file dialogs start in the current folder too.
    QDir::setCurrent(context.workingFolder);
    Form1 form(context);
    form.show();
    resumeEndedRuns(context, form);
    if (!page.isEmpty())
        QMetaObject::invokeMethod(&form, [&form, page] { form.openPageFromOutside(page); }, Qt::QueuedConnection);
    return app.exec();
}

} // namespace Main
