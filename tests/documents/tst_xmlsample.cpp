#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "platform/DhtmlEdit.h"
#include "shell/Form1.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace TestSupport;

namespace {
const QColor Red(255, 0, 0);
}

// The XML sample button and the two sample pages running in run mode.
class TestXmlSample : public QObject
{
    Q_OBJECT

private slots:
    void addressBookOnEmptyPage()
    {
        TestApp app;
        Form1 form(app.context);
        auto *button = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        auto *mode = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウザモードで確認します。")});
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("Tovaleaf"));
        QCOMPARE(mode->text(), QStringLiteral("ブラウザモード"));
        QCOMPARE(mode->palette().color(QPalette::Base), Red);
        QVERIFY(form.surface()->BrowseMode());
        QVERIFY(!form.isMaximized());
        QVERIFY(button->isEnabled());

        // The page's own script read its XML and laid out the book, sorted by reading.
        DhtmlEdit *surface = form.surface();
        QTRY_COMPARE(js(surface, QStringLiteral("document.querySelectorAll('#book tbody tr').length")), QStringLiteral("6"));
        QCOMPARE(js(surface, QStringLiteral("document.querySelector('#book tbody tr td').firstChild.data")), QStringLiteral("伊藤 さくら"));
        QCOMPARE(js(surface, QStringLiteral("document.getElementById('count').textContent")), QStringLiteral("6件 / 全6件"));
        // And it answers: the "た" row button narrows the list.
        QCOMPARE(js(surface, QStringLiteral("(() => { [...document.querySelectorAll('#index button')].find(b => b.textContent === 'た行').click();"
                                            " return document.getElementById('count').textContent; })()")),
                 QStringLiteral("1件 / 全6件"));
        QCOMPARE(js(surface, QStringLiteral("document.querySelector('#book tbody tr td:nth-child(3)').textContent")),
                 QStringLiteral("福岡県福岡市博多区四番地6-7"));
    }

    void mapOnEditedPage()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        auto *button = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        auto *mode = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        DhtmlEdit *surface = form.surface();
        const QString page = QStringLiteral("<HTML><HEAD></HEAD><BODY><P>mine</P></BODY></HTML>");
        QVERIFY(surface->setDocumentHTML(page));

        app.boxes.answers << MessageBoxes::Answer::Cancel;
        form.Command1_Click();
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown[0].text, QStringLiteral("編集中のﾌｧｲﾙのﾌｧｲﾙがあれば上書きされますが、実行しますか？"));
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::OkCancel);
        QCOMPARE(surface->DocumentHTML(), page);
        QVERIFY(!surface->BrowseMode());
        QCOMPARE(mode->text(), QStringLiteral("編集モード"));
        QVERIFY(button->isEnabled());

        app.boxes.answers << MessageBoxes::Answer::Ok;
        form.Command1_Click();
        QCOMPARE(app.boxes.texts().mid(2),
                 QStringList{QStringLiteral("実行モードで確認します。実行モードを解除する場合は\rﾏｳｽの右ｸﾘｯｸで出るﾒﾆｭｰの「編集」をｸﾘｯｸして下さい。\r画面を最大表示にして表示します。")});
        QCOMPARE(mode->text(), QStringLiteral("実行モード"));
        QCOMPARE(mode->palette().color(QPalette::Base), Red);
        QVERIFY(surface->BrowseMode());
        QTRY_VERIFY(form.windowState() & Qt::WindowMaximized);
        QVERIFY(!button->isEnabled());
        QTRY_COMPARE(js(surface, QStringLiteral("document.querySelectorAll('#map .place').length")), QStringLiteral("6"));
        QCOMPARE(js(surface, QStringLiteral("document.querySelectorAll('#list tbody tr').length")), QStringLiteral("6"));
        QCOMPARE(js(surface, QStringLiteral("document.querySelector('#list tbody td').textContent")), QStringLiteral("みどり野駅"));
        QCOMPARE(js(surface, QStringLiteral("(() => { document.getElementById('row1').click(); return document.getElementById('note').textContent; })()")),
                 QStringLiteral("郵便局：土曜日は午前中のみ。"));

        // Disabled until "新規作成".
        app.boxes.answers << MessageBoxes::Answer::Cancel;
        form.menus().item(QStringLiteral("new_page"))->trigger();
        QVERIFY(button->isEnabled());
    }

    void missingSample()
    {
        TestApp app;
        Form1 form(app.context);
        auto *button = form.findChild<QPushButton *>(QStringLiteral("Command1"));
        auto *mode = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        QVERIFY(QFile::remove(app.file(QStringLiteral("address.htm"))));
        QVERIFY(QFile::remove(app.file(QStringLiteral("map.htm"))));

        form.Command1_Click();
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("サンプルページを開けません。\nファイルが見つかりません: ") + app.file(QStringLiteral("address.htm"))});
        QCOMPARE(form.surface()->DocumentHTML(), QString());
        QVERIFY(!form.surface()->BrowseMode());
        QCOMPARE(mode->text(), QStringLiteral("編集モード"));

        const QString page = QStringLiteral("<HTML><HEAD></HEAD><BODY><P>mine</P></BODY></HTML>");
        QVERIFY(form.surface()->setDocumentHTML(page));
        app.boxes.shown.clear();
        app.boxes.answers << MessageBoxes::Answer::Ok;
        form.Command1_Click();
        QCOMPARE(app.boxes.texts().mid(1), QStringList{QStringLiteral("サンプルページを開けません。\nファイルが見つかりません: ") + app.file(QStringLiteral("map.htm"))});
        QCOMPARE(form.surface()->DocumentHTML(), page);
        QVERIFY(!form.surface()->BrowseMode());
        QCOMPARE(mode->text(), QStringLiteral("編集モード"));
        QVERIFY(button->isEnabled());
        QVERIFY(!form.isMaximized());
    }
};

TOVALEAF_TEST_MAIN(TestXmlSample)
#include "tst_xmlsample.moc"
