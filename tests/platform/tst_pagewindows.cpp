#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/PageWindow.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

using namespace TestSupport;

// The windows a running page opens: only pages of its own folder, and only so
// many at once.
class TestPageWindows : public QObject
{
    Q_OBJECT

private:
    static QList<QWidget *> pageWindows()
    {
        QList<QWidget *> found;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("PageWindow") && w->isVisible())
                found << w;
        return found;
    }
    static void closeAll()
    {
        for (QWidget *w : pageWindows())
            w->close();
        QTRY_COMPARE(PageWindow::openCount(), 0);
    }
    // Runs page code in the page's own world, as its handlers would.
    static void pageCode(DhtmlEdit *surface, const QString &code)
    {
        const auto done = surface->evaluate(QStringLiteral("(() => { const s = document.createElement('script'); s.textContent = %1;"
                                                           "document.body.appendChild(s); s.remove(); return true; })()")
                                                .arg(QString::fromUtf8(QJsonDocument(QJsonArray{code}).toJson(QJsonDocument::Compact).mid(1).chopped(1))));
        QVERIFY(done && done->toBool());
    }
    static QString opener(const TestApp &app)
    {
        QDir().mkpath(app.file(QStringLiteral("site")));
        QDir().mkpath(app.file(QStringLiteral("secret")));
        writeBytes(app.file(QStringLiteral("site/dialog.htm")), "<html><head><title>dialog</title></head><body>dialog</body></html>");
        writeBytes(app.file(QStringLiteral("secret/outside.htm")), "<html><head><title>outside</title></head><body>outside</body></html>");
        const QString path = app.file(QStringLiteral("site/opener.htm"));
        writeBytes(path, "<html><body><p id=out></p></body></html>");
        return path;
    }

private slots:
    void windowsShowOnlyPagesOfTheFolder()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(opener(app)));
        QVERIFY(surface.setBrowseMode(true));
        const QString outside = app.file(QStringLiteral("secret/outside.htm"));
        const QString refused = QStringLiteral("ページのあるフォルダの外にあるページは、ページから開けません: ") + outside;

        pageCode(&surface, QStringLiteral("showModelessDialog('../secret/outside.htm')"));
        pageCode(&surface, QStringLiteral("window.open('../secret/outside.htm', '', 'fullscreen=yes')"));
        // The channel the run-time uses, asked directly, and for another host's page.
        pageCode(&surface, QStringLiteral("prompt('\\u0001tvl:modeless\\u0001' + JSON.stringify({url: 'tvl://elsewhere%1'}), '')").arg(outside));
        QCOMPARE(app.boxes.texts(), QStringList(3, refused));
        pageCode(&surface, QStringLiteral("document.getElementById('out').textContent = String(showModalDialog('../secret/outside.htm'))"));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('out').textContent")), QStringLiteral("undefined"));
        QTRY_COMPARE(app.boxes.texts(), QStringList(4, refused));
        pageCode(&surface, QStringLiteral("const x = new XMLHttpRequest(); x.open('GET', 'tvl://elsewhere/__tvl-modal?q=' + "
                                          "encodeURIComponent(JSON.stringify({url: 'tvl://elsewhere%1'})), false);"
                                          "try { x.send(); } catch (e) {}").arg(outside));
        QCOMPARE(pageWindows().size(), 0);

        // A page of the folder opens, and reads what its opener reads.
        pageCode(&surface, QStringLiteral("showModelessDialog('dialog.htm')"));
        QTRY_COMPARE(pageWindows().size(), 1);
        QTRY_COMPARE(pageWindows().constFirst()->windowTitle(), QStringLiteral("dialog"));
        QCOMPARE(app.boxes.shown.size(), 4);
        closeAll();
    }

    void windowsAPageMayOpenAreLimited()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(opener(app)));
        QVERIFY(surface.setBrowseMode(true));
        const QString tooMany = QStringLiteral("ページから開いたウィンドウが多すぎるため、これ以上開けません（同時に4つまで）。"
                                               "開いているウィンドウを閉じてから、もう一度試してください。");
        pageCode(&surface, QStringLiteral("for (let i = 0; i < 6; ++i) showModelessDialog('dialog.htm')"));
        QCOMPARE(pageWindows().size(), PageWindow::MaxOpen);
        QCOMPARE(app.boxes.texts(), QStringList(2, tooMany));
        pageCode(&surface, QStringLiteral("window.open('dialog.htm', '', 'fullscreen=yes')"));
        pageCode(&surface, QStringLiteral("document.getElementById('out').textContent = String(showModalDialog('dialog.htm'))"));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('out').textContent")), QStringLiteral("undefined"));
        QTRY_COMPARE(app.boxes.texts(), QStringList(4, tooMany));
        QCOMPARE(pageWindows().size(), PageWindow::MaxOpen);

        // One closed, one more may open.
        pageWindows().constFirst()->close();
        QTRY_COMPARE(PageWindow::openCount(), PageWindow::MaxOpen - 1);
        pageCode(&surface, QStringLiteral("showModelessDialog('dialog.htm')"));
        QCOMPARE(pageWindows().size(), PageWindow::MaxOpen);
        QCOMPARE(app.boxes.shown.size(), 4);
        closeAll();
    }
};

TOVALEAF_TEST_MAIN(TestPageWindows)
#include "tst_pagewindows.moc"
