#pragma once

#include <QByteArray>
#include <QString>

// A page's text as the bytes of its file, in a form the program reads back
// as the same text: the charset the page declares (CP932 when it declares
// none or one that its bytes could not be in), UTF-16 with a byte-order mark
// for a UTF-16 declaration. Where that cannot be, UTF-8 with a byte-order
// mark, which every browser and the program's reader take before any
// declaration.
struct PageBytes
{
    QByteArray bytes;
    // What the page asks for, and what the bytes are in.
    QByteArray pageCharset;
    QByteArray charset;
    bool byteOrderMark = false;
    // Characters inside scripts, styles, comments or tag names that the
    // page's charset cannot hold (each once). The bytes are then the UTF-8 form.
    QString unheldInCode;

    static PageBytes of(const QString &text);
    // The text the bytes read back as.
    QString readBack() const;
};
