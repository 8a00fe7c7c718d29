#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "platform/DhtmlEdit.h"
#include "platform/RecoveryCopy.h"
#include "shell/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>

using namespace TestSupport;

namespace {

void type(DhtmlEdit *surface, const QString &text)
{
    surface->view()->setFocus();
    QTest::keyClicks(surface->view()->focusProxy(), text);
}

// Kills the page's renderer as a crash would and waits until the page is back.
void killRenderer(DhtmlEdit *surface)
{
    const qint64 pid = surface->view()->page()->renderProcessPid();
    QVERIFY(pid > 0);
    QSignalSpy back(surface, &DhtmlEdit::RendererFailed);
    QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
    QVERIFY(back.wait(60000));
}

bool editable(DhtmlEdit *surface)
{
    return js(surface, QStringLiteral("(typeof __tvl === 'object') + ' ' + document.designMode")) == QLatin1String("true on");
}

} // namespace

// A renderer that dies while the user works: the page comes back as they left it.
class TestCrashRecovery : public QObject
{
    Q_OBJECT

private slots:
    void typingSurvivesRepeatedCrashes()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        RecoveryCopy &copy = surface->recovery();
        for (int round = 1; round <= 5; ++round) {
            // Every page opened after a crash is editable, however many came before.
            const QString page = app.file(QStringLiteral("page%1.htm").arg(round));
            writeBytes(page, "<html><body><p>start</p></body></html>");
            QVERIFY(surface->LoadDocument(page));
            QVERIFY2(editable(surface), qPrintable(QStringLiteral("round %1").arg(round)));
            selectText(surface, QStringLiteral("start"), 5);
            QSignalSpy copied(&copy, &RecoveryCopy::copied);
            type(surface, QStringLiteral(" typed%1").arg(round));
            QTRY_COMPARE(bodyText(surface), QStringLiteral("start typed%1").arg(round));
            QVERIFY(copied.wait(20000));

            app.boxes.shown.clear();
            killRenderer(surface);
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ページの表示処理が異常終了したため、ページを表示し直しました。編集した内容は失われていません。")});
            QCOMPARE(bodyText(surface), QStringLiteral("start typed%1").arg(round));
            QVERIFY(editable(surface));
            // The page that came back takes typing, and keeps its folder.
            QCOMPARE(surface->documentUrl().path(), page);
            selectText(surface, QStringLiteral("typed"), QStringLiteral("start typed%1").arg(round).size());
            type(surface, QStringLiteral("!"));
            QTRY_COMPARE(bodyText(surface), QStringLiteral("start typed%1!").arg(round));
            QVERIFY(copy.isDirty());
        }
    }

    void changeAfterTheCopyIsToldLost()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>kept</p></body></html>")));
        QSignalSpy copied(&surface->recovery(), &RecoveryCopy::copied);
        selectText(surface, QStringLiteral("kept"), 4);
        type(surface, QStringLiteral(" copied"));
        QVERIFY(copied.wait(20000));
        type(surface, QStringLiteral(" late"));
        QTRY_VERIFY(!surface->recovery().isCurrent());
        killRenderer(surface);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY2(app.boxes.shown[0].text.contains(QStringLiteral("秒前に控えた内容からページを表示し直しました。それより後の編集は失われました。")),
                 qPrintable(app.boxes.shown[0].text));
        QCOMPARE(bodyText(surface), QStringLiteral("kept copied"));
        QVERIFY(editable(surface));
    }

    void crashInRunModeComesBackRunning()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>ran</p></body></html>")));
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        app.boxes.shown.clear();
        killRenderer(surface);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(surface->BrowseMode());
        QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text(), Form1::RunModeText);
        QCOMPARE(bodyText(surface), QStringLiteral("ran"));
        form.Command4_Click();
        QVERIFY(!surface->BrowseMode());
        QVERIFY(editable(surface));
        QCOMPARE(bodyText(surface), QStringLiteral("ran"));
    }

    // Edit mode asked for while the running page is gone and not yet back: the page still
    // runs, so the lists stay off and the indicator says run mode.
    void returnToEditModeThatFails()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>ran</p></body></html>")));
        form.menus().item(QStringLiteral("go_browse"))->trigger();
        QVERIFY(surface->BrowseMode());
        app.boxes.shown.clear();
        QWebEnginePage *running = surface->view()->page();
        // Asked while the page is down, before it is brought back.
        connect(running, &QWebEnginePage::renderProcessTerminated, &form,
                [&form] { form.menus().item(QStringLiteral("go_hennsyuu"))->trigger(); }, Qt::DirectConnection);
        killRenderer(surface);
        QVERIFY(app.boxes.shown.size() >= 1);
        QVERIFY2(app.boxes.shown[0].text.startsWith(QStringLiteral("編集モードに切り替えられませんでした: ")), qPrintable(app.boxes.shown[0].text));
        QVERIFY(surface->BrowseMode());
        QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text(), Form1::RunModeText);
        QVERIFY(!form.combo(1)->isEnabled());
        QVERIFY(!form.combo(2)->isEnabled());
        QVERIFY(!form.menus().item(QStringLiteral("go_browse"))->isEnabled());
        QVERIFY(form.menus().item(QStringLiteral("go_hennsyuu"))->isEnabled());
        // Once the page is back, the return works.
        form.menus().item(QStringLiteral("go_hennsyuu"))->trigger();
        QVERIFY(!surface->BrowseMode());
        QVERIFY(form.combo(1)->isEnabled() && form.combo(2)->isEnabled());
    }
};

TOVALEAF_TEST_MAIN(TestCrashRecovery)
#include "tst_crashrecovery.moc"
