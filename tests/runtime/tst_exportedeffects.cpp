#include "support/DialogFields.h"
#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "documents/ModernExport.h"
#include "effects/FilteredTextMarkup.h"
#include "effects/Form10.h"
#include "effects/Form21.h"
#include "effects/Form22.h"
#include "effects/Form24.h"
#include "effects/Form6.h"
#include "effects/Form7.h"
#include "elements/Form9.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "shell/Form1.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

using namespace TestSupport;
using namespace DialogFields;

#define QVERIFY_ALIVE(...)                                                                                            \
    do {                                                                                                               \
        const QString missed = inChromium(__VA_ARGS__);                                                                \
        QVERIFY2(missed.isEmpty(), qPrintable(missed));                                                                \
    } while (false)

// Every effect of the effects list and both element dialogs with scripts, made
// by the program, exported through its menu item and opened in Debian's
// Chromium: each must come alive there as it does in run mode. The checks of
// what a person sees in the browser are tests/browser/exported-effects.mjs.
class TestExportedEffects : public QObject
{
    Q_OBJECT

private:
    static QString browserChecks() { return QStringLiteral(TOVALEAF_BROWSER_CHECKS); }

    // A fresh page with the caret after "ab", as a user leaves it before choosing an effect.
    static void startPage(Form1 &form, const TestApp &app)
    {
        if (form.surface()->BrowseMode())
            form.Command4_Click();
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        selectText(form.surface(), QStringLiteral("ab"), 2);
    }

    // The page on the surface, exported through ■ファイル into a folder of its own.
    QString exportPage(Form1 &form, TestApp &app)
    {
        const QString folder = m_exports.filePath(QStringLiteral("export%1").arg(++m_exported));
        app.dialogs.folders.enqueue(folder);
        const qsizetype told = app.boxes.shown.size();
        form.menus().item(QStringLiteral("kakidasi"))->trigger();
        const QString page = folder + QStringLiteral("/index.htm");
        if (app.boxes.shown.size() != told + 1 || !app.boxes.shown.last().text.startsWith(QStringLiteral("今のブラウザで動くように書き出しました。")))
            return QStringLiteral("not exported: ") + (app.boxes.shown.size() > told ? app.boxes.shown.last().text : QStringLiteral("nothing said"));
        if (!ModernExport::loadsRuntime(readBytes(page)) || readBytes(folder + QStringLiteral("/tovaleaf-runtime.js")) != ModernExport::runtime())
            return QStringLiteral("no runtime for ") + page;
        return page;
    }
    // The named check of what a person sees, run over page in headless Chromium: what it missed, or nothing.
    QString inChromium(const QString &check, const QString &page, const QString &argument = QString())
    {
        if (!QFileInfo::exists(page))
            return check + QStringLiteral(": ") + page;
        const QJsonArray request{check, page, argument.isNull() ? QJsonValue() : QJsonValue(argument)};
        m_chromium.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
        while (!m_chromium.canReadLine()) {
            if (m_chromium.state() != QProcess::Running || !m_chromium.waitForReadyRead(180000))
                return check + QStringLiteral(": Chromium did not answer\n") + QString::fromUtf8(m_chromium.readAllStandardError());
        }
        const QString answer = QJsonDocument::fromJson("[" + m_chromium.readLine() + "]").array().at(0).toString();
        return answer == QLatin1String("ok") ? QString() : check + QStringLiteral(" in Chromium:\n") + answer;
    }

