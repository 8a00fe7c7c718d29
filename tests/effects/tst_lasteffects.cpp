#include "support/DialogFields.h"
#include "support/EffectPages.h"
#include "support/TestSupport.h"

#include "documents/ModernExport.h"
#include "effects/EffectFiles.h"
#include "effects/Form23.h"
#include "effects/Form24.h"
#include "effects/Form26.h"
#include "effects/Form27.h"
#include "platform/CommonDialog.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "platform/TextBuffer.h"

#include <QFile>
#include <QPushButton>

using namespace TestSupport;
using namespace EffectPages;
using namespace DialogFields;

// Typewriter, moving picture, dialog box and full screen.
class TestLastEffects : public QObject
{
    Q_OBJECT

private:
    static const QByteArray &startPage()
    {
        static const QByteArray page = "<html><body><p>ab</p></body></html>";
        return page;
    }

private slots:
    void typewriter()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::Typewriter;
        shared.TypewriterText = QStringLiteral("earlier");
        shared.SnippetHtml = QStringLiteral("<B>earlier</B>");

        Form23 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("TypeWriter"));
        click(&dialog, "Command1");
        QCOMPARE(app.boxes.texts(), QStringList{Form23::TextMissing});
        QCOMPARE(shared.TypewriterText, QString());
        QCOMPARE(dialog.result(), 0);

        QCOMPARE(Form23::withoutTrailingBlanks(QStringLiteral("  ab c   ")), QStringLiteral("  ab c"));
        QCOMPARE(Form23::withoutTrailingBlanks(QStringLiteral("   ")), QString());
        QCOMPARE(Form23::withoutTrailingBlanks(QStringLiteral("あ　")), QStringLiteral("あ　"));

        app.boxes.shown.clear();
        line(&dialog, "Text1")->setText(QStringLiteral("  ようこそ  "));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        click(&dialog, "Command1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shared.TypewriterText, QStringLiteral("  ようこそ"));
        QString script = templateText(app, QStringLiteral("typewriter.vs"));
        QVERIFY(script.contains(QStringLiteral("[naiyou]")));
        script.replace(QStringLiteral("[naiyou]"), QStringLiteral("  ようこそ"));
        // Nothing before the area: the element part is empty, as for the clock.
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab<TEXTAREA id=typetext cols=50 rows=6 style=background-color:gold;color:navy;font-size:11pt>"
                                "</TEXTAREA><INPUT type=button name=jikann value=STOP language=VBScript onclick=gostop()>"
                                "<SCRIPT type=text/vbscript>")
                     + asInPage(script) + QStringLiteral("</SCRIPT></P>"));
        QVERIFY(inRunMode(form));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
    }

    void movingPicture()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::MovingImage;
        shared.MovingPathKind = 20;
        const QString before = form.surface()->DocumentHTML();

        Form24 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("移動する画像の選択"));
        QCOMPARE(shared.MovingPathKind, qint16(0));
        QComboBox *kind = combo(&dialog, "Combo1");
        QCOMPARE(kind->count(), 2);
        QCOMPARE(kind->itemText(0), QStringLiteral("軌跡が円形"));
        QCOMPARE(kind->itemText(1), QStringLiteral("軌跡が矩形"));
        QCOMPARE(kind->currentText(), QString());
        auto *ok = field<QPushButton>(&dialog, "Command2");
        QVERIFY(!ok->isEnabled());

        // Its own file dialog; OK follows the picture box.
        const QString picture = app.file(QStringLiteral("bird.gif"));
        app.dialogs.fileNames.enqueue(picture);
        click(&dialog, "Command1");
        QCOMPARE(line(&dialog, "Text1")->text(), picture);
        QCOMPARE(app.dialogs.filtersSeen, QStringList{CommonDialog::toQtFilter(EffectFiles::PictureFilter)});
        QCOMPARE(form.commonDialog()->FileName, QString());
        QVERIFY(ok->isEnabled());

        // No path kind, or one typed that is no entry: refused, the dialog stays.
        ok->click();
        kind->setEditText(QStringLiteral("軌跡が三角"));
        ok->click();
        QCOMPARE(app.boxes.texts(), (QStringList{Form24::PathKindMissing, Form24::PathKindMissing}));
        QCOMPARE(dialog.result(), 0);

        choose(kind, QStringLiteral("軌跡が円形"));
        QCOMPARE(shared.MovingPathKind, qint16(10));
        choose(kind, QStringLiteral("軌跡が矩形"));
        QCOMPARE(shared.MovingPathKind, qint16(20));

        // Cancel to the overwrite question: the page stays.
        app.boxes.shown.clear();
        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        ok->click();
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown[0].text, Form24::overwriteQuestion());
        QCOMPARE(app.boxes.shown[0].text,
                 QStringLiteral("この操作は現在編集中の文書の上に上書きされます。\r作業中のデータを保存してから実行してください！\r宜しいですか？"));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::OkCancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(form.surface()->DocumentHTML(), before);
        QVERIFY(app.shell.opened.isEmpty());
        QVERIFY(!QFile::exists(app.file(QStringLiteral("MivoTemp.htm"))));

        // OK: the page becomes the rectangle page with the picture everywhere, saved and opened.
        Form24 again(form.dialogOwner());
        line(&again, "Text1")->setText(picture);
        choose(combo(&again, "Combo1"), QStringLiteral("軌跡が矩形"));
        app.boxes.shown.clear();
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        click(&again, "Command2");
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(app.boxes.texts(), (QStringList{Form24::overwriteQuestion(), QStringLiteral("Explorerを起動して実行します。")}));
        const QString rectangle = templateText(app, QStringLiteral("pathrect.mvo"));
        QVERIFY(rectangle.count(QStringLiteral("[chikannimage]")) >= 1);
        QCOMPARE(form.richTextBox(2)->text(), QString(rectangle).replace(QStringLiteral("[chikannimage]"), picture));
        const QString page = form.surface()->DocumentHTML();
        QVERIFY(!page.contains(QStringLiteral("[chikannimage]")));
        QCOMPARE(page.count(picture), rectangle.count(QStringLiteral("[chikannimage]")));
        QVERIFY(!page.contains(QStringLiteral("<P>ab</P>")));
        QCOMPARE(app.shell.opened, QStringList{app.file(QStringLiteral("MivoTemp.htm"))});
        const QString saved = PageEncoding::decode(readBytes(app.file(QStringLiteral("MivoTemp.htm"))), PageEncoding::Cp932);
        QVERIFY(saved.contains(picture));
        // In the form today's browsers run: the runtime's element, and the runtime beside the page.
        QVERIFY(ModernExport::loadsRuntime(readBytes(app.file(QStringLiteral("MivoTemp.htm")))));
        QCOMPARE(readBytes(app.file(QStringLiteral("tovaleaf-runtime.js"))), ModernExport::runtime());
        QVERIFY(!form.surface()->BrowseMode());
        QCOMPARE(shared.EffectKind, Effect::MovingImage);
    }

    void dialogBox()
    {
        TestApp app;
        Form1 form(app.context);
        Module1 &shared = app.shared();
        for (const QString &kindName : {QStringLiteral("Modal"), QStringLiteral("Modeless")}) {
            form.Command4_Click();
            QVERIFY(loadPage(form.surface(), app, startPage()));
            shared.EffectKind = Effect::DialogBox;
            const QString before = form.surface()->DocumentHTML();
            app.boxes.shown.clear();

            Form26 dialog(form.dialogOwner());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog Box 選択"));
            QCOMPARE(field<QPushButton>(&dialog, "Command3")->text(), QStringLiteral("cancel"));
            QComboBox *kind = combo(&dialog, "Combo1");
            QCOMPARE(kind->currentText(), QString());
            QCOMPARE(kind->itemText(0), QStringLiteral("Modal"));
            QCOMPARE(kind->itemText(1), QStringLiteral("Modeless"));
            click(&dialog, "Command2");
            QCOMPARE(app.boxes.texts(), QStringList{Form26::KindMissing});
            // A kind typed that is no entry: nothing happens, nothing is said.
            kind->setEditText(QStringLiteral("Popup"));
            click(&dialog, "Command2");
            QCOMPARE(app.boxes.texts(), QStringList{Form26::KindMissing});
            choose(kind, kindName);
            click(&dialog, "Command2");
            QCOMPARE(app.boxes.texts(), (QStringList{Form26::KindMissing, Form26::FileMissing}));
            const QString file = kindName == QStringLiteral("Modal") ? QStringLiteral("modal.vs") : QStringLiteral("modeless.vs");
            const QString script = templateText(app, file);
            QCOMPARE(dialog.scriptText(), script);
            QCOMPARE(dialog.result(), 0);
            QCOMPARE(form.surface()->DocumentHTML(), before);

            // The picker: the main window's file dialog, pages only.
            app.dialogs.filtersSeen.clear();
            app.dialogs.fileNames.enqueue(app.file(QStringLiteral("hello.htm")));
            click(&dialog, "Command1");
            QCOMPARE(app.dialogs.filtersSeen, QStringList{CommonDialog::toQtFilter(EffectFiles::PageFilter)});
            QCOMPARE(line(&dialog, "Text1")->text(), app.file(QStringLiteral("hello.htm")));

            app.boxes.shown.clear();
            selectText(form.surface(), QStringLiteral("ab"), 1);
            click(&dialog, "Command2");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(shared.DialogBoxFile, app.file(QStringLiteral("hello.htm")));
            const QString filled = QString(script).replace(QStringLiteral("[html_file]"), shared.DialogBoxFile);
            QVERIFY(filled != script);
            QCOMPARE(shared.SnippetHtml, filled);
            // One copy of the script, behind the button.
            const QString page = body(form.surface());
            QVERIFY2(page.startsWith(QStringLiteral("<P>a<INPUT type=button value=Open language=VBScript onclick=mivo_open()><SCRIPT type=text/vbscript>")),
                     qPrintable(page));
            QCOMPARE(page.count(QStringLiteral("<SCRIPT")), 1);
            QCOMPARE(page.count(QStringLiteral("Sub mivo_open")), 1);
            QVERIFY(page.contains(shared.DialogBoxFile));
            QVERIFY(inRunMode(form));
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
        }
    }

    void fullScreen()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::FullScreen;

        Form27 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("全画面表示設定"));
        QCOMPARE(line(&dialog, "Text1")->text(), QString());
        // An empty path is not refused: the placeholder goes away.
        selectText(form.surface(), QStringLiteral("ab"), 2);
        click(&dialog, "Command2");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QString script = templateText(app, QStringLiteral("zenngamenn.mvo"));
        QVERIFY(script.contains(QStringLiteral("[zenngamenn]")));
        QCOMPARE(dialog.scriptText(), QString(script).replace(QStringLiteral("[zenngamenn]"), QString()));
        const QString page = body(form.surface());
        QVERIFY2(page.startsWith(QStringLiteral("<P>ab<INPUT type=button value=全画面表示実行 language=VBScript onclick=go()><SCRIPT type=text/vbscript>")),
                 qPrintable(page));
        QCOMPARE(page.count(QStringLiteral("<SCRIPT")), 1);
        QVERIFY(!page.contains(QStringLiteral("[zenngamenn]")));
        QVERIFY(inRunMode(form));
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("ブラウズモードで確認します！"), QStringLiteral("「全画面実行」ボタンをクリックして下さい．")}));
    }

    void missingTemplatesKeepTheDialogOpen()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        const QString before = form.surface()->DocumentHTML();
        for (const char *file : {"typewriter.vs", "pathoval.mvo", "modeless.vs", "zenngamenn.mvo"})
            QVERIFY(QFile::remove(app.file(QLatin1String(file))));
        auto expectRefusal = [&](QDialog &dialog, const char *file) {
            QCOMPARE(app.boxes.shown.size(), 1);
            QVERIFY2(app.boxes.shown[0].text.contains(app.file(QLatin1String(file))), qPrintable(app.boxes.shown[0].text));
            QCOMPARE(dialog.result(), 0);
            QCOMPARE(form.surface()->DocumentHTML(), before);
            QVERIFY(!form.surface()->BrowseMode());
            app.boxes.shown.clear();
        };
        app.shared().EffectKind = Effect::Typewriter;
        Form23 typewriter(form.dialogOwner());
        line(&typewriter, "Text1")->setText(QStringLiteral("abc"));
        click(&typewriter, "Command1");
        expectRefusal(typewriter, "typewriter.vs");

        app.shared().EffectKind = Effect::MovingImage;
        Form24 moving(form.dialogOwner());
        line(&moving, "Text1")->setText(QStringLiteral("a.gif"));
        choose(combo(&moving, "Combo1"), QStringLiteral("軌跡が円形"));
        click(&moving, "Command2");
        expectRefusal(moving, "pathoval.mvo");
        QVERIFY(app.shell.opened.isEmpty());

        app.shared().EffectKind = Effect::DialogBox;
        Form26 box(form.dialogOwner());
        choose(combo(&box, "Combo1"), QStringLiteral("Modeless"));
        line(&box, "Text1")->setText(QStringLiteral("a.htm"));
        click(&box, "Command2");
        expectRefusal(box, "modeless.vs");

        app.shared().EffectKind = Effect::FullScreen;
        Form27 full(form.dialogOwner());
        click(&full, "Command2");
        expectRefusal(full, "zenngamenn.mvo");
    }
};

TOVALEAF_TEST_MAIN(TestLastEffects)
#include "tst_lasteffects.moc"
