#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

QScreen *screenOf(const QWidget *widget)
{
    if (widget && widget->screen())
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

double dpiX(const QWidget *w)
{
    QScreen *s = screenOf(w);
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double dpiY(const QWidget *w)
{
    QScreen *s = screenOf(w);
    return s ? s->logicalDotsPerInchY() : 96.0;
}

} // namespace

int Twips::toPixelsX(int twips, const QWidget *widget)
{
    return int(std::lround(twips * dpiX(widget) / 1440.0));
}

int Twips::toPixelsY(int twips, const QWidget *widget)
{
    return int(std::lround(twips * dpiY(widget) / 1440.0));
}

int Twips::fromPixelsX(int pixels, const QWidget *widget)
{
    return int(std::lround(pixels * 1440.0 / dpiX(widget)));
}

int Twips::fromPixelsY(int pixels, const QWidget *widget)
{
    return int(std::lround(pixels * 1440.0 / dpiY(widget)));
}

int Twips::widthOf(const QWidget *widget)
{
    return fromPixelsX(widget->width(), widget);
}

int Twips::heightOf(const QWidget *widget)
{
    return fromPixelsY(widget->height(), widget);
}

void Twips::setWidth(QWidget *widget, int twips)
{
    widget->resize(toPixelsX(twips, widget), widget->height());
}

void Twips::setHeight(QWidget *widget, int twips)
{
    widget->resize(widget->width(), toPixelsY(twips, widget));
}
