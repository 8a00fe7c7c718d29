#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "commands/Form19.h"
#include "commands/Form8.h"
#include "commands/MenuBar.h"
#include "documents/FileList.h"
#include "documents/PageOpener.h"
#include "platform/ColorField.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/PageEnvironment.h"
#include "platform/PageScheme.h"
#include "platform/TextBuffer.h"
#include "platform/WebBrowser.h"
#include "shell/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QWebEngineView>

using namespace TestSupport;

namespace {

const QString TableAttrs = QStringLiteral("border=1 bordercolor=gray cellPadding=1 cellSpacing=1 width=5%");
const QString CellAttrs = QStringLiteral("bgcolor=white align=left");
const QString PictureFilter = QStringLiteral("GIFファイル(*.gif)|*.gif|JPGファイル(*.jpg)|*.jpg|全てのファイル(*.*)|*.*");


template <typename W>
W *child(QWidget *parent, const char *name)
{
    W *w = parent->findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("no %s in %s", name, qPrintable(parent->objectName()));
    return w;
}

QStringList entries(QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// Fills the table dialog and presses one of its buttons.
void fillTable(QDialog *d, const QString &rows, const QString &cols, const QString &caption, const char *button)
{
    child<QLineEdit>(d, "Text1")->setText(rows);
    child<QLineEdit>(d, "Text2")->setText(cols);
    child<QLineEdit>(d, "Text5")->setText(caption);
    child<QPushButton>(d, button)->click();
}

// Drops text on a widget as the palette view's drag would.
void drop(QWidget *target, const QString &text)
{
    QMimeData data;
    data.setText(text);
    const QPointF at(4, 4);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped);
}

// The picture dialog, filled in by typing and closed with a button.
void setPicture(QAction *item, const QString &path, const QString &pattern, const char *button = "Command2")
{
    ModalDriver driver([&](QDialog *d) {
        const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
        child<QLineEdit>(d, "Text1")->setText(path);
        child<QComboBox>(d, "Combo1")->setEditText(pattern);
        child<QPushButton>(d, button)->click();
    });
    item->trigger();
    QVERIFY(driver.ran());
}

} // namespace

// The table, link, background colour and background picture dialogs, on the real page.
class TestPageDialogs : public QObject
{
    Q_OBJECT

private slots:
    void tableDialog()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        writeBytes(app.file(QStringLiteral("page.htm")), "<html><body><p>before</p></body></html>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
        QVERIFY(recordCalls(surface));
        selectText(surface, QStringLiteral("before"), 6);
        QAction *make = form.menus().item(QStringLiteral("mivomake_hyou"));
        QTRY_VERIFY(make->isEnabled());

        // Its fields as it opens; a changed attribute text and Cancel leave the page alone.
        ModalDriver first([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            QCOMPARE(d->windowTitle(), QStringLiteral("表の作成"));
            QCOMPARE(d->parentWidget()->objectName(), QStringLiteral("Form1"));
            QVERIFY(d->isModal());
            QStringList labels;
            for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
                labels << child<QLabel>(d, name)->text();
            QCOMPARE(labels, (QStringList{QStringLiteral("行数"), QStringLiteral("列数"), QStringLiteral("表の属性"),
                                          QStringLiteral("ｾﾙの属性"), QStringLiteral("表題")}));
            QStringList fields;
            for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
                fields << child<QLineEdit>(d, name)->text();
            QCOMPARE(fields, (QStringList{QString(), QString(), TableAttrs, CellAttrs, QString()}));
            QCOMPARE(child<QPushButton>(d, "Command1")->text(), QStringLiteral("OK"));
            QCOMPARE(child<QPushButton>(d, "Command2")->text(), QStringLiteral("Cancel"));
            // The mouse over the table attributes shows them whole.
            auto *attrs = child<QLineEdit>(d, "Text3");
            attrs->setText(QStringLiteral("border=0 width=100%"));
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), attrs->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(attrs, &move);
            QCOMPARE(attrs->toolTip(), QStringLiteral("border=0 width=100%"));
            fillTable(d, QStringLiteral("2"), QStringLiteral("2"), QString(), "Command2");
        });
        make->trigger();
        QVERIFY(first.ran());
        QCOMPARE(takeCalls(surface), QStringLiteral("[]"));
        QCOMPARE(body(surface), QStringLiteral("<P>before</P>"));

