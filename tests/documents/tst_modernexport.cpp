#include "support/TestSupport.h"

#include "UnprivilegedFiles.h"
#include "commands/MenuBar.h"
#include "documents/ModernExport.h"
#include "documents/ModernExportCommand.h"
#include "documents/PageText.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "platform/RunTimeScripts.h"
#include "shell/CommandLine.h"
#include "shell/Form1.h"

#include <QAction>
#include <QMenu>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <unistd.h>

using namespace TestSupport;

// The export for today's browsers: the files it writes and their bytes, the
// command line's answers, the menu item.
class TestModernExport : public QObject
{
    Q_OBJECT

private:
    static const QByteArray &element()
    {
        static const QByteArray e = "<script src=\"tovaleaf-runtime.js\"></script>";
        return e;
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeBytes(path, bytes);
    }
    static QStringList sorted(QStringList list)
    {
        list.sort();
        return list;
    }
    // A site: a page in CP932 with its VBScript, handler and filter, and the files it names.
    static void writeSite(const QString &root)
    {
        const QString page = QStringLiteral(
            "<HTML lang=ja>\r\n<HEAD>\r\n<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n<TITLE>私のページ</TITLE>\r\n"
            "<LINK rel=stylesheet href=\"style.css\">\r\n</HEAD>\r\n<BODY background='back.gif'>\r\n"
            "<DIV ID=MIVO7 STYLE=\"width:100%;Filter:Shadow(Color=red,Direction=45)\">影の文字</DIV>\r\n"
            "<IMG SRC=\"img/a%20b.gif\"><IMG src=img\\win.gif><IMG SRC=\"missing.gif\"><IMG SRC=\"../outside.gif\">\r\n"
            "<IMG SRC=\"/abs/x.gif\"><IMG SRC=\"C:\\pics\\y.gif\"><IMG SRC=\"http://example.com/z.gif\">\r\n"
            "<A HREF=\"sub/more.htm#top\">次</A><A HREF=\"mailto:a@example.com\">手紙</A><A HREF=\"#here\">ここ</A>\r\n"
            "<INPUT TYPE='button' VALUE='Reload'LANGUAGE='VBScript' onclick='window_onload()'>\r\n"
            "<SCRIPT TYPE =text/vbscript>Sub window_onload()\r\n  document.all(\"pic\").src = \"pic2.gif\"\r\nEnd Sub\r\n</SCRIPT>\r\n"
            "</BODY>\r\n</HTML>\r\n");
        write(root + QStringLiteral("/page.htm"), PageEncoding::encode(page, PageEncoding::Cp932));
        write(root + QStringLiteral("/img/a b.gif"), "GIF89a-a");
        write(root + QStringLiteral("/img/win.gif"), "GIF89a-win");
        write(root + QStringLiteral("/back.gif"), "GIF89a-back");
        write(root + QStringLiteral("/pic2.gif"), "GIF89a-pic2");
        write(root + QStringLiteral("/style.css"), "body { background: url(\"bg.png\") }\n");
        write(root + QStringLiteral("/bg.png"), "PNG-bg");
        write(root + QStringLiteral("/sub/more.htm"),
              "<html><head><title>more</title></head><body><a href=\"../page.htm\">back</a><img src=\"../img/win.gif\"><img src=\"deep.gif\"></body></html>");
        write(root + QStringLiteral("/sub/deep.gif"), "GIF89a-deep");
        write(QFileInfo(root).absolutePath() + QStringLiteral("/outside.gif"), "GIF89a-outside");
    }
    // The program itself as a user runs it from a shell. asNobody: as a user without our rights,
    // from an installation in top (the build's own folder may be closed to other users).
    static ProgramRun program(const QStringList &arguments, const QString &asNobodyFrom = {})
    {
        if (asNobodyFrom.isEmpty() || ::geteuid() != 0)
            return runProgramWithoutDisplay(arguments);
        const QString prefix = asNobodyFrom + QStringLiteral("/prefix");
        const QString installError = installBuild(prefix);
        if (!installError.isEmpty())
            return {-3, {}, installError};
        return runProgramWithoutDisplay(
            arguments,
            [] {
                if (::setgid(UnprivilegedFiles::Nobody) != 0 || ::setuid(UnprivilegedFiles::Nobody) != 0)
                    ::_exit(99);
            },
            prefix + QStringLiteral("/bin/tovaleaf"));
    }

private slots:
    void pageRuntimeAndNamedFiles()
    {
        QTemporaryDir top;
        const QString site = top.filePath(QStringLiteral("site"));
        const QString out = top.filePath(QStringLiteral("out"));
        writeSite(site);
        const QByteArray source = readBytes(site + QStringLiteral("/page.htm"));

        const ModernExport::Result result = ModernExport::exportFile(site + QStringLiteral("/page.htm"), out);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.pagePath, QFileInfo(out).canonicalFilePath() + QStringLiteral("/page.htm"));

