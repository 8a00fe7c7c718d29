#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/PageEnvironment.h"
#include "platform/WebBrowser.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace TestSupport;

// A page's code reads files of its own folder and the folders below it, and no
// other file of the disk, by any address; pictures and style sheets from
// anywhere are still shown.
class TestPageFileAccess : public QObject
{
    Q_OBJECT

private:
    // site/ holds the page; secret/ beside it holds what the page must not read.
    struct Disk
    {
        explicit Disk(const TestApp &app)
            : site(app.file(QStringLiteral("site"))), secret(app.file(QStringLiteral("secret")))
        {
            QDir().mkpath(site + QStringLiteral("/sub"));
            QDir().mkpath(secret);
            writeBytes(site + QStringLiteral("/sub/inner.txt"), "inner-ok");
            writeBytes(secret + QStringLiteral("/secret.txt"), "TOPSECRET");
            writeBytes(secret + QStringLiteral("/data.js"), "var leaked = 'TOPSECRET';");
            writeBytes(secret + QStringLiteral("/style.css"), "#styled { color: rgb(0, 128, 0) } /* TOPSECRET */");
            writeBytes(secret + QStringLiteral("/outside.htm"),
                       "<html><body><p>TOPSECRET page</p><script>"
                       "let reach; try { reach = parent.document.body ? 'parent' : 'none'; } catch (e) { reach = 'isolated'; }"
                       "parent.postMessage('outside:' + reach, '*');</script></body></html>");
            picture(secret + QStringLiteral("/pic.png"), 7, 5);
            picture(site + QStringLiteral("/sub/pic.png"), 4, 3);
            QFile::link(secret + QStringLiteral("/secret.txt"), site + QStringLiteral("/link.txt"));
            QFile::link(secret, site + QStringLiteral("/linkdir"));
        }
        static void picture(const QString &path, int w, int h)
        {
            QImage image(w, h, QImage::Format_RGB32);
            image.fill(Qt::red);
            image.save(path);
        }
        QString site;
        QString secret;
    };

