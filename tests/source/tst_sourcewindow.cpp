#include "support/TestSupport.h"

#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "platform/Twips.h"
#include "shell/Form1.h"
#include "source/Form18.h"
#include "source/Form3.h"
#include "source/SourceEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTimer>

#include <functional>

using namespace TestSupport;

// The source window over the real surface; message boxes and the font dialog scripted.
class TestSourceWindow : public QObject
{
    Q_OBJECT

private:
    // Runs step while the modal source window is open; step ends by closing it.
    static void whileOpen(Form1 &form, const std::function<void(Form3 *)> &step)
    {
        // Reading the page waits on the engine, and timers run meanwhile: act once the window shows.
        auto *poll = new QTimer(&form);
        QObject::connect(poll, &QTimer::timeout, &form, [&form, step, poll] {
            if (!form.sourceWindow()->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            step(form.sourceWindow());
        });
        poll->start(10);
        form.ShowSource();
    }
    static void select(SourceEdit *box, const QString &text)
    {
        const qsizetype at = box->source().indexOf(text);
        QVERIFY(at >= 0);
        QTextCursor c = box->textCursor();
        c.setPosition(int(at));
        c.setPosition(int(at + text.size()), QTextCursor::KeepAnchor);
        box->setTextCursor(c);
    }
    // The replace dialog, driven while it is open.
    static void whileReplaceOpen(Form3 *window, const std::function<void(Form18 *)> &step)
    {
        auto *poll = new QTimer(window);
        QObject::connect(poll, &QTimer::timeout, window, [window, step, poll] {
            Form18 *dialog = window->findChild<Form18 *>(QStringLiteral("Form18"));
            if (!dialog || !dialog->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            step(dialog);
        });
        poll->start(10);
        window->Command1_Click();
    }

private slots:
    void openingAndClosingWithoutEdits()
    {
        TestApp app;
        Form1 form(app.context);
        const QString page = app.file(QStringLiteral("page.htm"));
        writeBytes(page, "<html><head><META content=\"text/html; charset=unicode\" http-equiv=Content-Type></head><body><p>abc</p></body></html>");
        QSignalSpy loads(form.surface(), &DhtmlEdit::DocumentComplete);
        QVERIFY(form.surface()->LoadDocument(page));
        QTRY_COMPARE(loads.count(), 1);
        loads.clear();
        QString shown;
        whileOpen(form, [&](Form3 *w) {
            shown = w->source()->source();
            QCOMPARE(w->windowTitle(), QStringLiteral("HTML Source"));
            QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("置換"));
            QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Command2"))->toolTip(), QStringLiteral("文字色・文字サイズの設定"));
            QCOMPARE(w->findChild<QCheckBox *>(QStringLiteral("Check1"))->text(), QStringLiteral("ﾁｪｯｸONで<BR>挿入"));
            // A character typed and taken back is no edit.
            w->source()->moveCursor(QTextCursor::End);
            w->source()->insertPlainText(QStringLiteral("x"));
            w->source()->textCursor().deletePreviousChar();
            w->close();
        });
        QCOMPARE(shown, QStringLiteral("<HTML><HEAD></HEAD><BODY><P>abc</P></BODY></HTML>"));
        QVERIFY(app.boxes.shown.isEmpty());
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp.htm"))));
        QCOMPARE(loads.count(), 0);
    }

    void editsGoBackThroughTheTempPage()
    {
        TestApp app;
        Form1 form(app.context);
        const QString pages = app.file(QStringLiteral("pages"));
        QDir().mkpath(pages);
        QVERIFY(form.surface()->LoadDocument(writePage(pages + QStringLiteral("/a.htm"), "<html><body><p>one</p></body></html>")));

        // Cancel discards the edit.
        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        whileOpen(form, [&](Form3 *w) {
            select(w->source(), QStringLiteral("one"));
            w->source()->insertPlainText(QStringLiteral("two"));
            w->close();
        });
        QCOMPARE(app.boxes.texts(), QStringList{Form3::UpdateQuestion});
        QCOMPARE(app.boxes.shown[0].title, QStringLiteral("確認"));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::OkCancel);
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp.htm"))));
        QVERIFY(form.surface()->DocumentHTML().contains(QStringLiteral("<P>one</P>")));

        // OK writes the text in the page's code page, one line with CR LF, and shows it.
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        whileOpen(form, [&](Form3 *w) {
            select(w->source(), QStringLiteral("one"));
            w->source()->insertPlainText(QStringLiteral("日本"));
            w->close();
        });
        const QByteArray written = readBytes(app.file(QStringLiteral("tvlTemp.htm")));
        QCOMPARE(written, QByteArray("<HTML><HEAD></HEAD><BODY><P>") + PageEncoding::encode(QStringLiteral("日本"), PageEncoding::Cp932)
                              + "</P></BODY></HTML>\r\n");
        QVERIFY(form.surface()->DocumentHTML().contains(QStringLiteral("<P>日本</P>")));

        // A page from the file screen has its temporary page in its own folder.
        app.shared().EffectKind = Effect::FileScreenOpened;
        app.shared().DocumentFolder = pages;
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        whileOpen(form, [&](Form3 *w) {
            w->source()->moveCursor(QTextCursor::End);
            w->source()->insertPlainText(QStringLiteral("<!-- end -->"));
            w->close();
        });
        QVERIFY(QFile::exists(pages + QStringLiteral("/tvlTemp.htm")));
        QVERIFY(form.surface()->DocumentHTML().contains(QStringLiteral("<!-- end -->")));
    }

