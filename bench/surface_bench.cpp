// Start-up, DocumentHTML and mivo_go on a 1 MB page, each beside a bare
// QWebEngineView doing the nearest equivalent on the same file.
#include "BenchFolder.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "shell/Form1.h"
#include "shell/Main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void waitFor(QObject *sender, const char *signal)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, SLOT(quit()));
    loop.exec();
}

QVariant bareScript(QWebEnginePage *page, const QString &script)
{
    QEventLoop loop;
    QVariant result;
    page->runJavaScript(script, [&](const QVariant &v) {
        result = v;
        loop.quit();
    });
    loop.exec();
    return result;
}

// A page as the effects make them: a script block, handlers and a few hundred elements.
QString makeVbPage(const QString &folder)
{
    QByteArray page = "<html><head><script language=VBScript>\n"
                      "Dim count\nSub window_onload()\n  count = 0\nEnd Sub\n"
                      "Sub b1_onclick()\n  count = count + 1\n  out.innerText = count\nEnd Sub\n"
                      "Function Pad(s, n)\n  Pad = Right(String(n, \"0\") & s, n)\nEnd Function\n"
                      "</script></head><body><input type=button id=b1 value=go><div id=out></div>\n";
    for (int i = 0; i < 300; ++i)
        page += "<p onmouseover=\"me.style.color = &quot;red&quot;\" language=vbscript>row " + QByteArray::number(i) + "</p>\n";
    page += "</body></html>";
    const QString path = folder + QStringLiteral("/vb.htm");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(page);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    Main::prepareProcess();
    QApplication app(argc, argv);
    Main::prepareApplication();
    BenchFolder folder;
    const QString page = folder.writeMegabytePage();

    QElapsedTimer start;
    start.start();
    Form1 form(folder.context);
    form.show();
    waitFor(form.surface(), SIGNAL(DocumentComplete()));
    const double startUp = start.nsecsElapsed() / 1e6;

    QElapsedTimer bareStart;
    bareStart.start();
    QWebEngineView bare;
    bare.show();
    bare.load(QUrl::fromLocalFile(page));
    waitFor(&bare, SIGNAL(loadFinished(bool)));
    const double bareLoad = bareStart.nsecsElapsed() / 1e6;

    DhtmlEdit *surface = form.surface();
    const double load = medianMs(5, [&] { surface->LoadDocument(page); });
    const double bareLoads = medianMs(5, [&] {
        bare.load(QUrl::fromLocalFile(page));
        waitFor(&bare, SIGNAL(loadFinished(bool)));
    });
    surface->LoadDocument(page);
    const double html = medianMs(9, [&] { surface->DocumentHTML(); });
    const double inPage = surface->evaluate(QStringLiteral("(() => { const t = performance.now(); __tvl.serializeDocument(document); return performance.now() - t; })()"))->toDouble();
    const double bareInPage = bareScript(bare.page(), QStringLiteral("(() => { const t = performance.now(); document.documentElement.outerHTML; return performance.now() - t; })()")).toDouble();
    const double bareHtml = medianMs(9, [&] { bareScript(bare.page(), QStringLiteral("document.documentElement.outerHTML")); });
    folder.context.shared.SnippetHtml = QStringLiteral("<INPUT type=button value=ボタン>");
    const double mivo = medianMs(5, [&] { form.mivo_go(); });
    const double bareRewrite = medianMs(5, [&] {
        const QString text = bareScript(bare.page(), QStringLiteral("document.documentElement.outerHTML")).toString();
        QFile f(QDir(folder.path()).filePath(QStringLiteral("bare.htm")));
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        f.close();
        bare.load(QUrl::fromLocalFile(f.fileName()));
        waitFor(&bare, SIGNAL(loadFinished(bool)));
    });

    // Run mode on a page with VBScript: what the runtime adds inside the page.
    const QString vbPage = makeVbPage(folder.path());
    surface->LoadDocument(vbPage);
    double runtimeMs = 0;
    std::vector<double> toRun, toEdit;
    const double runMode = medianMs(15, [&] {
        QElapsedTimer t;
        t.start();
        surface->setBrowseMode(true);
        toRun.push_back(t.nsecsElapsed() / 1e6);
        runtimeMs = bareScript(surface->view()->page(), QStringLiteral("window.__tvlvb ? __tvlvb.setupMs : -1")).toDouble();
        t.restart();
        surface->setBrowseMode(false);
        toEdit.push_back(t.nsecsElapsed() / 1e6);
    });
    std::sort(toRun.begin(), toRun.end());
    std::sort(toEdit.begin(), toEdit.end());

    std::printf("%-44s %10s %14s\n", "measure (median ms)", "tovaleaf", "bare view");
    std::printf("%-44s %10.1f %14.1f\n", "start to first DocumentComplete / first load", startUp, bareLoad);
    std::printf("%-44s %10.1f %14.1f\n", "LoadDocument of the 1 MB page", load, bareLoads);
    std::printf("%-44s %10.1f %14.1f\n", "DocumentHTML of the 1 MB page / outerHTML", html, bareHtml);
    std::printf("%-44s %10.1f %14.1f\n", "  of which inside the page", inPage, bareInPage);
    std::printf("%-44s %10.1f %14.1f\n", "mivo_go on the 1 MB page / outerHTML+write+load", mivo, bareRewrite);
    std::printf("%-44s %10.1f\n", "run mode on and off, VBScript page", runMode);
    std::printf("%-44s %10.1f\n", "  edit mode to run mode", toRun[toRun.size() / 2]);
    std::printf("%-44s %10.1f\n", "  run mode to edit mode", toEdit[toEdit.size() / 2]);
    std::printf("%-44s %10.1f\n", "  added by the runtime inside the page", runtimeMs);
    return 0;
}