    // Each attempt writes "name=result" into the page; the test reads the page.
    static QString results(DhtmlEdit *surface)
    {
        return js(surface, QStringLiteral("document.getElementById('out').textContent"));
    }
    static QString result(const QString &all, const QString &name)
    {
        for (const QString &line : all.split(QLatin1Char('\n')))
            if (line.startsWith(name + QLatin1Char('=')))
                return line.mid(name.size() + 1);
        return QStringLiteral("<missing>");
    }

private slots:
    void runningPageReadsOnlyItsFolder()
    {
        TestApp app;
        const Disk disk(app);
        const QByteArray secret = disk.secret.toUtf8();
        const QByteArray page =
            "<html><head><link rel=stylesheet href=\"../secret/style.css\">"
            "<script src=\"../secret/data.js\"></script></head><body>"
            "<p id=styled>styled</p>"
            "<img id=outpic src=\"../secret/pic.png\"><img id=abspic src=\"" + secret + "/pic.png\">"
            "<img id=filepic src=\"file://" + secret + "/pic.png\"><img id=innerpic src=\"sub/pic.png\">"
            "<iframe id=frame src=\"../secret/outside.htm\"></iframe><iframe id=textframe src=\"../secret/secret.txt\"></iframe>"
            "<pre id=out></pre><script>\n"
            "const out = document.getElementById('out');\n"
            "const say = (name, value) => { out.textContent += name + '=' + value + '\\n'; };\n"
            "const xhr = (name, url) => { try { const x = new XMLHttpRequest(); x.open('GET', url, false); x.send();"
            "  say(name, x.status + ':' + x.responseText); } catch (e) { say(name, 'refused'); } };\n"
            "xhr('inner', 'sub/inner.txt');\n"
            "xhr('absolute', '" + secret + "/secret.txt');\n"
            "xhr('dotdot', '../secret/secret.txt');\n"
            "xhr('encoded', '%2e%2e/secret/secret.txt');\n"
            "xhr('encodedslash', '..%2fsecret%2fsecret.txt');\n"
            "xhr('file', 'file://" + secret + "/secret.txt');\n"
            "xhr('otherhost', 'tvl://elsewhere" + secret + "/secret.txt');\n"
            "xhr('symlink', 'link.txt');\n"
            "xhr('symlinkdir', 'linkdir/secret.txt');\n"
            "say('script', typeof leaked === 'undefined' ? 'not run' : leaked);\n"
            "const waits = [];\n"
            "const worker = (name, url) => waits.push(new Promise(done => {\n"
            "  const code = 'const x = new XMLHttpRequest(); x.open(\"GET\", ' + JSON.stringify(new URL(url, location.href).href)\n"
            "    + ', false); try { x.send(); postMessage(x.status + \":\" + x.responseText); } catch (e) { postMessage(\"refused\"); }';\n"
            "  try { const w = new Worker(URL.createObjectURL(new Blob([code])));\n"
            "    w.onmessage = (e) => { say(name, e.data); done(); }; w.onerror = () => { say(name, 'failed'); done(); };\n"
            "  } catch (e) { say(name, 'failed'); done(); }\n"
            "}));\n"
            "worker('workerinner', 'sub/inner.txt');\n"
            "worker('worker', '../secret/secret.txt');\n"
            "waits.push(new Promise(done => addEventListener('message', (e) => { say('framemessage', e.data); done(); })));\n"
            "const pixel = (id) => { const i = document.getElementById(id); const c = document.createElement('canvas');"
            "  c.width = i.naturalWidth; c.height = i.naturalHeight; const g = c.getContext('2d'); g.drawImage(i, 0, 0);"
            "  try { return 'read ' + g.getImageData(0, 0, 1, 1).data[0]; } catch (e) { return 'tainted'; } };\n"
            "waits.push(new Promise(done => { const i = new Image(); i.crossOrigin = 'anonymous';"
            "  i.onload = () => { say('crossorigin', 'loaded'); done(); }; i.onerror = () => { say('crossorigin', 'refused'); done(); };"
            "  i.src = '../secret/pic.png?again'; }));\n"
            "addEventListener('load', () => {\n"
            "  for (const id of ['outpic', 'abspic', 'filepic', 'innerpic'])\n"
            "    say(id, document.getElementById(id).naturalWidth + ' ' + pixel(id));\n"
            "  let rules; try { rules = String(document.styleSheets[0].cssRules.length); } catch (e) { rules = 'hidden'; }\n"
            "  say('cssrules', rules);\n"
            "  say('color', getComputedStyle(document.getElementById('styled')).color);\n"
            "  for (const id of ['frame', 'textframe']) {\n"
            "    let doc; try { const d = document.getElementById(id).contentDocument; doc = d ? d.body.textContent : 'none'; } catch (e) { doc = 'none'; }\n"
            "    say(id, doc);\n"
            "  }\n"
            "  Promise.all(waits).then(() => out.setAttribute('data-done', '1'));\n"
            "});\n"
            "</script></body></html>";
        const QString path = disk.site + QStringLiteral("/page.htm");
        writeBytes(path, page);
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(path));
        QVERIFY(surface.setBrowseMode(true));
        QTRY_COMPARE(js(&surface, QStringLiteral("document.getElementById('out').getAttribute('data-done')")), QStringLiteral("1"));
        const QString all = results(&surface);
        QVERIFY2(!all.contains(QStringLiteral("TOPSECRET")), qPrintable(all));

        // The page's own folder and below: read.
        QCOMPARE(result(all, QStringLiteral("inner")), QStringLiteral("200:inner-ok"));
        QCOMPARE(result(all, QStringLiteral("innerpic")), QStringLiteral("4 read 255"));
        QCOMPARE(result(all, QStringLiteral("workerinner")), QStringLiteral("200:inner-ok"));
        // Every other address of a file outside it: refused.
        for (const char *name : {"absolute", "dotdot", "encoded", "encodedslash", "file", "otherhost", "symlink", "symlinkdir",
                                 "worker", "crossorigin"})
            QVERIFY2(result(all, QString::fromLatin1(name)) == QLatin1String("refused") || result(all, QString::fromLatin1(name)).startsWith(QLatin1String("404")),
                     qPrintable(QString::fromLatin1(name) + QLatin1Char('=') + result(all, QString::fromLatin1(name))));
        QCOMPARE(result(all, QStringLiteral("script")), QStringLiteral("not run"));
        // Shown, not read: the pictures and the style sheet from outside, and the frames.
        for (const char *name : {"outpic", "abspic", "filepic"})
            QCOMPARE(result(all, QString::fromLatin1(name)), QStringLiteral("7 tainted"));
        QCOMPARE(result(all, QStringLiteral("cssrules")), QStringLiteral("hidden"));
        QCOMPARE(result(all, QStringLiteral("color")), QStringLiteral("rgb(0, 128, 0)"));
        QCOMPARE(result(all, QStringLiteral("frame")), QStringLiteral("none"));
        QCOMPARE(result(all, QStringLiteral("textframe")), QStringLiteral("none"));
        QCOMPARE(result(all, QStringLiteral("framemessage")), QStringLiteral("outside:isolated"));