    // A no-break space and a line separator in a script, a style and a comment are read back as they are.
    void rawCharactersAreNoEdit()
    {
        TestApp app;
        Form1 form(app.context);
        const QString page = app.file(QStringLiteral("raw.htm"));
        writeBytes(page, "<html><head><meta charset=utf-8><script>var s = 'a\xC2\xA0" "b\xE2\x80\xA8" "c';</script>"
                         "<style>p { font-family: 'x\xC2\xA0y'; }</style></head>"
                         "<body><!-- d\xC2\xA0" "e\xE2\x80\xA8" "f --><p>one</p></body></html>");
        QVERIFY(form.surface()->LoadDocument(page));
        const QString expected = QStringLiteral("<HTML><HEAD><META charset=utf-8><SCRIPT>var s = 'a\u00A0b\u2028c';</SCRIPT>"
                                                "<STYLE>p { font-family: 'x\u00A0y'; }</STYLE></HEAD>"
                                                "<BODY><!-- d\u00A0e\u2028f --><P>one</P></BODY></HTML>");
        QString shown;
        whileOpen(form, [&](Form3 *w) {
            shown = w->source()->source();
            w->close();
        });
        QCOMPARE(shown, expected);
        QCOMPARE(app.boxes.texts(), QStringList());
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp.htm"))));

        // An edit elsewhere leaves the script, the style and the comment whole.
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        whileOpen(form, [&](Form3 *w) {
            select(w->source(), QStringLiteral("one"));
            w->source()->insertPlainText(QStringLiteral("two"));
            w->close();
        });
        QCOMPARE(app.boxes.texts(), QStringList{Form3::UpdateQuestion});
        QByteArray written = expected.toUtf8();
        written.replace("<P>one</P>", "<P>two</P>");
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), written + "\r\n");
        QCOMPARE(form.surface()->DocumentHTML(), QString::fromUtf8(written));
    }

    // A page on one line is shown in pieces; the breaks between them are never part of the text.
    void longLineInPieces()
    {
        QList<int> breaks;
        QCOMPARE(SourceEdit::displayText(QStringLiteral("<P>a</P>\n<P>b</P>"), &breaks), QStringLiteral("<P>a</P>\n<P>b</P>"));
        QVERIFY(breaks.isEmpty());
        const QString plain(SourceEdit::PieceLength * 2 + 5, QLatin1Char('x'));
        QCOMPARE(SourceEdit::displayText(plain, &breaks),
                 plain.left(SourceEdit::PieceLength) + QLatin1Char('\n') + plain.mid(SourceEdit::PieceLength, SourceEdit::PieceLength)
                     + QLatin1Char('\n') + QStringLiteral("xxxxx"));
        QCOMPARE(breaks, (QList<int>{SourceEdit::PieceLength, SourceEdit::PieceLength * 2 + 1}));
        // A character outside the basic plane is not cut in two.
        const QString wide = QString(SourceEdit::PieceLength - 1, QLatin1Char('x')) + QStringLiteral("\U0001F600") + QStringLiteral("yy");
        QCOMPARE(SourceEdit::displayText(wide, &breaks),
                 QString(SourceEdit::PieceLength - 1, QLatin1Char('x')) + QStringLiteral("\n\U0001F600yy"));
        // Other line ends would shift the marks: such a text stays whole.
        const QString withReturn = plain + QStringLiteral("\r");
        QCOMPARE(SourceEdit::displayText(withReturn, &breaks), withReturn);
        QVERIFY(breaks.isEmpty());

        TestApp app;
        Form1 form(app.context);
        QByteArray body;
        for (int i = 0; i < 1500; ++i)
            body += "<p>row " + QByteArray::number(i) + " " + QByteArray(i % 7, 'w') + "</p>";
        QVERIFY(form.surface()->LoadDocument(writePage(app.file(QStringLiteral("long.htm")), "<html><body>" + body + "</body></html>")));
        const QString page = form.surface()->DocumentHTML();
        QVERIFY(page.size() > 4 * SourceEdit::PieceLength);
        QVERIFY(!page.contains(QLatin1Char('\n')));

        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        QString expected = page;
        whileOpen(form, [&](Form3 *w) {
            SourceEdit *box = w->source();
            QCOMPARE(box->source(), page);
            QVERIFY(box->blockCount() > 4);
            for (QTextBlock b = box->document()->firstBlock(); b.next().isValid(); b = b.next()) {
                QVERIFY(b.text().size() <= SourceEdit::PieceLength);
                QVERIFY(b.text().endsWith(QLatin1Char('>')));
            }
            const QTextBlock first = box->document()->firstBlock();
            const int firstEnd = first.position() + first.length() - 1;
            auto caretAt = [box](int position) {
                QTextCursor c = box->textCursor();
                c.setPosition(position);
                box->setTextCursor(c);
            };
            box->setFocus();
            QTRY_VERIFY(box->hasFocus());

            // Typed at the end of a piece and at the start of the next: in the text, side by side.
            caretAt(firstEnd);
            QTest::keyClick(box, Qt::Key_X);
            caretAt(firstEnd + 2);
            QTest::keyClick(box, Qt::Key_Y);
            expected.insert(firstEnd, QStringLiteral("xy"));
            QCOMPARE(box->source(), expected);

            // Enter at a piece's start is one line feed; deleting a display break deletes nothing.
            caretAt(firstEnd + 2);
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_Z);
            expected.insert(firstEnd + 1, QStringLiteral("\nz"));
            QCOMPARE(box->source(), expected);
            const QTextBlock third = box->document()->findBlockByNumber(3);
            const QString thirdText = third.text();
            caretAt(third.position());
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->source(), expected);
            QTest::keyClick(box, Qt::Key_Return);
            expected.insert(expected.indexOf(thirdText), QLatin1Char('\n'));
            QCOMPARE(box->source(), expected);
            // A piece emptied and typed into anew: its line feed is a typed one.
            const QTextBlock fifth = box->document()->findBlockByNumber(5);
            const QString fifthText = fifth.text();
            QTextCursor piece = box->textCursor();
            piece.setPosition(fifth.position());
            piece.setPosition(fifth.position() + fifth.length() - 1, QTextCursor::KeepAnchor);
            box->setTextCursor(piece);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, QStringLiteral("q"));
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, QStringLiteral("r"));
            expected.replace(expected.indexOf(fifthText), fifthText.size(), QStringLiteral("q\nr"));
            QCOMPARE(box->source(), expected);
            // Undone step by step, the breaks come back as they were, not as line feeds.
            while (box->document()->isUndoAvailable())
                box->undo();
            QCOMPARE(box->source(), page);

            // A selection across a break: copied and searched for without it.
            QCOMPARE(box->document()->firstBlock().length() - 1, firstEnd);
            QTextCursor c = box->textCursor();
            c.setPosition(firstEnd - 4);
            c.setPosition(firstEnd + 5, QTextCursor::KeepAnchor);
            box->setTextCursor(c);
            const QString across = page.mid(firstEnd - 4, 8);
            QCOMPARE(box->selectedSource(), across);
            box->copy();
            QCOMPARE(QApplication::clipboard()->text(), across);
            whileReplaceOpen(w, [&](Form18 *dialog) {
                QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), across);
                dialog->Command2_Click();
            });

            // Replace-all over the pieces, and undone as one step.
            select(box, QStringLiteral("row"));
            whileReplaceOpen(w, [&](Form18 *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("line"));
                dialog->Command1_Click();
            });
            expected = Form18::replaceAll(page, QStringLiteral("row"), QStringLiteral("line"));
            QCOMPARE(box->source(), expected);
            QVERIFY(box->blockCount() > 4);
            box->undo();
            QCOMPARE(box->source(), page);
            box->redo();
            QCOMPARE(box->source(), expected);
            w->close();
        });
        QCOMPARE(app.boxes.texts(), QStringList{Form3::UpdateQuestion});

        // OK puts the text back into the page as it is, on one line.
        app.boxes.answers.enqueue(MessageBoxes::Answer::Ok);
        whileOpen(form, [&](Form3 *w) {
            const QTextCursor found = w->source()->document()->find(QStringLiteral("row 1499"));
            QVERIFY(!found.isNull());
            w->source()->setTextCursor(found);
            w->source()->insertPlainText(QStringLiteral("last"));
            w->close();
        });
        expected = page;
        expected.replace(QStringLiteral("row 1499"), QStringLiteral("last"));
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), expected.toLatin1() + "\r\n");
        QCOMPARE(form.surface()->DocumentHTML(), expected);
    }

    void replaceInOnePass()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(form.surface()->LoadDocument(writePage(app.file(QStringLiteral("r.htm")), "<html><body><p>a-b-a</p></body></html>")));
        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        whileOpen(form, [&](Form3 *w) {
            // Nothing selected: said, no dialog.
            w->source()->moveCursor(QTextCursor::Start);
            w->Command1_Click();
            QCOMPARE(app.boxes.texts(), QStringList{Form3::NothingSelectedMessage});

            select(w->source(), QStringLiteral("a-b"));
            w->source()->moveCursor(QTextCursor::Start);
            select(w->source(), QStringLiteral("a"));
            whileReplaceOpen(w, [&](Form18 *dialog) {
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("置換"));
                auto *text1 = dialog->findChild<QLineEdit *>(QStringLiteral("Text1"));
                QCOMPARE(text1->text(), QStringLiteral("a"));
                // An empty replacement is refused and the dialog stays.
                dialog->Command1_Click();
                QCOMPARE(app.boxes.texts().last(), Form18::NoReplacementMessage);
                QVERIFY(dialog->isVisible());
                dialog->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("aa"));
                dialog->Command1_Click();
            });
            // "a" made "aa" everywhere, once: the new letters are not searched again.
            QCOMPARE(w->source()->source(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>aa-b-aa</P></BODY></HTML>"));
            QCOMPARE(app.shared().ReplaceText, QStringLiteral("aa"));

            select(w->source(), QStringLiteral("b"));
            whileReplaceOpen(w, [&](Form18 *dialog) {
                auto *text1 = dialog->findChild<QLineEdit *>(QStringLiteral("Text1"));
                auto *replace = dialog->findChild<QPushButton *>(QStringLiteral("Command1"));
                text1->clear();
                QVERIFY(!replace->isEnabled());
                text1->setText(QStringLiteral("b"));
                QVERIFY(replace->isEnabled());
                dialog->Command2_Click();
            });
            QVERIFY(app.shared().FindText.isEmpty());
            QVERIFY(app.shared().ReplaceText.isEmpty());
            w->close();
        });
        QCOMPARE(app.boxes.texts().last(), Form3::UpdateQuestion);
        QCOMPARE(Form18::replaceAll(QStringLiteral("xax"), QStringLiteral("x"), QStringLiteral("xx")), QStringLiteral("xxaxx"));
        QCOMPARE(Form18::replaceAll(QStringLiteral("AaA"), QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("AbA"));
    }

    void breakModeTabsMenuFontAndResize()
    {
        TestApp app;
        Form1 form(app.context);
        bool reopenedUnticked = false;
        app.boxes.answers.enqueue(MessageBoxes::Answer::Cancel);
        whileOpen(form, [&](Form3 *w) {
            SourceEdit *box = w->source();
            auto *check = w->findChild<QCheckBox *>(QStringLiteral("Check1"));
            QVERIFY(!check->isChecked());
            QCOMPARE(w->breakTag(), QString());
            box->setSource(QStringLiteral("ab"));
            QTextCursor c = box->textCursor();
            c.setPosition(1);
            box->setTextCursor(c);
            // Clicks insert the tag only while the box is ticked.
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect().center());
            QCOMPARE(box->source(), QStringLiteral("ab"));
            check->setChecked(true);
            QCOMPARE(w->breakTag(), QStringLiteral("<BR>"));
            c.setPosition(1);
            box->setTextCursor(c);
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect().center());
            QCOMPARE(box->source().count(QStringLiteral("<BR>")), 1);
            check->setChecked(false);
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect().center());
            QCOMPARE(box->source().count(QStringLiteral("<BR>")), 1);

            // Tab types into the source while it has the focus.
            box->setFocus();
            QTRY_VERIFY(box->hasFocus());
            box->moveCursor(QTextCursor::End);
            QTest::keyClick(box, Qt::Key_Tab);
            QVERIFY(box->source().endsWith(QLatin1Char('\t')));
            QCOMPARE(check->focusPolicy(), Qt::ClickFocus);

            // The box's own menu, in Japanese.
            std::unique_ptr<QMenu> menu(box->editMenu());
            QStringList items;
            for (QAction *a : menu->actions())
                if (!a->isSeparator())
                    items << a->text();
            QCOMPARE(items, (QStringList{QStringLiteral("元に戻す"), QStringLiteral("切り取り"), QStringLiteral("コピー"),
                                         QStringLiteral("貼り付け"), QStringLiteral("削除"), QStringLiteral("すべて選択")}));

            // Font and colour for display only.
            app.dialogs.fonts.enqueue(QFont(QStringLiteral("IPAGothic"), 14));
            app.dialogs.colors.enqueue(QColor(Qt::red));
            w->Command2_Click();
            QCOMPARE(box->font().family(), QStringLiteral("IPAGothic"));
            QCOMPARE(box->font().pointSizeF(), 14.0);
            QCOMPARE(form.commonDialog()->Flags, 0x101);
            QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::red));

            // The box follows the window, 400 by 1000 twips smaller.
            w->resize(700, 500);
            QTRY_COMPARE(box->width(), 700 - Twips::toPixelsX(400, w));
            QCOMPARE(box->height(), 500 - Twips::toPixelsY(1000, w));
            w->close();
        });
        whileOpen(form, [&](Form3 *w) {
            reopenedUnticked = !w->findChild<QCheckBox *>(QStringLiteral("Check1"))->isChecked() && w->breakTag().isEmpty();
            w->close();
        });
        QVERIFY(reopenedUnticked);
    }

    // A larger font widens the line numbers' column, and the text moves along: no number covers it.
    void lineNumbersAfterALargerFont()
    {
        TestApp app;
        Form1 form(app.context);
        QString page = QStringLiteral("<html><body>");
        for (int i = 0; i < 150; ++i)
            page += QStringLiteral("<p>line %1</p>\n").arg(i);
        QVERIFY(form.surface()->setDocumentHTML(page + QStringLiteral("</body></html>")));
        whileOpen(form, [&](Form3 *w) {
            auto *box = w->findChild<SourceEdit *>(QStringLiteral("RichTextBox1"));
            auto *numbers = box->findChild<QWidget *>(QStringLiteral("lineNumbers"));
            QVERIFY(box->blockCount() >= 100);
            QVERIFY(numbers);
            app.dialogs.fonts.enqueue(QFont(QStringLiteral("IPAGothic"), 28));
            app.dialogs.colors.enqueue(QColor(Qt::black));
            w->Command2_Click();
            w->resize(w->width() + 40, w->height() + 40);
            const QString widest = QString::number(box->blockCount());
            QTRY_VERIFY(numbers->width() > QFontMetrics(box->font()).horizontalAdvance(widest));
            QTRY_VERIFY2(numbers->geometry().right() < box->viewport()->geometry().left(),
                         qPrintable(QStringLiteral("numbers end at %1, text starts at %2")
                                        .arg(numbers->geometry().right())
                                        .arg(box->viewport()->geometry().left())));
            w->close();
        });
        QVERIFY(app.boxes.shown.isEmpty());
    }

private:
    static QString writePage(const QString &path, const QByteArray &bytes)
    {
        writeBytes(path, bytes);
        return path;
    }
};

TOVALEAF_TEST_MAIN(TestSourceWindow)
#include "tst_sourcewindow.moc"
