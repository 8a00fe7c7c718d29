#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWebEngineView>

#include <functional>

using namespace TestSupport;

// The surface's commands on known pages and selections, read back through DocumentHTML.
class TestCommandSet : public QObject
{
    Q_OBJECT

private:
    static QString body(DhtmlEdit &surface)
    {
        const QString html = surface.DocumentHTML();
        const int open = html.indexOf(QStringLiteral("<BODY"));
        const int start = html.indexOf(QLatin1Char('>'), open) + 1;
        return html.mid(start, html.lastIndexOf(QStringLiteral("</BODY>")) - start);
    }

    static void load(DhtmlEdit &surface, const TestApp &app, const QByteArray &bodyText)
    {
        writeBytes(app.file(QStringLiteral("page.htm")), "<html><body>" + bodyText + "</body></html>");
        QVERIFY(surface.LoadDocument(app.file(QStringLiteral("page.htm"))));
    }

    static int status(DhtmlEdit &surface, int command)
    {
        surface.refreshCommandStates();
        return surface.QueryStatus(command);
    }

    static void selectElement(DhtmlEdit &surface, const QString &id)
    {
        QVERIFY(surface.evaluate(QStringLiteral("__tvl.selectElement(document.getElementById('%1'))").arg(id)));
    }

    // Acts on the next modal dialog as soon as it shows.
    static void onNextDialog(std::function<void(QDialog *)> act)
    {
        auto *poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            act(dialog);
        });
        poll->start();
    }

    template <typename W>
    static W *child(QDialog *dialog, const char *name)
    {
        W *w = dialog->findChild<W *>(QLatin1String(name));
        if (!w)
            qFatal("no %s in %s", name, qPrintable(dialog->objectName()));
        return w;
    }

