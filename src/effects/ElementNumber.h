#pragma once

#include <QString>

// The number that ends an effect element's id: drawn afresh at every opening
// of a dialog from a clock-seeded generator, 0 to 99.
class ElementNumber
{
public:
    static int draw();
    static QString drawText() { return QString::number(draw()); }
};
