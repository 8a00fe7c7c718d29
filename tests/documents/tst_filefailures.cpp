#include "support/TestSupport.h"

#include "UnprivilegedFiles.h"
#include "commands/Form8.h"
#include "commands/MenuBar.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"
#include "platform/WebBrowser.h"
#include "shell/Form1.h"

#include <QAction>
#include <QDir>
#include <QWebEngineView>

#include <memory>
#include <optional>

using namespace TestSupport;

namespace {

const QString FullDisk = QStringLiteral("/dev/full");

QString pageText(QWebEngineView *view)
{
    // Shared: an answer that comes after the wait gave up must not write to a gone frame.
    auto answer = std::make_shared<std::optional<QString>>();
    view->page()->runJavaScript(QStringLiteral("document.body ? document.body.innerText : ''"),
                                [answer](const QVariant &v) { *answer = v.toString(); });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, 20000))
        return QStringLiteral("<no answer>");
    return **answer;
}

} // namespace

// Every failure to read or write a file is told in Japanese with the file's
// name and the system's own reason.
class TestFileFailures : public QObject
{
    Q_OBJECT

private slots:
    // /dev/full answers every write with "no space left", as a full disk
    // does; a mount of a small file system would need root.
    void fullDisk()
    {
        if (!QFileInfo(FullDisk).exists())
            QSKIP("no /dev/full on this system");
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>page</p></body></html>")));

        app.dialogs.fileNames << FullDisk;
        app.boxes.answers << MessageBoxes::Answer::Ok;
        form.SavePage();
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("同名ファイルがあります、上書きしますか？"),
                                             QStringLiteral("ファイルを保存できませんでした。\n/dev/full: ディスクの空き容量が足りません")}));
        QVERIFY(QFileInfo(FullDisk).exists() && !QFileInfo(FullDisk).isFile());

        // Temporary pages on a full disk: the preview opens nothing, an insertion is taken back.
        app.boxes.shown.clear();
        const QString preview = app.file(QStringLiteral("MivoTemp.htm"));
        QVERIFY(QFile::link(FullDisk, preview));
        form.PreviewInBrowser();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウザ用の一時ページを書き込めません。\n") + preview
                                            + QStringLiteral(": ディスクの空き容量が足りません")});
        QVERIFY(app.shell.opened.isEmpty());

        app.boxes.shown.clear();
        const QString scriptTemp = app.file(QStringLiteral("scriptTemp.htm"));
        QVERIFY(QFile::link(FullDisk, scriptTemp));
        selectText(form.surface(), QStringLiteral("page"), 0);
        app.shared().SnippetHtml = QStringLiteral("<B>x</B>");
        form.mivo_go();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("一時ページに書き込めません: ") + scriptTemp
                                            + QStringLiteral(": ディスクの空き容量が足りません")});
        QCOMPARE(form.surface()->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>page</P></BODY></HTML>"));
    }

    void permissions()
    {
        TestApp app;
        Form1 form(app.context);
        DhtmlEdit *surface = form.surface();
        QVERIFY(surface->setDocumentHTML(QStringLiteral("<html><body><p>kept</p></body></html>")));
        UnprivilegedFiles::openToAll(app.path());

        const QString secret = app.file(QStringLiteral("secret.htm"));
        writeBytes(secret, "<html><body>secret</body></html>");
        QVERIFY(QFile::setPermissions(secret, QFile::ReadOwner | QFile::WriteOwner));
        const QString closed = app.file(QStringLiteral("closed"));
        QVERIFY(QDir().mkdir(closed));
        writeBytes(closed + QStringLiteral("/page.htm"), "<html><body>inside</body></html>");
        QVERIFY(QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString locked = app.file(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        UnprivilegedFiles::readOnly(locked);
        const QString readOnlyFile = app.file(QStringLiteral("readonly.htm"));
        writeBytes(readOnlyFile, "old");
        QVERIFY(QFile::setPermissions(readOnlyFile, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(QFile::setPermissions(app.file(QStringLiteral("tvl.txt")), QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(app.file(QStringLiteral("shadow.vs")), QFile::ReadOwner));
        {
            UnprivilegedFiles asUser;
            // Not readable: said so, not "not found".
            QVERIFY(!surface->LoadDocument(secret));
            QCOMPARE(surface->lastError(), QStringLiteral("ファイルを読み込めません: %1: 読み取りの権限がありません").arg(secret));
            QVERIFY(!surface->LoadDocument(closed + QStringLiteral("/page.htm")));
            QCOMPARE(surface->lastError(),
                     QStringLiteral("ファイルを読み込めません: %1/page.htm: 読み取りの権限がありません").arg(closed));
            QVERIFY(!surface->LoadDocument(app.file(QStringLiteral("gone.htm"))));
            QCOMPARE(surface->lastError(), QStringLiteral("ファイルが見つかりません: %1").arg(app.file(QStringLiteral("gone.htm"))));

            app.dialogs.fileNames << locked + QStringLiteral("/new.htm");
            form.SavePage();
            app.dialogs.fileNames << readOnlyFile;
            app.boxes.answers << MessageBoxes::Answer::Ok;
            form.SavePage();
            form.menus().item(QStringLiteral("otasuke"))->trigger();
            app.shared().EffectKind = Effect::ShadowText;
            app.shared().SnippetHtml = QString();
            form.harituke();
        }
        QCOMPARE(app.boxes.texts(), (QStringList{
                                    QStringLiteral("ファイルを保存できませんでした。\n%1/new.htm: 書き込みの権限がありません").arg(locked),
                                    QStringLiteral("同名ファイルがあります、上書きしますか？"),
                                    QStringLiteral("ファイルを保存できませんでした。\n%1: 書き込みの権限がありません").arg(readOnlyFile),
                                    QStringLiteral("ヘルプのファイルを開けません: %1: 読み取りの権限がありません").arg(app.file(QStringLiteral("tvl.txt"))),
                                    QStringLiteral("スクリプトのテンプレートを読み込めません: %1: 読み取りの権限がありません")
                                        .arg(app.file(QStringLiteral("shadow.vs"))),
                                }));
        QVERIFY(app.shell.opened.isEmpty());
        QCOMPARE(readBytes(readOnlyFile), QByteArray("old"));
        QCOMPARE(surface->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>kept</P></BODY></HTML>"));
        UnprivilegedFiles::openToAll(locked);
        QFile::setPermissions(closed, QFileDevice::Permissions(0x7700));
    }

    // The palette pane tells of a missing or unreadable palette page in Japanese.
    void missingPalettePage()
    {
        TestApp app;
        const QString palette = app.file(QStringLiteral("color.htm"));
        QVERIFY(QFile::remove(palette));

        WebBrowser browser(app.context.pages, QStringLiteral("WebBrowser1"));
        browser.Navigate(palette);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(browser.view()).contains(QStringLiteral("ページを表示できません。")), 20000);
        QVERIFY(pageText(browser.view()).contains(palette + QStringLiteral(": ファイルが見つかりません")));

        writeBytes(palette, "<html><body>colours</body></html>");
        QVERIFY(QFile::setPermissions(palette, QFile::ReadOwner));
        UnprivilegedFiles::openToAll(app.path());
        {
            UnprivilegedFiles asUser;
            browser.Navigate(palette);
        }
        QTRY_VERIFY_WITH_TIMEOUT(pageText(browser.view()).contains(palette + QStringLiteral(": 読み取りの権限がありません")), 20000);

        // In a dialog: the note in the pane, and the colour field works.
        QVERIFY(QFile::remove(palette));
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>x</p></body></html>")));
        form.menus().item(QStringLiteral("haikei_iro"))->trigger();
        Form8 *dialog = Form8::current();
        QVERIFY(dialog);
        auto *pane = dialog->findChild<WebBrowser *>(QStringLiteral("WebBrowser1"));
        QVERIFY(pane);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(pane->view()).contains(palette + QStringLiteral(": ファイルが見つかりません")), 20000);
        QVERIFY(!pageText(pane->view()).contains(QStringLiteral("ERR_")));
        dialog->close();
        QVERIFY(app.boxes.shown.isEmpty());
    }
};

TOVALEAF_TEST_MAIN(TestFileFailures)
#include "tst_filefailures.moc"
