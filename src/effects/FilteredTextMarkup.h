#pragma once

#include <QString>

// The one-line DIV of the filtered text effects: the element number, the
// filter with the user's values as typed, and the text the user overwrites.
class FilteredTextMarkup
{
public:
    static const QString PlaceholderText; // "ここに文字を入力"

    // idText is the dialog's ID field; the markup carries it in plain decimal form.
    static QString build(const QString &idText, const QString &filter);
    static QString shadow(const QString &colour, const QString &angle);
    static QString wave(const QString &strength, const QString &freq, const QString &lightStrength);
    static QString glow(const QString &strength, const QString &colour);
    static QString alpha(const QString &opacity, int style);
    // 1, 2, 3 for the three style texts; 0 for any other text.
    static int alphaStyle(const QString &styleText);
};
