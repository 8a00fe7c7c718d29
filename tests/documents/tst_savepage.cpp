#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "UnprivilegedFiles.h"
#include "commands/MenuBar.h"
#include "documents/ModernExport.h"
#include "documents/PageSaver.h"
#include "documents/PageText.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"
#include "shell/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

using namespace TestSupport;

namespace {

const QByteArray JapaneseCp932 = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x79\x81\x5B\x83\x57"; // 日本語のページ
const QString OldFileText = QStringLiteral("old page, kept whole");

QString pageWithTwoDeclarations()
{
    const QString tag = PageText::UnicodeMetaTag;
    return QStringLiteral("<html><head>") + tag + tag
        + QStringLiteral("<meta content=\"text/html; charset=Unicode\" http-equiv=Content-Type></head>"
                         "<body><p>日本語のページ😀</p></body></html>");
}

} // namespace

// Saving the page through the Save As dialog, the new-page question and the
// browser preview file.
class TestSavePage : public QObject
{
    Q_OBJECT

private slots:
    void declarationRemoval()
    {
        const QString tag = PageText::UnicodeMetaTag;
        QCOMPARE(tag, QStringLiteral("<META content=\"text/html; charset=unicode\" http-equiv=Content-Type>"));
        QCOMPARE(PageText::withoutUnicodeMetaTag(QStringLiteral("a") + tag + QStringLiteral("b") + tag), QStringLiteral("ab"));
        const QString others = QStringLiteral("<meta content=\"text/html; charset=unicode\" http-equiv=Content-Type>"
                                              "<META content=\"text/html;  charset=unicode\" http-equiv=Content-Type>"
                                              "<META content=\"text/html; charset=shift_jis\" http-equiv=Content-Type>");
        QCOMPARE(PageText::withoutUnicodeMetaTag(others), others);
    }