        // The program's own reach stays its own: nothing of the editor is in the page's world.
        QCOMPARE(js(&surface, QStringLiteral("(() => { const s = document.createElement('script');"
                                             "s.textContent = \"document.body.setAttribute('data-reach', typeof qt + typeof QWebChannel + typeof __tvl)\";"
                                             "document.body.appendChild(s); return document.body.getAttribute('data-reach'); })()")),
                 QStringLiteral("undefinedundefinedundefined"));
    }

    // Edit mode shows pictures from anywhere, however the page names them.
    void editModeShowsPicturesFromAnywhere()
    {
        TestApp app;
        const Disk disk(app);
        const QByteArray secret = disk.secret.toUtf8();
        const QString path = disk.site + QStringLiteral("/page.htm");
        writeBytes(path, "<html><body background=\"../secret/pic.png\"><img id=a src=\"../secret/pic.png\">"
                         "<img id=b src=\"" + secret + "/pic.png\"><img id=c src=\"file://" + secret + "/pic.png\">"
                         "<img id=d src=\"linkdir/pic.png\"><img id=e src=\"sub/pic.png\"></body></html>");
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(path));
        const QString widths = QStringLiteral("['a','b','c','d','e'].map(id => document.getElementById(id).naturalWidth).join(' ')");
        QTRY_COMPARE(js(&surface, widths), QStringLiteral("7 7 7 7 4"));
        QVERIFY(surface.DocumentHTML().contains(QStringLiteral("<IMG id=c src=file://") + disk.secret + QStringLiteral("/pic.png>")));
    }

    // Two application contexts in one process (as tests make them), each with its
    // environment: each page reads its own folder, whatever the other shows meanwhile.
    void environmentsKeepTheirPagesApart()
    {
        TestApp app;
        TestApp another;
        const QByteArray page = "<html><body><script>\n"
                                "document.addEventListener('readown', () => { const x = new XMLHttpRequest();"
                                " x.open('GET', 'own.txt', false); x.send(); document.body.setAttribute('data-own', x.responseText); });\n"
                                "</script></body></html>";
        const QString read = QStringLiteral("document.dispatchEvent(new Event('readown')), document.body.getAttribute('data-own')");
        DhtmlEdit one(app.context);
        DhtmlEdit other(another.context);
        for (const QString name : {QStringLiteral("one"), QStringLiteral("other")}) {
            QDir().mkpath(app.file(name));
            writeBytes(app.file(name + QStringLiteral("/own.txt")), name.toUtf8());
            writeBytes(app.file(name + QStringLiteral("/page.htm")), page);
        }
        // The same steps on both, so that each environment names its pages as the other does.
        for (DhtmlEdit *surface : {&one, &other})
            QVERIFY(surface->LoadDocument(app.file(surface == &one ? QStringLiteral("one/page.htm") : QStringLiteral("other/page.htm"))));
        for (DhtmlEdit *surface : {&one, &other})
            QVERIFY(surface->setBrowseMode(true));
        QCOMPARE(js(&one, read), QStringLiteral("one"));
        QCOMPARE(js(&other, read), QStringLiteral("other"));
        QVERIFY(one.view()->page()->profile() != other.view()->page()->profile());
    }

    // A file shown in the plain viewer (the palette, a page the user names) is
    // held to the same rules.
    void viewerPagesReadOnlyTheirFolder()
    {
        TestApp app;
        const Disk disk(app);
        const QString path = disk.site + QStringLiteral("/plain.htm");
        writeBytes(path, "<html><body><img id=pic src=\"../secret/pic.png\"><script>\n"
                         "const read = (url) => { try { const x = new XMLHttpRequest(); x.open('GET', url, false); x.send();"
                         "  return x.responseText; } catch (e) { return 'refused'; } };\n"
                         "addEventListener('load', () => { const i = document.getElementById('pic'); const c = document.createElement('canvas');"
                         "  let pixels; try { c.getContext('2d').drawImage(i, 0, 0); } catch (e) { pixels = 'not drawn'; }"
                         "  try { c.getContext('2d').getImageData(0, 0, 1, 1); pixels = pixels || 'read'; } catch (e) { pixels = pixels || 'tainted'; }\n"
                         "  document.title = [read('../secret/secret.txt'), read('sub/inner.txt'), read('" + disk.secret.toUtf8() + "/secret.txt'),"
                         "    i.naturalWidth, pixels].join(' '); });\n"
                         "</script></body></html>");
        WebBrowser browser(app.context.pages, QStringLiteral("WebBrowser1"));
        QSignalSpy loaded(browser.view(), &QWebEngineView::loadFinished);
        browser.Navigate(path);
        QVERIFY(loaded.wait(20000));
        QTRY_COMPARE(browser.view()->page()->title(), QStringLiteral("refused inner-ok refused 7 tainted"));
    }
};

TOVALEAF_TEST_MAIN(TestPageFileAccess)
#include "tst_pagefileaccess.moc"
