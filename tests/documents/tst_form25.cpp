#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "UnprivilegedFiles.h"
#include "commands/MenuBar.h"
#include "documents/DriveList.h"
#include "documents/FileList.h"
#include "documents/FolderList.h"
#include "documents/Form25.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "shell/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace TestSupport;

namespace {

const QString KeptPage = QStringLiteral("<HTML><HEAD></HEAD><BODY><P>current page</P></BODY></HTML>");

QStringList itemTexts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void clickItem(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void chooseType(QComboBox *combo, const QString &text)
{
    combo->setEditText(text);
    emit combo->textActivated(text);
}

// A folder of pages of every kind the file types name, where the run works.
struct PageFolder
{
    explicit PageFolder(TestApp &app)
    {
        for (const char *name : {"a.htm", "B.HTM", "c.html", "d.xml", "e.xsl", "f.txt", "noextension"})
            writeBytes(dir.filePath(QLatin1String(name)), QByteArray("<html><body><p>") + name + "</p></body></html>");
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
        writeBytes(dir.filePath(QStringLiteral("sub/inner.htm")), "<html><body><p>inner</p></body></html>");
        app.context.workingFolder = dir.path();
    }
    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

// The file processing screen: its lists, the folder it records, and pages
// that cannot be opened.
class TestForm25 : public QObject
{
    Q_OBJECT

private slots:
    void screenAndFileTypes()
    {
        TestApp app;
        PageFolder pages(app);
        Form1 form(app.context);
        Form25 screen(app.context, form.surface(), &form);
        QCOMPARE(screen.windowTitle(), QStringLiteral("ファイル処理画面"));
        QCOMPARE(screen.findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), QStringLiteral("ファイル"));
        QCOMPARE(screen.findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
        QCOMPARE(screen.findChild<QPushButton *>(QStringLiteral("Command2"))->text(), QStringLiteral("Cancel"));
        QVERIFY(screen.isModal());
        QCOMPARE(screen.parentWidget(), &form);

        auto *combo = screen.findChild<QComboBox *>(QStringLiteral("Combo1"));
        auto *files = screen.findChild<FileList *>(QStringLiteral("File1"));
        auto *folders = screen.findChild<FolderList *>(QStringLiteral("Dir1"));
        auto *drives = screen.findChild<DriveList *>(QStringLiteral("Drive1"));
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        QCOMPARE(entries, (QStringList{QStringLiteral("HTMLﾌｧｲﾙ"), QStringLiteral("HTMﾌｧｲﾙ"), QStringLiteral("XMLﾌｧｲﾙ"),
                                       QStringLiteral("XSLﾌｧｲﾙ"), QStringLiteral("TXTﾌｧｲﾙ"), QStringLiteral("全てのﾌｧｲﾙ")}));
        QCOMPARE(combo->currentText(), QStringLiteral("HTMﾌｧｲﾙ"));
        QCOMPARE(screen.FilePattern(), QStringLiteral("*.htm"));
        // The lists start at the process's current folder.
        QCOMPARE(folders->Path(), pages.path());
        QCOMPARE(files->Path(), pages.path());
        QCOMPARE(itemTexts(files), (QStringList{QStringLiteral("a.htm"), QStringLiteral("B.HTM")}));

        const QList<QPair<QString, QStringList>> expected = {
            {QStringLiteral("HTMLﾌｧｲﾙ"), {QStringLiteral("c.html")}},
            {QStringLiteral("XMLﾌｧｲﾙ"), {QStringLiteral("d.xml")}},
            {QStringLiteral("XSLﾌｧｲﾙ"), {QStringLiteral("e.xsl")}},
            {QStringLiteral("TXTﾌｧｲﾙ"), {QStringLiteral("f.txt")}},
            {QStringLiteral("全てのﾌｧｲﾙ"),
             {QStringLiteral("a.htm"), QStringLiteral("B.HTM"), QStringLiteral("c.html"), QStringLiteral("d.xml"),
              QStringLiteral("e.xsl"), QStringLiteral("f.txt"), QStringLiteral("noextension")}},
            {QStringLiteral("HTMﾌｧｲﾙ"), {QStringLiteral("a.htm"), QStringLiteral("B.HTM")}},
        };
        for (const auto &[entry, names] : expected) {
            chooseType(combo, entry);
            QCOMPARE(itemTexts(files), names);
        }
        // A text that is no entry changes nothing.
        chooseType(combo, QStringLiteral("*.txt"));
        QCOMPARE(screen.FilePattern(), QStringLiteral("*.htm"));
        QCOMPARE(itemTexts(files), (QStringList{QStringLiteral("a.htm"), QStringLiteral("B.HTM")}));

        // Drives: the mounted volumes, the root first; choosing one lists its root.
        QCOMPARE(DriveList::volumeRoots().first(), QStringLiteral("/"));
        QCOMPARE(drives->itemText(0), QStringLiteral("/"));
        QVERIFY(pages.path().startsWith(drives->Drive()));
        drives->setCurrentIndex(0);
        emit drives->activated(0);
        QCOMPARE(folders->Path(), QStringLiteral("/"));
        QCOMPARE(files->Path(), QStringLiteral("/"));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void folderRules()
    {
        TestApp app;
        PageFolder pages(app);
        Form1 form(app.context);
        app.shared().EffectKind = Effect::FileScreenOpened;
        Form25 screen(app.context, form.surface(), &form);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *files = screen.findChild<FileList *>(QStringLiteral("File1"));
        auto *folders = screen.findChild<FolderList *>(QStringLiteral("Dir1"));
        auto *path = screen.findChild<QLineEdit *>(QStringLiteral("Text1"));

        clickItem(files, QStringLiteral("B.HTM"));
        QCOMPARE(app.shared().DocumentFolder, pages.path());
        QCOMPARE(path->text(), pages.path() + QStringLiteral("/B.HTM"));

        // Into the subfolder through the folder list.
        const QList<QListWidgetItem *> sub = folders->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
        QCOMPARE(sub.size(), 1);
        folders->setCurrentItem(sub.first());
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(folders->Path(), pages.file(QStringLiteral("sub")));
        QCOMPARE(itemTexts(files), QStringList{QStringLiteral("inner.htm")});
        // Enter opened the folder only, not the page.
        QVERIFY(screen.isVisible());
        // The folder of the last click stands until the next click.
        QCOMPARE(app.shared().DocumentFolder, pages.path());
        clickItem(files, QStringLiteral("inner.htm"));
        QCOMPARE(app.shared().DocumentFolder, pages.file(QStringLiteral("sub")));
        QCOMPARE(path->text(), pages.file(QStringLiteral("sub/inner.htm")));

        // The root is kept without its separator.
        QVERIFY(folders->setPath(QStringLiteral("/")));
        chooseType(screen.findChild<QComboBox *>(QStringLiteral("Combo1")), QStringLiteral("全てのﾌｧｲﾙ"));
        if (files->count() > 0) {
            const QString name = files->item(0)->text();
            clickItem(files, name);
            QCOMPARE(app.shared().DocumentFolder, QString());
            QCOMPARE(path->text(), QStringLiteral("/") + name);
        }

        // Cancel empties the folder; the screen-opened code stays.
        QVERIFY(folders->setPath(pages.path()));
        clickItem(files, QStringLiteral("a.htm"));
        QCOMPARE(app.shared().DocumentFolder, pages.path());
        QTest::mouseClick(screen.findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(screen.result(), int(QDialog::Rejected));
        QVERIFY(!screen.isVisible());
        QCOMPARE(app.shared().DocumentFolder, QString());
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void okAndTypedPath()
    {
        TestApp app;
        PageFolder pages(app);
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(KeptPage));
        Form25 screen(app.context, form.surface(), &form);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *path = screen.findChild<QLineEdit *>(QStringLiteral("Text1"));
        auto *ok = screen.findChild<QPushButton *>(QStringLiteral("Command1"));

        // Nothing chosen.
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ファイルが指定されていません。")});
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("Tovaleaf"));
        QTRY_COMPARE(screen.focusWidget(), path);
        QVERIFY(screen.isVisible());

        // A click, then another path typed: the typed one is loaded, the folder stays.
        clickItem(screen.findChild<FileList *>(QStringLiteral("File1")), QStringLiteral("a.htm"));
        path->setText(pages.file(QStringLiteral("sub/inner.htm")));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QVERIFY(!screen.isVisible());
        QCOMPARE(form.surface()->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>inner</P></BODY></HTML>"));
        QCOMPARE(app.shared().DocumentFolder, pages.path());
        QCOMPARE(app.boxes.shown.size(), 1);
    }

    void throughTheMenu()
    {
        TestApp app;
        PageFolder pages(app);
        Form1 form(app.context);
        app.shared().EffectKind = Effect::Clock;
        app.shared().DocumentFolder = QStringLiteral("/somewhere");
        bool seen = false;
        QTimer::singleShot(0, &form, [&] {
            auto *screen = qobject_cast<Form25 *>(QApplication::activeModalWidget());
            QVERIFY(screen);
            seen = true;
            QCOMPARE(screen->parentWidget(), &form);
            QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
            clickItem(screen->findChild<FileList *>(QStringLiteral("File1")), QStringLiteral("a.htm"));
            QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(seen);
        QCOMPARE(form.surface()->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>a.htm</P></BODY></HTML>"));
        QCOMPARE(app.shared().DocumentFolder, pages.path());
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);

        // Each opening is a fresh screen; Esc ends it as Cancel does.
        app.shared().EffectKind = Effect::NewPage;
        QPointer<Form25> first;
        QTimer::singleShot(0, &form, [&] {
            first = qobject_cast<Form25 *>(QApplication::activeModalWidget());
            QVERIFY(first);
            QCOMPARE(first->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QString());
            QTest::keyClick(first, Qt::Key_Escape);
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(!first);
        QCOMPARE(app.shared().DocumentFolder, QString());
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
        QVERIFY(app.boxes.shown.isEmpty());
    }

    // For the rest of the run the screen opens where it was left, with the file type it showed.
    void remembersItsPlaceForTheRun()
    {
        TestApp app;
        PageFolder pages(app);
        Form1 form(app.context);
        ModalDriver leave([&](QDialog *screen) {
            auto *folders = screen->findChild<FolderList *>(QStringLiteral("Dir1"));
            QVERIFY(folders->setPath(pages.file(QStringLiteral("sub"))));
            chooseType(screen->findChild<QComboBox *>(QStringLiteral("Combo1")), QStringLiteral("XMLﾌｧｲﾙ"));
            screen->reject();
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(leave.ran());
        // The run's folder is another meanwhile: the screen stays where it was left.
        app.context.workingFolder = app.path();
        ModalDriver back([&](QDialog *dialog) {
            auto *screen = static_cast<Form25 *>(dialog);
            QCOMPARE(screen->findChild<FolderList *>(QStringLiteral("Dir1"))->Path(), pages.file(QStringLiteral("sub")));
            QCOMPARE(screen->findChild<FileList *>(QStringLiteral("File1"))->Path(), pages.file(QStringLiteral("sub")));
            QCOMPARE(screen->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("XMLﾌｧｲﾙ"));
            QCOMPARE(screen->FilePattern(), QStringLiteral("*.xml"));
            QCOMPARE(itemTexts(screen->findChild<FileList *>(QStringLiteral("File1"))), QStringList());
            screen->reject();
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(back.ran());

        // A folder that is gone meanwhile: the run's folder again.
        QVERIFY(QDir(pages.file(QStringLiteral("sub"))).removeRecursively());
        ModalDriver gone([&](QDialog *dialog) {
            QCOMPARE(dialog->findChild<FolderList *>(QStringLiteral("Dir1"))->Path(), app.path());
            dialog->reject();
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(gone.ran());

        // A page opened by its typed path leaves the screen in that page's folder.
        QVERIFY(QDir().mkpath(pages.file(QStringLiteral("typed"))));
        writeBytes(pages.file(QStringLiteral("typed/page.htm")), "<html><body><p>typed</p></body></html>");
        ModalDriver typed([&](QDialog *screen) {
            screen->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(pages.file(QStringLiteral("typed/page.htm")));
            screen->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(typed.ran());
        ModalDriver there([&](QDialog *dialog) {
            QCOMPARE(dialog->findChild<FolderList *>(QStringLiteral("Dir1"))->Path(), pages.file(QStringLiteral("typed")));
            dialog->reject();
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(there.ran());
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void pagesThatCannotBeOpened()
    {
        TestApp app;
        PageFolder pages(app);
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(KeptPage));
        Form25 screen(app.context, form.surface(), &form);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *path = screen.findChild<QLineEdit *>(QStringLiteral("Text1"));
        auto *files = screen.findChild<FileList *>(QStringLiteral("File1"));
        auto *folders = screen.findChild<FolderList *>(QStringLiteral("Dir1"));
        auto refused = [&](const QString &file, const QString &reason) {
            app.boxes.shown.clear();
            path->setText(file);
            screen.Command1_Click();
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ファイルを開けませんでした。\n") + reason});
            QCOMPARE(app.boxes.shown[0].icon, MessageBoxes::Icon::Warning);
            QVERIFY(screen.isVisible());
            QCOMPARE(form.surface()->DocumentHTML(), KeptPage);
        };

        const QString binary = pages.file(QStringLiteral("picture.htm"));
        writeBytes(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        refused(binary, QStringLiteral("テキストのページではないため開けません: ") + binary);

        const QString large = pages.file(QStringLiteral("large.htm"));
        writeBytes(large, "<html><body>" + QByteArray(30 * 1024 * 1024, 'x') + "</body></html>");
        refused(large, QStringLiteral("ページが大きすぎるため開けません（16MBまで）: ") + large);

        // Clicked, then gone before OK.
        clickItem(files, QStringLiteral("a.htm"));
        QVERIFY(QFile::remove(pages.file(QStringLiteral("a.htm"))));
        refused(pages.file(QStringLiteral("a.htm")), QStringLiteral("ファイルが見つかりません: ") + pages.file(QStringLiteral("a.htm")));

        refused(pages.file(QStringLiteral("sub")), QStringLiteral("フォルダは開けません: ") + pages.file(QStringLiteral("sub")));

        // A folder without read rights is not entered.
        UnprivilegedFiles::openToAll(pages.path());
        const QString closed = pages.file(QStringLiteral("closed"));
        QVERIFY(QDir().mkdir(closed));
        writeBytes(closed + QStringLiteral("/page.htm"), "<html><body>hidden</body></html>");
        QFile::setPermissions(closed, QFile::ExeOwner);
        QVERIFY(folders->setPath(pages.path()));
        app.boxes.shown.clear();
        {
            UnprivilegedFiles asUser;
            const QList<QListWidgetItem *> item = folders->findItems(QStringLiteral("closed"), Qt::MatchEndsWith);
            QCOMPARE(item.size(), 1);
            folders->setCurrentItem(item.first());
            QTest::keyClick(folders, Qt::Key_Return);
        }
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("フォルダを開けません: ") + closed + QStringLiteral(": 読み取りの権限がありません")});
        QCOMPARE(folders->Path(), pages.path());
        QCOMPARE(files->Path(), pages.path());
        QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // Broken bytes open, with their places marked and the user told.
        const QString broken = pages.file(QStringLiteral("broken.htm"));
        writeBytes(broken, "<html><body><p>a\x81\x20z</p></body></html>");
        app.boxes.shown.clear();
        path->setText(broken);
        screen.Command1_Click();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("文字として読めない部分があったため、「\uFFFD」に置き換えて開きました: ") + broken});
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QCOMPARE(form.surface()->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>a\uFFFD z</P></BODY></HTML>"));

        // A page that holds the replacement character itself is no broken page.
        const QString genuine = pages.file(QStringLiteral("genuine.htm"));
        writeBytes(genuine, QStringLiteral("<html><body><p>\uFFFD</p></body></html>").toUtf8());
        app.boxes.shown.clear();
        path->setText(genuine);
        screen.Command1_Click();
        QVERIFY(app.boxes.shown.isEmpty());
    }
};

TOVALEAF_TEST_MAIN(TestForm25)
#include "tst_form25.moc"
