#include "support/LocalListener.h"
#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"

#include <QApplication>
#include <QDir>
#include <QImage>

using namespace TestSupport;

// Pages written to attack the editor: in edit mode nothing of them runs, in any
// frame, and nothing they would send leaves the page; what is saved is the page
// as written.
class TestHostilePages : public QObject
{
    Q_OBJECT

private:
    static bool has(DhtmlEdit *surface, const QString &id)
    {
        return js(surface, QStringLiteral("String(document.getElementById('%1') !== null)").arg(id)) == QLatin1String("true");
    }
    // What the page's scripts leave behind, wherever they ran.
    static QStringList traces(DhtmlEdit *surface, const QStringList &ids)
    {
        QStringList found;
        for (const QString &id : ids)
            if (has(surface, id))
                found << id;
        return found;
    }
    static QWidget *pageWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("PageWindow") && w->isVisible())
                return w;
        return nullptr;
    }

private slots:
    // A page that begins with a comment the engine ends early places its scripts
    // before anything text inserted at the top could say.
    void commentProloguesRunNothing()
    {
        TestApp app;
        const QByteArray scripts =
            "<html><head><script>document.write('<p id=written>written</p>')</script></head>"
            "<body onload=\"document.body.insertAdjacentHTML('beforeend', '<p id=onload>onload</p>')\">"
            "<p id=p>as written</p>"
            "<script>document.getElementById('p').textContent = 'changed';"
            "document.body.insertAdjacentHTML('beforeend', '<p id=inline>inline</p>')</script>"
            "<img src=missing.png onerror=\"document.body.insertAdjacentHTML('beforeend', '<p id=onerror>onerror</p>')\">"
            "<iframe srcdoc=\"<script>parent.document.body.insertAdjacentHTML('beforeend', '<p id=srcdoc>srcdoc</p>')</script>\"></iframe>"
            "<iframe src=\"javascript:parent.document.body.insertAdjacentHTML('beforeend', '<p id=jsurl>jsurl</p>')\"></iframe>"
            "<!-- end --></body></html>";
        const QStringList ids{QStringLiteral("written"), QStringLiteral("onload"), QStringLiteral("inline"),
                              QStringLiteral("onerror"), QStringLiteral("srcdoc"), QStringLiteral("jsurl")};
        for (const QByteArray prologue : {QByteArray("<!-->"), QByteArray("<!-- a --!>"), QByteArray("<!DOCTYPE html><!-->")}) {
            DhtmlEdit surface(app.context);
            const QString path = writePage(app, QStringLiteral("prologue.htm"), prologue + scripts);
            QVERIFY(surface.LoadDocument(path));
            QCOMPARE(js(&surface, QStringLiteral("document.getElementById('p').textContent")), QStringLiteral("as written"));
            QCOMPARE(traces(&surface, ids), QStringList());
            const QString html = surface.DocumentHTML();
            QVERIFY2(html.contains(QStringLiteral("<P id=p>as written</P>")), qPrintable(html));
            const QString saved = app.file(QStringLiteral("saved.htm"));
            QVERIFY(surface.SaveDocument(saved));
            const QByteArray bytes = readBytes(saved);
            QVERIFY(bytes.contains("<P id=p>as written</P>"));
            for (const QByteArray trace : {QByteArray("<P id=written"), QByteArray("<P id=onload"),
                                           QByteArray("<P id=inline"), QByteArray("<P id=onerror"), QByteArray("<P id=srcdoc"),
                                           QByteArray("<P id=jsurl")})
                QVERIFY2(!bytes.contains(trace), bytes.constData());
            QVERIFY(!bytes.contains("Content-Security-Policy"));

            // The same page runs in run mode: the scripts above are real.
            QVERIFY(surface.setBrowseMode(true));
            QTRY_COMPARE(traces(&surface, ids), ids);
            QCOMPARE(js(&surface, QStringLiteral("document.getElementById('p').textContent")), QStringLiteral("changed"));
        }
        QVERIFY(app.boxes.shown.isEmpty());
    }

    // Frames, objects, embeds and pictures the page shows, each with a script that
    // writes into the page around it.
    void framesObjectsAndSvgRunNothing()
    {
        TestApp app;
        const auto writesParent = [](const char *id) {
            return QByteArray("parent.document.body.insertAdjacentHTML('beforeend', '<p id=") + id + ">" + id + "</p>')";
        };
        writePage(app, QStringLiteral("site/sibling.htm"), "<html><body><p>frame</p><script>" + writesParent("fromframe") + "</script></body></html>");
        writePage(app, QStringLiteral("site/object.htm"), "<html><body><script>" + writesParent("fromobject") + "</script></body></html>");
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"20\"><rect width=\"20\" height=\"20\" fill=\"red\"/>"
                               "<script><![CDATA[%1]]></script></svg>";
        writePage(app, QStringLiteral("site/framed.svg"), QByteArray(svg).replace("%1", writesParent("fromsvg")));
        writePage(app, QStringLiteral("site/embedded.svg"), QByteArray(svg).replace("%1", writesParent("fromembed")));
        writePage(app, QStringLiteral("site/pictured.svg"), QByteArray(svg).replace("%1", writesParent("frompicture")));
        // A framed page that only moves itself on.
        writePage(app, QStringLiteral("site/moving.htm"), "<html><head><meta http-equiv=refresh content=\"0;url=sibling.htm\"></head><body>moving</body></html>");
        const QString page = writePage(app, QStringLiteral("site/host.htm"),
                                       "<html><body><p id=p>host</p>"
                                       "<iframe id=f1 src=sibling.htm></iframe>"
                                       "<iframe id=f2 src=framed.svg></iframe>"
                                       "<object id=o1 data=object.htm type=text/html></object>"
                                       "<embed id=e1 src=embedded.svg type=\"image/svg+xml\">"
                                       "<img id=i1 src=pictured.svg>"
                                       "<iframe id=f3 src=moving.htm></iframe>"
                                       "</body></html>");
        const QStringList ids{QStringLiteral("fromframe"), QStringLiteral("fromsvg"), QStringLiteral("fromobject"),
                              QStringLiteral("fromembed"), QStringLiteral("frompicture")};
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(page));
        // Loaded means every frame has loaded, so each of their scripts had its turn.
        QCOMPARE(traces(&surface, ids), QStringList());
        QTRY_COMPARE(js(&surface, QStringLiteral("document.getElementById('i1').naturalWidth")), QStringLiteral("20"));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('f1').contentDocument.querySelector('p').textContent")), QStringLiteral("frame"));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('f3').contentDocument.body.textContent")), QStringLiteral("moving"));
        const QString saved = app.file(QStringLiteral("site/saved.htm"));
        QVERIFY(surface.SaveDocument(saved));
        const QByteArray bytes = readBytes(saved);
        QVERIFY2(!bytes.contains("<P id=from"), bytes.constData());
        QVERIFY(bytes.contains("<IFRAME id=f1 src=sibling.htm></IFRAME>"));

        // Running, the same frames do write (pictures never run their scripts).
        QVERIFY(surface.setBrowseMode(true));
        QTRY_COMPARE(traces(&surface, ids.mid(0, 4)), ids.mid(0, 4));
        QVERIFY(!has(&surface, QStringLiteral("frompicture")));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    // Nothing the page would send leaves it in edit mode; a picture it shows is
    // fetched, as a browser with scripts off would fetch it.
    void editModePageSendsNothing()
    {
        TestApp app;
        LocalListener listener;
        QVERIFY(listener.isListening());
        listener.page = "<html><body><script>fetch('/from-served-frame')</script></body></html>";
        const auto at = [&](const char *path) { return listener.url(QString::fromLatin1(path)).toUtf8(); };
        writePage(app, QStringLiteral("sibling.htm"), "<html><body><script>fetch('" + at("/from-frame") + "')</script></body></html>");
        const QByteArray calls =
            "<!-- a --!><html><head>"
            "<link rel=prefetch href=\"" + at("/prefetch") + "\">"
            "<script src=\"" + at("/script.js") + "\"></script>"
            "<script>fetch('" + at("/fetch") + "'); new Image().src = '" + at("/script-picture.png") + "';"
            "navigator.sendBeacon('" + at("/beacon") + "', 'x');"
            "var x = new XMLHttpRequest(); x.open('GET', '" + at("/xhr") + "'); x.send();"
            "new WebSocket('" + at("/socket").replace("http:", "ws:") + "');</script>"
            "</head><body>"
            "<img src=\"" + at("/shown.png") + "\">"
            "<img src=missing.png onerror=\"fetch('" + at("/onerror") + "')\">"
            "<iframe src=sibling.htm></iframe>"
            "<iframe src=\"" + at("/served-frame.htm") + "\"></iframe>"
            "<object data=\"" + at("/object") + "\"></object>"
            "<embed src=\"" + at("/embed") + "\">";
        // What would take the page elsewhere.
        const QByteArray leaving =
            "<form id=f action=\"" + at("/form") + "\"></form><script>document.getElementById('f').submit()</script>"
            "<meta http-equiv=refresh content=\"0;url=" + at("/refresh") + "\">";
        const QString page = writePage(app, QStringLiteral("calls.htm"), calls + leaving + "<!-- end --></body></html>");
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(page));
        // Whatever the page asked for while it loaded was asked before this.
        QVERIFY(surface.evaluate(QStringLiteral("new Image().src = '%1', true").arg(listener.url(QStringLiteral("/last.png")))));
        QTRY_VERIFY(listener.paths.contains(QStringLiteral("/last.png")));
        QStringList seen = listener.paths;
        seen.sort();
        // The frames an object and an embed show, like any frame, are shown with nothing of theirs running.
        QCOMPARE(seen, (QStringList{QStringLiteral("/embed"), QStringLiteral("/last.png"), QStringLiteral("/object"),
                                    QStringLiteral("/served-frame.htm"), QStringLiteral("/shown.png")}));

        // Running, the page does call out: the listener would have heard it.
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("staying.htm"), calls + "<!-- end --></body></html>")));
        QVERIFY(surface.setBrowseMode(true));
        QTRY_VERIFY(listener.paths.contains(QStringLiteral("/fetch")));
        QTRY_VERIFY(listener.paths.contains(QStringLiteral("/from-frame")));
        QTRY_VERIFY(listener.paths.contains(QStringLiteral("/from-served-frame")));
    }

    // The channel through which a running page asks for a modal dialog is not a
    // way for a page being edited, nor for the markup of a running one, to open one.
    void markupOpensNoWindow()
    {
        TestApp app;
        const QString dialog = writePage(app, QStringLiteral("dialog.htm"), "<html><body>dialog</body></html>");
        const QByteArray ask = QUrl::toPercentEncoding(QStringLiteral("{\"url\":\"tvl://x%1\"}").arg(dialog));
        const QByteArray markup = "<iframe src=\"/__tvl-modal?q=" + ask + "\"></iframe><img src=\"/__tvl-modal?q=" + ask + "\">"
                                  "<object data=\"/__tvl-modal?q=" + ask + "\"></object>";
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("editing.htm"),
                                               "<html><body>" + markup + "<link rel=stylesheet href=\"/__tvl-modal?q=" + ask
                                                   + "\"></body></html>")));
        QCOMPARE(pageWindow(), nullptr);
        // Running, the page's code may ask for a dialog (the run-time offers it); its frames and pictures do not.
        QVERIFY(surface.LoadDocument(writePage(app, QStringLiteral("running.htm"), "<html><body>" + markup + "</body></html>")));
        QVERIFY(surface.setBrowseMode(true));
        QVERIFY(surface.setBrowseMode(false));
        QCOMPARE(pageWindow(), nullptr);
        QVERIFY(app.boxes.shown.isEmpty());
    }
};

TOVALEAF_TEST_MAIN(TestHostilePages)
#include "tst_hostilepages.moc"
