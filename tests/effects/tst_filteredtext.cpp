#include "support/ModalDriver.h"
#include "support/DialogFields.h"
#include "support/TestSupport.h"

#include "effects/FilteredTextMarkup.h"
#include "effects/Form13.h"
#include "effects/Form14.h"
#include "effects/Form15.h"
#include "effects/Form16.h"
#include "platform/ColorClearButton.h"
#include "platform/ColorField.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "shell/Form1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace DialogFields;
using namespace TestSupport;

// The shadow, wave, glow and alpha text app.dialogs.
class TestFilteredText : public QObject
{
    Q_OBJECT

private:
    static QString text(QWidget *dialog, const char *name) { return field<QLineEdit>(dialog, name)->text(); }
    static QString comboText(QWidget *dialog, const char *name) { return field<QComboBox>(dialog, name)->currentText(); }

private slots:
    void markupRules()
    {
        QCOMPARE(FilteredTextMarkup::build(QStringLiteral("57"), FilteredTextMarkup::shadow(QStringLiteral("red"), QStringLiteral("10"))),
                 QStringLiteral("<DIV ID=MIVO57 STYLE=\"width:100%;Filter:Shadow(Color=red,Direction=10)\">ここに文字を入力</DIV>"));
        QCOMPARE(FilteredTextMarkup::build(QStringLiteral("007"), QStringLiteral("x")),
                 QStringLiteral("<DIV ID=MIVO7 STYLE=\"width:100%;Filter:x\">ここに文字を入力</DIV>"));
        QCOMPARE(FilteredTextMarkup::wave(QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20")),
                 QStringLiteral("Wave(strength=5,freq=10,lightstrength=20)"));
        QCOMPARE(FilteredTextMarkup::glow(QStringLiteral(" 5"), QStringLiteral("a b")), QStringLiteral("Glow(strength= 5,Color=a b)"));
        QCOMPARE(FilteredTextMarkup::alpha(QStringLiteral("90"), 1), QStringLiteral("Alpha(opacity=90,style=1)"));
        QCOMPARE(FilteredTextMarkup::alphaStyle(QStringLiteral("線形")), 1);
        QCOMPARE(FilteredTextMarkup::alphaStyle(QStringLiteral("円形")), 2);
        QCOMPARE(FilteredTextMarkup::alphaStyle(QStringLiteral("長方形")), 3);
        QCOMPARE(FilteredTextMarkup::alphaStyle(QStringLiteral("三角形")), 0);
    }

    void shadowDialog()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        {
            Form13 dialog(form.dialogOwner());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("影付き文字設定"));
            QCOMPARE(text(&dialog, "Text1"), QString());
            QCOMPARE(text(&dialog, "Text2"), QStringLiteral("10"));
            QVERIFY(field<QLineEdit>(&dialog, "Text3")->isReadOnly());
            const int number = text(&dialog, "Text3").toInt();
            QVERIFY(number >= 0 && number <= 99);
            QCOMPARE(comboText(&dialog, "Combo1"), QStringLiteral("なし"));
            auto *ok = field<QPushButton>(&dialog, "Command3");
            auto *clear = field<ColorClearButton>(&dialog, "Command1");
            QVERIFY(!ok->isEnabled());
            const QColor normal = clear->backColor();
            QVERIFY(normal != QColor(255, 0, 0));

            // A colour dropped from the palette enables OK and turns the clear button red.
            field<ColorField>(&dialog, "Text1")->dropText(QStringLiteral("\r\nnavy\r\n"), QPoint(1, 1));
            QCOMPARE(text(&dialog, "Text1"), QStringLiteral("navy"));
            QVERIFY(ok->isEnabled());
            QCOMPARE(clear->backColor(), QColor(255, 0, 0));
            clear->click();
            QCOMPARE(text(&dialog, "Text1"), QString());
            QVERIFY(!ok->isEnabled());
            QCOMPARE(clear->backColor(), normal);

            field<QLineEdit>(&dialog, "Text1")->setText(QStringLiteral("navy"));
            field<QLineEdit>(&dialog, "Text2")->setText(QStringLiteral("45"));
            field<QLineEdit>(&dialog, "Text3")->setText(QStringLiteral("7"));
            selectText(form.surface(), QStringLiteral("ab"), 1);
            ok->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(app.shared().EffectElementId.toString(), QStringLiteral("MIVO7"));
        QCOMPARE(app.shared().SnippetHtml,
                 QStringLiteral("<DIV ID=MIVO7 STYLE=\"width:100%;Filter:Shadow(Color=navy,Direction=45)\">ここに文字を入力</DIV>"));
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>a</P><DIV id=MIVO7 style=\"width:100%;Filter:Shadow(Color=navy,Direction=45)\">ここに文字を入力</DIV>b<P></P>"));
        QVERIFY(!form.surface()->BrowseMode());
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void shadowWithActionFromTheList()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        selectText(form.surface(), QStringLiteral("ab"), 2);
        QString number;
        ModalDriver driver([&](QDialog *dialog) {
            number = text(dialog, "Text3");
            field<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("red"));
            field<QComboBox>(dialog, "Combo1")->setEditText(QStringLiteral("あり"));
            field<QPushButton>(dialog, "Command3")->click();
        });
        auto *list = form.findChild<QComboBox *>(QStringLiteral("Combo2"));
        list->setEditText(QStringLiteral("影付き文字"));
        form.Combo2_Click();
        QVERIFY(driver.ran());
        const QString id = QStringLiteral("MIVO") + number;
        QCOMPARE(app.shared().EffectElementId.toString(), id);
        QString script = PageEncoding::decode(readBytes(app.file(QStringLiteral("shadow.vs"))), PageEncoding::Cp932);
        QVERIFY(script.contains(QStringLiteral("[MIVO ID]")));
        script.replace(QStringLiteral("[MIVO ID]"), id).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P>ab</P><DIV id=") + id
                     + QStringLiteral(" style=\"width:100%;Filter:Shadow(Color=red,Direction=10)\">ここに文字を入力</DIV>"
                                      "<INPUT type=button value=Reload language=VBScript onclick=window_onload()>"
                                      "<SCRIPT type=text/vbscript>")
                     + script + QStringLiteral("</SCRIPT><P></P>"));
        QVERIFY(form.surface()->BrowseMode());
        QCOMPARE(app.shared().EffectKind, Effect::ShadowText);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
    }

    void waveDialog()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        const QString before = form.surface()->DocumentHTML();
        {
            Form14 dialog(form.dialogOwner());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("波付き文字設定"));
            QCOMPARE(text(&dialog, "Text1"), QStringLiteral("5"));
            QCOMPARE(text(&dialog, "Text2"), QStringLiteral("10"));
            QCOMPARE(text(&dialog, "Text3"), QStringLiteral("20"));
            QCOMPARE(comboText(&dialog, "Combo1"), QStringLiteral("なし"));
            auto *ok = field<QPushButton>(&dialog, "Command1");
            QVERIFY(ok->isEnabled());
            field<QLineEdit>(&dialog, "Text1")->clear();
            QVERIFY(!ok->isEnabled());
            field<QLineEdit>(&dialog, "Text1")->setText(QStringLiteral("5"));
            field<QLineEdit>(&dialog, "Text4")->setText(QStringLiteral("0"));
            // An action that is neither entry inserts nothing.
            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("たぶん"));
            ok->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(app.shared().SnippetHtml,
                 QStringLiteral("<DIV ID=MIVO0 STYLE=\"width:100%;Filter:Wave(strength=5,freq=10,lightstrength=20)\">ここに文字を入力</DIV>"));
        QCOMPARE(app.shared().EffectElementId.toString(), QStringLiteral("MIVO0"));
        QCOMPARE(form.surface()->DocumentHTML(), before);
        {
            Form14 dialog(form.dialogOwner());
            field<QLineEdit>(&dialog, "Text4")->setText(QStringLiteral("0"));
            selectText(form.surface(), QStringLiteral("ab"), 0);
            field<QPushButton>(&dialog, "Command1")->click();
        }
        QCOMPARE(body(form.surface()),
                 QStringLiteral("<P></P><DIV id=MIVO0 style=\"width:100%;Filter:Wave(strength=5,freq=10,lightstrength=20)\">ここに文字を入力</DIV>ab<P></P>"));
    }

    void glowDialog()
    {
        TestApp app;
        Form1 form(app.context);
        Form15 dialog(form.dialogOwner());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("燃える文字設定"));
        QCOMPARE(text(&dialog, "Text1"), QStringLiteral("RED"));
        QCOMPARE(text(&dialog, "Text2"), QStringLiteral("5"));
        auto *ok = field<QPushButton>(&dialog, "Command1");
        auto *clear = field<ColorClearButton>(&dialog, "Command3");
        QVERIFY(ok->isEnabled());
        QCOMPARE(clear->backColor(), QColor(255, 0, 0));
        clear->click();
        QVERIFY(!ok->isEnabled());
        QVERIFY(clear->backColor() != QColor(255, 0, 0));
        field<QLineEdit>(&dialog, "Text1")->setText(QStringLiteral("gold"));
        field<QLineEdit>(&dialog, "Text2")->setText(QStringLiteral("x"));
        field<QLineEdit>(&dialog, "Text3")->setText(QStringLiteral("12"));
        ok->click();
        QCOMPARE(app.shared().SnippetHtml,
                 QStringLiteral("<DIV ID=MIVO12 STYLE=\"width:100%;Filter:Glow(strength=x,Color=gold)\">ここに文字を入力</DIV>"));
        QCOMPARE(body(form.surface()), QStringLiteral("<DIV id=MIVO12 style=\"width:100%;Filter:Glow(strength=x,Color=gold)\">ここに文字を入力</DIV>"));
        QVERIFY(!form.surface()->BrowseMode());
    }

    void alphaDialog()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        const QString before = form.surface()->DocumentHTML();
        Module1 &shared = app.shared();
        {
            Form16 dialog(form.dialogOwner());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("消える文字設定"));
            QCOMPARE(text(&dialog, "Text1"), QStringLiteral("90"));
            QCOMPARE(comboText(&dialog, "Combo1"), QStringLiteral("円形"));
            QCOMPARE(comboText(&dialog, "Combo2"), QStringLiteral("なし"));
            auto *ok = field<QPushButton>(&dialog, "Command1");
            QVERIFY(ok->isEnabled());
            field<QLineEdit>(&dialog, "Text1")->clear();
            QVERIFY(!ok->isEnabled());
            field<QLineEdit>(&dialog, "Text1")->setText(QStringLiteral("90"));
            field<QLineEdit>(&dialog, "Text2")->setText(QStringLiteral("5"));
            // A style that is no entry: only the id is written, the dialog stays.
            shared.SnippetHtml = QStringLiteral("earlier");
            shared.EffectKind = Effect::VanishingText;
            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("三角形"));
            ok->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(shared.EffectElementId.toString(), QStringLiteral("MIVO5"));
            QCOMPARE(shared.SnippetHtml, QStringLiteral("earlier"));
            QCOMPARE(shared.EffectKind, Effect::VanishingText);
            QCOMPARE(form.surface()->DocumentHTML(), before);

            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("線形"));
            selectText(form.surface(), QStringLiteral("ab"), 2);
            ok->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(shared.EffectKind, Effect::VanishingTextWithoutScript);
        QCOMPARE(shared.SnippetHtml, QStringLiteral("<DIV ID=MIVO5 STYLE=\"width:100%;Filter:Alpha(opacity=90,style=1)\">ここに文字を入力</DIV>"));
        QVERIFY(body(form.surface()).contains(QStringLiteral("<DIV id=MIVO5 style=\"width:100%;Filter:Alpha(opacity=90,style=1)\">")));
        QVERIFY(!form.surface()->BrowseMode());

        // With the action the code becomes 60 and the script follows.
        QVERIFY(loadPage(form.surface(), app, "<html><body><p>ab</p></body></html>"));
        shared.EffectKind = Effect::Nothing;
        {
            Form16 dialog(form.dialogOwner());
            field<QLineEdit>(&dialog, "Text2")->setText(QStringLiteral("9"));
            field<QComboBox>(&dialog, "Combo1")->setEditText(QStringLiteral("長方形"));
            field<QComboBox>(&dialog, "Combo2")->setEditText(QStringLiteral("あり"));
            field<QPushButton>(&dialog, "Command1")->click();
        }
        QCOMPARE(shared.EffectKind, Effect::VanishingText);
        QVERIFY(form.surface()->BrowseMode());
        const QString page = form.surface()->DocumentHTML();
        QVERIFY(page.contains(QStringLiteral("style=\"width:100%;Filter:Alpha(opacity=90,style=3)\">ここに文字を入力</DIV><INPUT type=button value=Reload")));
        QVERIFY(page.contains(QStringLiteral("document.all(\"MIVO9\")")));
        QVERIFY(!page.contains(QStringLiteral("[MIVO ID]")));
    }

    void freshNumberAndDefaultsAtEveryOpening()
    {
        TestApp app;
        Form1 form(app.context);
        QSet<QString> numbers;
        for (int i = 0; i < 20; ++i) {
            ModalDriver driver([&](QDialog *dialog) {
                QCOMPARE(text(dialog, "Text1"), QStringLiteral("RED"));
                numbers << text(dialog, "Text3");
                field<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("blue"));
                field<QPushButton>(dialog, "Command2")->click();
            });
            form.findChild<QComboBox *>(QStringLiteral("Combo2"))->setEditText(QStringLiteral("燃える文字"));
            form.Combo2_Click();
            QVERIFY(driver.ran());
        }
        for (const QString &n : numbers)
            QVERIFY(n.toInt() >= 0 && n.toInt() <= 99 && QString::number(n.toInt()) == n);
        QVERIFY(numbers.size() > 1);
        QCOMPARE(form.surface()->DocumentHTML(), QString());
    }
};

TOVALEAF_TEST_MAIN(TestFilteredText)
#include "tst_filteredtext.moc"
