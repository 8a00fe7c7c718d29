#include "support/CutTexts.h"
#include "support/DialogFields.h"
#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include "commands/Form8.h"
#include "commands/MenuBar.h"
#include "help/Form28.h"
#include "help/HelpMenu.h"
#include "platform/DhtmlEdit.h"
#include "platform/TextWindow.h"
#include "platform/WebBrowser.h"
#include "platform/WrappingMenuBar.h"
#include "shell/Form1.h"

#include <QAction>
#include <QDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QWebEngineView>

#include <memory>

using namespace TestSupport;

namespace {

// A script's value in a plain page view, once the engine has answered.
QVariant evaluate(QWebEngineView *view, const QString &script)
{
    auto answer = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [answer](const QVariant &value) { *answer = value; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }))
        return QStringLiteral("(no answer)");
    return **answer;
}

// Which top items of the menu bar a person cannot see: not in any row, outside
// its row, or behind a row's "»" button.
QStringList hiddenTopMenus(Form1 &form)
{
    auto *bar = qobject_cast<WrappingMenuBar *>(form.menuWidget());
    if (!bar)
        return {QStringLiteral("no wrapping menu bar")};
    QStringList hidden;
    for (QAction *item : bar->actions()) {
        bool shown = false;
        for (QMenuBar *row : bar->rows()) {
            const QRect rect = row->actionGeometry(item);
            if (row->actions().contains(item) && row->isVisibleTo(&form) && !rect.isEmpty() && row->rect().contains(rect))
                shown = true;
        }
        if (!shown)
            hidden << item->text();
    }
    for (QMenuBar *row : bar->rows())
        for (auto *more : row->findChildren<QToolButton *>())
            if (more->isVisibleTo(&form))
                hidden << QStringLiteral("» in ") + row->objectName();
    return hidden;
}

QStringList outsideScreen(const QWidget *window)
{
    const QRect available = window->screen()->availableGeometry();
    if (available.contains(window->frameGeometry()))
        return {};
    return {QStringLiteral("%1 at %2,%3 %4x%5 outside the screen's %6x%7")
                .arg(window->objectName())
                .arg(window->frameGeometry().x())
                .arg(window->frameGeometry().y())
                .arg(window->frameGeometry().width())
                .arg(window->frameGeometry().height())
                .arg(available.width())
                .arg(available.height())};
}

// Opens every window and dialog the user can reach, each at the size it opens
// with, hands it to check, and closes it.
void visitEveryWindow(Form1 &form, ScriptedMessageBoxes &boxes, const std::function<void(QWidget *)> &check)
{
    auto checkModal = [&](const std::function<void()> &open, const char *expected) {
        ModalDriver driver([&](QDialog *dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            check(dialog);
            dialog->reject();
        });
        open();
        QVERIFY2(driver.ran(), expected);
        QCOMPARE(driver.seen(), QLatin1String(expected));
    };
    const QList<QPair<const char *, const char *>> controls = {
        {"ボタン", "Form10"}, {"選択ボックス", "Form12"}, {"フローティングフレーム", "Form5"}, {"水平罫線", "Form11"}, {"マーキー", "Form9"},
    };
    for (const auto &[entry, dialog] : controls)
        checkModal([&] { DialogFields::choose(form.combo(1), QString::fromUtf8(entry)); }, dialog);
    const QList<QPair<const char *, const char *>> effects = {
        {"RevealTransition(Text)", "Form6"}, {"RevealTransition(Image)", "Form7"}, {"BlendFilter", "Form21"},
        {"移動する画像", "Form24"},          {"ﾀｲﾌﾟﾗｲﾀ風な文字", "Form23"},     {"影付き文字", "Form13"},
        {"波文字", "Form14"},                {"燃える文字", "Form15"},           {"消える文字", "Form16"},
        {"ﾏｳｽで色が変わる文字", "Form17"},   {"Dialog Box", "Form26"},          {"全画面表示", "Form27"},
        {"Redirect Filter(IE5.0)", "Form22"},
    };
    for (const auto &[entry, dialog] : effects)
        checkModal([&] { DialogFields::choose(form.combo(2), QString::fromUtf8(entry)); }, dialog);
    const QList<QPair<const char *, const char *>> menuDialogs = {
        {"mivomake_hyou", "Form2"}, {"mivolinkok", "Form4"}, {"haikeisettei", "Form19"}, {"mivofile_open", "Form25"},
    };
    for (const auto &[item, dialog] : menuDialogs)
        checkModal(
            [&] {
                // Whether the page allows the command now is not what is looked at here.
                form.menus().item(QLatin1String(item))->setEnabled(true);
                // The page was changed: the file screen first asks whether to save it.
                if (QLatin1String(item) == QLatin1String("mivofile_open"))
                    boxes.answers << MessageBoxes::Answer::No;
                form.menus().item(QLatin1String(item))->trigger();
            },
            dialog);

    // The source window, and its replace dialog over it.
    ModalDriver source([&](QDialog *window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        check(window);
        auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("RichTextBox1"));
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        text->setTextCursor(cursor);
        ModalDriver replace([&](QDialog *dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            check(dialog);
            dialog->reject();
        });
        DialogFields::click(window, "Command1");
        QCOMPARE(replace.seen(), QStringLiteral("Form18"));
        window->reject();
    });
    form.menus().item(QStringLiteral("sourcehyouji"))->trigger();
    QCOMPARE(source.seen(), QStringLiteral("Form3"));

    // The windows that stay beside the main one.
    form.menus().item(QStringLiteral("haikei_iro"))->trigger();
    QVERIFY(Form8::current());
    QVERIFY(QTest::qWaitForWindowExposed(Form8::current()));
    check(Form8::current());
    Form8::current()->close();
    form.menus().item(QStringLiteral("otasuke"))->trigger();
    auto *help = form.findChild<TextWindow *>();
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    check(help);
    help->close();
    boxes.answers << MessageBoxes::Answer::Ok;
    form.menus().item(QStringLiteral("mivoscript"))->trigger();
    QVERIFY(form.help().viewer());
    QVERIFY(QTest::qWaitForWindowExposed(form.help().viewer()));
    check(form.help().viewer());
    form.help().viewer()->close();
}

} // namespace

