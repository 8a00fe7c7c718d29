#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "documents/PageOpener.h"
#include "platform/DhtmlEdit.h"
#include "platform/RecoveryCopy.h"
#include "shell/CommandLine.h"
#include "shell/Form1.h"
#include "platform/Module1.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QWebEngineView>

using namespace TestSupport;

namespace {

const QString KeptPage = QStringLiteral("<HTML><HEAD></HEAD><BODY><P>kept</P></BODY></HTML>");

// What the window would open for these arguments, started in folder.
QString pageFor(const QStringList &arguments, const QString &folder, int *status = nullptr, QString *said = nullptr)
{
    QString page = QStringLiteral("<unset>");
    QString text;
    QTextStream err(&text);
    const std::optional<int> result = CommandLine(arguments).pageToOpen(folder, &page, err);
    err.flush();
    if (status)
        *status = result ? *result : -1;
    if (said)
        *said = text;
    return page;
}

// A drag of these addresses onto target, dropped; whether the drop was taken.
bool drop(QWidget *target, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

QString pageBody(DhtmlEdit *surface)
{
    const QString html = surface->DocumentHTML();
    const qsizetype start = html.indexOf(QStringLiteral("<BODY>"));
    return start < 0 ? html : html.mid(start);
}

} // namespace

// A page named on the command line or dropped on the window opens as the
// file screen opens one; --help and --version answer without a window.
class TestOpenFromOutside : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersionWithoutWindow()
    {
        // No display: a window could not even be tried.
        ProgramRun run = runProgramWithoutDisplay({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("使い方: tovaleaf [ページ]\n")), qPrintable(run.out));
        for (const char *option : {"--export-modern ページ 書き出し先フォルダ", "-h, --help", "--version"})
            QVERIFY2(run.out.contains(QString::fromUtf8(option)), option);
        QVERIFY(run.out.contains(QStringLiteral("バージョンを表示します")));
        QVERIFY(run.err.isEmpty());
        QCOMPARE(runProgramWithoutDisplay({QStringLiteral("-h")}).out, run.out);

        run = runProgramWithoutDisplay({QStringLiteral("--version")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Tovaleaf バージョン 1.20\n"));
        run = runProgramWithoutDisplay({QStringLiteral("--version"), QStringLiteral("extra")});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, QStringLiteral("使い方: tovaleaf --version\n"));
    }

    void pageOfTheArguments()
    {
        const QString folder = QStringLiteral("/home/user/site");
        QCOMPARE(pageFor({}, folder), QString());
        // A relative name is the user's folder's, not the program's.
        QCOMPARE(pageFor({QStringLiteral("page.htm")}, folder), QStringLiteral("/home/user/site/page.htm"));
        QCOMPARE(pageFor({QStringLiteral("../other/p.htm")}, folder), QStringLiteral("/home/user/other/p.htm"));
        QCOMPARE(pageFor({QStringLiteral("/tmp/a b.htm")}, folder), QStringLiteral("/tmp/a b.htm"));
        QCOMPARE(pageFor({QStringLiteral("file:///tmp/%E3%81%82.htm")}, folder), QStringLiteral("/tmp/あ.htm"));
        // Options of the toolkit and the engine are theirs; after "--" every name is a page.
        QCOMPARE(pageFor({QStringLiteral("--no-sandbox"), QStringLiteral("p.htm"), QStringLiteral("-reverse")}, folder),
                 QStringLiteral("/home/user/site/p.htm"));
        QCOMPARE(pageFor({QStringLiteral("--"), QStringLiteral("-dash.htm")}, folder), QStringLiteral("/home/user/site/-dash.htm"));

        int status = 0;
        QString said;
        pageFor({QStringLiteral("a.htm"), QStringLiteral("b.htm")}, folder, &status, &said);
        QCOMPARE(status, 2);
        QCOMPARE(said, QStringLiteral("開けるページは一つです: a.htm b.htm\n使い方: tovaleaf [ページ]\n"));
        pageFor({QStringLiteral("a.htm")}, folder, &status, &said);
        QCOMPARE(status, -1);
        QVERIFY(said.isEmpty());
    }

