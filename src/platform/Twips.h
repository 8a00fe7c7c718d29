#pragma once

class QWidget;

// Measures of the design are in twips (1/1440 inch); the screen's logical DPI
// turns them into pixels.
class Twips
{
public:
    static int toPixelsX(int twips, const QWidget *widget = nullptr);
    static int toPixelsY(int twips, const QWidget *widget = nullptr);
    static int fromPixelsX(int pixels, const QWidget *widget = nullptr);
    static int fromPixelsY(int pixels, const QWidget *widget = nullptr);

    // A widget's size in twips, as the Width and Height members give it.
    static int widthOf(const QWidget *widget);
    static int heightOf(const QWidget *widget);
    static void setWidth(QWidget *widget, int twips);
    static void setHeight(QWidget *widget, int twips);
};
