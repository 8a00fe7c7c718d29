#pragma once

#include <QByteArray>
#include <QString>

// Character sets of the pages and text files the program reads and writes.
// Pages without a declaration are CP932 (the Windows form of Shift_JIS); a
// character a charset cannot hold is written as an HTML numeric reference so
// that nothing typed is lost.
class PageEncoding
{
public:
    static const QByteArray Cp932;
    static const QByteArray Utf8;

    // Bytes of text in charset; unencodable characters become "&#N;".
    static QByteArray encode(const QString &text, const QByteArray &charset);
    // Text of bytes in charset; undecodable bytes become U+FFFD.
    static QString decode(const QByteArray &bytes, const QByteArray &charset);

    // Charset of a file's bytes: byte-order mark, then a meta declaration,
    // then UTF-8 when the bytes are valid UTF-8, else CP932.
    static QByteArray detect(const QByteArray &bytes);
    // Charset to write a page's text in: its declared charset, else CP932.
    static QByteArray forText(const QString &text);
    // Decodes a file's bytes with the detected charset, dropping a byte-order mark.
    static QString decodeDetected(const QByteArray &bytes);

    // The iconv name for a declared charset; empty when it is unknown or
    // names no real charset (the editing component's "unicode").
    static QByteArray normalizedName(const QByteArray &declared);
    static QByteArray declaredCharset(const QByteArray &head);

    // The label a browser knows the charset by.
    static QByteArray webLabel(const QByteArray &charset);

    static bool looksBinary(const QByteArray &bytes);
};
