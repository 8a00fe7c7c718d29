#include "Main.h"

#include "CommandLine.h"
#include "Form1.h"
#include "ProgramFolder.h"
#include "documents/RecoveryOffer.h"
#include "platform/SaveJournal.h"
#include "platform/ScreenFit.h"
#include "platform/PageScheme.h"
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

void resumeEndedRuns(Form1 &form)
{
    SaveJournal::removeLeftovers();
    RecoveryOffer(form.surface(), form.commonDialog(), StateFolder::current()).offer();
}

int run(int argc, char **argv)
{
    // A task named on the command line runs without the window.
    if (const std::optional<int> status = CommandLine::runTask(argc, argv))
        return *status;
    prepareProcess();
    QApplication app(argc, argv);
    prepareApplication();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    Form1 form;
    form.show();
    resumeEndedRuns(form);
    return app.exec();
}

} // namespace Main