        // The page's own bytes, one element added at the head's start, after its charset declaration.
        const QByteArray written = readBytes(out + QStringLiteral("/page.htm"));
        QCOMPARE(written.count(element()), 1);
        QByteArray back = written;
        QCOMPARE(back.replace(element(), QByteArray()), source);
        QVERIFY(written.contains("charset=Shift_JIS\">\r\n" + element() + "<TITLE>"));
        QCOMPARE(PageEncoding::detect(written), PageEncoding::Cp932);
        // One runtime file, plain ASCII whatever the page's charset.
        const QByteArray runtime = readBytes(out + QStringLiteral("/tovaleaf-runtime.js"));
        QCOMPARE(runtime, ModernExport::runtime());
        QVERIFY(runtime.size() > 50000);
        QVERIFY(std::all_of(runtime.begin(), runtime.end(), [](char c) { return uchar(c) < 0x80; }));

        // What the page names by relative path, in attributes, style sheets and script strings, copied as it is;
        // a page it names gets the runtime from its own folder.
        QCOMPARE(sorted(result.copied), sorted({QStringLiteral("style.css"), QStringLiteral("back.gif"), QStringLiteral("img/a b.gif"),
                                                QStringLiteral("img/win.gif"), QStringLiteral("sub/more.htm"), QStringLiteral("pic2.gif"),
                                                QStringLiteral("bg.png"), QStringLiteral("sub/deep.gif")}));
        for (const QString &name : {QStringLiteral("style.css"), QStringLiteral("back.gif"), QStringLiteral("img/a b.gif"), QStringLiteral("img/win.gif"),
                                    QStringLiteral("pic2.gif"), QStringLiteral("bg.png"), QStringLiteral("sub/deep.gif")})
            QCOMPARE(readBytes(out + QLatin1Char('/') + name), readBytes(site + QLatin1Char('/') + name));
        QCOMPARE(readBytes(out + QStringLiteral("/sub/more.htm")),
                 QByteArray("<html><head><script src=\"../tovaleaf-runtime.js\"></script><title>more</title></head><body><a href=\"../page.htm\">back</a>"
                            "<img src=\"../img/win.gif\"><img src=\"deep.gif\"></body></html>"));
        QCOMPARE(result.missing, QStringList{QStringLiteral("missing.gif")});
        // Outside the page's folder: named as they are, and nothing is read from or written there.
        QCOMPARE(sorted(result.outside), sorted({QStringLiteral("../outside.gif"), QStringLiteral("/abs/x.gif"), QStringLiteral("C:\\pics\\y.gif")}));
        QCOMPARE(sorted(QDir(out).entryList(QDir::Files)), sorted({QStringLiteral("page.htm"), QStringLiteral("tovaleaf-runtime.js"), QStringLiteral("style.css"),
                                                                  QStringLiteral("back.gif"), QStringLiteral("pic2.gif"), QStringLiteral("bg.png")}));

        // The source is as it was; the written page opens in the program as the source does.
        QCOMPARE(readBytes(site + QStringLiteral("/page.htm")), source);
        QCOMPARE(QString(PageEncoding::decodeDetected(written)).remove(QString::fromLatin1(element())), PageEncoding::decodeDetected(source));

