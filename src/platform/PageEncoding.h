#pragma once

#include <QByteArray>
#include <QString>

class LiteralText;

// Character sets of the pages and text files the program reads and writes.
// Pages without a declaration are CP932 (the Windows form of Shift_JIS); a
// character a charset cannot hold is written as an HTML numeric reference so
// that nothing typed is lost.
class PageEncoding
{
public:
    static const QByteArray Cp932;
    static const QByteArray Utf8;
    static const QByteArray Utf16Le;
    static const QByteArray Utf16Be;

    // Bytes of text in charset. A character the charset cannot hold, or would
    // give back as another (CP932 reads its wave dash back as a full-width
    // tilde), becomes "&#N;".
    static QByteArray encode(const QString &text, const QByteArray &charset);

    struct Encoded
    {
        QByteArray bytes;
        QString text; // what the bytes stand for, references included
        QString unheldInLiteral; // each character once
    };
    // As encode() for a page: inside its literal parts (LiteralText) such a
    // character cannot become a reference; it is listed in unheldInLiteral,
    // and the bytes do not hold it.
    static Encoded encodePage(const QString &text, const QByteArray &charset);
    // Text of bytes in charset; undecodable bytes become U+FFFD.
    static QString decode(const QByteArray &bytes, const QByteArray &charset);
    // A half surrogate pair is no character: U+FFFD in its place.
    static QString withoutLoneSurrogates(const QString &text);
    // Whether charset gives the character back as it was.
    static bool holds(const QByteArray &charset, char32_t codePoint);

    // Charset of a file's bytes: byte-order mark, then a meta declaration,
    // then UTF-8 when the bytes are valid UTF-8, then what the charset
    // detector finds (CharsetGuess), else CP932.
    static QByteArray detect(const QByteArray &bytes);
    // Decodes a file's bytes with the detected charset, dropping a byte-order mark.
    static QString decodeDetected(const QByteArray &bytes);
    // A page file's text as the editor takes it: decodeDetected, with a
    // declaration added when only the detector knew the charset.
    static QString readPage(const QByteArray &bytes);

    // The iconv name for a declared charset; empty when it is unknown or
    // names no real charset (the editing component's "unicode").
    static QByteArray normalizedName(const QByteArray &declared);
    // The first declaration in a file's head that its bytes can be in. One
    // found in ASCII bytes that names a charset not writing ASCII as ASCII
    // (UTF-16, UTF-32, UTF-7, EBCDIC) cannot describe those bytes: browsers
    // pass over it, and so does this.
    static QByteArray declaredCharset(const QByteArray &head);
    // The charset a page's text asks to be written in: the first declaration
    // the reader follows or a UTF-16 one; CP932 when there is none.
    static QByteArray charsetForText(const QString &text);
    // Whether charset writes printable ASCII, tab and line breaks as the same bytes.
    static bool isAsciiCompatible(const QByteArray &charset);

    // The text with every charset declaration of its markup naming UTF-8, or
    // one added at the start of its HEAD.
    static QString declaringUtf8(const QString &text);
    // The same for another charset.
    static QString declaring(const QString &text, const QByteArray &charset);

    // The label a browser knows the charset by.
    static QByteArray webLabel(const QByteArray &charset);

    // Pictures, archives and programs, not text. A few NULs do not make a
    // page binary (browsers pass over them); a byte-order mark makes it text.
    static bool looksBinary(const QByteArray &bytes);

private:
    static Encoded encodeText(const QString &text, const QByteArray &charset, bool page);
};
