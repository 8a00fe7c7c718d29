#include "FilteredTextMarkup.h"

const QString FilteredTextMarkup::PlaceholderText = QStringLiteral("ここに文字を入力");

QString FilteredTextMarkup::build(const QString &idText, const QString &filter)
{
    return QStringLiteral("<DIV ID=MIVO") + QString::number(idText.toInt()) + QStringLiteral(" STYLE=") + QChar(u'"')
           + QStringLiteral("width:100%;Filter:") + filter + QChar(u'"') + QStringLiteral(">") + PlaceholderText
           + QStringLiteral("</DIV>");
}

QString FilteredTextMarkup::shadow(const QString &colour, const QString &angle)
{
    return QStringLiteral("Shadow(Color=") + colour + QStringLiteral(",") + QStringLiteral("Direction=") + angle
           + QStringLiteral(")");
}

QString FilteredTextMarkup::wave(const QString &strength, const QString &freq, const QString &lightStrength)
{
    return QStringLiteral("Wave(strength=") + strength + QStringLiteral(",") + QStringLiteral("freq=") + freq
           + QStringLiteral(",") + QStringLiteral("lightstrength=") + lightStrength + QStringLiteral(")");
}

QString FilteredTextMarkup::glow(const QString &strength, const QString &colour)
{
    return QStringLiteral("Glow(strength=") + strength + QStringLiteral(",") + QStringLiteral("Color=") + colour
           + QStringLiteral(")");
}

QString FilteredTextMarkup::alpha(const QString &opacity, int style)
{
    return QStringLiteral("Alpha(opacity=") + opacity + QStringLiteral(",") + QStringLiteral("style=")
           + QString::number(style) + QStringLiteral(")");
}

int FilteredTextMarkup::alphaStyle(const QString &styleText)
{
    if (styleText == QStringLiteral("線形"))
        return 1;
    if (styleText == QStringLiteral("円形"))
        return 2;
    if (styleText == QStringLiteral("長方形"))
        return 3;
    return 0;
}