        // Opened again it shows the initial texts; 3 rows, 2 columns and a caption go in at the caret.
        ModalDriver second([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            QCOMPARE(child<QLineEdit>(d, "Text3")->text(), TableAttrs);
            QCOMPARE(child<QLineEdit>(d, "Text4")->text(), CellAttrs);
            fillTable(d, QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("売上表"), "Command1");
        });
        make->trigger();
        QVERIFY(second.ran());
        QCOMPARE(takeCalls(surface),
                 QStringLiteral("[[5022,0,{\"Caption\":\"売上表\",\"CellAttrs\":\"%1\",\"NumCols\":\"2\",\"NumRows\":\"3\",\"TableAttrs\":\"%2\"}]]")
                     .arg(CellAttrs, TableAttrs));
        const Module1 &shared = app.shared();
        QCOMPARE(shared.TableRows, QVariant(QStringLiteral("3")));
        QCOMPARE(shared.TableCols, QVariant(QStringLiteral("2")));
        QCOMPARE(shared.TableAttrs, QVariant(TableAttrs));
        QCOMPARE(shared.TableCellAttrs, CellAttrs);
        QCOMPARE(shared.TableCaption, QStringLiteral("売上表"));
        const QString cell = QStringLiteral("<TD bgColor=white align=left></TD>");
        const QString table = QStringLiteral("<TABLE border=1 borderColor=gray cellPadding=1 cellSpacing=1 width=5%>%1"
                                             "<TBODY><TR>%2%2</TR><TR>%2%2</TR><TR>%2%2</TR></TBODY></TABLE>");
        QCOMPARE(body(surface), QStringLiteral("<P>before%1</P>").arg(table.arg(QStringLiteral("<CAPTION>売上表</CAPTION>"), cell)));
        QVERIFY(app.boxes.shown.isEmpty());

        // An empty caption hands over an empty Caption and makes no caption.
        QVERIFY(surface->evaluate(QStringLiteral("(() => { const r = document.createRange(); r.setStartAfter(document.querySelector('table'));"
                                                 " r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()")));
        ModalDriver third([](QDialog *d) { fillTable(d, QStringLiteral("1"), QStringLiteral("1"), QString(), "Command1"); });
        make->trigger();
        QVERIFY(third.ran());
        QCOMPARE(takeCalls(surface),
                 QStringLiteral("[[5022,0,{\"Caption\":\"\",\"CellAttrs\":\"%1\",\"NumCols\":\"1\",\"NumRows\":\"1\",\"TableAttrs\":\"%2\"}]]")
                     .arg(CellAttrs, TableAttrs));
        const QString tables = QStringLiteral("<P>before%1%2</P>")
                                   .arg(table.arg(QStringLiteral("<CAPTION>売上表</CAPTION>"), cell),
                                        QStringLiteral("<TABLE border=1 borderColor=gray cellPadding=1 cellSpacing=1 width=5%>"
                                                       "<TBODY><TR>%1</TR></TBODY></TABLE>")
                                            .arg(cell));
        QCOMPARE(body(surface), tables);

        // An empty count closes the dialog without a word and inserts nothing.
        for (const auto &[rows, cols] : QList<QPair<QString, QString>>{{QString(), QStringLiteral("2")}, {QStringLiteral("2"), QString()}}) {
            ModalDriver empty([&](QDialog *d) { fillTable(d, rows, cols, QString(), "Command1"); });
            make->trigger();
            QVERIFY(empty.ran());
            QVERIFY(!QApplication::activeModalWidget());
        }
        QCOMPARE(takeCalls(surface), QStringLiteral("[]"));
        QCOMPARE(body(surface), tables);
        QVERIFY(app.boxes.shown.isEmpty());