// A list of what is wrong, expected empty; shown whole when it is not.
#define expectNone(list)                                                                                                \
    do {                                                                                                               \
        const QStringList found = (list);                                                                              \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));                                           \
    } while (false)

// What a person sees of every window at the size it opens with: no text cut,
// no top menu hidden, every window on the screen.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    // The look of the check itself: each kind of text it knows, once cut and once whole.
    void cutTextsAreSeen()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        auto *label = new QLabel(QStringLiteral("マウスの右クリックでもメニューが表示されます。"), &window);
        auto *edit = new QLineEdit(QStringLiteral("ブラウザモード"), &window);
        auto *button = new QPushButton(QStringLiteral("XMLｻﾝﾌﾟﾙ ｻﾝﾌﾟﾙ"), &window);
        auto *check = new QCheckBox(QStringLiteral("ﾁｪｯｸONで<BR>挿入"), &window);
        auto *group = new QGroupBox(QStringLiteral("カラーパレットの見本"), &window);
        auto *combo = new QComboBox(&window);
        combo->addItem(QStringLiteral("RevealTransition(Image)"));
        const QList<QWidget *> all = {label, edit, button, check, group, combo};
        for (int i = 0; i < all.size(); ++i)
            all[i]->setGeometry(0, i * 50, 40, 30);
        window.resize(500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(CutTexts::in(&window).size(), all.size());
        for (QWidget *widget : all)
            widget->resize(400, 40);
        expectNone(CutTexts::in(&window));
        // Cut by the window's edge, or by a widget over it.
        window.resize(80, 400);
        QTRY_COMPARE(CutTexts::in(&window).size(), all.size());
        window.resize(500, 400);
        QTRY_VERIFY(CutTexts::in(&window).isEmpty());
        auto *cover = new QWidget(&window);
        cover->setAutoFillBackground(true);
        cover->setGeometry(100, 0, 400, 30);
        cover->show();
        QCOMPARE(CutTexts::in(&window).size(), 1);
    }

    void mainWindowAtItsSizes()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        expectNone(hiddenTopMenus(form));
        expectNone(CutTexts::in(&form));
        // The indicator shows whichever of its texts whole.
        auto *indicator = form.findChild<QLineEdit *>(QStringLiteral("Text4"));
        for (const QString &mode : {Form1::EditModeText, Form1::RunModeText, QStringLiteral("ブラウザモード")}) {
            indicator->setText(mode);
            // The status bar follows the indicator once its layout has run.
            QTRY_VERIFY2(CutTexts::in(&form).isEmpty(), qPrintable(CutTexts::in(&form).join(QLatin1Char('\n'))));
        }
        indicator->setText(Form1::EditModeText);

        // On a small screen's desktop.
        form.resize(1024, 768 - 60);
        QTRY_COMPARE(form.size(), QSize(1024, 768 - 60));
        expectNone(hiddenTopMenus(form));
        expectNone(CutTexts::in(&form));
        // The editing surface starts below the menu bar and the top row.
        QVERIFY(form.surface()->mapTo(&form, QPoint(0, 0)).y() > form.menuWidget()->geometry().bottom());

        // The last top item's access key, wherever its row is.
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QAction *tutorial = form.menus().item(QStringLiteral("trytvl"));
        disconnect(tutorial, nullptr, nullptr, nullptr);
        QSignalSpy triggered(tutorial, &QAction::triggered);
        QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(triggered.size(), 1);
    }

    void everyDialogShowsItsTexts()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>page</p></body></html>")));
        QStringList cut;
        QStringList seen;
        visitEveryWindow(form, app.boxes, [&](QWidget *window) {
            seen << window->objectName();
            cut << CutTexts::in(window);
        });
        QCOMPARE(seen.size(), 27);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void everyWindowFitsTheScreen()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        expectNone(outsideScreen(&form));
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>page</p></body></html>")));
        QStringList outside;
        visitEveryWindow(form, app.boxes, [&](QWidget *window) { outside << outsideScreen(window); });
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1Char('\n'))));
    }

    // Each palette pane shows rows of colour names; one picked with the mouse and dropped lands in the colour field.
    void palettesShowRowsOfNames()
    {
        TestApp app;
        Form1 form(app.context);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>page</p></body></html>")));
        QStringList failures;
        auto tryPalette = [&](QWidget *window, const char *fieldName) {
            auto *palette = window->findChild<WebBrowser *>(QStringLiteral("WebBrowser1"));
            QWebEngineView *view = palette->view();
            const QString where = window->objectName() + QLatin1Char(' ');
            QTRY_VERIFY(evaluate(view, QStringLiteral("document.readyState == 'complete' && document.querySelectorAll('.name').length > 0 "
                                                      "&& innerHeight == %1")
                                           .arg(view->height()))
                            .toBool());
            const QStringList shown = evaluate(view, QStringLiteral(
                "(() => { const shown = [...document.querySelectorAll('.name')].filter(n => { const r = n.getBoundingClientRect();"
                " return r.top >= 0 && r.bottom <= innerHeight && r.left >= 0 && r.right <= innerWidth; });"
                " if (!shown.length) return '0'; const r = shown[0].getBoundingClientRect();"
                " return [new Set(shown.map(n => Math.round(n.getBoundingClientRect().top))).size,"
                " Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2), shown[0].textContent].join(' '); })()"))
                                          .toString()
                                          .split(QLatin1Char(' '));
            if (shown.first().toInt() < 3) {
                failures << where + QStringLiteral("shows %1 rows of names in %2 px").arg(shown.first()).arg(view->height());
                return;
            }
            // A click takes the whole name, as the page says.
            QWidget *input = view->focusProxy();
            QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(shown[1].toInt(), shown[2].toInt()));
            QTRY_COMPARE(evaluate(view, QStringLiteral("getSelection().toString()")).toString(), shown[3]);
            // What a drag of the selection carries, dropped on the field over its text.
            auto *field = window->findChild<QLineEdit *>(QLatin1String(fieldName));
            field->selectAll();
            QMimeData data;
            data.setText(evaluate(view, QStringLiteral("getSelection().toString()")).toString());
            QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(field, &enter);
            QDropEvent dropped(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(field, &dropped);
            if (field->text() != shown[3])
                failures << where + QStringLiteral("field holds \"%1\" after dropping \"%2\"").arg(field->text(), shown[3]);
        };
        const QList<std::tuple<int, const char *, const char *>> dialogs = {
            {2, "RevealTransition(Text)", "Text1"}, {2, "影付き文字", "Text1"}, {2, "燃える文字", "Text1"},
            {2, "ﾏｳｽで色が変わる文字", "Text1"},   {1, "水平罫線", "Text3"},
        };
        for (const auto &[list, entry, field] : dialogs) {
            ModalDriver driver([&](QDialog *dialog) {
                QVERIFY(QTest::qWaitForWindowExposed(dialog));
                tryPalette(dialog, field);
                dialog->reject();
            });
            DialogFields::choose(form.combo(list), QString::fromUtf8(entry));
            QVERIFY2(driver.ran(), entry);
        }
        form.menus().item(QStringLiteral("haikei_iro"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(Form8::current()));
        tryPalette(Form8::current(), "Text1");
        Form8::current()->close();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }
};

TOVALEAF_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