        // Exported again, from the export: still one element; into its own folder: refused, nothing touched.
        const ModernExport::Result again = ModernExport::exportFile(out + QStringLiteral("/page.htm"), top.filePath(QStringLiteral("again")));
        QVERIFY(again.ok);
        QCOMPARE(readBytes(top.filePath(QStringLiteral("again/page.htm"))), written);
        const ModernExport::Result onto = ModernExport::exportFile(site + QStringLiteral("/page.htm"), site + QStringLiteral("/."));
        QVERIFY(!onto.ok);
        QCOMPARE(onto.error, QStringLiteral("書き出し先が元のページと同じフォルダです。別のフォルダを選んでください。"));
        QCOMPARE(readBytes(site + QStringLiteral("/page.htm")), source);
        QVERIFY(!QFileInfo::exists(site + QStringLiteral("/tovaleaf-runtime.js")));
    }

    void whereTheElementGoesInEachCharset()
    {
        const auto with = [](const QByteArray &page) { return ModernExport::withRuntime(page); };
        // UTF-8, declared: the element in the page's bytes as they are.
        QCOMPARE(with("<!DOCTYPE html>\n<!-- <head> in a comment -->\n<html><head><meta charset=\"utf-8\"><title>\xE3\x81\x82</title></head></html>"),
                 "<!DOCTYPE html>\n<!-- <head> in a comment -->\n<html><head><meta charset=\"utf-8\">" + element() + "<title>\xE3\x81\x82</title></head></html>");
        // No head, no html: at the start, where the browser opens the head itself.
        QCOMPARE(with("<p>plain</p>"), element() + "<p>plain</p>");
        // A quoted '>' inside a tag is no end of it.
        QCOMPARE(with("<html lang=\"a>b\"><body></body></html>"), "<html lang=\"a>b\">" + element() + "<body></body></html>");
        // Undeclared CP932: the charset said first, before a declaration the browser would misread.
        const QByteArray sjis = PageEncoding::encode(QStringLiteral("<HTML><HEAD><META content=\"text/html; charset=Unicode\" http-equiv=Content-Type>"
                                                                    "</HEAD><BODY>日本語</BODY></HTML>"),
                                                     PageEncoding::Cp932);
        QCOMPARE(ModernExport::declarationNeeded(sjis), QStringLiteral("shift_jis"));
        QCOMPARE(with(sjis), QByteArray(sjis).insert(12, "<meta charset=\"shift_jis\">" + element()));
        // Undeclared UTF-8 says so too; ASCII alone needs no declaration.
        QCOMPARE(ModernExport::declarationNeeded("<html><body>\xE3\x81\x82</body></html>"), QStringLiteral("utf-8"));
        QCOMPARE(with("<html><body>abc</body></html>"), "<html>" + element() + "<body>abc</body></html>");
        // UTF-16 with its byte-order mark: the element in UTF-16 at the same place.
        const QString text = QStringLiteral("<html><head><title>ページ</title></head></html>");
        for (const QByteArray &charset : {QByteArray("UTF-16LE"), QByteArray("UTF-16BE")}) {
            const QByteArray bom = charset == "UTF-16LE" ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
            const QByteArray page = bom + PageEncoding::encode(text, charset);
            QCOMPARE(with(page), bom + PageEncoding::encode(QString(text).insert(12, QString::fromLatin1(element())), charset));
            QVERIFY(ModernExport::loadsRuntime(with(page)));
        }
        // A page that loads the runtime already stays as it is.
        const QByteArray loaded = "<html><head><SCRIPT SRC='tovaleaf-runtime.js'></SCRIPT></head></html>";
        QCOMPARE(with(loaded), loaded);
        // What counts as a page.
        QVERIFY(ModernExport::isHtml("just words", QStringLiteral("a.htm")));
        QVERIFY(ModernExport::isHtml("<!doctype html><p>", QStringLiteral("a.txt")));
        QVERIFY(!ModernExport::isHtml("just words", QStringLiteral("a.txt")));
        QVERIFY(!ModernExport::isHtml(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), QStringLiteral("a.htm")));
    }

    // The runtime file is run mode's scripts, the program's host left out for the standalone one.
    void runtimeFileTakesRunModesScripts()
    {
        const QByteArray runtime = ModernExport::runtime();
        qsizetype at = 0;
        for (const QString &name : RunTimeScripts::names()) {
            const QString taken = name == QLatin1String("host-program") ? QStringLiteral("host-standalone") : name;
            const qsizetype found = runtime.indexOf("// ---- " + taken.toLatin1() + ".js\n");
            QVERIFY2(found > at, qPrintable(taken));
            at = found;
        }
        QVERIFY(!runtime.contains("host-program"));
        // Nothing of the program's bridge: no prompt channel, no request for a modal dialog.
        QVERIFY(!runtime.contains("\\u0001tvl:"));
        QVERIFY(!runtime.contains("__tvl-modal"));
        qInfo("runtime file: %lld bytes", qlonglong(runtime.size()));
    }

    // The exported page in the program: edited as before, and run once, by run mode's own runtime.
    void exportedPageOpensInTheProgram()
    {
        TestApp app;
        QTemporaryDir top;
        writeBytes(top.filePath(QStringLiteral("page.htm")),
                   "<html><head><title>t</title></head><body><p id=p>text</p><script type=\"text/vbscript\">\n"
                   "Sub window_onload()\n  MsgBox \"loaded \" & document.scripts.length\nEnd Sub\n</script></body></html>");
        const ModernExport::Result result = ModernExport::exportFile(top.filePath(QStringLiteral("page.htm")), top.filePath(QStringLiteral("out")));
        QVERIFY(result.ok);
        DhtmlEdit surface(app.context);
        QVERIFY(surface.LoadDocument(top.filePath(QStringLiteral("out/page.htm"))));
        QVERIFY(surface.DocumentHTML().contains(QStringLiteral("tovaleaf-runtime.js")));
        QVERIFY(surface.setBrowseMode(true));
        QTRY_COMPARE(app.boxes.texts(), QStringList{QStringLiteral("loaded 2")});
        QTRY_COMPARE(js(&surface, QStringLiteral("String(!!(document.scripts[0].src.endsWith('tovaleaf-runtime.js')))")), QStringLiteral("true"));
        // The runtime file's own copy stood aside: one box, not two, and no error from it.
        QTRY_COMPARE(js(&surface, QStringLiteral("document.readyState")), QStringLiteral("complete"));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("loaded 2")});
    }

    void commandLine()
    {
        QTemporaryDir top;
        UnprivilegedFiles::openToAll(top.path());
        const QString site = top.filePath(QStringLiteral("site"));
        writeSite(site);
        const QString page = site + QStringLiteral("/page.htm");

        // Written without a window (no display here), what was copied and what not said.
        ProgramRun run = program({QStringLiteral("--export-modern"), page, top.filePath(QStringLiteral("out"))});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("書き出しました: %1/out/page.htm\n").arg(QFileInfo(top.path()).canonicalFilePath())), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("写しました: img/a b.gif\n")), qPrintable(run.out));
        QVERIFY2(run.err.contains(QStringLiteral("見つかりません: missing.gif\n")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("ページのフォルダの外なので写していません: ../outside.gif\n")), qPrintable(run.err));
        QCOMPARE(readBytes(top.filePath(QStringLiteral("out/page.htm"))), ModernExport::withRuntime(readBytes(page)));

        // A page that is not there.
        run = program({QStringLiteral("--export-modern"), site + QStringLiteral("/nothere.htm"), top.filePath(QStringLiteral("out2"))});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("書き出せませんでした。ページが見つかりません: %1/nothere.htm\n").arg(site));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFileInfo::exists(top.filePath(QStringLiteral("out2"))));

        // A page that is not HTML.
        run = program({QStringLiteral("--export-modern"), site + QStringLiteral("/bg.png"), top.filePath(QStringLiteral("out2"))});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("書き出せませんでした。HTML のページではありません: %1/bg.png\n").arg(site));
        QVERIFY(!QFileInfo::exists(top.filePath(QStringLiteral("out2"))));

        // A folder the user may not write in, and one that cannot be made.
        const QString locked = top.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(locked));
        UnprivilegedFiles::openToAll(site);
        UnprivilegedFiles::readOnly(locked);
        run = program({QStringLiteral("--export-modern"), page, locked}, top.path());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("書き出せませんでした。書き込めません: %1/tovaleaf-runtime.js: ").arg(QFileInfo(locked).canonicalFilePath())),
                 qPrintable(run.err));
        QVERIFY(QDir(locked).isEmpty());
        run = program({QStringLiteral("--export-modern"), page, site + QStringLiteral("/style.css/out")});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("書き出せませんでした。書き出し先のフォルダを作れません: %1/style.css/out\n").arg(site));

        // Said wrongly: how to say it.
        run = program({QStringLiteral("--export-modern"), page});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, QStringLiteral("使い方: tovaleaf --export-modern ページ 書き出し先フォルダ\n"));

        // Arguments that name no task leave the window to start.
        QString said;
        QTextStream out(&said);
        QTextStream err(&said);
        QVERIFY(!CommandLine({}).runTask(out, err).has_value());
        QVERIFY(!CommandLine({QStringLiteral("page.htm")}).runTask(out, err).has_value());
        QVERIFY(!CommandLine({QStringLiteral("-platform"), QStringLiteral("offscreen")}).runTask(out, err).has_value());
        QVERIFY(said.isEmpty());
    }

    void menuItem()
    {
        TestApp app;
        Form1 form(app.context);
        QAction *item = form.menus().item(QStringLiteral("kakidasi"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("今のブラウザ用に書き出し…"));
        QCOMPARE(item->parent(), form.menus().group(QStringLiteral("mivo_file")));

        QTemporaryDir top;
        const QString site = top.filePath(QStringLiteral("site"));
        writeSite(site);
        QVERIFY(form.surface()->LoadDocument(site + QStringLiteral("/page.htm")));

        // Cancelled in the folder dialog: nothing written, nothing said.
        item->trigger();
        QCOMPARE(app.dialogs.folderTitlesSeen, QStringList{ModernExportCommand::FolderTitle});
        QVERIFY(app.boxes.shown.isEmpty());

        // The page as the program writes it, under its own name, the named files beside it.
        const QString out = top.filePath(QStringLiteral("out"));
        app.dialogs.folders.enqueue(out);
        item->trigger();
        QCOMPARE(app.boxes.shown.size(), 1);
        const QString told = app.boxes.shown[0].text;
        QVERIFY2(told.startsWith(QStringLiteral("今のブラウザで動くように書き出しました。\n%1/page.htm\n（tovaleaf-runtime.js を同じフォルダに置いています）")
                                     .arg(QFileInfo(out).canonicalFilePath())),
                 qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral("一緒に写したファイル:\n　")) && told.contains(QStringLiteral("　img/win.gif")), qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral("見つからなかったファイル:\n　missing.gif")), qPrintable(told));
        const QByteArray written = readBytes(out + QStringLiteral("/page.htm"));
        QVERIFY(ModernExport::loadsRuntime(written));
        QByteArray page = written;
        page.replace(element(), QByteArray());
        QCOMPARE(page, FileChannel::textBytes(PageText::withoutUnicodeMetaTag(form.surface()->DocumentHTML())));
        QVERIFY(PageEncoding::decodeDetected(written).contains(QStringLiteral("Filter:Shadow(Color=red,Direction=45)")));
        QCOMPARE(readBytes(out + QStringLiteral("/img/win.gif")), QByteArray("GIF89a-win"));

        // Again into the same folder: asked first; Cancel keeps the page there as it is.
        writeBytes(out + QStringLiteral("/page.htm"), "kept");
        app.boxes.shown.clear();
        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        app.dialogs.folders.enqueue(out);
        item->trigger();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("%1/page.htm は既にあります。上書きしますか？").arg(out)});
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(readBytes(out + QStringLiteral("/page.htm")), QByteArray("kept"));
        app.boxes.shown.clear();
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        app.dialogs.folders.enqueue(out);
        item->trigger();
        QCOMPARE(app.boxes.shown.size(), 2);
        QCOMPARE(readBytes(out + QStringLiteral("/page.htm")), written);

        // A folder that cannot be made: said, as a warning.
        app.boxes.shown.clear();
        app.dialogs.folders.enqueue(site + QStringLiteral("/style.css/out"));
        item->trigger();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("書き出せませんでした。\n書き出し先のフォルダを作れません: %1/style.css/out").arg(site)});
        QCOMPARE(app.boxes.shown[0].icon, MessageBoxes::Icon::Warning);

        // A page the program shows from one of its temporary files is named index.htm.
        QCOMPARE(ModernExportCommand::pageNameFor(QUrl::fromLocalFile(app.file(QStringLiteral("scriptTemp.htm"))), app.path()), QStringLiteral("index.htm"));
        QCOMPARE(ModernExportCommand::pageNameFor(QUrl::fromLocalFile(site + QStringLiteral("/tvlTemp.htm")), app.path()), QStringLiteral("index.htm"));
        QCOMPARE(ModernExportCommand::pageNameFor(QUrl::fromLocalFile(site + QStringLiteral("/page.htm")), app.path()), QStringLiteral("page.htm"));
    }
};

TOVALEAF_TEST_MAIN(TestModernExport)
#include "tst_modernexport.moc"
