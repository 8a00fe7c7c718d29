// A selection change (the page's command states, the report, the enabling
// rule) and the insertion of a 50 x 20 table, on a 1 MB page.
#include "BenchFolder.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "platform/SurfaceWorlds.h"
#include "platform/TextBuffer.h"
#include "shell/EditorEvents.h"
#include "shell/Form1.h"
#include "shell/Main.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>
#include <memory>

namespace {

Form1 *g_form = nullptr;
AppContext *g_context = nullptr;
int g_displayChanges = 0;

// Moves the selection in the page without waiting: the page reports it as a user's move would be.
void moveSelection(int paragraph, bool wholePage)
{
    const QString script = wholePage
        ? QStringLiteral("getSelection().selectAllChildren(document.body)")
        : QStringLiteral("(() => { const p = document.body.children[%1].firstChild; const r = document.createRange();"
                         " r.setStart(p, 3); r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()")
              .arg(paragraph);
    g_form->surface()->view()->page()->runJavaScript(script, EditorWorld);
}

void waitForDisplayChanged(int before)
{
    while (g_displayChanges == before)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void caretAt(int paragraph)
{
    g_form->surface()->evaluate(
        QStringLiteral("(() => { const p = document.body.children[%1].firstChild; const r = document.createRange();"
                       " r.setStart(p, 3); r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()")
            .arg(paragraph));
}

// The program's side alone: the background tag looked for in the 1 MB source
// copy, every QueryStatus of the rule, the menu items and lists set.
void BM_DisplayChangedHandler(benchmark::State &state)
{
    caretAt(100);
    g_form->surface()->refreshCommandStates();
    for (auto _ : state)
        g_form->editorEvents().DisplayChanged();
}
BENCHMARK(BM_DisplayChangedHandler)->Unit(benchmark::kMillisecond);

// A whole selection change: the page works out every command's state, reports
// it over the channel, and the handler sets the menus. Arg 0: a caret moved in
// the text; 1: the whole page selected.
void BM_SelectionChange(benchmark::State &state)
{
    const bool wholePage = state.range(0) == 1;
    int i = 0;
    for (auto _ : state) {
        const int before = g_displayChanges;
        // Alternate places, so that each move is a change.
        moveSelection(wholePage ? 0 : 100 + (i++ % 2) * 1000, wholePage);
        waitForDisplayChanged(before);
        if (wholePage) {
            state.PauseTiming();
            const int again = g_displayChanges;
            moveSelection(100, false);
            waitForDisplayChanged(again);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_SelectionChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// creat_hyou with 50 rows and 20 columns at a caret in the middle of the page;
// each insertion is undone, untimed.
void BM_InsertTable50x20(benchmark::State &state)
{
    Module1 &shared = g_context->shared;
    shared.TableRows = QStringLiteral("50");
    shared.TableCols = QStringLiteral("20");
    shared.TableAttrs = QStringLiteral("border=1 bordercolor=gray cellPadding=1 cellSpacing=1 width=5%");
    shared.TableCellAttrs = QStringLiteral("bgcolor=white align=left");
    shared.TableCaption = QStringLiteral("表");
    DhtmlEdit *surface = g_form->surface();
    for (auto _ : state) {
        state.PauseTiming();
        caretAt(5000);
        state.ResumeTiming();
        g_form->creat_hyou();
        state.PauseTiming();
        const int cells = surface->evaluate(QStringLiteral("document.querySelectorAll('td').length"))->toInt();
        if (cells != 1000)
            state.SkipWithError("the table did not go in");
        surface->ExecCommand(5049, 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertTable50x20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    Main::prepareProcess();
    QApplication app(argc, argv);
    Main::prepareApplication();
    benchmark::Initialize(&argc, argv);
    BenchFolder folder;
    const QString page = folder.writeMegabytePage();

    g_context = &folder.context;
    auto form = std::make_unique<Form1>(folder.context);
    g_form = form.get();
    form->show();
    QObject::connect(form->surface(), &DhtmlEdit::DisplayChanged, [] { ++g_displayChanges; });
    if (!form->surface()->LoadDocument(page))
        qFatal("cannot load %s", qPrintable(page));
    // A picture set and deleted earlier: the tag is looked for through the whole copy.
    folder.context.shared.BodyBackgroundTag = QStringLiteral("<BODY background=sky.gif bgProperties=none");
    const int before = g_displayChanges;
    caretAt(100);
    waitForDisplayChanged(before);
    // The source copy the rule searches is taken when the load completes.
    while (form->richTextBox(1)->text().size() < 500000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