    void openedAsTheFileScreenOpensIt()
    {
        TestApp app;
        QTemporaryDir site;
        const QString page = site.filePath(QStringLiteral("ページ.htm"));
        // Shift_JIS without a declaration, as the pages the file screen opens.
        writeBytes(page, QByteArray("<html><body><p>\x93\xfa\x96\x7b</p></body></html>"));
        Form1 form(app.context);

        QVERIFY(form.openPageFromOutside(page));
        QCOMPARE(pageBody(form.surface()), QStringLiteral("<BODY><P>日本</P></BODY></HTML>"));
        // As if clicked in the screen: the page's folder takes the temporary pages of its commands.
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
        QCOMPARE(app.shared().DocumentFolder, site.path());
        QCOMPARE(form.surface()->recovery().origin(), page);
        QVERIFY(!form.surface()->recovery().isModified());
        QVERIFY(app.boxes.shown.isEmpty());

        // A page that cannot be opened says why, and changes nothing.
        app.shared().EffectKind = Effect::NewPage;
        app.shared().DocumentFolder.clear();
        const QString missing = site.filePath(QStringLiteral("none.htm"));
        QVERIFY(!form.openPageFromOutside(missing));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ファイルを開けませんでした。\nファイルが見つかりません: %1").arg(missing)});
        QCOMPARE(pageBody(form.surface()), QStringLiteral("<BODY><P>日本</P></BODY></HTML>"));
        QCOMPARE(app.shared().EffectKind, Effect::NewPage);
        QCOMPARE(app.shared().DocumentFolder, QString());
    }

    void unsavedPageAsksFirst()
    {
        TestApp app;
        QTemporaryDir site;
        const QString next = site.filePath(QStringLiteral("next.htm"));
        writeBytes(next, "<html><body><p>next</p></body></html>");
        Form1 form(app.context);
        QVERIFY(form.surface()->setDocumentHTML(KeptPage));
        QVERIFY(form.surface()->recovery().isModified());
        auto question = [&] {
            QCOMPARE(app.boxes.shown.size(), 1);
            QCOMPARE(app.boxes.shown.first().text, QStringLiteral("編集中のページは保存されていません。ほかのページを開く前に保存しますか？"));
            QCOMPARE(app.boxes.shown.first().title, QStringLiteral("確認"));
            QCOMPARE(app.boxes.shown.first().buttons, MessageBoxes::Buttons::YesNoCancel);
            app.boxes.shown.clear();
        };

        // Cancel keeps the page.
        app.boxes.answers << MessageBoxes::Answer::Cancel;
        QVERIFY(!form.openPageFromOutside(next));
        question();
        QCOMPARE(form.surface()->DocumentHTML(), KeptPage);

        // Yes with the Save As dialog cancelled: nothing saved, nothing replaced.
        app.boxes.answers << MessageBoxes::Answer::Yes;
        app.dialogs.fileNames << std::nullopt;
        QVERIFY(!form.openPageFromOutside(next));
        question();
        QCOMPARE(form.surface()->DocumentHTML(), KeptPage);

        // Yes and saved: then the other page.
        const QString saved = site.filePath(QStringLiteral("kept.htm"));
        app.boxes.answers << MessageBoxes::Answer::Yes;
        app.dialogs.fileNames << saved;
        QVERIFY(form.openPageFromOutside(next));
        QCOMPARE(app.boxes.texts(), (QStringList{PageOpener::UnsavedQuestion, QStringLiteral("保存しました。")}));
        app.boxes.shown.clear();
        QVERIFY(readBytes(saved).contains("<P>kept</P>"));
        QCOMPARE(pageBody(form.surface()), QStringLiteral("<BODY><P>next</P></BODY></HTML>"));

        // An unchanged page goes without a question; a changed one may be let go with No.
        QVERIFY(form.openPageFromOutside(saved));
        QVERIFY(app.boxes.shown.isEmpty());
        QVERIFY(form.surface()->setDocumentHTML(KeptPage));
        app.boxes.answers << MessageBoxes::Answer::No;
        QVERIFY(form.openPageFromOutside(next));
        question();
        QCOMPARE(pageBody(form.surface()), QStringLiteral("<BODY><P>next</P></BODY></HTML>"));

        // The file screen's way asks the same before the screen comes up.
        QVERIFY(form.surface()->setDocumentHTML(KeptPage));
        app.shared().EffectKind = Effect::Clock;
        app.boxes.answers << MessageBoxes::Answer::Cancel;
        ModalDriver screen([](QDialog *dialog) { dialog->reject(); });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        question();
        QVERIFY(!screen.ran());
        QCOMPARE(app.shared().EffectKind, Effect::Clock);
        app.boxes.answers << MessageBoxes::Answer::No;
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        question();
        QCOMPARE(screen.seen(), QStringLiteral("Form25"));
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
    }

