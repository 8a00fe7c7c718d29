#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "documents/Form25.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/SurfaceWait.h"
#include "platform/WaitPanel.h"
#include "shell/Form1.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>

using namespace TestSupport;

namespace {

// A shorter wait for a renderer that does nothing, for the length of a test.
struct StallLimit
{
    explicit StallLimit(int ms) { SurfaceWait::setStallLimitForTesting(ms); }
    ~StallLimit() { SurfaceWait::setStallLimitForTesting(0); }
};

// The renderer stopped as by a debugger or a frozen machine, and let go again.
struct StoppedRenderer
{
    explicit StoppedRenderer(DhtmlEdit *surface) : pid(surface->view()->page()->renderProcessPid())
    {
        if (pid <= 0 || ::kill(pid_t(pid), SIGSTOP) != 0)
            qFatal("renderer not stopped");
    }
    ~StoppedRenderer() { resume(); }
    void resume()
    {
        if (pid > 0)
            ::kill(pid_t(pid), SIGCONT);
        pid = 0;
    }
    qint64 pid;
};

// A picture server that takes the connection and never answers: a page showing
// its picture never finishes loading.
class SilentServer : public QTcpServer
{
public:
    SilentServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                socket->setParent(this);
        });
        listen(QHostAddress::LocalHost);
    }
    QString pictureUrl() const { return QStringLiteral("http://127.0.0.1:%1/never.gif").arg(serverPort()); }
};

// Acts once the wait's panel is up, as the user would.
class PanelDriver : public QObject
{
public:
    explicit PanelDriver(std::function<void(WaitPanel *)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *panel = qobject_cast<WaitPanel *>(widget);
                if (panel && panel->isVisible()) {
                    m_timer.stop();
                    m_seen = true;
                    m_action(panel);
                    return;
                }
            }
        });
        m_timer.start();
    }
    bool seen() const { return m_seen; }

private:
    std::function<void(WaitPanel *)> m_action;
    QTimer m_timer;
    bool m_seen = false;
};

} // namespace