private slots:
    void formattingAlignmentListsAndRemoveFormat()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>one two three</p><p>second</p>");

        selectText(&surface, QStringLiteral("one"), 0, 3);
        QVERIFY(surface.ExecCommand(5000, 1));
        selectText(&surface, QStringLiteral(" two"), 1, 4);
        QVERIFY(surface.ExecCommand(5023, 1));
        selectText(&surface, QStringLiteral(" three"), 1, 6);
        QVERIFY(surface.ExecCommand(5048, 1));
        QCOMPARE(body(surface), QStringLiteral("<P><B>one</B> <I>two</I> <U>three</U></P><P>second</P>"));
        // The same command again undoes the bold: the program keeps no state of its own.
        selectText(&surface, QStringLiteral("one"), 0, 3);
        QVERIFY(surface.ExecCommand(5000, 1));
        QVERIFY(body(surface).startsWith(QStringLiteral("<P>one <I>two</I>")));

        selectText(&surface, QStringLiteral("second"), 2);
        QVERIFY(surface.ExecCommand(5024, 1));
        QVERIFY2(body(surface).endsWith(QStringLiteral("<P style=\"text-align: center;\">second</P>")), qPrintable(body(surface)));
        QVERIFY(surface.ExecCommand(5026, 1));
        QVERIFY(body(surface).endsWith(QStringLiteral("<P style=\"text-align: right;\">second</P>")));
        QVERIFY(surface.ExecCommand(5025, 1));
        QVERIFY(body(surface).endsWith(QStringLiteral("<P style=\"text-align: left;\">second</P>")));

        QCOMPARE(status(surface, 5031), int(DhtmlEdit::StatusSupported));
        QVERIFY(surface.ExecCommand(5018, 1));
        QVERIFY2(body(surface).contains(QStringLiteral("<BLOCKQUOTE")), qPrintable(body(surface)));
        QCOMPARE(status(surface, 5031), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5031, 1));
        QVERIFY(!body(surface).contains(QStringLiteral("<BLOCKQUOTE")));

        QVERIFY(surface.ExecCommand(5051, 0));
        QVERIFY2(body(surface).contains(QStringLiteral("<UL><LI")), qPrintable(body(surface)));
        QVERIFY(surface.ExecCommand(5030, 0));
        QVERIFY(body(surface).contains(QStringLiteral("<OL><LI")));
        QVERIFY(!body(surface).contains(QStringLiteral("<UL>")));

        // Remove format needs a selection; it takes the tags off what is selected.
        selectText(&surface, QStringLiteral("two"), 1);
        QCOMPARE(status(surface, 5034), int(DhtmlEdit::StatusSupported));
        selectText(&surface, QStringLiteral("two"), 0, 3);
        QCOMPARE(status(surface, 5034), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5034, 2));
        QVERIFY(body(surface).startsWith(QStringLiteral("<P>one two <U>three</U></P>")));
    }

    void coloursAreVbNumbers()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>red blue</p>");
        selectText(&surface, QStringLiteral("red"), 0, 3);
        QVERIFY(surface.ExecCommand(5046, 2, 255));
        selectText(&surface, QStringLiteral(" blue"), 1, 5);
        // 0x00BBGGRR: blue is 0xFF0000.
        QVERIFY(surface.ExecCommand(5042, 2, 0xFF0000));
        QCOMPARE(body(surface),
                 QStringLiteral("<P><FONT color=#ff0000>red</FONT> <SPAN style=\"background-color: rgb(0, 0, 255);\">blue</SPAN></P>"));
        QVERIFY(!surface.ExecCommand(5046, 2, -5));
    }

    void deleteSelectAllClipboardAndLinks()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>abcdef</p><p>go <a href=\"x.htm\">there</a> now</p><p><img id=i src=p.gif></p>");

        selectText(&surface, QStringLiteral("abcdef"), 1, 3);
        QVERIFY(surface.ExecCommand(5004, 1));
        QVERIFY(body(surface).startsWith(QStringLiteral("<P>adef</P>")));
        selectText(&surface, QStringLiteral("adef"), 0);
        QVERIFY(surface.ExecCommand(5004, 1));
        QVERIFY(body(surface).startsWith(QStringLiteral("<P>def</P>")));
        selectElement(surface, QStringLiteral("i"));
        QVERIFY(surface.ExecCommand(5004, 1));
        QVERIFY(body(surface).endsWith(QStringLiteral("<P></P>")));

        // Unlink: enabled exactly in or over a link; the caret in it unlinks the whole link.
        selectText(&surface, QStringLiteral("go "), 1);
        QCOMPARE(status(surface, 5050), int(DhtmlEdit::StatusSupported));
        QCOMPARE(status(surface, 5016), int(DhtmlEdit::StatusSupported));
        selectText(&surface, QStringLiteral("there"), 2);
        QCOMPARE(status(surface, 5050), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5050, 1));
        QVERIFY(body(surface).contains(QStringLiteral("<P>go there now</P>")));
        QCOMPARE(status(surface, 5050), int(DhtmlEdit::StatusSupported));

        // A link without prompting, from the address given.
        selectText(&surface, QStringLiteral("there"), 0, 5);
        QCOMPARE(status(surface, 5016), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5016, 2, QStringLiteral("http://example.jp/")));
        QVERIFY(body(surface).contains(QStringLiteral("<P>go <A href=http://example.jp/>there</A> now</P>")));

        QVERIFY(surface.ExecCommand(5035, 1));
        QCOMPARE(js(&surface, QStringLiteral("getSelection().toString()")), QStringLiteral("def\n\ngo there now"));
        QVERIFY(surface.ExecCommand(5003, 1));
        QTRY_VERIFY(!body(surface).contains(QStringLiteral("there")));
        selectText(&surface, QString(), 0);
        QVERIFY(surface.ExecCommand(5032, 1));
        QVERIFY2(body(surface).contains(QStringLiteral("<A href=http://example.jp/>there</A>")), qPrintable(body(surface)));
    }

    void undoAndRedoSteps()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>abc</p><table><tr><td id=c>x</td></tr></table>");
        const QString original = body(surface);
        QCOMPARE(status(surface, 5049), int(DhtmlEdit::StatusSupported));
        QCOMPARE(status(surface, 5033), int(DhtmlEdit::StatusSupported));

        selectText(&surface, QStringLiteral("abc"), 0, 3);
        QVERIFY(surface.ExecCommand(5000, 1));
        const QString bold = body(surface);
        selectText(&surface, QStringLiteral("x"), 0);
        QVERIFY(surface.ExecCommand(5020, 2, 1));
        const QString twoColumns = body(surface);
        QCOMPARE(twoColumns, QStringLiteral("<P><B>abc</B></P><TABLE><TBODY><TR><TD></TD><TD id=c>x</TD></TR></TBODY></TABLE>"));
        // A typed run is one step: real keys, as the user types them.
        QWidget &window = surface;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *keys = surface.view()->focusProxy();
        QVERIFY(keys);
        keys->setFocus();
        selectText(&surface, QStringLiteral("x"), 1);
        QTest::keyClicks(keys, QStringLiteral("123"));
        QTRY_VERIFY(body(surface).contains(QStringLiteral("x123")));

        QCOMPARE(status(surface, 5049), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5049, 1));
        QCOMPARE(body(surface), twoColumns);
        QCOMPARE(status(surface, 5033), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5049, 1));
        QCOMPARE(body(surface), bold);
        QVERIFY(surface.ExecCommand(5049, 1));
        QCOMPARE(body(surface), original);
        QCOMPARE(status(surface, 5049), int(DhtmlEdit::StatusSupported));
        QVERIFY(!surface.ExecCommand(5049, 1));

        QVERIFY(surface.ExecCommand(5033, 1));
        QCOMPARE(body(surface), bold);
        QVERIFY(surface.ExecCommand(5033, 1));
        QCOMPARE(body(surface), twoColumns);

        // A paste is one step; a new step drops what could be redone.
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        selectText(&surface, QStringLiteral("abc"), 3);
        QVERIFY(surface.ExecCommand(5032, 1));
        QVERIFY(body(surface).contains(QStringLiteral("abcPASTED")));
        QCOMPARE(status(surface, 5033), int(DhtmlEdit::StatusSupported));
        QVERIFY(surface.ExecCommand(5049, 1));
        QCOMPARE(body(surface), twoColumns);
    }

    void insertTableFromTheParameterObject()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>before</p>");
        selectText(&surface, QStringLiteral("before"), 6);
        const QVariantMap param{{QStringLiteral("NumRows"), QStringLiteral("2")},
                                {QStringLiteral("NumCols"), QStringLiteral("3")},
                                {QStringLiteral("TableAttrs"), QStringLiteral("border=1 bordercolor=gray cellPadding=1 cellSpacing=1 width=5%")},
                                {QStringLiteral("CellAttrs"), QStringLiteral("bgcolor=white align=left")},
                                {QStringLiteral("Caption"), QStringLiteral("売上表")}};
        QVERIFY(surface.ExecCommand(5022, 0, param));
        const QString cell = QStringLiteral("<TD bgColor=white align=left></TD>");
        QCOMPARE(body(surface), QStringLiteral("<P>before<TABLE border=1 borderColor=gray cellPadding=1 cellSpacing=1 width=5%>"
                                               "<CAPTION>売上表</CAPTION><TBODY><TR>%1%1%1</TR><TR>%1%1%1</TR></TBODY></TABLE></P>")
                                    .arg(cell));
        // The caret is in the first cell: the table commands are on.
        QCOMPARE(status(surface, 5021), int(DhtmlEdit::StatusEnabled));

        QVariantMap bad = param;
        for (const char *rows : {"0", "1001", "2.5", "abc", ""}) {
            bad[QStringLiteral("NumRows")] = QString::fromLatin1(rows);
            QVERIFY(!surface.ExecCommand(5022, 0, bad));
            QCOMPARE(surface.lastError(), QStringLiteral("行数と列数には1から1000までの整数を指定してください。"));
        }
        QCOMPARE(body(surface).count(QStringLiteral("<TABLE")), 1);
    }

    void tableCommandsStayRectangular()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>out</p><table><tr><td colspan=2>a</td><td>b</td></tr>"
                              "<tr><td rowspan=2>c</td><td>d</td><td>e</td></tr><tr><td>f</td><td>g</td></tr></table>");
        const QString width = QStringLiteral("Array.from(document.querySelector('table').rows).map((r) => "
                                             "__tvl.tableGrid(r.closest('table')).grid[r.rowIndex].length).join(',')");
        // Enabled exactly in a table cell.
        selectText(&surface, QStringLiteral("out"), 1);
        for (int id : {5005, 5006, 5007, 5019, 5020, 5021})
            QCOMPARE(status(surface, id), int(DhtmlEdit::StatusSupported));
        QVERIFY(!surface.ExecCommand(5021, 2, 1));
        selectText(&surface, QStringLiteral("d"), 0);
        for (int id : {5005, 5006, 5007, 5019, 5020, 5021})
            QCOMPARE(status(surface, id), int(DhtmlEdit::StatusEnabled));

        QVERIFY(surface.ExecCommand(5021, 2, 1)); // a row above d's row; c grows down
        QCOMPARE(body(surface), QStringLiteral("<P>out</P><TABLE><TBODY><TR><TD colSpan=2>a</TD><TD>b</TD></TR>"
                                               "<TR><TD></TD><TD></TD><TD></TD></TR>"
                                               "<TR><TD rowSpan=2>c</TD><TD>d</TD><TD>e</TD></TR><TR><TD>f</TD><TD>g</TD></TR></TBODY></TABLE>"));
        QCOMPARE(js(&surface, width), QStringLiteral("3,3,3,3"));

        selectText(&surface, QStringLiteral("d"), 0);
        QVERIFY(surface.ExecCommand(5020, 2, 1)); // a column before d's; a widens
        QCOMPARE(js(&surface, width), QStringLiteral("4,4,4,4"));
        QVERIFY(body(surface).contains(QStringLiteral("<TD colSpan=3>a</TD>")));
        QVERIFY(body(surface).contains(QStringLiteral("<TR><TD rowSpan=2>c</TD><TD></TD><TD>d</TD><TD>e</TD></TR><TR><TD></TD><TD>f</TD><TD>g</TD></TR>")));

        selectText(&surface, QStringLiteral("e"), 0);
        QVERIFY(surface.ExecCommand(5019, 2, 1)); // a cell before e; the other rows grow at their end
        QCOMPARE(js(&surface, width), QStringLiteral("5,5,5,5"));

        selectText(&surface, QStringLiteral("d"), 0);
        QVERIFY(surface.ExecCommand(5006, 2, 1));
        QCOMPARE(js(&surface, width), QStringLiteral("4,4,4,4"));
        // f stood under d.
        QVERIFY(!body(surface).contains(QStringLiteral(">d<")));
        QVERIFY(!body(surface).contains(QStringLiteral(">f<")));

        selectText(&surface, QStringLiteral("c"), 0);
        QVERIFY(surface.ExecCommand(5007, 2, 1)); // c spans two rows; its first row goes, it moves down
        QCOMPARE(js(&surface, width), QStringLiteral("4,4,4"));
        QVERIFY2(body(surface).endsWith(QStringLiteral("<TR><TD>c</TD><TD></TD><TD>g</TD><TD></TD></TR></TBODY></TABLE>")), qPrintable(body(surface)));

        // A deleted cell: the row closes up and is filled at its end.
        selectText(&surface, QStringLiteral("c"), 0);
        QVERIFY(surface.ExecCommand(5005, 2, 1));
        QCOMPARE(js(&surface, width), QStringLiteral("4,4,4"));
        QVERIFY(body(surface).endsWith(QStringLiteral("<TR><TD></TD><TD>g</TD><TD></TD><TD></TD></TR></TBODY></TABLE>")));

        // Deleting every column takes the table away.
        QVERIFY(surface.ExecCommand(5035, 1));
        selectText(&surface, QStringLiteral("a"), 0);
        for (int i = 0; i < 4 && body(surface).contains(QStringLiteral("<TABLE")); ++i) {
            QVERIFY(surface.evaluate(QStringLiteral("(() => { const r = document.createRange(); r.selectNodeContents(document.querySelector('td'));"
                                                    " r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()")));
            QVERIFY(surface.ExecCommand(5006, 2, 1));
        }
        QCOMPARE(body(surface), QStringLiteral("<P>out</P>"));
    }

    void positioningAndItsStates()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>text <img id=i src=p.gif width=20 height=20> more</p>"
                              "<div id=d style=\"position: absolute; left: 10px; top: 40px; filter:Shadow(color=gray)\">box</div>");
        selectText(&surface, QStringLiteral("text"), 1);
        for (int id : {5028, 5038, 5039})
            QCOMPARE(status(surface, id), int(DhtmlEdit::StatusSupported));

        selectElement(surface, QStringLiteral("i"));
        QCOMPARE(status(surface, 5028), int(DhtmlEdit::StatusEnabled));
        QCOMPARE(status(surface, 5039), int(DhtmlEdit::StatusSupported));
        const QString left = js(&surface, QStringLiteral("String(Math.round(document.getElementById('i').getBoundingClientRect().left + scrollX))"));
        const QString top = js(&surface, QStringLiteral("String(Math.round(document.getElementById('i').getBoundingClientRect().top + scrollY))"));
        QVERIFY(surface.ExecCommand(5028, 1));
        // Where it stood.
        QVERIFY2(body(surface).contains(QStringLiteral("<IMG id=i src=p.gif width=20 height=20 style=\"position: absolute; left: %1px; top: %2px;\">")
                                            .arg(left, top)),
                 qPrintable(body(surface)));
        QCOMPARE(status(surface, 5039), int(DhtmlEdit::StatusEnabled));
        QCOMPARE(status(surface, 5038), int(DhtmlEdit::StatusEnabled));
        QVERIFY(surface.ExecCommand(5039, 1));
        QVERIFY(body(surface).contains(QStringLiteral("top: %1px; z-index: 1;\">").arg(top)));
        QVERIFY(surface.ExecCommand(5038, 2));
        QVERIFY(body(surface).contains(QStringLiteral("top: %1px; z-index: -1;\">").arg(top)));
        // And back into the text.
        QVERIFY(surface.ExecCommand(5028, 1));
        QVERIFY(body(surface).startsWith(QStringLiteral("<P>text <IMG id=i src=p.gif width=20 height=20> more</P>")));
        QCOMPARE(status(surface, 5039), int(DhtmlEdit::StatusSupported));

        // A click selects a positioned element; dragging moves it and keeps its foreign style.
        surface.resize(600, 400);
        static_cast<QWidget &>(surface).show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        // Clicks hit the page only once it is laid out at the view's size.
        QTRY_COMPARE(js(&surface, QStringLiteral("String(innerWidth)")), QString::number(surface.view()->width()));
        QWidget *input = surface.view()->focusProxy();
        QVERIFY(input);
        QTest::mousePress(input, Qt::LeftButton, {}, QPoint(15, 45));
        QTRY_COMPARE(status(surface, 5039), int(DhtmlEdit::StatusEnabled));
        QMouseEvent move(QEvent::MouseMove, QPointF(45, 75), input->mapToGlobal(QPointF(45, 75)), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(input, &move);
        QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(45, 75));
        QTRY_VERIFY2(body(surface).contains(QStringLiteral("left: 40px; top: 70px;")), qPrintable(body(surface)));
        QVERIFY(body(surface).contains(QStringLiteral("filter:Shadow(color=gray)")));
        QVERIFY(surface.ExecCommand(5049, 1));
        QVERIFY(body(surface).contains(QStringLiteral("left: 10px; top: 40px;")));

        // Run mode: editing commands are unavailable.
        QVERIFY(surface.setBrowseMode(true));
        surface.refreshCommandStates();
        for (int id : {5000, 5004, 5016, 5022, 5028, 5032, 5046, 5049})
            QVERIFY2(surface.QueryStatus(id) != int(DhtmlEdit::StatusEnabled), qPrintable(QString::number(id)));
        QVERIFY(!surface.ExecCommand(5000, 1));
        QCOMPARE(surface.lastError(), QStringLiteral("実行モードでは編集できません。"));
    }

    void clickSelectsABlock()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        const QByteArray page = "<p id=p>plain words here</p>"
                                "<DIV ID=MIVO7 STYLE=\"width:100%;Filter:Shadow(Color=gray,Direction=135)\">shadow text</DIV>"
                                "<div id=pad style=\"padding: 16px; border: 2px solid gray\">padded words</div>";
        load(surface, app, page);
        surface.resize(600, 400);
        static_cast<QWidget &>(surface).show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        // Clicks hit the page only once it is laid out at the view's size.
        QTRY_COMPARE(js(&surface, QStringLiteral("String(innerWidth)")), QString::number(surface.view()->width()));
        // The engine's input widget is made anew with each load.
        QWidget *input = surface.view()->focusProxy();
        QVERIFY(input);
        // The middle of a word on the page, in the view's coordinates.
        auto wordAt = [&](const QString &word) {
            const QStringList xy = js(&surface, QStringLiteral(
                "(() => { const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT); let n;"
                " while ((n = w.nextNode())) { const i = n.data.indexOf('%1'); if (i < 0) continue;"
                " const r = document.createRange(); r.setStart(n, i); r.setEnd(n, i + %2); const b = r.getBoundingClientRect();"
                " return Math.round(b.left + b.width / 2) + ',' + Math.round(b.top + b.height / 2); } return ''; })()")
                                                       .arg(word)
                                                       .arg(word.size()))
                                       .split(QLatin1Char(','));
            return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint(-1, -1);
        };
        const QString selected = QStringLiteral(
            "(() => { const r = getSelection().getRangeAt(0); const n = r.startContainer.childNodes[r.startOffset];"
            " return r.collapsed ? 'caret in ' + r.startContainer.parentElement.id : n.id; })()");

        // A click on plain text places the caret: nothing to position.
        QTest::mouseClick(input, Qt::LeftButton, {}, wordAt(QStringLiteral("words")));
        QTRY_COMPARE(js(&surface, selected), QStringLiteral("caret in p"));
        QCOMPARE(status(surface, 5028), int(DhtmlEdit::StatusSupported));

        // A filtered text is taken whole by one click, anywhere on it.
        QTest::mouseClick(input, Qt::LeftButton, {}, wordAt(QStringLiteral("shadow")));
        QTRY_COMPARE(js(&surface, selected), QStringLiteral("MIVO7"));
        QCOMPARE(status(surface, 5028), int(DhtmlEdit::StatusEnabled));
        // Clicked again, it takes the caret, and typing goes into its text.
        QTest::mouseClick(input, Qt::LeftButton, {}, wordAt(QStringLiteral("text")));
        QTRY_COMPARE(js(&surface, selected), QStringLiteral("caret in MIVO7"));
        QCOMPARE(status(surface, 5028), int(DhtmlEdit::StatusSupported));
        QTest::keyClicks(input, QStringLiteral("XY"));
        QTRY_VERIFY(js(&surface, QStringLiteral("document.getElementById('MIVO7').textContent")).contains(QStringLiteral("XY")));
        QCOMPARE(js(&surface, QStringLiteral("document.getElementById('MIVO7').textContent")).remove(QStringLiteral("XY")),
                 QStringLiteral("shadow text"));

        // Taken by a click, 5028 places it where it stands; its filter stays.
        load(surface, app, page);
        input = surface.view()->focusProxy();
        QTest::mouseClick(input, Qt::LeftButton, {}, wordAt(QStringLiteral("shadow")));
        QTRY_COMPARE(status(surface, 5028), int(DhtmlEdit::StatusEnabled));
        const QString top = js(&surface, QStringLiteral("String(Math.round(document.getElementById('MIVO7').getBoundingClientRect().top))"));
        QVERIFY(surface.ExecCommand(5028, 1));
        QCOMPARE(body(surface), QStringLiteral("<P id=p>plain words here</P><DIV id=MIVO7 style=\"width: 100%; position: absolute; left: 8px; "
                                               "top: %1px; Filter:Shadow(Color=gray,Direction=135)\">shadow text</DIV>"
                                               "<DIV id=pad style=\"padding: 16px; border: 2px solid gray\">padded words</DIV>")
                                    .arg(top));
        QCOMPARE(status(surface, 5039), int(DhtmlEdit::StatusEnabled));

        // Any block is taken by a click in its padding; a click on its words places the caret.
        load(surface, app, page);
        input = surface.view()->focusProxy();
        const QStringList corner = js(&surface, QStringLiteral("(() => { const b = document.getElementById('pad').getBoundingClientRect();"
                                                               " return Math.round(b.left + 6) + ',' + Math.round(b.top + 6); })()"))
                                       .split(QLatin1Char(','));
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(corner[0].toInt(), corner[1].toInt()));
        QTRY_COMPARE(js(&surface, selected), QStringLiteral("pad"));
        QCOMPARE(status(surface, 5028), int(DhtmlEdit::StatusEnabled));
        QTest::mouseClick(input, Qt::LeftButton, {}, wordAt(QStringLiteral("padded")));
        QTRY_COMPARE(js(&surface, selected), QStringLiteral("caret in pad"));
        QCOMPARE(status(surface, 5028), int(DhtmlEdit::StatusSupported));
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(corner[0].toInt(), corner[1].toInt()));
        QTRY_COMPARE(js(&surface, selected), QStringLiteral("pad"));
        QVERIFY(surface.ExecCommand(5028, 1));
        QVERIFY2(body(surface).endsWith(QStringLiteral("<DIV id=pad style=\"padding: 16px; border: 2px solid gray; position: absolute; left: 8px; top: %1px;\">padded words</DIV>")
                                            .arg(js(&surface, QStringLiteral("String(document.getElementById('pad').offsetTop)")))),
                 qPrintable(body(surface)));
    }

    void promptingDialogs()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        load(surface, app, "<p>Alpha beta alphabet ALPHA</p>");

        // Link: the address asked for.
        selectText(&surface, QStringLiteral("Alpha"), 0, 5);
        QString shownAddress;
        onNextDialog([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("ハイパーリンク"));
            shownAddress = child<QLineEdit>(d, "address")->text();
            child<QLineEdit>(d, "address")->setText(QStringLiteral("http://tova.example/"));
            child<QPushButton>(d, "okButton")->click();
        });
        QVERIFY(surface.ExecCommand(5016, 1));
        QCOMPARE(shownAddress, QStringLiteral("http://"));
        QVERIFY2(body(surface).startsWith(QStringLiteral("<P><A href=http://tova.example/>Alpha</A> beta")), qPrintable(body(surface)));
        // Cancel changes nothing.
        selectText(&surface, QStringLiteral(" beta"), 1, 5);
        onNextDialog([&](QDialog *d) { child<QPushButton>(d, "cancelButton")->click(); });
        QVERIFY(!surface.ExecCommand(5016, 1));
        QVERIFY(!body(surface).contains(QStringLiteral("beta</A>")));

        // Picture: a file from the picker and an alternative text.
        app.dialogs.fileNames.enqueue(QStringLiteral("img/photo.gif"));
        selectText(&surface, QStringLiteral(" beta"), 0);
        onNextDialog([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("画像"));
            QVERIFY(!child<QPushButton>(d, "okButton")->isEnabled());
            child<QPushButton>(d, "browseButton")->click();
            child<QLineEdit>(d, "alternative")->setText(QStringLiteral("写真"));
            child<QPushButton>(d, "okButton")->click();
        });
        QVERIFY(surface.ExecCommand(5017, 1));
        QVERIFY2(body(surface).startsWith(QStringLiteral("<P><A href=http://tova.example/>Alpha</A><IMG src=img/photo.gif alt=写真> beta")),
                 qPrintable(body(surface)));

        // Font: typeface, size, colour and styles on the selection.
        app.dialogs.colors.enqueue(QColor(0, 128, 0));
        selectText(&surface, QStringLiteral(" beta"), 1, 5);
        onNextDialog([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("フォント"));
            child<QComboBox>(d, "face")->setEditText(QStringLiteral("IPAGothic"));
            child<QComboBox>(d, "size")->setCurrentIndex(5);
            child<QPushButton>(d, "colorButton")->click();
            child<QCheckBox>(d, "bold")->setChecked(true);
            child<QCheckBox>(d, "italic")->setChecked(true);
            child<QPushButton>(d, "okButton")->click();
        });
        QVERIFY(surface.ExecCommand(5009, 0));
        QVERIFY2(body(surface).contains(QStringLiteral("<FONT face=IPAGothic size=5 color=#008000><B><I>beta</I></B></FONT>")),
                 qPrintable(body(surface)));

        // Find: case, whole word and direction; the match is the selection; a miss is said plainly.
        selectText(&surface, QStringLiteral("alphabet"), 0);
        onNextDialog([&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("検索"));
            child<QLineEdit>(d, "findText")->setText(QStringLiteral("alpha"));
            child<QCheckBox>(d, "matchCase")->setChecked(true);
            child<QPushButton>(d, "findNext")->click();
            QCOMPARE(js(&surface, QStringLiteral("getSelection().toString() + '@' + getSelection().anchorNode.data")),
                     QStringLiteral("alpha@ alphabet ALPHA"));
            child<QCheckBox>(d, "wholeWord")->setChecked(true);
            child<QCheckBox>(d, "matchCase")->setChecked(false);
            child<QPushButton>(d, "findNext")->click();
            QCOMPARE(js(&surface, QStringLiteral("getSelection().toString()")), QStringLiteral("ALPHA"));
            child<QPushButton>(d, "findNext")->click();
            child<QRadioButton>(d, "up")->setChecked(true);
            child<QPushButton>(d, "findNext")->click();
            QCOMPARE(js(&surface, QStringLiteral("getSelection().toString() + '@' + getSelection().anchorNode.data")),
                     QStringLiteral("Alpha@Alpha"));
            child<QPushButton>(d, "closeButton")->click();
        });
        QVERIFY(surface.ExecCommand(5008, 0));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("「alpha」は見つかりませんでした。")});
        QCOMPARE(app.boxes.shown.first().title, QStringLiteral("検索"));
    }
};

TOVALEAF_TEST_MAIN(TestCommandSet)
#include "tst_commandset.moc"
