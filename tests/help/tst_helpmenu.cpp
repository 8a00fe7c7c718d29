#include "support/TestSupport.h"

#include "help/Form28.h"
#include "help/HelpMenu.h"
#include "platform/ProgramFolder.h"
#include "platform/TextWindow.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "shell/Form1.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWebEngineView>

#include "commands/MenuBar.h"

using namespace TestSupport;

// The help items and the home-page viewer; message boxes and the shell's open scripted.
class TestHelpMenu : public QObject
{
    Q_OBJECT

private slots:
    // The help texts show in the program's own read-only window, whatever the desktop has for text.
    void textFilesInTheProgramsOwnWindow()
    {
        TestApp app;
        Form1 form(app.context);
        const QList<QPair<const char *, const char *>> items = {
            {"otasuke", "tvl.txt"}, {"trytvl", "sampleexplain.txt"}, {"sakusha", "important.txt"}};
        for (const auto &[item, file] : items) {
            form.menus().item(QLatin1String(item))->trigger();
            TextWindow *window = nullptr;
            for (TextWindow *shown : form.findChildren<TextWindow *>())
                if (shown->path() == app.file(QLatin1String(file)))
                    window = shown;
            QVERIFY2(window && window->isVisible(), file);
            QCOMPARE(window->windowTitle(), QLatin1String(file));
            QVERIFY(window->text()->isReadOnly());
            // Our help texts are UTF-8, shown as written.
            const QByteArray bytes = readBytes(app.file(QLatin1String(file)));
            QVERIFY(bytes.size() > 200);
            QCOMPARE(window->text()->toPlainText(), QString::fromUtf8(bytes).remove(QLatin1Char('\r')));
        }
        QVERIFY(app.shell.opened.isEmpty());
        QVERIFY(app.boxes.shown.isEmpty());
        // The same item again brings its window forward, no second one.
        form.menus().item(QStringLiteral("otasuke"))->trigger();
        QCOMPARE(form.findChildren<TextWindow *>().size(), 3);
        for (TextWindow *window : form.findChildren<TextWindow *>())
            window->close();

        // A missing file is said.
        QFile::remove(app.file(QStringLiteral("tvl.txt")));
        form.menus().item(QStringLiteral("otasuke"))->trigger();
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
