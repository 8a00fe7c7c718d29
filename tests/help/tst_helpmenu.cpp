#include "support/TestSupport.h"

#include "help/Form28.h"
#include "help/HelpMenu.h"
#include "platform/ProgramFolder.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "shell/Form1.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QWebEngineView>

#include "commands/MenuBar.h"

using namespace TestSupport;

// The help items and the home-page viewer; message boxes and the shell's open scripted.
class TestHelpMenu : public QObject
{
    Q_OBJECT

private slots:
    void textFilesOpenWithTheDesktop()
    {
        TestApp app;
        Form1 form(app.context);
        form.menus().item(QStringLiteral("otasuke"))->trigger();
        form.menus().item(QStringLiteral("trytvl"))->trigger();
        form.menus().item(QStringLiteral("sakusha"))->trigger();
        QCOMPARE(app.shell.opened, (QStringList{app.file(QStringLiteral("tvl.txt")), app.file(QStringLiteral("sampleexplain.txt")),
                                            app.file(QStringLiteral("important.txt"))}));
        QVERIFY(app.boxes.shown.isEmpty());
        // Our help texts are UTF-8, for the desktop's text program.
        for (const QString &name : app.shell.opened) {
            const QByteArray bytes = readBytes(name);
            QVERIFY(bytes.size() > 200);
            QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes);
        }
        // A missing file is said, not passed to the app.shell.
        QFile::remove(app.file(QStringLiteral("tvl.txt")));
        form.menus().item(QStringLiteral("otasuke"))->trigger();
        QCOMPARE(app.shell.opened.size(), 3);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ヘルプのファイルが見つかりません: %1").arg(app.file(QStringLiteral("tvl.txt")))});
    }

    void samplesViewer()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        form.menus().item(QStringLiteral("mivoscript"))->trigger();
        QCOMPARE(app.boxes.texts(), QStringList{HelpMenu::SamplesQuestion});
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QVERIFY(!form.help().viewer());

        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        form.menus().item(QStringLiteral("mivoscript"))->trigger();
        Form28 *viewer = form.help().viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("ホームページ閲覧"));
        QCOMPARE(viewer->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), Form28::DefaultAddress);
        QCOMPARE(viewer->findChild<QPushButton *>(QStringLiteral("Command1"))->font().family(), QStringLiteral("Arial Black"));
        QVERIFY(viewer->browser()->view()->url().isEmpty()); // goes nowhere by itself
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        form.menus().item(QStringLiteral("mivoscript"))->trigger();
        QCOMPARE(form.help().viewer(), viewer); // one viewer

        // Too small snaps back; the browser keeps its margins.
        viewer->resize(50, 50);
        const int minWidth = Twips::toPixelsX(Form28::MinimumWidth, viewer);
        const int minHeight = Twips::toPixelsY(Form28::MinimumHeight, viewer);
        QTRY_COMPARE(viewer->size(), QSize(minWidth, minHeight));
        viewer->resize(800, 600);
        const QSize browserSize(800 - Twips::toPixelsX(300, viewer), 600 - Twips::toPixelsY(1200, viewer));
        QTRY_COMPARE(viewer->browser()->size(), browserSize);

        // Minimized, the window may be any size (as an icon is): nothing snaps back, the browser stays.
        viewer->showMinimized();
        QVERIFY(viewer->isMinimized());
        viewer->resize(40, 20);
        QTRY_COMPARE(viewer->size(), QSize(40, 20));
        QCOMPARE(viewer->browser()->size(), browserSize);
        // Restored, the rule holds again.
        viewer->showNormal();
        QVERIFY(!viewer->isMinimized());
        viewer->resize(50, 50);
        QTRY_COMPARE(viewer->size(), QSize(minWidth, minHeight));
        viewer->resize(800, 600);
        QTRY_COMPARE(viewer->browser()->size(), browserSize);

        // Closing always says its reminder, then the viewer is gone.
        viewer->close();
        QCOMPARE(app.boxes.texts().last(), Form28::ClosingReminder);
        QTRY_VERIFY(!form.help().viewer());
    }
};

TOVALEAF_TEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
