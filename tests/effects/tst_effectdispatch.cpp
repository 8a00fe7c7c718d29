#include "support/TestSupport.h"

#include "platform/TextWindow.h"
#include "support/ModalDriver.h"

#include "effects/EffectCatalogue.h"
#include "platform/DhtmlEdit.h"
#include "shell/Form1.h"
#include "shell/Module1.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QFile>
#include <QLineEdit>

using namespace TestSupport;

// The effects list: the one-script rule, EffectKind and what each entry opens.
class TestEffectDispatch : public QObject
{
    Q_OBJECT

private:
    static QComboBox *effectsList(Form1 &form) { return form.findChild<QComboBox *>(QStringLiteral("Combo2")); }
    // As the user picks an entry of the list.
    static void choose(QComboBox *list, const QString &text)
    {
        const int index = list->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    static void load(Form1 &form, const ProgramFolderFixture &folder, const QByteArray &page)
    {
        writeBytes(folder.file(QStringLiteral("page.htm")), page);
        QVERIFY(form.surface()->LoadDocument(folder.file(QStringLiteral("page.htm"))));
    }

private slots:
    void catalogue()
    {
        QCOMPARE(EffectCatalogue::listTexts(),
                 (QStringList{QStringLiteral("初めにお読み下さい。"), QStringLiteral("RevealTransition(Text)"),
                              QStringLiteral("RevealTransition(Image)"), QStringLiteral("BlendFilter"), QStringLiteral("移動する画像"),
                              QStringLiteral("時刻表示"), QStringLiteral("ﾀｲﾌﾟﾗｲﾀ風な文字"), QStringLiteral("影付き文字"),
                              QStringLiteral("波文字"), QStringLiteral("燃える文字"), QStringLiteral("消える文字"),
                              QStringLiteral("ﾏｳｽで色が変わる文字"), QStringLiteral("Dialog Box"), QStringLiteral("全画面表示"),
                              QStringLiteral("Redirect Filter(IE5.0)")}));
        const QList<qint16> codes{0, 10, 20, 80, 120, 100, 110, 30, 40, 50, 60, 70, 130, 140, 90};
        QCOMPARE(EffectCatalogue::entries().size(), codes.size());
        for (int i = 0; i < codes.size(); ++i)
            QCOMPARE(EffectCatalogue::entries()[i].code, codes[i]);
        QCOMPARE(EffectCatalogue::find(QStringLiteral("Redirect Filter(IE5.0)"))->code, Effect::RedirectFilter);
        // Exact texts: the full-width or lower-case forms are no entries.
        QVERIFY(!EffectCatalogue::find(QStringLiteral("タイプライタ風な文字")));
        QVERIFY(!EffectCatalogue::find(QStringLiteral("dialog box")));
        QVERIFY(!EffectCatalogue::find(QStringLiteral("DynamicHtml")));
        QVERIFY(EffectCatalogue::holdsScript(QStringLiteral("<P>a</P><SCRIPT type=text/vbscript></SCRIPT>")));
        QVERIFY(!EffectCatalogue::holdsScript(QStringLiteral("<SCRIPT language=vbscript></SCRIPT><script type=x>")));
    }

    void everyEntryOnAnEmptyPage()
    {
        ProgramFolderFixture folder;
        ScriptedMessageBoxes boxes;
        RecordingShellOpen shell;
        Form1 form;
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
                kindWhileOpen = Module1::shared().EffectKind;
                QVERIFY(dialog->parentWidget() == &form);
                dialog->reject();
            });
            choose(list, QString::fromUtf8(d.text));
            QVERIFY(driver.ran());
            QCOMPARE(driver.seen(), QLatin1String(d.dialog));
            QCOMPARE(kindWhileOpen, d.code);
            // Cancel leaves the code and the page as they were.
            QCOMPARE(Module1::shared().EffectKind, d.code);
            QCOMPARE(form.surface()->DocumentHTML(), QString());
            QVERIFY(list->isEnabled());
        }

        // The notes entry shows the notes file in the program's own window, as text: it quotes a
        // script tag, which a desktop that looks into files takes for a page.
        choose(list, QStringLiteral("初めにお読み下さい。"));
        QVERIFY(shell.opened.isEmpty());
        auto *notes = form.findChild<TextWindow *>();
        QVERIFY(notes && notes->isVisible());
        QCOMPARE(notes->path(), folder.file(QStringLiteral("attension.txt")));
        QCOMPARE(notes->windowTitle(), QStringLiteral("attension.txt"));
        QVERIFY(notes->text()->isReadOnly());
        QCOMPARE(notes->text()->toPlainText(), QString::fromUtf8(readBytes(folder.file(QStringLiteral("attension.txt")))).remove(QLatin1Char('\r')));
        QVERIFY(notes->text()->toPlainText().contains(QStringLiteral("<SCRIPT"), Qt::CaseInsensitive));
        QCOMPARE(Module1::shared().EffectKind, Effect::Nothing);
        // Chosen again, the same window comes forward.
        choose(list, QStringLiteral("初めにお読み下さい。"));
        QCOMPARE(form.findChildren<TextWindow *>().size(), 1);
        notes->close();

        // A text that is no entry does nothing.
        list->setEditText(QStringLiteral("DynamicHtml"));
        form.Combo2_Click();
        QCOMPARE(Module1::shared().EffectKind, Effect::Nothing);
        QVERIFY(boxes.shown.isEmpty());
    }

    void missingNotesFile()
    {
        ProgramFolderFixture folder;
        ScriptedMessageBoxes boxes;
        RecordingShellOpen shell;
        Form1 form;
        QVERIFY(QFile::remove(folder.file(QStringLiteral("attension.txt"))));
        choose(effectsList(form), QStringLiteral("初めにお読み下さい。"));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("説明のファイルが見つかりません: ") + folder.file(QStringLiteral("attension.txt"))});
        QVERIFY(shell.opened.isEmpty());
    }

    void oneScriptPerPage()
    {
        ProgramFolderFixture folder;
        ScriptedMessageBoxes boxes;
        RecordingShellOpen shell;
        Form1 form;
        QComboBox *list = effectsList(form);

        // The clock after a text box: the clock alone goes in.
        choose(form.findChild<QComboBox *>(QStringLiteral("Combo1")), QStringLiteral("テキストボックス"));
        choose(list, QStringLiteral("時刻表示"));
        QCOMPARE(Module1::shared().EffectKind, Effect::Clock);
        QCOMPARE(Module1::shared().SnippetHtml, Module1::shared().ScriptBlock);
        QCOMPARE(form.surface()->DocumentHTML().count(QStringLiteral("textbox1")), 1);
        QCOMPARE(form.surface()->DocumentHTML().count(QStringLiteral("<SCRIPT type=text/vbscript>")), 1);
        QVERIFY(form.surface()->BrowseMode());
        QVERIFY(!list->isEnabled());
        form.Command4_Click();
        QVERIFY(list->isEnabled());

        // With the script on the page every entry is refused, the notes too.
        const QString page = form.surface()->DocumentHTML();
        for (const QString &entry : EffectCatalogue::listTexts()) {
            boxes.shown.clear();
            ModalDriver driver([](QDialog *dialog) { dialog->reject(); });
            choose(list, entry);
            QCOMPARE(boxes.texts(), QStringList{QStringLiteral("既にVbscriptコードが記述されています。")});
            QCOMPARE(boxes.shown[0].title, QStringLiteral("Tovaleaf"));
            QCOMPARE(Module1::shared().EffectKind, Effect::Nothing);
            QVERIFY(!driver.ran());
        }
        QVERIFY(shell.opened.isEmpty());
        QCOMPARE(form.surface()->DocumentHTML(), page);
        QVERIFY(!form.surface()->BrowseMode());
    }

    void scriptWithoutTypeDoesNotCount()
    {
        ProgramFolderFixture folder;
        ScriptedMessageBoxes boxes;
        Form1 form;
        load(form, folder, "<html><body><p>a</p><script language=vbscript>Sub x()\nEnd Sub</script></body></html>");
        QVERIFY(form.surface()->DocumentHTML().contains(QStringLiteral("<SCRIPT language=vbscript>")));
        ModalDriver driver([](QDialog *dialog) { dialog->reject(); });
        choose(effectsList(form), QStringLiteral("波文字"));
        QVERIFY(driver.ran());
        QCOMPARE(driver.seen(), QStringLiteral("Form14"));
        QVERIFY(boxes.shown.isEmpty());
    }

    void listTextBackOnLosingFocus()
    {
        ProgramFolderFixture folder;
        ScriptedMessageBoxes boxes;
        RecordingShellOpen shell;
        Form1 form;
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