// A page that does not answer, or answers slowly: the program says so and
// writes nothing from an old copy; the user can give up a wait.
class TestStalledEngine : public QObject
{
    Q_OBJECT

private slots:
    void stoppedRendererWritesNothing()
    {
        TestApp app;
        StallLimit limit(1500);
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>loaded</p></body></html>")));
        selectText(surface, QStringLiteral("loaded"), 6);
        surface->view()->setFocus();
        QTest::keyClicks(surface->view()->focusProxy(), QStringLiteral(" and typed"));
        QTRY_COMPARE(bodyText(surface), QStringLiteral("loaded and typed"));

        const QString target = app.file(QStringLiteral("saved.htm"));
        const QString preview = app.file(QStringLiteral("MivoTemp.htm"));
        const QString insertion = app.file(QStringLiteral("scriptTemp.htm"));
        QFile::remove(preview);
        QFile::remove(insertion);
        {
            StoppedRenderer stopped(surface);
            const QString reason = QStringLiteral("ページが応答しません");

            app.dialogs.fileNames << target;
            form.SavePage();
            QVERIFY(!QFile::exists(target));
            QCOMPARE(app.boxes.shown.size(), 1);
            QVERIFY2(app.boxes.shown[0].text.startsWith(QStringLiteral("ページの内容を読み取れないため、保存しませんでした。\n")),
                     qPrintable(app.boxes.shown[0].text));
            QVERIFY(app.boxes.shown[0].text.contains(reason));
            // Not even asked where to: nothing could be written.
            QVERIFY(app.dialogs.filtersSeen.isEmpty());

            form.PreviewInBrowser();
            QVERIFY(!QFile::exists(preview));
            QVERIFY(app.shell.opened.isEmpty());
            QCOMPARE(app.boxes.shown.size(), 2);
            QVERIFY(app.boxes.shown[1].text.startsWith(QStringLiteral("ページの内容を読み取れないため、ブラウザで表示しませんでした。")));

            form.ShowSource();
            QCOMPARE(app.boxes.shown.size(), 3);
            QVERIFY(app.boxes.shown[2].text.startsWith(QStringLiteral("ページの内容を読み取れないため、ソースを表示できません。")));

            app.shared().SnippetHtml = QStringLiteral("<INPUT type=button value=ok>");
            form.mivo_go();
            QVERIFY(!QFile::exists(insertion));
            QCOMPARE(app.boxes.shown.size(), 4);
            QVERIFY2(app.boxes.shown[3].text.contains(reason), qPrintable(app.boxes.shown[3].text));
            for (const auto &shown : app.boxes.shown)
                QVERIFY2(shown.text.contains(reason), qPrintable(shown.text));
        }
        // Going again, the page is what the user made.
        app.boxes.shown.clear();
        app.dialogs.fileNames << target;
        form.SavePage();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("保存しました。")});
        QVERIFY(QString::fromLocal8Bit(readBytes(target)).contains(QStringLiteral("loaded and typed")));
    }

    void userCancelsALoadThatDoesNotEnd()
    {
        TestApp app;
        SilentServer server;
        QVERIFY(server.isListening());
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>before</p></body></html>")));
        const QString slow = app.file(QStringLiteral("slow.htm"));
        writeBytes(slow, QStringLiteral("<html><body><p>slow</p><img src=\"%1\"></body></html>").arg(server.pictureUrl()).toUtf8());

        // Another window of the program: what is typed into it meanwhile waits for the load to end.
        QLineEdit other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QString typedWhileWaiting = QStringLiteral("unset");
        PanelDriver cancel([&](WaitPanel *panel) {
            // As the window system delivers keys: to the window first.
            for (const char c : QByteArray("later"))
                QTest::keyClick(other.windowHandle(), c);
            typedWhileWaiting = other.text();
            QTest::mouseClick(panel->cancelButton(), Qt::LeftButton);
        });
        QVERIFY(!surface->LoadDocument(slow));
        QVERIFY(cancel.seen());
        QCOMPARE(surface->lastError(), QStringLiteral("ページを読み込めませんでした。ページの処理の待機を中止しました。"));
        QCOMPARE(typedWhileWaiting, QString());
        QTRY_COMPARE(other.text(), QStringLiteral("later"));
        // The page stays what it was, and editable.
        QCOMPARE(bodyText(surface), QStringLiteral("before"));
        QCOMPARE(js(surface, QStringLiteral("document.designMode")), QStringLiteral("on"));

        // Esc is the panel's key too.
        PanelDriver escape([&](WaitPanel *) { QTest::keyClick(form.windowHandle(), Qt::Key_Escape); });
        QVERIFY(!surface->LoadDocument(slow));
        QVERIFY(escape.seen());
        QCOMPARE(bodyText(surface), QStringLiteral("before"));
    }

    // A long load from the file screen: the screen goes first, the busy cursor and the
    // panel with the load's progress show, and the screen comes back when the load fails.
    void longLoadFromTheFileScreen()
    {
        TestApp app;
        SilentServer server;
        Form1 form(app.context);
        form.show();
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>before</p></body></html>")));
        const QString slow = app.file(QStringLiteral("slow.htm"));
        writeBytes(slow, QStringLiteral("<html><body><p>slow</p><img src=\"%1\"></body></html>").arg(server.pictureUrl()).toUtf8());
        // The window has its copy of the page: no question to the page is pending when the screen opens.
        QTRY_COMPARE(form.richTextBox(1)->text(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>before</P></BODY></HTML>"));
        QVERIFY(!QGuiApplication::overrideCursor());

        bool screenShownMeanwhile = true;
        std::optional<Qt::CursorShape> cursorMeanwhile;
        QString panelText;
        PanelDriver cancel([&](WaitPanel *panel) {
            auto *screen = form.findChild<Form25 *>();
            screenShownMeanwhile = screen && screen->isVisible();
            if (QGuiApplication::overrideCursor())
                cursorMeanwhile = QGuiApplication::overrideCursor()->shape();
            panelText = panel->findChild<QLabel *>()->text();
            QTest::mouseClick(panel->cancelButton(), Qt::LeftButton);
        });
        // Once the failure is said, the screen is back for another choice: then cancelled.
        bool backAfterFailure = false;
        QTimer back;
        back.setInterval(0);
        connect(&back, &QTimer::timeout, &form, [&] {
            auto *screen = qobject_cast<Form25 *>(QApplication::activeModalWidget());
            if (!app.boxes.texts().join(QString()).contains(QStringLiteral("ファイルを開けませんでした")) || !screen || !screen->isVisible())
                return;
            back.stop();
            backAfterFailure = true;
            screen->reject();
        });
        back.start();
        // The page was changed: the screen asks first whether to save it.
        app.boxes.answers << MessageBoxes::Answer::No;
        ModalDriver open([&](QDialog *screen) {
            app.boxes.shown.clear();
            screen->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(slow);
            QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(open.ran());
        QVERIFY(cancel.seen());
        QVERIFY(!screenShownMeanwhile);
        QCOMPARE(cursorMeanwhile, std::optional<Qt::CursorShape>(Qt::WaitCursor));
        QCOMPARE(panelText, QStringLiteral("ページを読み込んでいます…"));
        QVERIFY(backAfterFailure);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ファイルを開けませんでした。\nページを読み込めませんでした。ページの処理の待機を中止しました。")});
        // The cursor is the usual one again, and the page what it was.
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(bodyText(form.surface()), QStringLiteral("before"));
    }

    void workingEngineIsNotCutOff()
    {
        TestApp app;
        // Far below what the load takes: only a renderer doing nothing would be given up.
        StallLimit limit(300);
        DhtmlEdit surface(app.context);
        QByteArray page = "<html><body><p>";
        for (int i = 0; i < 200000; ++i)
            page += "<b>w" + QByteArray::number(i) + "</b> ";
        page += "</p><p id=end>end</p></body></html>";
        const QString big = app.file(QStringLiteral("big.htm"));
        writeBytes(big, page);
        QElapsedTimer took;
        took.start();
        QVERIFY2(surface.LoadDocument(big), qPrintable(surface.lastError()));
        QVERIFY2(took.elapsed() > 600, "the load ended too fast to show anything");
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('end').textContent")), QStringLiteral("end"));
    }

    // The sample loads, then its page stops answering: the indicator and the lists stay as edit mode shows them.
    void sampleThatCannotRunStaysInEditMode()
    {
        TestApp app;
        StallLimit limit(1500);
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        std::optional<StoppedRenderer> stopped;
        app.boxes.whileShown = [&](const ScriptedMessageBoxes::Shown &box) {
            if (box.text == QStringLiteral("ブラウザモードで確認します。"))
                stopped.emplace(surface);
        };
        form.Command1_Click();
        QVERIFY(stopped);
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(app.boxes.shown.size(), 2);
        QVERIFY2(app.boxes.shown[1].text.startsWith(QStringLiteral("実行モードに切り替えられませんでした: ")), qPrintable(app.boxes.shown[1].text));
        auto *indicator = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        QCOMPARE(indicator->text(), Form1::EditModeText);
        QVERIFY(indicator->palette().color(QPalette::Base) != QColor(255, 0, 0));
        QVERIFY(form.combo(1)->isEnabled());
        QVERIFY(form.combo(2)->isEnabled());

        // Answering again, the other sample runs under its own name.
        stopped.reset();
        app.boxes.whileShown = nullptr;
        app.boxes.answers << MessageBoxes::Answer::Ok;
        form.Command1_Click();
        QVERIFY(surface->BrowseMode());
        QCOMPARE(indicator->text(), QStringLiteral("実行モード"));
        QCOMPARE(indicator->palette().color(QPalette::Base), QColor(255, 0, 0));
        QVERIFY(!form.combo(1)->isEnabled());
    }

    // A running page whose script never ends: the program still has the page's text at once,
    // for the source copy, saving and the way back, without waiting on the page.
    void endlessScriptDoesNotHoldTheEditor()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral(
            "<html><head><script>onload = function () { setTimeout(function () { for (;;) {} }, 0); };</script></head>"
            "<body><p>spins</p></body></html>")));
        // Any wait on the running page would show the panel: it is cancelled and noted.
        PanelDriver waited([](WaitPanel *panel) { QTest::mouseClick(panel->cancelButton(), Qt::LeftButton); });
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        auto *copy = form.findChild<TextBuffer *>(QStringLiteral("RichTextBox1"));
        QTRY_VERIFY(copy->text().contains(QStringLiteral("spins")));
        const QString html = surface->DocumentHTML();
        QVERIFY2(html.contains(QStringLiteral("<P>spins</P>")), qPrintable(html));
        // Another such page opened while running.
        const QString other = app.file(QStringLiteral("other.htm"));
        writeBytes(other, "<html><head><script>onload = function () { setTimeout(function () { for (;;) {} }, 0); };</script></head>"
                          "<body><p>spins too</p></body></html>");
        QVERIFY2(surface->LoadDocument(other), qPrintable(surface->lastError()));
        QVERIFY(surface->BrowseMode());
        QTRY_VERIFY(copy->text().contains(QStringLiteral("spins too")));
        QVERIFY(surface->DocumentHTML().contains(QStringLiteral("<P>spins too</P>")));
        form.Command4_Click();
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(js(surface, QStringLiteral("document.body.textContent.trim()")), QStringLiteral("spins too"));
        QVERIFY(!waited.seen());
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("現在編集中のファイルをブラウズモードで確認します！")});
    }

    void newPageInRunModeOpensForEditing()
    {
        TestApp app;
        QTest::failOnWarning(QRegularExpression(QStringLiteral("timed out")));
        Form1 form(app.context);
        form.show();
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>old</p></body></html>")));
        form.Command3_Click();
        QVERIFY(surface->BrowseMode());
        app.boxes.answers << MessageBoxes::Answer::No;
        form.NewPage();
        QVERIFY(!surface->BrowseMode());
        auto *indicator = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        QCOMPARE(indicator->text(), Form1::EditModeText);
        QVERIFY(indicator->palette().color(QPalette::Base) != QColor(255, 0, 0));
        QVERIFY(form.combo(1)->isEnabled());
        QVERIFY(form.combo(2)->isEnabled());
        QCOMPARE(js(surface, QStringLiteral("document.designMode")), QStringLiteral("on"));
        QCOMPARE(surface->DocumentHTML(), QString());

        // The effects list works on it at once.
        ModalDriver close([](QDialog *dialog) { dialog->reject(); });
        form.combo(2)->setCurrentIndex(form.combo(2)->findText(QStringLiteral("RevealTransition(Text)")));
        form.Combo2_Click();
        QVERIFY(close.ran());
        QCOMPARE(close.seen(), QStringLiteral("Form6"));
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("現在編集中のファイルをブラウズモードで確認します！"),
                                             QStringLiteral("新規作成を実行します。ファイルの保存をしますか？")}));
    }
};

TOVALEAF_TEST_MAIN(TestStalledEngine)
#include "tst_stalledengine.moc"
