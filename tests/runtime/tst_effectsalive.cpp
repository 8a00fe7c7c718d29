#include "support/TestSupport.h"

#include "effects/FilteredTextMarkup.h"
#include "effects/Form21.h"
#include "effects/Form22.h"
#include "effects/Form6.h"
#include "effects/Form7.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QBuffer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineView>

#include <functional>

using namespace TestSupport;

// Every effect as goscript leaves it, running on the real engine: what a
// person sees, by the page's DOM and by the pixels of the view.
class TestEffectsAlive : public QObject
{
    Q_OBJECT

private:
    using Pixel = std::function<bool(const QColor &)>;
    static bool lime(const QColor &c) { return c.green() > 200 && c.red() < 90 && c.blue() < 90; }
    static bool red(const QColor &c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }
    static bool blue(const QColor &c) { return c.blue() > 200 && c.red() < 90 && c.green() < 90; }
    static bool ink(const QColor &c) { return c.alpha() == 255 && c.red() + c.green() + c.blue() < 250; }
    // Anything drawn on the white page, however faint.
    static bool mark(const QColor &c) { return c.alpha() == 255 && c.red() + c.green() + c.blue() < 720; }

    // A fresh page with the caret after "ab", as a user leaves it before choosing an effect.
    static void startPage(Form1 &form, const TestApp &app, const QByteArray &page = "<html><body><p>ab</p></body></html>")
    {
        if (form.surface()->BrowseMode())
            form.Command4_Click();
        QVERIFY(loadPage(form.surface(), app, page));
        selectText(form.surface(), QStringLiteral("ab"), 2);
    }
    static QImage shot(DhtmlEdit *surface) { return surface->view()->grab().toImage(); }
    // Where the first element matching selector is, in the view's pixels.
    static QRect boxOf(DhtmlEdit *surface, const QString &selector)
    {
        const QStringList r = js(surface, QStringLiteral("(() => { const e = document.querySelector(\"%1\"); if (!e) return '';"
                                                         " const b = e.getBoundingClientRect();"
                                                         " return [b.left, b.top, b.width, b.height].map(Math.round).join(','); })()")
                                              .arg(selector))
                                  .split(QLatin1Char(','));
        if (r.size() != 4)
            return {};
        const qreal scale = qreal(shot(surface).width()) / surface->view()->width();
        return QRect(qRound(r[0].toInt() * scale), qRound(r[1].toInt() * scale), qRound(r[2].toInt() * scale),
                     qRound(r[3].toInt() * scale));
    }
    static int count(const QImage &image, const QRect &area, const Pixel &is)
    {
        int n = 0;
        const QRect inside = area.intersected(image.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                n += is(image.pixelColor(x, y)) ? 1 : 0;
        return n;
    }
    static int area(const QRect &r) { return r.width() * r.height(); }
    static void click(DhtmlEdit *surface, const QString &selector)
    {
        QCOMPARE(js(surface, QStringLiteral("document.querySelector(\"%1\").click(), 'clicked'").arg(selector)), QStringLiteral("clicked"));
    }
    // goscript, then the main window's copy of the page it ends with: a click that
    // opens a modal dialog would otherwise hold the page while that copy is asked for.
    static void goscriptSettled(Form1 &form)
    {
        QSignalSpy complete(form.surface(), &DhtmlEdit::DocumentComplete);
        form.goscript();
        QTRY_VERIFY(!complete.isEmpty());
    }
    // After the evaluation returns: a handler that blocks (a modal dialog) must not hold it.
    static void clickLater(DhtmlEdit *surface, const QString &selector)
    {
        js(surface, QStringLiteral("setTimeout(() => document.querySelector(\"%1\").click(), 0), true").arg(selector));
    }
    // Lets the page run for ms, timed by the page: for what must no longer happen.
    static void letRun(DhtmlEdit *surface, int ms)
    {
        js(surface, QStringLiteral("window.__waited = false; setTimeout(() => { window.__waited = true; }, %1), true").arg(ms));
        QTRY_COMPARE_WITH_TIMEOUT(js(surface, QStringLiteral("String(window.__waited)")), QStringLiteral("true"), ms + 5000);
    }
    static QWidget *pageWindow(bool fullScreen)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("PageWindow") && w->isVisible() && w->isFullScreen() == fullScreen)
                return w;
        return nullptr;
    }
    // Mouse events as the view's render widget receives them from the system.
    static QWidget *input(DhtmlEdit *surface)
    {
        QWidget *proxy = surface->view()->focusProxy();
        return proxy ? proxy : surface->view();
    }

