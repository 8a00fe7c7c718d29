#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "platform/DhtmlEdit.h"
#include "platform/RecoveryCopy.h"
#include "shell/Form1.h"
#include "shell/StatusLine.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QWebEngineView>

using namespace TestSupport;

namespace {

QString statusText(Form1 &form, const char *name)
{
    auto *label = form.statusBar()->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// The window up and active, the focus in the page being edited.
QWidget *focusOnPage(Form1 &form)
{
    // Keys typed before the page is there are lost, as they would be for the user.
    if (form.surface()->DocumentHTML().isNull())
        return nullptr;
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return nullptr;
    QWebEngineView *view = form.surface()->view();
    QWidget *input = view->focusProxy();
    if (!input)
        return nullptr;
    input->setFocus();
    return QApplication::focusWidget() == input ? input : nullptr;
}

} // namespace

// The standard keys of the common menu items, with the focus in the page,
// and the status bar that says which page is edited and how.
class TestKeysAndStatus : public QObject
{
    Q_OBJECT

private slots:
    void keysShownAndWorkingInThePage()
    {
        TestApp app;
        Form1 form(app.context);
        MenuBar &menus = form.menus();
        const QList<QPair<const char *, QKeySequence>> keys = {
            {"new_page", QKeySequence(QStringLiteral("Ctrl+N"))},    {"mivofile_open", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"file_save", QKeySequence(QStringLiteral("Ctrl+S"))},   {"finish", QKeySequence(QStringLiteral("Ctrl+Q"))},
            {"mivosearch", QKeySequence(QStringLiteral("Ctrl+F"))}, {"go_browse", QKeySequence(QStringLiteral("F5"))},
        };
        const QStringList captions = {QStringLiteral("新規作成"), QStringLiteral("ファイルを開く"), QStringLiteral("ファイルの保存"),
                                      QStringLiteral("終了"), QStringLiteral("検索"), QStringLiteral("ブラウズ実行")};
        for (int i = 0; i < keys.size(); ++i) {
            QAction *item = menus.item(QLatin1String(keys[i].first));
            QCOMPARE(item->shortcut(), keys[i].second);
            // The key is shown beside the caption, which stays as designed.
            QCOMPARE(item->text(), captions[i]);
        }
        QCOMPARE(menus.item(QStringLiteral("go_hennsyuu"))->shortcut(), QKeySequence());

        form.show();
        QWidget *page = focusOnPage(form);
        QVERIFY(page);
        auto press = [&](const QKeySequence &key) {
            QVERIFY2(QApplication::focusWidget() == form.surface()->view()->focusProxy(), "the focus left the page");
            QTest::keyClick(form.windowHandle(), key[0].key(), key[0].keyboardModifiers());
        };

        // Ctrl+S: the Save As dialog (cancelled).
        app.dialogs.fileNames << std::nullopt;
        QSignalSpy saved(menus.item(QStringLiteral("file_save")), &QAction::triggered);
        press(QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(saved.count(), 1);
        QVERIFY(app.dialogs.fileNames.isEmpty());

        // Ctrl+O: the file screen.
        {
            ModalDriver screen([](QDialog *dialog) { dialog->reject(); });
            press(QKeySequence(QStringLiteral("Ctrl+O")));
            QCOMPARE(screen.seen(), QStringLiteral("Form25"));
        }
        page = focusOnPage(form);
        QVERIFY(page);

        // Ctrl+F: the find prompt.
        {
            ModalDriver find([](QDialog *dialog) { dialog->reject(); });
            QSignalSpy searched(menus.item(QStringLiteral("mivosearch")), &QAction::triggered);
            press(QKeySequence(QStringLiteral("Ctrl+F")));
            QCOMPARE(searched.count(), 1);
            QVERIFY(find.ran());
        }
        page = focusOnPage(form);
        QVERIFY(page);

        // Ctrl+N on a changed page: the new-page question (Cancel keeps it).
        selectText(form.surface(), QString(), 0);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
        QTRY_VERIFY(form.surface()->DocumentHTML().contains(QStringLiteral("abc")));
        app.boxes.answers << MessageBoxes::Answer::Cancel;
        press(QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("新規作成を実行します。ファイルの保存をしますか？")});
        app.boxes.shown.clear();

        // Ctrl+Q: the exit question (No keeps the program).
        app.boxes.answers << MessageBoxes::Answer::No;
        press(QKeySequence(QStringLiteral("Ctrl+Q")));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("Tovaleafを終了します！")});
        app.boxes.shown.clear();
        QVERIFY(form.isVisible());

