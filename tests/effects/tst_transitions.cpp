#include "support/DialogFields.h"
#include "support/EffectPages.h"
#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "effects/EffectFiles.h"
#include "effects/Form21.h"
#include "effects/Form22.h"
#include "effects/Form6.h"
#include "effects/Form7.h"
#include "effects/TransitionNames.h"
#include "platform/ColorClearButton.h"
#include "platform/ColorField.h"
#include "platform/CommonDialog.h"
#include "platform/Module1.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace TestSupport;
using namespace EffectPages;
using namespace DialogFields;

// The reveal, blend and redirect dialogs and the pages they make.
class TestTransitions : public QObject
{
    Q_OBJECT

private:
    static const QByteArray &startPage()
    {
        static const QByteArray page = "<html><body><p>ab</p></body></html>";
        return page;
    }
    static QString reloadButton()
    {
        return QStringLiteral("<INPUT type=button value=Reload language=VBScript onclick=window_onload()>");
    }
    static QString scriptOf(const TestApp &app, const QString &name)
    {
        return QStringLiteral("<SCRIPT type=text/vbscript>") + asInPage(templateText(app, name)) + QStringLiteral("</SCRIPT>");
    }

private slots:
    void transitionNames()
    {
        QCOMPARE(TransitionNames::numbers().size(), 24);
        QCOMPARE(TransitionNames::numbers().first(), QStringLiteral("0"));
        QCOMPARE(TransitionNames::numbers().last(), QStringLiteral("23"));
        QCOMPARE(TransitionNames::name(0), QStringLiteral("Box in"));
        QCOMPARE(TransitionNames::name(10), QStringLiteral("Checker board across"));
        QCOMPARE(TransitionNames::name(19), QStringLiteral("Strips rigt down"));
        QCOMPARE(TransitionNames::name(20), QStringLiteral("Strips rigt up"));
        QCOMPARE(TransitionNames::name(23), QStringLiteral("Random"));
        QCOMPARE(TransitionNames::name(24), QString());
        QCOMPARE(Form6::markup(0, QStringLiteral("center"), QStringLiteral("WHITE")),
                 QStringLiteral("<DIV id=mivo style=\"width:100%;filter:revealtrans(transition=0,duration=3);text-align:center;"
                                "background-color:WHITE;visibility:hidden\">文字を入力</DIV>"));
        QCOMPARE(Form7::markup(QStringLiteral("a b.gif"), QStringLiteral("花"), QStringLiteral("07")),
                 QStringLiteral("<IMG id=mivoimage SRC=\"a b.gif\"ALT=\"花\"style=\"filter:revealtrans(transition=07,duration=3);"
                                "visibility:hidden\"></DIV>"));
        QCOMPARE(Form21::markup(QStringLiteral("image5"), QStringLiteral("x.gif")),
                 QStringLiteral("<IMG ID=image5 SRC=\"x.gif\" STYLE=\"Filter:blendtrans(duration=3)\">"));
        QCOMPARE(Form22::markup(QString(), QStringLiteral("p.gif")),
                 QStringLiteral("<OBJECT ID='DA_mivo' Style =\"position:absolute; left:200; top:50; width:500; height:500;z-index: -1\" "
                                "CLASSID='CLSID:B6FFC24C-7E13-11D0-9B47-00C04FC2F51D'></OBJECT><DIV ID='mivo_text' "
                                "STYLE='WIDTH:250; FILTER:redirect'><IMG SRC='p.gif'></DIV>"));
        // The angle: the leading number, rounded to even, within 16 bits.
        QCOMPARE(Form22::angle(QStringLiteral("0")), std::optional<qint16>(0));
        QCOMPARE(Form22::angle(QStringLiteral(" -45度")), std::optional<qint16>(-45));
        QCOMPARE(Form22::angle(QStringLiteral("2.5")), std::optional<qint16>(2));
        QCOMPARE(Form22::angle(QStringLiteral("3.5")), std::optional<qint16>(4));
        QCOMPARE(Form22::angle(QStringLiteral("32767")), std::optional<qint16>(32767));
        QCOMPARE(Form22::angle(QStringLiteral("-32768")), std::optional<qint16>(-32768));
        QCOMPARE(Form22::angle(QStringLiteral("32768")), std::nullopt);
        QCOMPARE(Form22::angle(QStringLiteral("abc")), std::nullopt);
        QCOMPARE(Form22::angle(QStringLiteral("")), std::nullopt);
    }

    void revealTextDialog()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::RevealText;
        const QString before = form.surface()->DocumentHTML();