private slots:
    void revealedTextAndPicture()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();

        startPage(form, app);
        shared.EffectKind = Effect::RevealText;
        shared.RevealTransitionNo = 3;
        shared.RevealBackColor = QStringLiteral("LIME");
        shared.RevealTextAlign = QStringLiteral("center");
        shared.SnippetHtml = Form6::markup(3, QStringLiteral("center"), QStringLiteral("LIME"));
        form.goscript();
        QVERIFY(surface->BrowseMode());
        const QRect text = boxOf(surface, QStringLiteral("#mivo"));
        QVERIFY2(text.width() > 200 && text.height() > 8, qPrintable(QStringLiteral("%1x%2").arg(text.width()).arg(text.height())));
        const QRect middle(text.center().x() - 60, text.top(), 120, text.height());
        const QRect end(text.left(), text.top(), 4, text.height());
        // Circle out: the middle shows while the ends are still hidden, then all of it.
        QTRY_VERIFY([&] {
            const QImage now = shot(surface);
            return count(now, middle, lime) > 0 && count(now, end, lime) == 0;
        }());
        QTRY_COMPARE_WITH_TIMEOUT(count(shot(surface), end, lime), area(end), 10000);
        QVERIFY(count(shot(surface), middle, ink) > 0);
        QCOMPARE(js(surface, QStringLiteral("getComputedStyle(document.getElementById('mivo')).visibility")), QStringLiteral("visible"));
        // Reload hides it and reveals it again.
        click(surface, QStringLiteral("input[value=Reload]"));
        QTRY_COMPARE(count(shot(surface), end, lime), 0);
        QTRY_COMPARE_WITH_TIMEOUT(count(shot(surface), end, lime), area(end), 10000);

        // The picture, wiped in from the left.
        QVERIFY(writePicture(app.file(QStringLiteral("red.png")), Qt::red));
        startPage(form, app);
        shared.EffectKind = Effect::RevealImage;
        shared.EffectImageFile = app.file(QStringLiteral("red.png"));
        shared.EffectImageAlt = QStringLiteral("赤");
        shared.EffectImageTransition = QStringLiteral("6");
        shared.SnippetHtml = Form7::markup(shared.EffectImageFile, shared.EffectImageAlt, shared.EffectImageTransition);
        form.goscript();
        QVERIFY(surface->BrowseMode());
        const QRect picture = boxOf(surface, QStringLiteral("#mivoimage"));
        QCOMPARE(picture.size(), QSize(120, 80));
        const QRect left(picture.left() + 2, picture.top() + 10, 6, 60);
        const QRect right(picture.right() - 8, picture.top() + 10, 6, 60);
        QTRY_VERIFY([&] {
            const QImage now = shot(surface);
            return count(now, left, red) == area(left) && count(now, right, red) == 0;
        }());
        QTRY_COMPARE_WITH_TIMEOUT(count(shot(surface), picture.adjusted(1, 1, -1, -1), red), area(picture.adjusted(1, 1, -1, -1)), 10000);
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("ブラウズモードで確認します！"), QStringLiteral("ブラウズモードで確認します！")}));
    }

    void filteredTextKeepsMoving()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();
        const struct {
            qint16 code;
            QString filter;
            const char *drawn; // what the runtime drew for the filter, read from the page
        } cases[] = {
            {Effect::ShadowText, FilteredTextMarkup::shadow(QStringLiteral("red"), QStringLiteral("10")), "e.style.filter"},
            {Effect::WaveText, FilteredTextMarkup::wave(QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("20")),
             "e.style.filter + ((m) => (m ? document.querySelector(m[0] + ' feImage').getAttribute('href') : ''))(/#[\\w-]+/.exec(e.style.filter))"},
            {Effect::BurningText, FilteredTextMarkup::glow(QStringLiteral("5"), QStringLiteral("RED")), "e.style.filter"},
            {Effect::VanishingText, FilteredTextMarkup::alpha(QStringLiteral("90"), 2), "e.style.webkitMaskImage"},
        };
        int number = 10;
        for (const auto &c : cases) {
            startPage(form, app);
            shared.EffectKind = c.code;
            shared.EffectElementId = QStringLiteral("MIVO%1").arg(number);
            shared.SnippetHtml = FilteredTextMarkup::build(QString::number(number), c.filter);
            form.goscript();
            QVERIFY2(surface->BrowseMode(), qPrintable(c.filter));
            const QString id = shared.EffectElementId.toString();
            const QString drawn = QStringLiteral("(() => { const e = document.getElementById('%1'); return %2; })()").arg(id, QLatin1String(c.drawn));
            const QRect text = boxOf(surface, QLatin1Char('#') + id);
            const QRect box = text.adjusted(-12, -12, 12, 12).intersected(shot(surface).rect());
            QTRY_VERIFY2(!js(surface, drawn).isEmpty(), qPrintable(c.filter));
            // Drawn first, then moving: what the filter draws and what is on the screen change.
            QTRY_VERIFY2(count(shot(surface), text, mark) > 0, qPrintable(c.filter));
            const QString first = js(surface, drawn);
            const QImage before = shot(surface).copy(box);
            QTRY_VERIFY2(js(surface, drawn) != first, qPrintable(c.filter));
            QTRY_VERIFY2(shot(surface).copy(box) != before, qPrintable(c.filter));
            ++number;
        }
        QCOMPARE(app.boxes.shown.size(), 4);
    }

    void clockAndTypewriterStop()
    {
        TestApp app;
        Form1 form(app.context);
        // A page nobody can see gets its timers slowed to once a second.
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();

        startPage(form, app);
        shared.EffectKind = Effect::Clock;
        shared.SnippetHtml.clear();
        form.goscript();
        const QString time = QStringLiteral("document.getElementById('TimeArea').textContent");
        const QRegularExpression clockText(QStringLiteral("^\\d{1,2}:\\d\\d:\\d\\d$"));
        QTRY_VERIFY(clockText.match(js(surface, time)).hasMatch());
        // Each second a new time.
        for (int tick = 0; tick < 2; ++tick) {
            const QString shown = js(surface, time);
            QTRY_VERIFY_WITH_TIMEOUT(js(surface, time) != shown, 3000);
            QVERIFY2(clockText.match(js(surface, time)).hasMatch(), qPrintable(js(surface, time)));
        }
        click(surface, QStringLiteral("input[name=jikann]"));
        const QString stopped = js(surface, time);
        letRun(surface, 2500);
        QCOMPARE(js(surface, time), stopped);

        // The typewriter: letter by letter, a pause, again; STOP holds it.
        // A quote typed by the user is typed like any other letter.
        const QString words = QStringLiteral("タイプ\"ライタ\"風の文字");
        startPage(form, app);
        shared.EffectKind = Effect::Typewriter;
        shared.TypewriterText = words;
        shared.SnippetHtml.clear();
        form.goscript();
        const QString typed = QStringLiteral("document.getElementById('typetext').value");
        QStringList seen;
        QTRY_VERIFY_WITH_TIMEOUT([&] {
            const QString now = js(surface, typed);
            if (seen.isEmpty() || seen.last() != now)
                seen << now;
            return now == words;
        }(), 10000);
        for (const QString &s : seen)
            QVERIFY2(words.startsWith(s), qPrintable(s));
        QVERIFY2(seen.size() >= 4, qPrintable(seen.join(QLatin1Char('|'))));
        // Typing again from the first letter.
        QTRY_VERIFY_WITH_TIMEOUT(js(surface, typed).size() < words.size() && !js(surface, typed).isEmpty(), 6000);
        click(surface, QStringLiteral("input[name=jikann]"));
        const QString held = js(surface, typed);
        letRun(surface, 1000);
        QCOMPARE(js(surface, typed), held);
        QVERIFY(held.size() < words.size());
        QCOMPARE(app.boxes.shown.size(), 2);
    }

    void colourChangeButtons()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();
        writeBytes(app.file(QStringLiteral("next.htm")), "<html><head><title>next</title></head><body>next page</body></html>");

        startPage(form, app);
        shared.EffectKind = Effect::ColorChangeText;
        shared.ButtonColor1 = QStringLiteral("navy");
        shared.ButtonColor2 = QStringLiteral("red");
        shared.ButtonLinks[0] = app.file(QStringLiteral("next.htm"));
        shared.ButtonLinks[1] = QString();
        const auto button = [](int n, const QString &caption) {
            const QString i = QString::number(n);
            return QStringLiteral("<Button ID=MIVO%1 onmouseover=\"go_in(%1)\" onmouseout=\"go_out(%1)\" onclick=\"go_link(%1)\" "
                                  "STYLE=\"font-family:ＭＳ Ｐゴシック;font-size:28pt;Color:navy;\">%2</Button>")
                .arg(i, caption);
        };
        shared.SnippetHtml = button(0, QStringLiteral("次へ")) + button(1, QStringLiteral("戻る"));
        form.goscript();
        QVERIFY(surface->BrowseMode());
        const QRect first = boxOf(surface, QStringLiteral("#MIVO0"));
        const QRect second = boxOf(surface, QStringLiteral("#MIVO1"));
        QVERIFY(first.width() > 20 && second.width() > 20);
        QTRY_VERIFY(count(shot(surface), first, ink) > 0);
        QCOMPARE(count(shot(surface), first, red), 0);

        // The mouse over the second button turns it, and only it, red; leaving turns it back.
        // The page's handlers may come up after its first paint: the mouse goes on moving over it.
        int step = 0;
        QTRY_VERIFY([&] {
            QTest::mouseMove(input(surface), second.center() + QPoint(++step % 2, 0));
            return count(shot(surface), second, red) > 20;
        }());
        QCOMPARE(count(shot(surface), first, red), 0);
        QTest::mouseMove(input(surface), first.center());
        QTRY_VERIFY(count(shot(surface), first, red) > 20);
        QTRY_COMPARE(count(shot(surface), second, red), 0);
        QCOMPARE(js(surface, QStringLiteral("getComputedStyle(document.getElementById('MIVO1')).color")), QStringLiteral("rgb(0, 0, 128)"));
        QTest::mouseMove(input(surface), QPoint(second.right() + 200, second.bottom() + 100));
        QTRY_COMPARE(count(shot(surface), first, red), 0);

        // A click follows the button's link.
        QTest::mouseClick(input(surface), Qt::LeftButton, {}, first.center());
        QTRY_COMPARE(js(surface, QStringLiteral("document.title")), QStringLiteral("next"));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
    }

    void blendInATableCell()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();
        QVERIFY(writePicture(app.file(QStringLiteral("a.png")), Qt::red));
        QVERIFY(writePicture(app.file(QStringLiteral("b.png")), Qt::blue));

        startPage(form, app,
                  "<html><body><p>title</p><table border=1 cellpadding=10 style=\"margin-left:80px\"><tr><td>cell</td><td>ab</td></tr></table></body></html>");
        shared.EffectKind = Effect::BlendFilter;
        shared.BlendImage1 = app.file(QStringLiteral("a.png"));
        shared.BlendImage2 = app.file(QStringLiteral("b.png"));
        shared.EffectElementId = QStringLiteral("image42");
        shared.SnippetHtml = Form21::markup(QStringLiteral("image42"), shared.BlendImage1);
        form.goscript();
        QVERIFY(surface->BrowseMode());
        const QRect picture = boxOf(surface, QStringLiteral("#image42"));
        QCOMPARE(picture.size(), QSize(120, 80));
        // While it blends the first picture fades out where the picture is, not elsewhere.
        QCOMPARE(boxOf(surface, QStringLiteral("#image42 + img:not([id])")), picture);
        QTRY_VERIFY([&] {
            const QColor now = shot(surface).pixelColor(picture.center());
            return now.red() > 150 && now.red() > now.blue();
        }());
        QTRY_VERIFY_WITH_TIMEOUT(blue(shot(surface).pixelColor(picture.center())), 10000);
        // Done: the copy is gone and the second picture shows, whole.
        QTRY_COMPARE(js(surface, QStringLiteral("document.querySelectorAll('img').length")), QStringLiteral("1"));
        QVERIFY(js(surface, QStringLiteral("document.getElementById('image42').src")).endsWith(QStringLiteral("/b.png")));
        QTRY_COMPARE(count(shot(surface), picture.adjusted(1, 1, -1, -1), blue), area(picture.adjusted(1, 1, -1, -1)));

        // Reload starts again from the first picture.
        click(surface, QStringLiteral("input[value=Reload]"));
        QTRY_VERIFY(!blue(shot(surface).pixelColor(picture.center())));
        QTRY_VERIFY_WITH_TIMEOUT(blue(shot(surface).pixelColor(picture.center())), 10000);
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
    }

    // A second picture given as an address arrives when the network lets it.
    void blendWaitsForALatePicture()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();
        QVERIFY(writePicture(app.file(QStringLiteral("a.png")), Qt::red));
        QByteArray second;
        {
            QBuffer buffer(&second);
            buffer.open(QIODevice::WriteOnly);
            QImage picture(120, 80, QImage::Format_RGB32);
            picture.fill(Qt::blue);
            QVERIFY(picture.save(&buffer, "PNG"));
        }
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QTcpSocket *request = nullptr;
        connect(&server, &QTcpServer::newConnection, this, [&] { request = server.nextPendingConnection(); });

        startPage(form, app);
        shared.EffectKind = Effect::BlendFilter;
        shared.BlendImage1 = app.file(QStringLiteral("a.png"));
        shared.BlendImage2 = QStringLiteral("http://127.0.0.1:%1/b.png").arg(server.serverPort());
        shared.EffectElementId = QStringLiteral("image7");
        shared.SnippetHtml = Form21::markup(QStringLiteral("image7"), shared.BlendImage1);
        form.goscript();
        QVERIFY(surface->BrowseMode());
        const QRect picture = boxOf(surface, QStringLiteral("#image7"));
        QTRY_VERIFY(request != nullptr);
        // Longer than the blend: the first picture stays meanwhile.
        letRun(surface, 3500);
        QVERIFY(red(shot(surface).pixelColor(picture.center())));
        request->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: " + QByteArray::number(second.size())
                       + "\r\nConnection: close\r\n\r\n" + second);
        request->flush();
        // Then it blends, over its duration, rather than showing the picture at once.
        QTRY_VERIFY([&] {
            const QColor now = shot(surface).pixelColor(picture.center());
            return now.red() > 60 && now.blue() > 60;
        }());
        QTRY_VERIFY_WITH_TIMEOUT(blue(shot(surface).pixelColor(picture.center())), 10000);
    }

    void redirectedBlockTurns()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();
        QVERIFY(writePicture(app.file(QStringLiteral("red.png")), Qt::red, 100, 60));

        startPage(form, app);
        shared.EffectKind = Effect::RedirectFilter;
        shared.EffectImageFile = app.file(QStringLiteral("red.png"));
        shared.SnippetHtml = Form22::markup(QStringLiteral("回る"), shared.EffectImageFile);
        form.goscript();
        QVERIFY(surface->BrowseMode());
        const QString angle = QStringLiteral("(() => { const d = document.querySelector('#DA_mivo div > *');"
                                             " const m = /rotate\\((-?[0-9.e-]+)deg\\)/.exec(d ? d.style.transform : ''); return m ? -m[1] : -1; })()");
        QTRY_VERIFY(js(surface, angle).toDouble() >= 0);
        QCOMPARE(js(surface, QStringLiteral("getComputedStyle(document.getElementById('mivo_text')).visibility")), QStringLiteral("hidden"));
        const QRect stage = boxOf(surface, QStringLiteral("#DA_mivo"));
        QCOMPARE(stage, QRect(200, 50, 500, 500));
        // The block's picture shows, turning, in the control's box and nowhere else.
        QTRY_VERIFY(count(shot(surface), stage, red) > 1000);
        QCOMPARE(count(shot(surface), boxOf(surface, QStringLiteral("#mivo_text")), red), 0);
        const QImage before = shot(surface).copy(stage);
        QTRY_VERIFY(shot(surface).copy(stage) != before);
        QTRY_VERIFY(js(surface, angle).toDouble() > 60);
        // Reload turns it from the start again.
        click(surface, QStringLiteral("input[value=Reload]"));
        QTRY_VERIFY(js(surface, angle).toDouble() < 45);
        QCOMPARE(js(surface, QStringLiteral("document.querySelectorAll('#DA_mivo img').length")), QStringLiteral("1"));
        QCOMPARE(app.boxes.texts(), QStringList{QStringLiteral("ブラウズモードで確認します！")});
    }

    void dialogBoxAndFullScreenWindows()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        Module1 &shared = app.shared();
        writeBytes(app.file(QStringLiteral("shown.htm")), "<html><head><title>shown page</title></head><body>shown</body></html>");

        for (const char *kind : {"modal.vs", "modeless.vs"}) {
            const bool modal = QLatin1String(kind) == QLatin1String("modal.vs");
            startPage(form, app);
            shared.EffectKind = Effect::DialogBox;
            shared.DialogBoxFile = app.file(QStringLiteral("shown.htm"));
            shared.SnippetHtml = templateText(app, QLatin1String(kind)).replace(QStringLiteral("[html_file]"), shared.DialogBoxFile);
            goscriptSettled(form);
            QVERIFY(surface->BrowseMode());
            clickLater(surface, QStringLiteral("input[value=Open]"));
            QTRY_VERIFY2(pageWindow(false) != nullptr, kind);
            QWidget *window = pageWindow(false);
            QTRY_COMPARE(window->windowTitle(), QStringLiteral("shown page"));
            QCOMPARE(window->size(), QSize(500, 400));
            QCOMPARE(window->isModal(), modal);
            if (!modal) // the page goes on while a modeless dialog is open
                QCOMPARE(js(surface, QStringLiteral("document.querySelectorAll('input[value=Open]').length")), QStringLiteral("1"));
            QTest::keyClick(window, Qt::Key_Escape);
            QTRY_VERIFY(pageWindow(false) == nullptr);
            QCOMPARE(js(surface, QStringLiteral("document.querySelectorAll('input[value=Open]').length")), QStringLiteral("1"));
        }

        startPage(form, app);
        shared.EffectKind = Effect::FullScreen;
        shared.SnippetHtml = templateText(app, QStringLiteral("zenngamenn.mvo")).replace(QStringLiteral("[zenngamenn]"), app.file(QStringLiteral("shown.htm")));
        goscriptSettled(form);
        QVERIFY(surface->BrowseMode());
        clickLater(surface, QStringLiteral("input[value=全画面表示実行]"));
        QTRY_VERIFY(pageWindow(true) != nullptr);
        QTRY_COMPARE(pageWindow(true)->windowTitle(), QStringLiteral("shown page"));
        QVERIFY(pageWindow(true)->findChild<QLabel *>(QStringLiteral("FullScreenHint")));
        QTest::keyClick(pageWindow(true), Qt::Key_Escape);
        QTRY_VERIFY(pageWindow(true) == nullptr);
        QCOMPARE(app.boxes.texts(), (QStringList{QStringLiteral("ブラウズモードで確認します！"), QStringLiteral("ブラウズモードで確認します！"),
                                             QStringLiteral("ブラウズモードで確認します！"), QStringLiteral("「全画面実行」ボタンをクリックして下さい．")}));
    }

    void marqueeCheckButton()
    {
        TestApp app;
        Form1 form(app.context);
        QVERIFY(showExposed(form));
        DhtmlEdit *surface = form.surface();
        startPage(form, app);
        app.shared().SnippetHtml =
            QStringLiteral("<MARQUEE BEHAVIOR=Scroll DIRECTION=Left SCROLLDELAY=60 SCROLLAMOUNT=6 LOOP=Infinite>文字を入力してください。</MARQUEE>");
        app.shared().EffectKind = Effect::Marquee;
        form.harituke();
        QVERIFY(surface->BrowseMode());
        // The text scrolls.
        const QRect band = boxOf(surface, QStringLiteral("marquee"));
        QVERIFY(band.width() > 100);
        QTRY_VERIFY(count(shot(surface), band, ink) > 0);
        const QImage before = shot(surface).copy(band);
        QTRY_VERIFY(shot(surface).copy(band) != before);
        // The check button's alert is the program's message box.
        click(surface, QStringLiteral("input[value=確認]"));
        QTRY_COMPARE(app.boxes.texts(), (QStringList{QStringLiteral("ブラウズモードで確認します！"), QStringLiteral("実行中！")}));
        QCOMPARE(app.boxes.shown[1].title, MessageBoxes::DefaultTitle);
    }
};

TOVALEAF_TEST_MAIN(TestEffectsAlive)
#include "tst_effectsalive.moc"