        // F5 runs the page, and from the running page comes back; the key moves to the item it runs.
        auto *indicator = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        press(QKeySequence(QStringLiteral("F5")));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("現在編集中のファイルをブラウズモードで確認します！")});
        QVERIFY(form.surface()->BrowseMode());
        QCOMPARE(indicator->text(), QStringLiteral("実行モード"));
        QTRY_COMPARE(menus.item(QStringLiteral("go_hennsyuu"))->shortcut(), QKeySequence(QStringLiteral("F5")));
        QCOMPARE(menus.item(QStringLiteral("go_browse"))->shortcut(), QKeySequence());
        page = focusOnPage(form);
        QVERIFY(page);
        press(QKeySequence(QStringLiteral("F5")));
        QVERIFY(!form.surface()->BrowseMode());
        QCOMPARE(indicator->text(), QStringLiteral("編集モード"));
        QTRY_COMPARE(menus.item(QStringLiteral("go_browse"))->shortcut(), QKeySequence(QStringLiteral("F5")));
        QCOMPARE(menus.item(QStringLiteral("go_hennsyuu"))->shortcut(), QKeySequence());
        // Run mode entered another way (the context menu) also moves the key.
        QMetaObject::invokeMethod(form.findChild<QObject *>(QStringLiteral("Command3")), "click");
        QVERIFY(form.surface()->BrowseMode());
        QTRY_COMPARE(menus.item(QStringLiteral("go_hennsyuu"))->shortcut(), QKeySequence(QStringLiteral("F5")));
        // The keys act in the window without the menus open.
        QVERIFY(form.actions().contains(menus.item(QStringLiteral("file_save"))));
    }

    void statusBar()
    {
        TestApp app;
        QTemporaryDir site;
        Form1 form(app.context);
        form.show();
        QVERIFY(focusOnPage(form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tovaleaf for IE5.0 Ver1.20"));
        QVERIFY(form.statusBar()->isVisible());
        QCOMPARE(statusText(form, "StatusPage"), QStringLiteral("新規ページ（ファイルに保存していません）"));
        QCOMPARE(statusText(form, "StatusChanged"), QStringLiteral("変更なし"));
        QCOMPARE(statusText(form, "StatusMode"), QStringLiteral("編集モード"));
        QCOMPARE(statusText(form, "StatusCharset"), QStringLiteral("保存時の文字コード: Shift_JIS"));

        // Typing changes the page.
        selectText(form.surface(), QString(), 0);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
        QTRY_VERIFY2(form.surface()->DocumentHTML().contains(QStringLiteral("typed")), qPrintable(form.surface()->DocumentHTML()));
        QTRY_COMPARE(statusText(form, "StatusChanged"), QStringLiteral("変更あり"));

        // Saved: the file, unchanged since.
        const QString file = site.filePath(QStringLiteral("saved.htm"));
        app.dialogs.fileNames << file;
        form.SavePage();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("保存しました。")});
        QCOMPARE(statusText(form, "StatusPage"), file);
        QCOMPARE(statusText(form, "StatusChanged"), QStringLiteral("変更なし"));
        QVERIFY(focusOnPage(form));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
        QTRY_COMPARE(statusText(form, "StatusChanged"), QStringLiteral("変更あり"));

        // Another page, in the charset it declares.
        const QString utf8 = site.filePath(QStringLiteral("utf8.htm"));
        writeBytes(utf8, "<html><head><meta charset=utf-8></head><body><p>\xe6\x97\xa5</p></body></html>");
        app.boxes.answers << MessageBoxes::Answer::No;
        QVERIFY(form.openPageFromOutside(utf8));
        QTRY_COMPARE(statusText(form, "StatusCharset"), QStringLiteral("保存時の文字コード: UTF-8"));
        QCOMPARE(statusText(form, "StatusPage"), utf8);
        QCOMPARE(statusText(form, "StatusChanged"), QStringLiteral("変更なし"));

        // The mode, as the indicator shows it.
        app.boxes.shown.clear();
        form.Command3_Click();
        QCOMPARE(statusText(form, "StatusMode"), QStringLiteral("実行モード"));
        form.Command4_Click();
        QCOMPARE(statusText(form, "StatusMode"), QStringLiteral("編集モード"));

        // A new page is new again.
        app.boxes.answers << MessageBoxes::Answer::No;
        form.NewPage();
        QCOMPARE(statusText(form, "StatusPage"), QStringLiteral("新規ページ（ファイルに保存していません）"));
        QCOMPARE(statusText(form, "StatusChanged"), QStringLiteral("変更なし"));
        QTRY_COMPARE(statusText(form, "StatusCharset"), QStringLiteral("保存時の文字コード: Shift_JIS"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tovaleaf for IE5.0 Ver1.20"));
    }
};

TOVALEAF_TEST_MAIN(TestKeysAndStatus)
#include "tst_keysandstatus.moc"