    void droppedOnTheWindow()
    {
        TestApp app;
        QTemporaryDir site;
        const QString first = site.filePath(QStringLiteral("first.htm"));
        const QString second = site.filePath(QStringLiteral("second.html"));
        writeBytes(first, "<html><body><p>first</p></body></html>");
        writeBytes(second, "<html><body><p>second</p></body></html>");
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWebEngineView *view = form.surface()->view();
        QTRY_VERIFY(view->focusProxy());

        // On the page: the engine's own widget and the view around it.
        QVERIFY(drop(view->focusProxy(), {QUrl::fromLocalFile(first)}));
        QTRY_COMPARE(pageBody(form.surface()), QStringLiteral("<BODY><P>first</P></BODY></HTML>"));
        QCOMPARE(app.shared().DocumentFolder, site.path());
        QVERIFY(drop(view, {QUrl::fromLocalFile(second)}));
        QTRY_COMPARE(pageBody(form.surface()), QStringLiteral("<BODY><P>second</P></BODY></HTML>"));
        // Beside the page, on the window.
        QVERIFY(drop(form.findChild<QLabel *>(QStringLiteral("Label1")), {QUrl::fromLocalFile(first)}));
        QTRY_COMPARE(pageBody(form.surface()), QStringLiteral("<BODY><P>first</P></BODY></HTML>"));
        QCOMPARE(form.surface()->recovery().origin(), first);
        QVERIFY(app.boxes.shown.isEmpty());

        // A changed page: the question first; Cancel keeps it.
        QVERIFY(form.surface()->setDocumentHTML(KeptPage));
        app.boxes.answers << MessageBoxes::Answer::Cancel;
        QVERIFY(drop(view->focusProxy(), {QUrl::fromLocalFile(second)}));
        QTRY_COMPARE(app.boxes.texts(), QStringList{PageOpener::UnsavedQuestion});
        QCOMPARE(form.surface()->DocumentHTML(), KeptPage);
        app.boxes.shown.clear();

        // Two files at once: which one is meant is not guessed.
        QVERIFY(drop(view, {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
        QTRY_COMPARE(app.boxes.texts(), QStringList{QStringLiteral("開けるページは一度に一つです。ページのファイルを一つだけドロップしてください。")});
        QCOMPARE(form.surface()->DocumentHTML(), KeptPage);
        app.boxes.shown.clear();

        // An address on the web is not ours to open.
        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.com/page.htm"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &web, Qt::LeftButton, {});
        QApplication::sendEvent(&form, &enter);
        QVERIFY(!enter.isAccepted());
    }
};

TOVALEAF_TEST_MAIN(TestOpenFromOutside)
#include "tst_openfromoutside.moc"