        // A count that is no whole number from 1 to 1000: told so, nothing inserted, the dialog stays.
        const QStringList refused = {QStringLiteral("0"), QStringLiteral("1001"), QStringLiteral("2.5"), QStringLiteral("abc"),
                                     QStringLiteral("-1"), QStringLiteral("1e2"), QStringLiteral("３")};
        for (const QString &count : refused) {
            for (bool inRows : {true, false}) {
                app.boxes.shown.clear();
                bool stayed = false;
                ModalDriver bad([&](QDialog *d) {
                    const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
                    fillTable(d, inRows ? count : QStringLiteral("2"), inRows ? QStringLiteral("2") : count, QString(), "Command1");
                    stayed = d->isVisible();
                    child<QPushButton>(d, "Command2")->click();
                });
                make->trigger();
                QVERIFY(bad.ran());
                QVERIFY2(stayed, qPrintable(count));
                QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("行数と列数には1から1000までの整数を入力してください。")});
            }
        }
        QCOMPARE(takeCalls(surface), QStringLiteral("[]"));
        QCOMPARE(body(surface), tables);

        // The largest table is let through.
        ModalDriver largest([](QDialog *d) { fillTable(d, QStringLiteral("1000"), QStringLiteral("1"), QString(), "Command1"); });
        make->trigger();
        QCOMPARE(js(surface, QStringLiteral("String(document.querySelectorAll('table')[2].rows.length)")), QStringLiteral("1000"));
    }

    void linkDialog()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        writeBytes(app.file(QStringLiteral("page.htm")), "<html><body><p>go there now</p></body></html>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
        selectText(surface, QStringLiteral("there"), 3, 8);
        QAction *link = form.menus().item(QStringLiteral("mivolinkok"));
        QTRY_VERIFY(link->isEnabled());

        // Cancel leaves the page alone.
        ModalDriver cancel([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            QCOMPARE(d->windowTitle(), QStringLiteral("リンク先の指定"));
            QCOMPARE(child<QLabel>(d, "Label1")->text(), QStringLiteral("リンク先を指定してください。"));
            QCOMPARE(child<QLineEdit>(d, "Text1")->text(), QStringLiteral("http://"));
            QCOMPARE(child<QPushButton>(d, "Command1")->text(), QStringLiteral("参照"));
            child<QPushButton>(d, "Command3")->click();
        });
        link->trigger();
        QVERIFY(cancel.ran());
        QCOMPARE(body(surface), QStringLiteral("<P>go there now</P>"));

        // A page from the picker; a cancelled picker keeps what the field held.
        const QString target = app.file(QStringLiteral("next.htm"));
        app.dialogs.fileNames << target << std::nullopt;
        ModalDriver pick([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            child<QPushButton>(d, "Command1")->click();
            child<QPushButton>(d, "Command1")->click();
            child<QPushButton>(d, "Command2")->click();
        });
        link->trigger();
        QVERIFY(pick.ran());
        QCOMPARE(form.commonDialog()->Filter, QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html"));
        QCOMPARE(app.dialogs.filtersSeen.first(), QStringLiteral("HTMファイル(*.htm);;HTMLファイル(*.html)"));
        QCOMPARE(body(surface), QStringLiteral("<P>go <A href=%1>there</A> now</P>").arg(target));

        // A typed address, no prompt of the surface's own.
        selectText(surface, QStringLiteral("go "), 0, 2);
        ModalDriver typed([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            QCOMPARE(child<QLineEdit>(d, "Text1")->text(), QStringLiteral("http://"));
            child<QLineEdit>(d, "Text1")->setText(QStringLiteral("http://tova.example/"));
            child<QPushButton>(d, "Command2")->click();
        });
        link->trigger();
        QVERIFY(typed.ran());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(body(surface), QStringLiteral("<P><A href=http://tova.example/>go</A> <A href=%1>there</A> now</P>").arg(target));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    void liveBackgroundColour()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        writeBytes(app.file(QStringLiteral("page.htm")), "<html><body><p>colour me</p></body></html>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));

        QWidget *focused = QApplication::focusWidget();
        form.menus().item(QStringLiteral("haikei_iro"))->trigger();
        Form8 *window = Form8::current();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("背景色設定"));
        // On the screen, clear of the main window's menu bar and lists.
        const QRect screen = form.screen()->availableGeometry();
        const QRect menusAndLists(form.frameGeometry().topLeft(),
                                  QPoint(form.frameGeometry().right(), surface->mapToGlobal(QPoint(0, 0)).y() - 1));
        QVERIFY(menusAndLists.intersects(QRect(screen.topLeft(), window->frameGeometry().size())));
        QVERIFY(screen.contains(window->frameGeometry()));
        QVERIFY(!window->frameGeometry().intersects(menusAndLists));
        QCOMPARE(window->frameGeometry().left(), screen.left());
        QCOMPARE(window->size(), QSize(160, 305));
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(child<QGroupBox>(window, "Frame1")->title(), QStringLiteral("カラーパレット"));
        QCOMPARE(child<QLabel>(window, "Label1")->text(),
                 QStringLiteral("希望の色ﾃｷｽﾄを選択し、下のﾃｷｽﾄﾎﾞｯｸｽへ、ﾏｳｽでDragDropして下さい。"));
        auto *palette = child<WebBrowser>(window, "WebBrowser1");
        QTRY_COMPARE(palette->view()->url(), palette->environment().scheme().fileAddress(app.file(QStringLiteral("color.htm"))));
        auto *clear = child<QPushButton>(window, "Command1");
        QCOMPARE(clear->text(), QString());
        ColorField *field = window->colorField();

        // A dropped name recolours the page at once, and the clear button turns red.
        drop(field, QStringLiteral("\nnavy\n"));
        QCOMPARE(field->text(), QStringLiteral("navy"));
        QCOMPARE(js(surface, QStringLiteral("document.bgColor")), QStringLiteral("navy"));
        QCOMPARE(surface->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY bgColor=navy><P>colour me</P></BODY></HTML>"));
        QCOMPARE(clear->styleSheet(), QStringLiteral("background-color: red;"));

        // Every typed change goes to the page, unchecked.
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("#00"));
        QCOMPARE(js(surface, QStringLiteral("document.bgColor")), QStringLiteral("#00"));
        QTest::keyClicks(field, QStringLiteral("ff00"));
        QCOMPARE(js(surface, QStringLiteral("document.bgColor")), QStringLiteral("#00ff00"));
        QCOMPARE(js(surface, QStringLiteral("getComputedStyle(document.body).backgroundColor")), QStringLiteral("rgb(0, 255, 0)"));

        // The clear button empties the field, passes the empty colour, and returns to the window's colour.
        clear->click();
        QCOMPARE(field->text(), QString());
        QCOMPARE(js(surface, QStringLiteral("document.bgColor")), QString());
        QCOMPARE(clear->styleSheet(), QString());

        // The window is loaded once and shown again where it was asked for; at the screen's
        // top-left where the main window leaves that free.
        form.move(screen.topLeft() + QPoint(300, 200));
        QTRY_COMPARE(form.frameGeometry().topLeft(), screen.topLeft() + QPoint(300, 200));
        form.menus().item(QStringLiteral("haikei_iro"))->trigger();
        QCOMPARE(Form8::current(), window);
        QTRY_COMPARE(window->frameGeometry().topLeft(), screen.topLeft());
        window->close();
        QTRY_VERIFY(!Form8::current());
        form.menus().item(QStringLiteral("haikei_iro"))->trigger();
        QVERIFY(Form8::current() && Form8::current()->colorField()->text().isEmpty());
        Form8::current()->close();
    }

    void backgroundPictureRoundTrip()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        QAction *set = form.menus().item(QStringLiteral("haikeisettei"));
        QAction *remove = form.menus().item(QStringLiteral("deletehaikei"));
        Module1 &shared = app.shared();

        // Nothing on the surface yet: no "<BODY" to put the picture in, the dialog closes.
        setPicture(set, QStringLiteral("/p.gif"), QStringLiteral("固定する"));
        QCOMPARE(shared.BodyBackgroundTag, QStringLiteral("<BODY background=/p.gif bgProperties=fixed"));
        QCOMPARE(surface->DocumentHTML(), QString());
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp.htm"))));
        QVERIFY(!QApplication::activeModalWidget());

        writeBytes(app.file(QStringLiteral("page.htm")), "<html><body text=black><p>words</p></body></html>");
        QVERIFY(surface->LoadDocument(app.file(QStringLiteral("page.htm"))));
        selectText(surface, QStringLiteral("words"), 1);
        QTRY_VERIFY(set->isEnabled());
        QVERIFY(!remove->isEnabled());

        // The dialog: the pattern and OK wait for a picture; one from the picker, fixed.
        const QString picture = app.file(QStringLiteral("p.gif"));
        app.dialogs.fileNames << picture;
        ModalDriver driver([&](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            QCOMPARE(d->windowTitle(), QStringLiteral("背景画像設定"));
            QCOMPARE(child<QLabel>(d, "Label1")->text(), QStringLiteral("画像の指定"));
            QCOMPARE(child<QLabel>(d, "Label2")->text(), QStringLiteral("背景ﾊﾟﾀｰﾝ"));
            auto *pattern = child<QComboBox>(d, "Combo1");
            auto *ok = child<QPushButton>(d, "Command2");
            QCOMPARE(entries(pattern), (QStringList{QStringLiteral("固定する"), QStringLiteral("固定しない")}));
            QCOMPARE(pattern->currentText(), QStringLiteral("固定しない"));
            QVERIFY(!pattern->isEnabled());
            QVERIFY(!ok->isEnabled());
            child<QPushButton>(d, "Command1")->click();
            QCOMPARE(child<QLineEdit>(d, "Text1")->text(), picture);
            QVERIFY(pattern->isEnabled());
            QVERIFY(ok->isEnabled());
            pattern->setCurrentIndex(0);
            ok->click();
        });
        set->trigger();
        QVERIFY(driver.ran());
        QCOMPARE(form.commonDialog()->Filter, PictureFilter);
        QCOMPARE(app.dialogs.filtersSeen.size(), 1);
        QCOMPARE(shared.BackgroundFixedAttr, QStringLiteral("bgProperties=fixed"));
        const QString tag = QStringLiteral("<BODY background=%1 bgProperties=fixed").arg(picture);
        QCOMPARE(shared.BodyBackgroundTag, tag);
        // The tag's existing attributes follow the picture's.
        const QString pictured = QStringLiteral("<HTML><HEAD></HEAD>%1 text=black><P>words</P></BODY></HTML>").arg(tag);
        QCOMPARE(surface->DocumentHTML(), pictured);
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), pictured.toUtf8() + "\r\n");
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp1.htm"))));
        QTRY_VERIFY(remove->isEnabled());
        QVERIFY(!set->isEnabled());

        // Text typed since the load stays when the picture goes.
        selectText(surface, QStringLiteral("words"), 5);
        QVERIFY(surface->evaluate(QStringLiteral("document.execCommand('insertText', false, ' and more')")));
        remove->trigger();
        const QString plain = QStringLiteral("<HTML><HEAD></HEAD><BODY text=black><P>words and more</P></BODY></HTML>");
        QCOMPARE(surface->DocumentHTML(), plain);
        QCOMPARE(form.richTextBox(1)->text(), plain);
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), plain.toUtf8() + "\r\n");
        QTRY_VERIFY(set->isEnabled());
        QVERIFY(!remove->isEnabled());

        // A path with a blank stays one attribute, in double quotes, and the delete still finds it.
        const QString spaced = app.file(QStringLiteral("my pictures/sky.gif"));
        setPicture(set, spaced, QStringLiteral("固定しない"));
        const QString quoted = QStringLiteral("<BODY background=\"%1\" bgProperties=none").arg(spaced);
        QCOMPARE(shared.BodyBackgroundTag, quoted);
        QCOMPARE(surface->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD>%1 text=black><P>words and more</P></BODY></HTML>").arg(quoted));
        QCOMPARE(js(surface, QStringLiteral("document.body.getAttribute('background')")), spaced);
        QCOMPARE(js(surface, QStringLiteral("String(document.body.attributes.length)")), QStringLiteral("3"));
        QTRY_VERIFY(remove->isEnabled());
        remove->trigger();
        QCOMPARE(surface->DocumentHTML(), plain);

        // A pattern that is neither entry keeps the dialog open; Cancel changes nothing.
        ModalDriver other([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            child<QLineEdit>(d, "Text1")->setText(QStringLiteral("/x.gif"));
            child<QComboBox>(d, "Combo1")->setEditText(QStringLiteral("固定"));
            child<QPushButton>(d, "Command2")->click();
            QVERIFY(d->isVisible());
            child<QPushButton>(d, "Command3")->click();
        });
        set->trigger();
        QVERIFY(other.ran());
        QCOMPARE(shared.BodyBackgroundTag, quoted);
        QCOMPARE(surface->DocumentHTML(), plain);

        // Deleting when the page no longer holds the tag changes nothing, but the page is still rewritten.
        QVERIFY(QFile::remove(app.file(QStringLiteral("tvlTemp.htm"))));
        remove->setEnabled(true);
        remove->trigger();
        QCOMPARE(surface->DocumentHTML(), plain);
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), plain.toUtf8() + "\r\n");

        // Signs a path may hold: the tag is written as the page writes it back, so the delete finds it.
        for (const QString &name : {QStringLiteral("a=b.gif"), QStringLiteral("it's.gif"), QStringLiteral("r&amp;d.gif"),
                                    QStringLiteral("say\"hi\".gif"), QStringLiteral("全角\u3000空白.gif")}) {
            const QString path = app.file(name);
            setPicture(set, path, QStringLiteral("固定しない"));
            QCOMPARE(js(surface, QStringLiteral("document.body.getAttribute('background')")), path);
            QVERIFY2(surface->DocumentHTML().contains(shared.BodyBackgroundTag), qPrintable(shared.BodyBackgroundTag));
            QTRY_VERIFY2(remove->isEnabled(), qPrintable(name));
            QVERIFY(!set->isEnabled());
            remove->trigger();
            QCOMPARE(surface->DocumentHTML(), plain);
        }

        QVERIFY(app.boxes.shown.isEmpty());
    }

    void backgroundPictureBesideAnOpenedPage()
    {
        TestApp app;
        QTemporaryDir pages;
        writeBytes(pages.filePath(QStringLiteral("a.htm")), "<html><body><p>opened</p></body></html>");
        app.context.workingFolder = pages.path();
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DhtmlEdit *surface = form.surface();
        QAction *set = form.menus().item(QStringLiteral("haikeisettei"));
        QAction *remove = form.menus().item(QStringLiteral("deletehaikei"));

        // Opened through the file screen.
        ModalDriver open([](QDialog *d) {
            const auto closeOnFailure = qScopeGuard([d] { if (d->isVisible()) d->reject(); });
            auto *files = child<FileList>(d, "File1");
            const QList<QListWidgetItem *> found = files->findItems(QStringLiteral("a.htm"), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
            child<QPushButton>(d, "Command1")->click();
        });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(open.ran());
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
        QCOMPARE(app.shared().DocumentFolder, pages.path());

        // The picture dialog writes tvlTemp1.htm beside the page, the delete tvlTemp.htm.
        setPicture(set, QStringLiteral("sky.gif"), QStringLiteral("固定しない"));
        const QString pictured = QStringLiteral("<HTML><HEAD></HEAD><BODY background=sky.gif bgProperties=none><P>opened</P></BODY></HTML>");
        QCOMPARE(surface->DocumentHTML(), pictured);
        QCOMPARE(readBytes(pages.filePath(QStringLiteral("tvlTemp1.htm"))), pictured.toUtf8() + "\r\n");
        QVERIFY(!QFile::exists(pages.filePath(QStringLiteral("tvlTemp.htm"))));
        // Relative to the page's folder, as the page itself.
        QVERIFY(js(surface, QStringLiteral("getComputedStyle(document.body).backgroundImage"))
                    .endsWith(pages.filePath(QStringLiteral("sky.gif")) + QStringLiteral("\")")));
        QTRY_VERIFY(remove->isEnabled());
        remove->trigger();
        const QString plain = QStringLiteral("<HTML><HEAD></HEAD><BODY><P>opened</P></BODY></HTML>");
        QCOMPARE(surface->DocumentHTML(), plain);
        QCOMPARE(readBytes(pages.filePath(QStringLiteral("tvlTemp.htm"))), plain.toUtf8() + "\r\n");
        for (const char *name : {"tvlTemp.htm", "tvlTemp1.htm"})
            QVERIFY(!QFile::exists(app.file(QLatin1String(name))));

        // A file screen left with Cancel names no folder: the program folder takes the temporary page.
        // The page changed since it was opened: first the question whether to save it (No).
        app.boxes.answers << MessageBoxes::Answer::No;
        ModalDriver cancel([](QDialog *d) { child<QPushButton>(d, "Command2")->click(); });
        form.menus().item(QStringLiteral("mivofile_open"))->trigger();
        QVERIFY(cancel.ran());
        QCOMPARE(app.boxes.texts(), QStringList{PageOpener::UnsavedQuestion});
        app.boxes.shown.clear();
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
        QCOMPARE(app.shared().DocumentFolder, QString());
        QVERIFY(QFile::remove(pages.filePath(QStringLiteral("tvlTemp.htm"))));
        QVERIFY(QFile::remove(pages.filePath(QStringLiteral("tvlTemp1.htm"))));
        setPicture(set, QStringLiteral("sky.gif"), QStringLiteral("固定しない"));
        QCOMPARE(surface->DocumentHTML(), pictured);
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), pictured.toUtf8() + "\r\n");
        QVERIFY(!QFile::exists(pages.filePath(QStringLiteral("tvlTemp1.htm"))));
        QVERIFY(app.boxes.shown.isEmpty());
    }
};

TOVALEAF_TEST_MAIN(TestPageDialogs)
#include "tst_pagedialogs.moc"
