// The recovery copy on a 1 MB page: what one copy costs, what it adds to the
// latency of keystrokes while the user types (with and without the copy), and
// how long a page takes to come back after its renderer was killed.
#include "BenchFolder.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/PageEncoding.h"
#include "platform/RecoveryCopy.h"
#include "platform/RecoveryStore.h"
#include "platform/StateFolder.h"
#include "shell/Form1.h"
#include "shell/Main.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Figures
{
    double mean = 0, median = 0, p95 = 0, max = 0;
    int count = 0;
};

Figures figures(std::vector<double> values)
{
    Figures f;
    if (values.empty())
        return f;
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (double v : values)
        sum += v;
    f.count = int(values.size());
    f.mean = sum / values.size();
    f.median = values[values.size() / 2];
    f.p95 = values[std::min(values.size() - 1, values.size() * 95 / 100)];
    f.max = values.back();
    return f;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Keystroke latency inside the page: from the key's creation to the frame after the edit.
const QString LatencyProbe = QStringLiteral(
    "(() => { window.__lat = []; if (window.__probing) return true; window.__probing = true; let down = 0;"
    " document.addEventListener('keydown', (e) => { down = e.timeStamp; }, true);"
    " document.addEventListener('input', () => { const t = down; requestAnimationFrame(() => __lat.push(performance.now() - t)); }, true);"
    " return true; })()");

void caretInParagraph(DhtmlEdit *surface, int paragraph)
{
    surface->evaluate(QStringLiteral("(() => { const p = document.body.children[%1].firstChild; const r = document.createRange();"
                                     " r.setStart(p, 3); r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()")
                          .arg(paragraph));
}

// Typing at 10 keys a second: short bursts with pauses between (a copy in
// each pause), then a long run without a pause (copies taken between keys).
Figures typeAndMeasure(Form1 &form, int *copies)
{
    DhtmlEdit *surface = form.surface();
    *copies = 0;
    QMetaObject::Connection counting =
        QObject::connect(&surface->recovery(), &RecoveryCopy::copied, [copies] { ++*copies; });
    surface->evaluate(LatencyProbe);
    caretInParagraph(surface, 2000);
    surface->view()->setFocus();
    QWidget *input = surface->view()->focusProxy();
    for (int burst = 0; burst < 5; ++burst) {
        const int keys = burst < 4 ? 30 : 150;
        for (int key = 0; key < keys; ++key) {
            QTest::keyClick(input, char('a' + key % 26));
            pause(100);
        }
        pause(1500);
    }
    QObject::disconnect(counting);
    std::vector<double> values;
    for (const QVariant &v : surface->evaluate(QStringLiteral("__lat"))->toList())
        values.push_back(v.toDouble());
    return figures(values);
}

} // namespace

int main(int argc, char **argv)
{
    Main::prepareProcess();
    QApplication app(argc, argv);
    Main::prepareApplication();
    BenchFolder folder;
    const QString page = folder.writeMegabytePage();

    Form1 form(folder.context);
    form.show();
    DhtmlEdit *surface = form.surface();
    if (!surface->LoadDocument(page))
        qFatal("cannot load %s", qPrintable(page));

    // One copy, piece by piece.
    const double inPage = surface
                              ->evaluate(QStringLiteral("(() => { const t = performance.now(); __tvl.serializeDocument(document);"
                                                        " return performance.now() - t; })()"))
                              ->toDouble();
    const QString text = surface->DocumentHTML();
    RecoveryStore store(StateFolder::current());
    std::vector<double> writes;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer t;
        t.start();
        store.write({text, page, QString::fromLatin1(PageEncoding::charsetForText(text)), QDateTime::currentDateTime()});
        writes.push_back(t.nsecsElapsed() / 1e6);
    }
    store.clear();
    // The whole round: a change, the pause, the copy made in the page, brought over, written to disk.
    std::vector<double> rounds;
    for (int i = 0; i < 5; ++i) {
        caretInParagraph(surface, 100 + i);
        QSignalSpy copied(&surface->recovery(), &RecoveryCopy::copied);
        surface->evaluate(QStringLiteral("document.execCommand('insertText', false, 'x')"));
        QElapsedTimer t;
        t.start();
        copied.wait(30000);
        rounds.push_back(t.nsecsElapsed() / 1e6);
    }

    int copiesWith = 0;
    int copiesWithout = 0;
    const Figures with = typeAndMeasure(form, &copiesWith);
    surface->evaluate(QStringLiteral("__tvl.noteChange = () => {}"));
    const Figures without = typeAndMeasure(form, &copiesWithout);

    // From a killed renderer to the page shown again (and editable) from the copy.
    std::vector<double> crashes;
    for (int i = 0; i < 5; ++i) {
        QSignalSpy back(surface, &DhtmlEdit::RendererFailed);
        QElapsedTimer t;
        t.start();
        ::kill(pid_t(surface->view()->page()->renderProcessPid()), SIGKILL);
        back.wait(60000);
        crashes.push_back(t.nsecsElapsed() / 1e6);
    }
    std::vector<double> loads;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        surface->LoadDocument(page);
        loads.push_back(t.nsecsElapsed() / 1e6);
    }

    std::printf("%-58s %10s\n", "recovery copy of the 1 MB page (ms)", "");
    std::printf("%-58s %10.1f\n", "  in the page: serialize", inPage);
    std::printf("%-58s %10.1f\n", "  on disk: write of the entry (median of 9)", median(writes));
    std::printf("%-58s %10.1f\n", "  change to copy on disk (includes the 1 s pause, median)", median(rounds));
    std::printf("%-58s %10s %10s\n", "keystroke latency while typing (ms)", "with copy", "without");
    std::printf("%-58s %10.1f %10.1f\n", "  mean", with.mean, without.mean);
    std::printf("%-58s %10.1f %10.1f\n", "  median", with.median, without.median);
    std::printf("%-58s %10.1f %10.1f\n", "  95th percentile", with.p95, without.p95);
    std::printf("%-58s %10.1f %10.1f\n", "  worst", with.max, without.max);
    std::printf("%-58s %10d %10d\n", "  keystrokes measured", with.count, without.count);
    std::printf("%-58s %10d %10d\n", "  copies taken meanwhile", copiesWith, copiesWithout);
    std::printf("%-58s %10.1f%%\n", "  added to the mean keystroke latency",
                without.mean > 0 ? (with.mean - without.mean) / without.mean * 100 : 0);
    std::printf("%-58s %10.1f\n", "killed renderer to page shown again (median of 5)", median(crashes));
    std::printf("%-58s %10.1f\n", "  for comparison: LoadDocument of the page (median of 5)", median(loads));
    return 0;
}
