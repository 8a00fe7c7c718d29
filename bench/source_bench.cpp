// The source window on large pages: opening it (the page's text read from the
// surface, put into the box and painted) and replace-all through the replace
// dialog, at 1, 2.5 and 5 MB, for a page of many lines and for a page on one line
// (as the editing surface writes a page typed into it).
#include "BenchFolder.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "shell/Form1.h"
#include "shell/Main.h"
#include "source/Form18.h"
#include "source/Form3.h"
#include "source/SourceEdit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

const QString Needle = QStringLiteral("needle");
const QString Replacement = QStringLiteral("haystack");

Form1 *g_form = nullptr;
AppContext *g_context = nullptr;
QString g_folder;

// A page of about kilobytes KB with one needle in each row of 48 bytes: 109,000 needles in 5 MB.
QString writePage(int kilobytes, bool oneLine)
{
    const QByteArray row = "<p>" + PageEncoding::encode(QStringLiteral("段落"), PageEncoding::Cp932)
                           + " needle <b>b</b> <a href=x.htm>a</a></p>" + (oneLine ? "" : "\n");
    QByteArray page = "<html><head><title>bench</title></head><body>";
    const qsizetype size = qsizetype(kilobytes) * 1024;
    while (page.size() < size)
        page += row;
    page += "</body></html>";
    const QString path = g_folder + QStringLiteral("/page%1%2.htm").arg(kilobytes).arg(oneLine ? "l" : "m");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(page);
    return path;
}

// Runs step as soon as the modal source window shows; step ends by closing it.
void whileOpen(const std::function<void(Form3 *)> &step)
{
    Form3 *window = g_form->sourceWindow();
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window->isVisible())
            return;
        poll.stop();
        step(window);
    });
    poll.start();
    g_form->ShowSource();
}

void loadPage(benchmark::State &state)
{
    const QString page = writePage(int(state.range(0)), state.range(1) != 0);
    if (!g_form->surface()->LoadDocument(page))
        state.SkipWithError("the page did not load");
    state.counters["bytes"] = double(QFile(page).size());
}

void BM_OpenSource(benchmark::State &state)
{
    loadPage(state);
    qsizetype chars = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        double opened = 0;
        t.start();
        whileOpen([&](Form3 *window) {
            // Until the text is on the screen.
            window->source()->viewport()->repaint();
            opened = t.nsecsElapsed() / 1e9;
            chars = window->source()->source().size();
            window->close();
        });
        state.SetIterationTime(opened);
        state.counters["with_close_ms"] = t.nsecsElapsed() / 1e6;
    }
    state.counters["chars"] = double(chars);
    // Of the opening, the part that is the surface writing out the page.
    QElapsedTimer read;
    read.start();
    g_form->surface()->DocumentHTML();
    state.counters["of_which_read_ms"] = read.nsecsElapsed() / 1e6;
}

void BM_ReplaceAll(benchmark::State &state)
{
    loadPage(state);
    qsizetype found = 0;
    qsizetype chars = 0;
    for (auto _ : state) {
        double took = 0;
        whileOpen([&](Form3 *window) {
            SourceEdit *box = window->source();
            chars = box->source().size();
            found = box->source().count(Needle);
            g_context->shared.FindText = Needle;
            Form18 dialog(*g_context, box, window);
            dialog.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(Replacement);
            QElapsedTimer t;
            t.start();
            dialog.Command1_Click();
            // Until the replaced text is on the screen.
            box->viewport()->repaint();
            took = t.nsecsElapsed() / 1e9;
            if (box->source().count(Replacement) != found || box->source().contains(Needle))
                state.SkipWithError("the replace did not take");
            window->close();
        });
        state.SetIterationTime(took);
    }
    state.counters["occurrences"] = double(found);
    state.counters["chars"] = double(chars);
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"KB", "oneline"});
    for (int oneLine : {0, 1})
        for (int kb : {1024, 2560, 5120})
            b->Args({kb, oneLine});
    b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
}

BENCHMARK(BM_OpenSource)->Apply(sizes);
BENCHMARK(BM_ReplaceAll)->Apply(sizes);

} // namespace

int main(int argc, char **argv)
{
    Main::prepareProcess();
    QApplication app(argc, argv);
    Main::prepareApplication();
    BenchFolder folder;
    g_folder = folder.path();
    g_context = &folder.context;
    // The update question on closing after a replace is answered Cancel.
    Form1 form(folder.context);
    form.show();
    {
        QEventLoop loop;
        QObject::connect(form.surface(), &DhtmlEdit::DocumentComplete, &loop, &QEventLoop::quit);
        loop.exec();
    }
    g_form = &form;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
