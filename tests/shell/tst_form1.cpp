#include "support/TestSupport.h"

#include "platform/ColorField.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "platform/WrappingMenuBar.h"
#include "shell/Form1.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QWebEngineView>

using namespace TestSupport;

// The main window at start, its resize rule and the palette view.
class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void startUpState()
    {
        TestApp app;
        QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
        app.shared().EffectKind = Effect::Clock;
        Form1 form(app.context);
        QCOMPARE(form.windowTitle(), QStringLiteral("Tovaleaf for IE5.0 Ver1.20"));
        QCOMPARE(app.shared().EffectKind, Effect::Nothing);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

        auto *combo1 = form.findChild<QComboBox *>(QStringLiteral("Combo1"));
        auto *combo2 = form.findChild<QComboBox *>(QStringLiteral("Combo2"));
        QVERIFY(combo1 && combo2);
        QStringList controls, effects;
        for (int i = 0; i < combo1->count(); ++i)
            controls << combo1->itemText(i);
        for (int i = 0; i < combo2->count(); ++i)
            effects << combo2->itemText(i);
        QCOMPARE(controls, (QStringList{QStringLiteral("ボタン"), QStringLiteral("テキストボックス"), QStringLiteral("テキストエリア"),
                                        QStringLiteral("選択ボックス"), QStringLiteral("フローティングフレーム"), QStringLiteral("チェックボタン"),
                                        QStringLiteral("オプションボタン"), QStringLiteral("水平罫線"), QStringLiteral("マーキー")}));
        QCOMPARE(effects, (QStringList{QStringLiteral("初めにお読み下さい。"), QStringLiteral("RevealTransition(Text)"),
                                       QStringLiteral("RevealTransition(Image)"), QStringLiteral("BlendFilter"), QStringLiteral("移動する画像"),
                                       QStringLiteral("時刻表示"), QStringLiteral("ﾀｲﾌﾟﾗｲﾀ風な文字"), QStringLiteral("影付き文字"),
                                       QStringLiteral("波文字"), QStringLiteral("燃える文字"), QStringLiteral("消える文字"),
                                       QStringLiteral("ﾏｳｽで色が変わる文字"), QStringLiteral("Dialog Box"), QStringLiteral("全画面表示"),
                                       QStringLiteral("Redirect Filter(IE5.0)")}));
        // The prompts show, and are no entries.
        QCOMPARE(combo1->currentText(), QStringLiteral("Control"));
        QCOMPARE(combo2->currentText(), QStringLiteral("DynamicHtml"));
        QCOMPARE(combo1->findText(QStringLiteral("Control")), -1);
        QCOMPARE(combo2->findText(QStringLiteral("DynamicHtml")), -1);
        QVERIFY(combo1->font().bold());
        QCOMPARE(combo1->font().pointSizeF(), 11.25);

        QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text4"))->text(), QStringLiteral("編集モード"));
        QCOMPARE(form.findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("XMLｻﾝﾌﾟﾙ"));
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("マウスの右クリックでもメニューが表示されます。"));
        for (const char *hidden : {"Command3", "Command4", "Command5"})
            QVERIFY(form.findChild<QPushButton *>(QLatin1String(hidden))->isHidden());
        for (const char *hidden : {"Text1", "Text5", "Text6"})
            QVERIFY(form.findChild<QLineEdit *>(QLatin1String(hidden))->isHidden());
        for (const char *buffer : {"RichTextBox1", "RichTextBox2", "RichTextBox3"})
            QVERIFY(form.findChild<TextBuffer *>(QLatin1String(buffer)));

        auto *surface = form.findChild<DhtmlEdit *>(QStringLiteral("DHTMLEdit1"));
        // At the design's place, or lower where the top row needs more height; never under the row.
        QCOMPARE(surface->x(), Twips::toPixelsX(120, &form));
        QVERIFY(surface->y() >= Twips::toPixelsY(480, &form));
        for (const char *name : {"Combo1", "Combo2", "Text4", "Command1", "Label1"})
            QVERIFY2(form.findChild<QWidget *>(QLatin1String(name))->geometry().bottom() < surface->y(), name);
        // The design's width, or wider where the top row needs it.
        QVERIFY(form.width() >= Twips::toPixelsX(12195, &form));
        QVERIFY(form.findChild<QLabel *>(QStringLiteral("Label1"))->geometry().right() < form.width());
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(surface->DocumentHTML(), QString());
    }

    void resizeRule()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *surface = form.surface();
        const int minW = Twips::toPixelsX(12000, &form);
        const int minH = Twips::toPixelsY(1600, &form);

        // Not narrower than the design's minimum, nor than the top row needs.
        auto *label = form.findChild<QLabel *>(QStringLiteral("Label1"));
        const int rowNeeds = label->geometry().right() + 1 + Twips::toPixelsX(Form1::TopRowMargin, &form)
                             + form.frameGeometry().width() - form.width();
        form.resize(300, 50);
        QTRY_COMPARE(form.frameGeometry().width(), qMax(minW, rowNeeds));
        QCOMPARE(form.frameGeometry().height(), minH);

        form.resize(minW + 700, minH + 400);
        // Measured on the outer window, frame included.
        QTRY_COMPARE(surface->width(), Twips::toPixelsX(Twips::fromPixelsX(form.frameGeometry().width(), &form) - 300, &form));
        QVERIFY(form.frameGeometry().width() >= minW + 700);
        QCOMPARE(surface->x(), Twips::toPixelsX(120, &form));

        // The height is measured from below the menu bar: as it takes more rows, the surface's bottom stays where it was.
        auto *bar = static_cast<WrappingMenuBar *>(form.menuWidget());
        auto below = [&] { return form.frameGeometry().bottom() - surface->mapTo(&form, QPoint(0, surface->height())).y(); };
        form.resize(2000, 700);
        QTRY_COMPARE(bar->rows().size(), 1);
        const int wideGap = below();
        QCOMPARE(surface->height(), Twips::toPixelsY(Twips::fromPixelsY(form.frameGeometry().height(), &form) - 1600, &form)
                                        - (surface->y() - Twips::toPixelsY(480, &form)));
        form.resize(minW, 700);
        QTRY_COMPARE(bar->rows().size(), 2);
        QTRY_VERIFY(qAbs(below() - wideGap) <= 1);
        QVERIFY(surface->mapTo(&form, QPoint(0, 0)).y() >= bar->geometry().bottom());

        const QSize before = surface->size();
        form.showMinimized();
        QCOMPARE(surface->size(), before);
    }

    void paletteAndColourField()
    {
        TestApp app;
        WebBrowser browser(app.context.pages, QStringLiteral("WebBrowser1"));
        QSignalSpy loaded(browser.view(), &QWebEngineView::loadFinished);
        browser.Navigate(app.file(QStringLiteral("color.htm")));
        QVERIFY(loaded.wait(20000));
        QVERIFY(loaded.first().first().toBool());
        QString names;
        browser.view()->page()->runJavaScript(QStringLiteral("Array.from(document.querySelectorAll('.name')).map(e => e.textContent).join(',')"),
                                              [&names](const QVariant &v) { names = v.toString(); });
        QTRY_VERIFY(!names.isEmpty());
        QCOMPARE(names.split(QLatin1Char(',')).size(), 148);
        QVERIFY(names.split(QLatin1Char(',')).contains(QStringLiteral("mediumseagreen")));
        QCOMPARE(WebBrowser::urlFor(QStringLiteral("/p/color.htm")), QUrl::fromLocalFile(QStringLiteral("/p/color.htm")));

        // A dropped name replaces the selection and the change signal follows as for typing.
        ColorField field(QStringLiteral("Text1"));
        field.setText(QStringLiteral("old colour"));
        field.setSelection(0, 3);
        QSignalSpy changed(&field, &QLineEdit::textChanged);
        QSignalSpy edited(&field, &QLineEdit::textEdited);
        field.dropText(QStringLiteral("\nnavy\n"), QPoint(2, 2));
        QCOMPARE(field.text(), QStringLiteral("navy colour"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(edited.size(), 1);
        field.clear();
        field.dropText(QStringLiteral("red"), QPoint(2, 2));
        QCOMPARE(field.text(), QStringLiteral("red"));
    }
};

TOVALEAF_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