    void savedBytes()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(pageWithTwoDeclarations()));
        const QString target = app.file(QStringLiteral("saved.htm"));
        app.dialogs.fileNames << target;
        form.menus().item(QStringLiteral("file_save"))->trigger();

        const QString expected = QStringLiteral("<HTML><HEAD><META content=\"text/html; charset=Unicode\" http-equiv=Content-Type>"
                                                "</HEAD><BODY><P>日本語のページ😀</P></BODY></HTML>");
        QCOMPARE(form.richTextBox(1)->text(), expected);
        QCOMPARE(readBytes(target), QByteArray("<HTML><HEAD><META content=\"text/html; charset=Unicode\" http-equiv=Content-Type>"
                                               "</HEAD><BODY><P>")
                                        + JapaneseCp932 + QByteArray("&#128512;</P></BODY></HTML>\r\n"));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("保存しました。")});
        QCOMPARE(app.boxes.shown.first().title, QStringLiteral("Tovaleaf"));
        QCOMPARE(form.commonDialog()->Flags, 0x1804);
        QCOMPARE(form.commonDialog()->Filter,
                 QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html|全てのファイル(*.*)|*.*"));
        QCOMPARE(app.dialogs.filtersSeen, QStringList{QStringLiteral("HTMファイル(*.htm);;HTMLファイル(*.html);;全てのファイル(*.*)")});
        // In the file dialog: each type once, as written, and each lists the files of its pattern.
        QFileDialog saveAs(nullptr, QString(), app.path(), app.dialogs.filtersSeen.first());
        saveAs.setOption(QFileDialog::DontUseNativeDialog);
        auto *types = saveAs.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QStringList shown;
        for (int i = 0; i < types->count(); ++i)
            shown << types->itemText(i);
        QCOMPARE(shown, (QStringList{QStringLiteral("HTMファイル(*.htm)"), QStringLiteral("HTMLファイル(*.html)"), QStringLiteral("全てのファイル(*.*)")}));
        writeBytes(app.file(QStringLiteral("other.html")), "x");
        auto *list = saveAs.findChild<QListView *>(QStringLiteral("listView"));
        auto listed = [&] {
            QStringList names;
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
                const QModelIndex index = list->model()->index(row, 0, list->rootIndex());
                if (!list->isRowHidden(row))
                    names << index.data().toString();
            }
            return names;
        };
        saveAs.selectNameFilter(shown[1]);
        QTRY_VERIFY(listed().contains(QStringLiteral("other.html")));
        QVERIFY(!listed().contains(QStringLiteral("saved.htm")));
        saveAs.selectNameFilter(shown[0]);
        QTRY_VERIFY(listed().contains(QStringLiteral("saved.htm")));
        QVERIFY(!listed().contains(QStringLiteral("other.html")));
        // The name is used as chosen: no extension added.
        const QString bare = app.file(QStringLiteral("noextension"));
        app.dialogs.fileNames << bare;
        form.SavePage();
        QVERIFY(QFileInfo(bare).isFile());
        QVERIFY(!QFileInfo(bare + QStringLiteral(".htm")).exists());
        QCOMPARE(app.dialogs.currentNamesSeen.last(), target);
    }

    // Save As starts at the page's own file, as opened or last saved, with its name; a page that never
    // had one starts where the file screen was left.
    void saveAsStartsAtThePage()
    {
        TestApp app;
        QTemporaryDir elsewhere;
        const QString opened = elsewhere.filePath(QStringLiteral("opened.htm"));
        writeBytes(opened, "<html><body><img src=pic.gif><p>mine</p></body></html>");
        app.context.workingFolder = elsewhere.path();
        Form1 form(app.context);
        ModalDriver open([&](QDialog *screen) {
            screen->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(opened);
            screen->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(open.ran());
        // Another picker leaves its name in the shared dialog meanwhile, and the run works elsewhere.
        form.commonDialog()->FileName = app.file(QStringLiteral("picture.gif"));
        app.context.workingFolder = app.path();
        app.dialogs.fileNames << std::nullopt;
        form.SavePage();
        QCOMPARE(app.dialogs.currentNamesSeen, QStringList{opened});

        // Saved under another name: that is where the next Save As starts.
        const QString renamed = elsewhere.filePath(QStringLiteral("renamed.htm"));
        app.dialogs.fileNames << renamed << std::nullopt;
        form.SavePage();
        form.SavePage();
        QCOMPARE(app.dialogs.currentNamesSeen.mid(1), (QStringList{opened, renamed}));

        // A new page: the folder the file screen was left in, no name.
        app.boxes.answers << MessageBoxes::Answer::No;
        form.NewPage();
        form.commonDialog()->FileName.clear();
        app.dialogs.fileNames << std::nullopt;
        form.SavePage();
        QCOMPARE(app.dialogs.currentNamesSeen.last(), elsewhere.path() + QLatin1Char('/'));
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("保存しました。"), QStringLiteral("新規作成を実行します。ファイルの保存をしますか？")}));
    }

    void declaredCharsets()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><head><meta charset=\"euc-jp\"></head><body><p>日本</p></body></html>")));
        app.dialogs.fileNames << app.file(QStringLiteral("euc.htm"));
        form.SavePage();
        QCOMPARE(readBytes(app.file(QStringLiteral("euc.htm"))),
                 QByteArray("<HTML><HEAD><META charset=euc-jp></HEAD><BODY><P>\xC6\xFC\xCB\xDC</P></BODY></HTML>\r\n"));

        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><head><meta http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head><body><p>日本</p></body></html>")));
        app.dialogs.fileNames << app.file(QStringLiteral("utf8.htm"));
        form.SavePage();
        QCOMPARE(readBytes(app.file(QStringLiteral("utf8.htm"))),
                 QByteArray("<HTML><HEAD><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></HEAD><BODY><P>")
                     + QStringLiteral("日本").toUtf8() + QByteArray("</P></BODY></HTML>\r\n"));

        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><head><meta charset=shift_jis></head><body><p>日本</p></body></html>")));
        app.dialogs.fileNames << app.file(QStringLiteral("sjis.htm"));
        form.SavePage();
        QCOMPARE(readBytes(app.file(QStringLiteral("sjis.htm"))),
                 QByteArray("<HTML><HEAD><META charset=shift_jis></HEAD><BODY><P>\x93\xFA\x96\x7B</P></BODY></HTML>\r\n"));
        QCOMPARE(app.boxes.texts(), QStringList(3, QStringLiteral("保存しました。")));
    }

    void overwriteQuestion()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>new</p></body></html>")));
        const QString target = app.file(QStringLiteral("page.htm"));
        writeBytes(target, OldFileText.toUtf8());

        app.dialogs.fileNames << target;
        app.boxes.answers << MessageBoxes::Answer::Cancel;
        form.SavePage();
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("同名ファイルがあります、上書きしますか？"));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::OkCancel);
        QCOMPARE(readBytes(target), OldFileText.toUtf8());

        app.dialogs.fileNames << target;
        app.boxes.answers << MessageBoxes::Answer::Ok;
        form.SavePage();
        QCOMPARE(app.boxes.texts().mid(1), (QStringList{QStringLiteral("同名ファイルがあります、上書きしますか？"), QStringLiteral("上書き保存しました。")}));
        QCOMPARE(readBytes(target), QByteArray("<HTML><HEAD></HEAD><BODY><P>new</P></BODY></HTML>\r\n"));
    }

    void cancelledDialogWritesNothing()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>new</p></body></html>")));
        // A name another dialog left in the shared dialog.
        const QString leftOver = app.file(QStringLiteral("picture.htm"));
        writeBytes(leftOver, OldFileText.toUtf8());
        form.commonDialog()->FileName = leftOver;
        PageSaver saver(app.context, form.surface(), form.richTextBox(1), form.commonDialog());
        QCOMPARE(saver.SavePage(), PageSaver::Outcome::NotSaved);
        QVERIFY(app.boxes.shown.isEmpty());
        QCOMPARE(readBytes(leftOver), OldFileText.toUtf8());
        QCOMPARE(app.dialogs.currentNamesSeen, QStringList{leftOver});
    }

    void failedSaveKeepsOldFile()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>new</p></body></html>")));
        UnprivilegedFiles::openToAll(app.path());
        const QString locked = app.file(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        const QString target = locked + QStringLiteral("/page.htm");
        writeBytes(target, OldFileText.toUtf8());
        UnprivilegedFiles::readOnly(locked);
        PageSaver saver(app.context, form.surface(), form.richTextBox(1), form.commonDialog());
        {
            UnprivilegedFiles asUser;
            app.dialogs.fileNames << target;
            app.boxes.answers << MessageBoxes::Answer::Ok;
            QCOMPARE(saver.SavePage(), PageSaver::Outcome::NotSaved);
            app.dialogs.fileNames << locked + QStringLiteral("/other.htm");
            QCOMPARE(saver.SavePage(), PageSaver::Outcome::NotSaved);
        }
        QCOMPARE(app.boxes.shown.size(), 3);
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("同名ファイルがあります、上書きしますか？"));
        for (int i : {1, 2}) {
            const QString name = i == 1 ? target : locked + QStringLiteral("/other.htm");
            QVERIFY2(app.boxes.shown[i].text.startsWith(QStringLiteral("ファイルを保存できませんでした。\n") + name + QStringLiteral(": ")),
                     qPrintable(app.boxes.shown[i].text));
            // A reason follows the name.
            QVERIFY(app.boxes.shown[i].text.size() > (QStringLiteral("ファイルを保存できませんでした。\n") + name + QStringLiteral(": ")).size());
            QCOMPARE(app.boxes.shown[i].icon, MessageBoxes::Icon::Warning);
        }
        QCOMPARE(readBytes(target), OldFileText.toUtf8());
        QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.htm")});
        UnprivilegedFiles::openToAll(locked);
    }

    void newPageQuestion()
    {
        TestApp app;
        Form1 form(app.context);
        auto *sample = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        QAction *newPage = form.menus().item(QStringLiteral("new_page"));
        const QString page = QStringLiteral("<html><body><p>keep me</p></body></html>");
        const QString shown = QStringLiteral("<HTML><HEAD></HEAD><BODY><P>keep me</P></BODY></HTML>");
        QVERIFY(form.surface()->setDocumentHTML(page));
        app.shared().EffectKind = Effect::Clock;

        // Cancel: nothing changes, yet the sample button is enabled again.
        sample->setEnabled(false);
        app.boxes.answers << MessageBoxes::Answer::Cancel;
        newPage->trigger();
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("新規作成を実行します。ファイルの保存をしますか？"));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::YesNoCancel);
        QVERIFY(sample->isEnabled());
        QCOMPARE(form.surface()->DocumentHTML(), shown);
        QCOMPARE(app.shared().EffectKind, Effect::Clock);

        // Yes: saved, and the page stays.
        const QString target = app.file(QStringLiteral("before-new.htm"));
        app.dialogs.fileNames << target;
        app.boxes.answers << MessageBoxes::Answer::Yes;
        newPage->trigger();
        QCOMPARE(app.boxes.texts().mid(1), (QStringList{QStringLiteral("新規作成を実行します。ファイルの保存をしますか？"), QStringLiteral("保存しました。")}));
        QCOMPARE(readBytes(target), (shown + QStringLiteral("\r\n")).toLatin1());
        QCOMPARE(form.surface()->DocumentHTML(), shown);
        QCOMPARE(app.shared().EffectKind, Effect::Clock);

        // No: cleared without saving.
        app.boxes.answers << MessageBoxes::Answer::No;
        newPage->trigger();
        QCOMPARE(app.boxes.shown.size(), 4);
        QCOMPARE(app.dialogs.currentNamesSeen.size(), 1);
        QCOMPARE(form.surface()->DocumentHTML(), QString());
        QCOMPARE(app.shared().EffectKind, Effect::NewPage);

        // An empty page is reset without a question.
        app.shared().EffectKind = Effect::Clock;
        newPage->trigger();
        QCOMPARE(app.boxes.shown.size(), 4);
        QCOMPARE(app.shared().EffectKind, Effect::NewPage);
    }

    void previewFile()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(pageWithTwoDeclarations()));
        form.menus().item(QStringLiteral("go_ie40"))->trigger();
        const QString preview = app.file(QStringLiteral("MivoTemp.htm"));
        QCOMPARE(app.shell.opened, QStringList{preview});
        // As written for today's browsers: the runtime's one script element at the head's start, the runtime beside
        // the page; the charset the program writes declared ahead of the one a browser would take it to say.
        QCOMPARE(readBytes(preview), QByteArray("<HTML><HEAD><meta charset=\"shift_jis\"><script src=\"tovaleaf-runtime.js\"></script>"
                                                "<META content=\"text/html; charset=Unicode\" http-equiv=Content-Type></HEAD><BODY><P>")
                                         + JapaneseCp932 + QByteArray("&#128512;</P></BODY></HTML>\r\n"));
        QCOMPARE(readBytes(app.file(QStringLiteral("tovaleaf-runtime.js"))), ModernExport::runtime());
        QVERIFY(!form.richTextBox(1)->text().contains(PageText::UnicodeMetaTag));
        QVERIFY(app.boxes.shown.isEmpty());

        // No program for the file: said, with the file's name.
        app.shell.result = false;
        form.PreviewInBrowser();
        QCOMPARE(app.shell.opened.size(), 2);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("デスクトップのプログラムで開けませんでした: ") + preview
                                            + QStringLiteral("\nこのファイルを開くためのプログラムが見つかりません。")});
        QCOMPARE(app.boxes.shown[0].icon, MessageBoxes::Icon::Warning);
        app.boxes.shown.clear();

        // A preview file that cannot be written: said, and no browser.
        QVERIFY(QFile::remove(preview));
        QVERIFY(QDir().mkdir(preview));
        form.PreviewInBrowser();
        QCOMPARE(app.shell.opened.size(), 2);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY2(app.boxes.shown[0].text.startsWith(QStringLiteral("ブラウザ用の一時ページを書き込めません。\n") + preview + QStringLiteral(": ")),
                 qPrintable(app.boxes.shown[0].text));
    }
};

TOVALEAF_TEST_MAIN(TestSavePage)
#include "tst_savepage.moc"