    // One Chromium for every check of the run (tests/browser/check.mjs serve).
    QProcess m_chromium;
    QTemporaryDir m_exports;
    int m_exported = 0;

private slots:
    // Both are installed by the test command (scripts/setup.sh, tests/browser/install.sh): missing is a failure.
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(QStringLiteral("/usr/bin/chromium")), "Debian's chromium is not installed: bash scripts/setup.sh");
        QVERIFY2(QFileInfo::exists(browserChecks() + QStringLiteral("/node_modules/playwright-core/package.json")),
                 "the browser packages are not installed: bash tests/browser/install.sh");
        QVERIFY(m_exports.isValid());
        m_chromium.setWorkingDirectory(browserChecks());
        m_chromium.start(QStringLiteral(TOVALEAF_NODE), {browserChecks() + QStringLiteral("/check.mjs"), QStringLiteral("serve")});
        QVERIFY2(m_chromium.waitForStarted(), qPrintable(m_chromium.errorString()));
        // For a look at what was exported after a failure.
        if (qEnvironmentVariableIsSet("TOVALEAF_KEEP_EXPORTS")) {
            m_exports.setAutoRemove(false);
            qInfo().noquote() << "exported pages kept in" << m_exports.path();
        }
    }

    void cleanupTestCase()
    {
        // Its input ended, the server closes its browser and ends.
        m_chromium.closeWriteChannel();
        QVERIFY(m_chromium.waitForFinished(60000));
    }

    void transitionsAndTheRedirectFilter()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        Module1 &shared = app.shared();
        QVERIFY(writePicture(app.file(QStringLiteral("red.png")), Qt::red));
        QVERIFY(writePicture(app.file(QStringLiteral("b.png")), Qt::blue));
        QVERIFY(writePicture(app.file(QStringLiteral("small.png")), Qt::red, 100, 60));

        startPage(form, app);
        shared.EffectKind = Effect::RevealText;
        shared.SnippetHtml = Form6::markup(3, QStringLiteral("center"), QStringLiteral("LIME"));
        form.goscript();
        QVERIFY_ALIVE(QStringLiteral("revealText"), exportPage(form, app));

        startPage(form, app);
        shared.EffectKind = Effect::RevealImage;
        shared.SnippetHtml = Form7::markup(app.file(QStringLiteral("red.png")), QStringLiteral("赤"), QStringLiteral("6"));
        form.goscript();
        QVERIFY_ALIVE(QStringLiteral("revealImage"), exportPage(form, app));

        startPage(form, app);
        shared.EffectKind = Effect::BlendFilter;
        shared.BlendImage1 = app.file(QStringLiteral("red.png"));
        shared.BlendImage2 = app.file(QStringLiteral("b.png"));
        shared.EffectElementId = QStringLiteral("image42");
        shared.SnippetHtml = Form21::markup(QStringLiteral("image42"), shared.BlendImage1);
        form.goscript();
        QVERIFY_ALIVE(QStringLiteral("blend"), exportPage(form, app));

        startPage(form, app);
        shared.EffectKind = Effect::RedirectFilter;
        shared.SnippetHtml = Form22::markup(QStringLiteral("回る"), app.file(QStringLiteral("small.png")));
        form.goscript();
        QVERIFY_ALIVE(QStringLiteral("redirect"), exportPage(form, app));
    }

    void filteredText()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        Module1 &shared = app.shared();
        const struct {
            qint16 code;
            QString filter;
            const char *check;
        } cases[] = {
            {Effect::ShadowText, FilteredTextMarkup::shadow(QStringLiteral("red"), QStringLiteral("10")), "shadow"},
            {Effect::WaveText, FilteredTextMarkup::wave(QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20")), "wave"},
            {Effect::BurningText, FilteredTextMarkup::glow(QStringLiteral("5"), QStringLiteral("RED")), "glow"},
            {Effect::VanishingText, FilteredTextMarkup::alpha(QStringLiteral("90"), 2), "alpha"},
        };
        int number = 10;
        for (const auto &c : cases) {
            startPage(form, app);
            shared.EffectKind = c.code;
            shared.EffectElementId = QStringLiteral("MIVO%1").arg(number);
            shared.SnippetHtml = FilteredTextMarkup::build(QString::number(number), c.filter);
            form.goscript();
            QVERIFY2(form.surface()->BrowseMode(), qPrintable(c.filter));
            QVERIFY_ALIVE(QLatin1String(c.check), exportPage(form, app), shared.EffectElementId.toString());
            ++number;
        }
    }

    void clockAndTypewriter()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        Module1 &shared = app.shared();

        startPage(form, app);
        shared.EffectKind = Effect::Clock;
        shared.SnippetHtml.clear();
        form.goscript();
        m_clockPage = exportPage(form, app);
        QVERIFY_ALIVE(QStringLiteral("clock"), m_clockPage);

        const QString words = QStringLiteral("タイプ\"ライタ\"風の文字");
        startPage(form, app);
        shared.EffectKind = Effect::Typewriter;
        shared.TypewriterText = words;
        shared.SnippetHtml.clear();
        form.goscript();
        QVERIFY_ALIVE(QStringLiteral("typewriter"), exportPage(form, app), words);
    }

    // A smoke check in another engine, where Debian's firefox-esr is installed.
    void clockTicksInFirefox()
    {
        if (m_clockPage.isEmpty())
            QSKIP("the clock page was not exported (see clockAndTypewriter)");
        QProcess node;
        node.setProcessChannelMode(QProcess::MergedChannels);
        node.setWorkingDirectory(browserChecks());
        node.start(QStringLiteral(TOVALEAF_NODE), {QStringLiteral("--experimental-websocket"), QStringLiteral("--no-warnings"),
                                                   browserChecks() + QStringLiteral("/check.mjs"), QStringLiteral("firefox"),
                                                   QStringLiteral("clock"), m_clockPage});
        QVERIFY(node.waitForFinished(120000));
        const QString said = QString::fromUtf8(node.readAll()).trimmed();
        if (node.exitCode() == 77)
            QSKIP(qPrintable(said));
        QVERIFY2(node.exitCode() == 0, qPrintable(said));
        qInfo().noquote() << said;
    }

    void colourChangeButtons()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        Module1 &shared = app.shared();
        writeBytes(app.file(QStringLiteral("next.htm")), "<html><head><title>next</title></head><body>next page</body></html>");

        startPage(form, app);
        shared.EffectKind = Effect::ColorChangeText;
        shared.ButtonColor1 = QStringLiteral("navy");
        shared.ButtonColor2 = QStringLiteral("red");
        shared.ButtonLinks[0] = app.file(QStringLiteral("next.htm"));
        shared.ButtonLinks[1] = QString();
        const auto button = [](int n, const QString &caption) {
            const QString i = QString::number(n);
            return QStringLiteral("<Button ID=MIVO%1 onmouseover=\"go_in(%1)\" onmouseout=\"go_out(%1)\" onclick=\"go_link(%1)\" "
                                  "STYLE=\"font-family:ＭＳ Ｐゴシック;font-size:28pt;Color:navy;\">%2</Button>")
                .arg(i, caption);
        };
        shared.SnippetHtml = button(0, QStringLiteral("次へ")) + button(1, QStringLiteral("戻る"));
        form.goscript();
        QVERIFY_ALIVE(QStringLiteral("colourChange"), exportPage(form, app));
    }

    void dialogBoxesAndFullScreen()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        Module1 &shared = app.shared();
        writeBytes(app.file(QStringLiteral("shown.htm")), "<html><head><title>shown page</title></head><body style=\"background:#0f0\">shown</body></html>");

        for (const char *kind : {"modal", "modeless"}) {
            startPage(form, app);
            shared.EffectKind = Effect::DialogBox;
            shared.DialogBoxFile = app.file(QStringLiteral("shown.htm"));
            shared.SnippetHtml = templateText(app, QLatin1String(kind) + QStringLiteral(".vs")).replace(QStringLiteral("[html_file]"), shared.DialogBoxFile);
            form.goscript();
            QVERIFY_ALIVE(QStringLiteral("dialog"), exportPage(form, app), QLatin1String(kind));
        }

        startPage(form, app);
        shared.EffectKind = Effect::FullScreen;
        shared.SnippetHtml = templateText(app, QStringLiteral("zenngamenn.mvo")).replace(QStringLiteral("[zenngamenn]"), app.file(QStringLiteral("shown.htm")));
        form.goscript();
        QVERIFY_ALIVE(QStringLiteral("fullScreen"), exportPage(form, app));
    }

    // The moving picture goes to the browser as its preview: that file, opened in Chromium, moves.
    void movingPicturePreview()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        const QString picture = app.file(QStringLiteral("bird.png"));
        QVERIFY(writePicture(picture, Qt::red, 40, 40));
        for (const QString &path : {Form24::Circle, Form24::Rectangle}) {
            startPage(form, app);
            Form24 dialog(form.dialogOwner());
            line(&dialog, "Text1")->setText(picture);
            choose(combo(&dialog, "Combo1"), path);
            app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
            click(&dialog, "Command2");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(app.shell.opened.size(), 1);
            QVERIFY_ALIVE(QStringLiteral("movingPicture"), app.shell.opened.takeLast());
        }
    }

    // ブラウザ起動 hands the browser the page with its runtime: the clock ticks there.
    void browserPreviewRuns()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        startPage(form, app);
        app.shared().EffectKind = Effect::Clock;
        app.shared().SnippetHtml.clear();
        form.goscript();
        // Back to editing, where the preview is offered.
        form.Command4_Click();
        form.menus().item(QStringLiteral("go_ie40"))->trigger();
        QCOMPARE(app.shell.opened, QStringList{app.file(QStringLiteral("MivoTemp.htm"))});
        QVERIFY_ALIVE(QStringLiteral("clock"), app.shell.opened.first());
    }

    // The form-control list's two dialogs whose elements carry a script: the marquee and the button.
    void elementDialogsWithScripts()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));

        startPage(form, app);
        {
            Form9 dialog(form.dialogOwner());
            choose(combo(&dialog, "Combo1"), QStringLiteral("Scroll"));
            choose(combo(&dialog, "Combo2"), QStringLiteral("Left"));
            line(&dialog, "Text2")->setText(QStringLiteral("60"));
            line(&dialog, "Text3")->setText(QStringLiteral("6"));
            click(&dialog, "Command1");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY_ALIVE(QStringLiteral("marquee"), exportPage(form, app));

        startPage(form, app);
        {
            Form10 dialog(form.dialogOwner());
            choose(combo(&dialog, "Combo1"), QStringLiteral("onclick"));
            choose(combo(&dialog, "Combo2"), QStringLiteral("ﾒｯｾｰｼﾞ"));
            click(&dialog, "Command2");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY_ALIVE(QStringLiteral("buttonMessage"), exportPage(form, app), QStringLiteral("ようこそ！私のホームページへ。"));
    }

    // The runtime's own ways outside the program, on a page written for them: message boxes,
    // questions, errors, a dialog page that takes its arguments and closes itself.
    void standaloneHost()
    {
        QTemporaryDir site;
        writeBytes(site.filePath(QStringLiteral("host.htm")),
                   "<html><head><title>host</title><script language=VBScript>\n"
                   "Sub window_onload()\n"
                   "  MsgBox \"first\", vbInformation, \"Title One\"\n"
                   "  MsgBox \"second\"\n"
                   "  out.innerText = \"after boxes\"\n"
                   "End Sub\n"
                   "Sub ask_onclick()\n"
                   "  answer.innerText = MsgBox(\"Go on?\", vbYesNo + vbQuestion) & \",\" & MsgBox(\"Three?\", vbYesNoCancel) & \",\" & InputBox(\"Name?\", \"\", \"taro\")\n"
                   "End Sub\n"
                   "Sub broken_onclick()\n"
                   "  Dim x\n"
                   "  x = 1 / 0\n"
                   "End Sub\n"
                   "Sub open_onclick()\n"
                   "  window.showModalDialog \"dialog.htm\", \"hello\", \"dialogWidth:300px;dialogHeight:200px\"\n"
                   "End Sub\n"
                   "</script></head><body><div id=out></div><div id=answer></div>\n"
                   "<button id=ask>ask</button><button id=broken>broken</button><button id=jsbroken onclick=\"nothere()\">js</button>"
                   "<button id=open>open</button></body></html>");
        writeBytes(site.filePath(QStringLiteral("dialog.htm")),
                   "<html><head><title>Dialog Title</title><script language=VBScript>\n"
                   "Sub window_onload()\n"
                   "  got.innerText = window.dialogArguments\n"
                   "End Sub\n"
                   "Sub done_onclick()\n"
                   "  window.returnValue = \"bye\"\n"
                   "  window.close\n"
                   "End Sub\n"
                   "</script></head><body><div id=got></div><button id=done>done</button></body></html>");
        const QString out = m_exports.filePath(QStringLiteral("host"));
        const ModernExport::Result result = ModernExport::exportFile(site.filePath(QStringLiteral("host.htm")), out);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.copied, QStringList{QStringLiteral("dialog.htm")});
        QVERIFY_ALIVE(QStringLiteral("standaloneHost"), out + QStringLiteral("/host.htm"));
    }

private:
    QString m_clockPage;
};

TOVALEAF_TEST_MAIN(TestExportedEffects)
#include "tst_exportedeffects.moc"
