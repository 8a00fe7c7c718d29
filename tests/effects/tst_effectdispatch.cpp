#include "platform/TextWindow.h"
#include "support/ModalDriver.h"
#include "support/DialogFields.h"
#include "support/TestSupport.h"

#include "effects/EffectCatalogue.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QFile>
#include <QLineEdit>

using namespace DialogFields;
using namespace TestSupport;

// The effects list: the one-script rule, EffectKind and what each entry opens.
class TestEffectDispatch : public QObject
{
    Q_OBJECT

private:
    static QComboBox *effectsList(Form1 &form) { return form.findChild<QComboBox *>(QStringLiteral("Combo2")); }

private slots:

    void everyEntryOnAnEmptyPage()
    {
        TestApp app;
        Form1 form(app.context);
        QComboBox *list = effectsList(form);
        const struct { const char *text; const char *dialog; qint16 code; } dialogs[] = {
            {"RevealTransition(Text)", "Form6", 10}, {"RevealTransition(Image)", "Form7", 20},
            {"BlendFilter", "Form21", 80}, {"移動する画像", "Form24", 120}, {"ﾀｲﾌﾟﾗｲﾀ風な文字", "Form23", 110},
            {"影付き文字", "Form13", 30}, {"波文字", "Form14", 40}, {"燃える文字", "Form15", 50},
            {"消える文字", "Form16", 60}, {"ﾏｳｽで色が変わる文字", "Form17", 70}, {"Dialog Box", "Form26", 130},
            {"全画面表示", "Form27", 140}, {"Redirect Filter(IE5.0)", "Form22", 90}};
        for (const auto &d : dialogs) {
            qint16 kindWhileOpen = -1;
            ModalDriver driver([&](QDialog *dialog) {
                kindWhileOpen = app.shared().EffectKind;
                QVERIFY(dialog->parentWidget() == &form);
                dialog->reject();
            });
            choose(list, QString::fromUtf8(d.text));
            QVERIFY(driver.ran());
            QCOMPARE(driver.seen(), QLatin1String(d.dialog));
            QCOMPARE(kindWhileOpen, d.code);
            // Cancel leaves the code and the page as they were.
            QCOMPARE(app.shared().EffectKind, d.code);
            QCOMPARE(form.surface()->DocumentHTML(), QString());
            QVERIFY(list->isEnabled());
        }

        // The notes entry shows the notes file in the program's own window, as text: it quotes a
        // script tag, which a desktop that looks into files takes for a page.
        choose(list, QStringLiteral("初めにお読み下さい。"));
        QVERIFY(app.shell.opened.isEmpty());
        auto *notes = form.findChild<TextWindow *>();
        QVERIFY(notes && notes->isVisible());
        QCOMPARE(notes->path(), app.file(QStringLiteral("attension.txt")));
        QCOMPARE(notes->windowTitle(), QStringLiteral("attension.txt"));
        QVERIFY(notes->text()->isReadOnly());
        QCOMPARE(notes->text()->toPlainText(), QString::fromUtf8(readBytes(app.file(QStringLiteral("attension.txt")))).remove(QLatin1Char('\r')));
        QVERIFY(notes->text()->toPlainText().contains(QStringLiteral("<SCRIPT"), Qt::CaseInsensitive));
        QCOMPARE(app.shared().EffectKind, Effect::Nothing);
        // Chosen again, the same window comes forward.
        choose(list, QStringLiteral("初めにお読み下さい。"));
        QCOMPARE(form.findChildren<TextWindow *>().size(), 1);
        notes->close();

        // A text that is no entry does nothing.
        list->setEditText(QStringLiteral("DynamicHtml"));
        form.Combo2_Click();
        QCOMPARE(app.shared().EffectKind, Effect::Nothing);
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void missingNotesFile()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(QFile::remove(app.file(QStringLiteral("attension.txt"))));
        choose(effectsList(form), QStringLiteral("初めにお読み下さい。"));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("説明のファイルが見つかりません: ") + app.file(QStringLiteral("attension.txt"))});
        QVERIFY(app.shell.opened.isEmpty());
    }

    void oneScriptPerPage()
    {
        TestApp app;
        Form1 form(app.context);
        QComboBox *list = effectsList(form);

        // The clock after a text box: the clock alone goes in.
        choose(form.findChild<QComboBox *>(QStringLiteral("Combo1")), QStringLiteral("テキストボックス"));
        choose(list, QStringLiteral("時刻表示"));
        QCOMPARE(app.shared().EffectKind, Effect::Clock);
        QCOMPARE(app.shared().SnippetHtml, app.shared().ScriptBlock);
        QCOMPARE(form.surface()->DocumentHTML().count(QStringLiteral("textbox1")), 1);
        QCOMPARE(form.surface()->DocumentHTML().count(QStringLiteral("<SCRIPT type=text/vbscript>")), 1);
        QVERIFY(form.surface()->BrowseMode());
        QVERIFY(!list->isEnabled());
        form.Command4_Click();
        QVERIFY(list->isEnabled());

        // With the script on the page every entry is refused, the notes too.
        const QString page = form.surface()->DocumentHTML();
        for (const QString &entry : EffectCatalogue::listTexts()) {
            app.boxes.shown.clear();
            ModalDriver driver([](QDialog *dialog) { dialog->reject(); });
            choose(list, entry);
            QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("既にVbscriptコードが記述されています。")});
            QCOMPARE(app.boxes.shown[0].title, QStringLiteral("Tovaleaf"));
            QCOMPARE(app.shared().EffectKind, Effect::Nothing);
            QVERIFY(!driver.ran());
        }
        QVERIFY(app.shell.opened.isEmpty());
        QCOMPARE(form.surface()->DocumentHTML(), page);
        QVERIFY(!form.surface()->BrowseMode());
    }

    void scriptWithoutTypeDoesNotCount()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>a</p><script language=vbscript>Sub x()\nEnd Sub</script></body></html>"));
        QVERIFY(form.surface()->DocumentHTML().contains(QStringLiteral("<SCRIPT language=vbscript>")));
        ModalDriver driver([](QDialog *dialog) { dialog->reject(); });
        choose(effectsList(form), QStringLiteral("波文字"));
        QVERIFY(driver.ran());
        QCOMPARE(driver.seen(), QStringLiteral("Form14"));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void listTextBackOnLosingFocus()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QComboBox *list = effectsList(form);
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        choose(list, QStringLiteral("初めにお読み下さい。"));
        QCOMPARE(list->currentText(), QStringLiteral("初めにお読み下さい。"));
        form.findChild<QComboBox *>(QStringLiteral("Combo1"))->setFocus();
        QTRY_COMPARE(list->currentText(), QStringLiteral("DynamicHtml"));
        auto *controls = form.findChild<QComboBox *>(QStringLiteral("Combo1"));
        controls->setEditText(QStringLiteral("マーキー"));
        list->setFocus();
        QTRY_COMPARE(controls->currentText(), QStringLiteral("Control"));
    }
};

TOVALEAF_TEST_MAIN(TestEffectDispatch)
#include "tst_effectdispatch.moc"
