#include "support/TestSupport.h"

#include "platform/DhtmlEdit.h"

#include <QImage>
#include <QWebEngineView>

using namespace TestSupport;

// The static filters in run mode, by the pixels they draw: where a filter puts
// colour and where it leaves the page alone.
class TestStaticFilters : public QObject
{
    Q_OBJECT

private:
    static bool isRed(const QColor &c) { return c.red() > 220 && c.green() < 40 && c.blue() < 40; }
    static bool isGreen(const QColor &c) { return c.green() > 220 && c.red() < 40 && c.blue() < 40; }
    static bool isWhite(const QColor &c) { return c.red() > 245 && c.green() > 245 && c.blue() > 245; }
    static bool isBlack(const QColor &c) { return c.red() + c.green() + c.blue() < 60; }
    static int lightness(const QColor &c) { return c.red() + c.green() + c.blue(); }
    // How much red stands out over the other channels: the strength of a red tint.
    static int redTint(const QColor &c) { return c.red() - (c.green() + c.blue()) / 2; }

private slots:
    void drawnAsTheirParametersSay()
    {
        TestApp app;
        DhtmlEdit surface(app.context);
        surface.resize(520, 260);
        surface.QWidget::show();
        const QByteArray page =
            "<html><head><style>body{margin:0;background:#fff} div{position:absolute}</style></head><body>\n"
            "<div id=right style=\"left:20px;top:20px;width:40px;height:20px;background:#00f;filter:Shadow(Color=red,Direction=90)\"></div>\n"
            "<div id=downleft style=\"left:120px;top:20px;width:40px;height:20px;background:#00f;filter:Shadow(Color=#00ff00,Direction=225,Strength=8)\"></div>\n"
            "<div id=glow style=\"left:240px;top:20px;width:40px;height:20px;background:#00f;filter:Glow(Color=red,Strength=6)\"></div>\n"
            "<div id=wave style=\"left:20px;top:100px;width:100px;height:100px;filter:Wave(Strength=10,Freq=1,LightStrength=0,Phase=25)\">"
            "<div style=\"position:static;margin-left:45px;width:10px;height:100px;background:#000\"></div></div>\n"
            "<div id=linear style=\"left:150px;top:100px;width:100px;height:50px;background:#000;"
            "filter:Alpha(Opacity=100,FinishOpacity=0,Style=1,StartX=0,StartY=0,FinishX=100,FinishY=0)\"></div>\n"
            "<div id=rect style=\"left:300px;top:100px;width:100px;height:100px;background:#000;filter:Alpha(Opacity=100,FinishOpacity=0,Style=3)\"></div>\n"
            "</body></html>";
        writeBytes(app.file(QStringLiteral("filters.htm")), page);
        QVERIFY(surface.LoadDocument(app.file(QStringLiteral("filters.htm"))));
        QVERIFY(surface.setBrowseMode(true));
        QTRY_VERIFY(!js(&surface, QStringLiteral("document.getElementById('rect').style.maskImage || document.getElementById('rect').style.webkitMaskImage")).isEmpty());
        QImage view;
        const auto at = [&](int x, int y) { return view.pixelColor(x, y); };
        QTRY_VERIFY([&] {
            view = surface.view()->grab().toImage();
            return isRed(view.pixelColor(62, 30));
        }());
        QCOMPARE(view.size(), QSize(520, 260));

        // Shadow: a hard silhouette in its colour, drawn out Strength (5) pixels toward the right and nowhere else.
        for (int x = 60; x < 65; ++x)
            for (int y = 21; y < 39; ++y)
                QVERIFY2(isRed(at(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QVERIFY(isWhite(at(67, 30)));
        QVERIFY(isWhite(at(17, 30)) && isWhite(at(40, 17)) && isWhite(at(40, 43)));
        QCOMPARE(at(40, 30), QColor(Qt::blue));
        // Toward 225 degrees (down and left), 8 pixels: the box drawn out along the diagonal.
        QVERIFY(isGreen(at(116, 30)) && isGreen(at(113, 46)) && isGreen(at(150, 46)));
        QVERIFY(isWhite(at(113, 23)) && isWhite(at(162, 30)) && isWhite(at(140, 17)) && isWhite(at(108, 46)));

        // Glow: a red halo on every side, strongest at the edge and fading out.
        for (const QPoint &edge : {QPoint(238, 30), QPoint(282, 30), QPoint(260, 18), QPoint(260, 42)})
            QVERIFY2(redTint(at(edge.x(), edge.y())) > 100, qPrintable(QStringLiteral("%1,%2 %3").arg(edge.x()).arg(edge.y()).arg(at(edge.x(), edge.y()).name())));
        QVERIFY(redTint(at(238, 30)) > redTint(at(234, 30)));
        QVERIFY(redTint(at(234, 30)) > 0);
        QVERIFY(isWhite(at(222, 30)) && isWhite(at(260, 4)));

        // Wave: rows shifted sideways along one sine down the element, a quarter wave on at its top:
        // the bar (65..75) stands left at the top, in place a quarter down, right halfway.
        QVERIFY(isBlack(at(60, 101)) && isWhite(at(78, 101)));
        QVERIFY(isBlack(at(70, 125)) && isWhite(at(58, 125)) && isWhite(at(82, 125)));
        QVERIFY(isBlack(at(80, 150)) && isWhite(at(62, 150)));

        // Alpha, linear from StartX 0 to FinishX 100: opaque on the left, clear on the right, grey between.
        QVERIFY(lightness(at(152, 125)) < 60);
        QVERIFY(lightness(at(200, 125)) > 250 && lightness(at(200, 125)) < 520);
        QVERIFY(lightness(at(247, 125)) > 700);
        QCOMPARE(lightness(at(200, 105)), lightness(at(200, 145)));
        // Alpha, rectangular: Opacity at the sides, FinishOpacity in the middle.
        QVERIFY(lightness(at(302, 150)) < 60 && lightness(at(350, 102)) < 60);
        QVERIFY(lightness(at(349, 150)) > 700);
        QVERIFY(lightness(at(325, 150)) > 250 && lightness(at(325, 150)) < 520);
        QVERIFY(app.boxes.shown.isEmpty());
    }
};

TOVALEAF_TEST_MAIN(TestStaticFilters)
#include "tst_staticfilters.moc"