        Form6 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("RevealTransition設定画面"));
        QCOMPARE(combo(&dialog, "Combo1")->currentText(), QStringLiteral("0"));
        QCOMPARE(combo(&dialog, "Combo1")->count(), 24);
        QCOMPARE(line(&dialog, "Text2")->text(), QStringLiteral("Box in"));
        QVERIFY(line(&dialog, "Text2")->isReadOnly());
        QCOMPARE(combo(&dialog, "Combo2")->currentText(), QStringLiteral("center"));
        QCOMPARE(line(&dialog, "Text1")->text(), QStringLiteral("WHITE"));
        auto *ok = field<QPushButton>(&dialog, "Command2");
        QVERIFY(ok->isEnabled());
        auto *colourButton = field<ColorClearButton>(&dialog, "Command1");
        QCOMPARE(colourButton->backColor(), QColor(255, 0, 0));

        // The name follows a choice from the list; a typed number leaves it.
        choose(combo(&dialog, "Combo1"), QStringLiteral("19"));
        QCOMPARE(line(&dialog, "Text2")->text(), QStringLiteral("Strips rigt down"));
        combo(&dialog, "Combo1")->setEditText(QStringLiteral("7"));
        QCOMPARE(line(&dialog, "Text2")->text(), QStringLiteral("Strips rigt down"));
        combo(&dialog, "Combo1")->setEditText(QString());
        QCOMPARE(combo(&dialog, "Combo1")->currentText(), QStringLiteral("0"));
        QVERIFY(ok->isEnabled());

        // The colour button empties the colour.
        colourButton->click();
        QCOMPARE(line(&dialog, "Text1")->text(), QString());
        QVERIFY(colourButton->backColor() != QColor(255, 0, 0));

        // Numbers the filter does not know are refused; the dialog and the page stay.
        for (const char *bad : {"24", "-1", "abc", "3.5", "99999"}) {
            app.boxes.shown.clear();
            combo(&dialog, "Combo1")->setEditText(QString::fromLatin1(bad));
            ok->click();
            QCOMPARE(app.boxes.texts(), QStringList{Form6::NumberRefusal});
            QCOMPARE(dialog.result(), 0);
        }
        QCOMPARE(form.surface()->DocumentHTML(), before);
        QCOMPARE(shared.SnippetHtml, QString());

        app.boxes.shown.clear();
        combo(&dialog, "Combo1")->setEditText(QStringLiteral("7"));
        field<ColorField>(&dialog, "Text1")->setText(QStringLiteral("navy"));
        choose(combo(&dialog, "Combo2"), QStringLiteral("right"));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shared.RevealTransitionNo, qint16(7));
        QCOMPARE(shared.RevealBackColor.toString(), QStringLiteral("navy"));
        QCOMPARE(shared.RevealTextAlign, QStringLiteral("right"));
        const QString element = QStringLiteral("<DIV id=mivo style=\"width:100%;filter:revealtrans(transition=7,duration=3);"
                                               "text-align:right;background-color:navy;visibility:hidden\">文字を入力</DIV>");
        // The element, the Reload button and the script, in that order.
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab</P>") + element + reloadButton() + scriptOf(app, QStringLiteral("vbscript.mivo"))
                     + QStringLiteral("<P></P>"));
        QVERIFY(inRunMode(form));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
    }

    void revealImageDialog()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::RevealImage;

        Form7 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("イメージTransition設定画面"));
        QCOMPARE(line(&dialog, "Text1")->text(), QString());
        QCOMPARE(line(&dialog, "Text2")->text(), QString());
        QCOMPARE(combo(&dialog, "Combo2")->currentText(), QStringLiteral("0"));
        QCOMPARE(line(&dialog, "Text3")->text(), QStringLiteral("Box in"));
        QVERIFY(field<QPushButton>(&dialog, "Command2")->isEnabled());
        choose(combo(&dialog, "Combo2"), QStringLiteral("19"));
        QCOMPARE(line(&dialog, "Text3")->text(), QStringLiteral("Strips rigt down"));
        combo(&dialog, "Combo2")->setEditText(QString());
        QCOMPARE(combo(&dialog, "Combo2")->currentText(), QStringLiteral("0"));

        // The picker goes through the main window's file dialog; a cancelled pick leaves the box.
        app.dialogs.fileNames.enqueue(app.file(QStringLiteral("flower.gif")));
        app.dialogs.fileNames.enqueue(std::nullopt);
        field<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(line(&dialog, "Text1")->text(), app.file(QStringLiteral("flower.gif")));
        QCOMPARE(form.commonDialog()->FileName, app.file(QStringLiteral("flower.gif")));
        QCOMPARE(app.dialogs.filtersSeen.first(), CommonDialog::toQtFilter(EffectFiles::PictureFilter));
        field<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(line(&dialog, "Text1")->text(), app.file(QStringLiteral("flower.gif")));

        // An empty picture still makes the element.
        line(&dialog, "Text1")->clear();
        selectText(form.surface(), QStringLiteral("ab"), 2);
        field<QPushButton>(&dialog, "Command2")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // After the script step SnippetHtml holds the script block.
        QCOMPARE(shared.SnippetHtml, shared.ScriptBlock);
        QCOMPARE(shared.EffectImageTransition, QStringLiteral("0"));
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab<IMG id=mivoimage src=\"\" alt=\"\" style=\"filter:revealtrans(transition=0,duration=3);"
                                "visibility:hidden\">")
                     + reloadButton() + scriptOf(app, QStringLiteral("image_vbscript.mivo")) + QStringLiteral("</P>"));
        QVERIFY(inRunMode(form));
    }

    void blendDialog()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::BlendFilter;
        const QRegularExpression id(QStringLiteral("^image([0-9]|[1-9][0-9])$"));
        for (int i = 0; i < 5; ++i) {
            Form21 opened(form.dialogOwner());
            QVERIFY(id.match(line(&opened, "Text3")->text()).hasMatch());
            QVERIFY(line(&opened, "Text3")->isReadOnly());
        }

        Form21 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("BlendFilter設定画面"));
        auto *ok = field<QPushButton>(&dialog, "Command3");
        // Both pictures are needed.
        ok->click();
        line(&dialog, "Text1")->setText(QStringLiteral("a.gif"));
        ok->click();
        QCOMPARE(app.boxes.texts(), (QStringList{Form21::PicturesMissing, Form21::PicturesMissing}));
        QCOMPARE(dialog.result(), 0);

        // Its own file dialog, not the main window's.
        app.dialogs.fileNames.enqueue(QStringLiteral("/pictures/b.jpg"));
        field<QPushButton>(&dialog, "Command2")->click();
        QCOMPARE(line(&dialog, "Text2")->text(), QStringLiteral("/pictures/b.jpg"));
        QCOMPARE(form.commonDialog()->FileName, QString());

        app.boxes.shown.clear();
        const QString elementId = line(&dialog, "Text3")->text();
        selectText(form.surface(), QStringLiteral("ab"), 2);
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shared.BlendImage1, QStringLiteral("a.gif"));
        QCOMPARE(shared.BlendImage2, QStringLiteral("/pictures/b.jpg"));
        QCOMPARE(shared.EffectElementId.toString(), elementId);
        QString script = templateText(app, QStringLiteral("blendfilter.vs"));
        QVERIFY(script.contains(QStringLiteral("[GAZOU2]")));
        script.replace(QStringLiteral("[IMGID]"), elementId)
            .replace(QStringLiteral("[GAZOU1]"), QStringLiteral("a.gif"))
            .replace(QStringLiteral("[GAZOU2]"), QStringLiteral("/pictures/b.jpg"));
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab<IMG id=%1 src=a.gif style=\"Filter:blendtrans(duration=3)\">").arg(elementId) + reloadButton()
                     + QStringLiteral("<SCRIPT type=text/vbscript>") + asInPage(script) + QStringLiteral("</SCRIPT></P>"));
        QVERIFY(inRunMode(form));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});

        // Cancel empties both pictures.
        Form21 cancelled(form.dialogOwner());
        line(&cancelled, "Text1")->setText(QStringLiteral("a.gif"));
        line(&cancelled, "Text2")->setText(QStringLiteral("b.gif"));
        field<QPushButton>(&cancelled, "Command4")->click();
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QCOMPARE(line(&cancelled, "Text1")->text(), QString());
        QCOMPARE(line(&cancelled, "Text2")->text(), QString());
    }

    void redirectDialog()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::RedirectFilter;
        const QString before = form.surface()->DocumentHTML();

        Form22 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Internet Explorer5.0 RediRect Filter"));
        auto *ok = field<QPushButton>(&dialog, "Command2");
        auto *comment = field<QPlainTextEdit>(&dialog, "Text2");
        QCOMPARE(comment->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(comment->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        ok->click();
        line(&dialog, "Text1")->setText(QStringLiteral("p.gif"));
        ok->click();
        line(&dialog, "Text1")->clear();
        line(&dialog, "Text3")->setText(QStringLiteral("0"));
        ok->click();
        QCOMPARE(app.boxes.texts(), (QStringList{Form22::FieldsMissing, Form22::FieldsMissing, Form22::FieldsMissing}));

        // An angle that is no number, or does not fit, is said so instead of failing silently.
        line(&dialog, "Text1")->setText(QStringLiteral("p.gif"));
        for (const char *bad : {"abc", "40000", "-32769"}) {
            app.boxes.shown.clear();
            line(&dialog, "Text3")->setText(QString::fromLatin1(bad));
            ok->click();
            QCOMPARE(app.boxes.texts(), QStringList{Form22::AngleRefusal});
        }
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(form.surface()->DocumentHTML(), before);

        // A picture and an angle of 0 without a comment: the block holds only the picture.
        app.boxes.shown.clear();
        line(&dialog, "Text3")->setText(QStringLiteral("0"));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shared.EffectImageFile, QStringLiteral("p.gif"));
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab<OBJECT id=DA_mivo style=\"position:absolute; left:200; top:50; width:500; height:500;z-index: -1\" "
                                "classid=CLSID:B6FFC24C-7E13-11D0-9B47-00C04FC2F51D></OBJECT></P><DIV id=mivo_text "
                                "style=\"WIDTH:250; FILTER:redirect\"><IMG src=p.gif></DIV>")
                     + reloadButton() + scriptOf(app, QStringLiteral("redirect.vs")) + QStringLiteral("<P></P>"));
        QVERIFY(inRunMode(form));
    }

    void missingTemplateLeavesThePage()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        const QString before = form.surface()->DocumentHTML();
        const struct { qint16 code; const char *file; } cases[] = {
            {Effect::RevealText, "vbscript.mivo"}, {Effect::RevealImage, "image_vbscript.mivo"},
            {Effect::BlendFilter, "blendfilter.vs"}, {Effect::RedirectFilter, "redirect.vs"}};
        for (const auto &c : cases)
            QVERIFY(QFile::remove(app.file(QLatin1String(c.file))));
        for (const auto &c : cases) {
            app.boxes.shown.clear();
            app.shared().EffectKind = c.code;
            std::unique_ptr<QDialog> dialog;
            switch (c.code) {
            case Effect::RevealText:
                dialog = std::make_unique<Form6>(form.dialogOwner());
                field<QPushButton>(dialog.get(), "Command2")->click();
                break;
            case Effect::RevealImage:
                dialog = std::make_unique<Form7>(form.dialogOwner());
                field<QPushButton>(dialog.get(), "Command2")->click();
                break;
            case Effect::BlendFilter:
                dialog = std::make_unique<Form21>(form.dialogOwner());
                line(dialog.get(), "Text1")->setText(QStringLiteral("a.gif"));
                line(dialog.get(), "Text2")->setText(QStringLiteral("b.gif"));
                field<QPushButton>(dialog.get(), "Command3")->click();
                break;
            default:
                dialog = std::make_unique<Form22>(form.dialogOwner());
                line(dialog.get(), "Text1")->setText(QStringLiteral("a.gif"));
                line(dialog.get(), "Text3")->setText(QStringLiteral("10"));
                field<QPushButton>(dialog.get(), "Command2")->click();
                break;
            }
            QCOMPARE(app.boxes.shown.size(), 1);
            QVERIFY2(app.boxes.shown[0].text.contains(app.file(QLatin1String(c.file))), qPrintable(app.boxes.shown[0].text));
            QCOMPARE(dialog->result(), 0);
            QCOMPARE(form.surface()->DocumentHTML(), before);
            QVERIFY(!form.surface()->BrowseMode());
        }
    }

    void revealTextFromTheEffectsList()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, startPage()));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        ModalDriver driver([&](QDialog *dialog) {
            QCOMPARE(app.shared().EffectKind, Effect::RevealText);
            dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        });
        choose(form.combo(2), QStringLiteral("RevealTransition(Text)"));
        QVERIFY(driver.ran());
        QCOMPARE(driver.seen(), QStringLiteral("Form6"));
        QVERIFY(inRunMode(form));
        QVERIFY(body(form.surface()).startsWith(QStringLiteral("<P>ab</P>") + Form6::markup(0, QStringLiteral("center"), QStringLiteral("WHITE"))
                                                + reloadButton()));
        // The page now carries its script: the list refuses the next effect.
        form.Command4_Click();
        app.boxes.shown.clear();
        choose(form.combo(2), QStringLiteral("Redirect Filter(IE5.0)"));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("既にVbscriptコードが記述されています。")});
    }
};

TOVALEAF_TEST_MAIN(TestTransitions)
#include "tst_transitions.moc"
