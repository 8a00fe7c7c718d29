#include "PageBytes.h"

#include "PageEncoding.h"


namespace {

const QByteArray Utf8ByteOrderMark = "\xEF\xBB\xBF";

PageBytes inUtf8WithByteOrderMark(PageBytes form, const QString &text)
{
    form.bytes = Utf8ByteOrderMark + text.toUtf8();
    form.charset = PageEncoding::Utf8;
    form.byteOrderMark = true;
    return form;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    bytes.reserve(2 + text.size() * 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const char high = char(u >> 8);
        const char low = char(u & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

} // namespace

PageBytes PageBytes::of(const QString &original)
{
    const QString text = PageEncoding::withoutLoneSurrogates(original);
    PageBytes form;
    form.pageCharset = PageEncoding::charsetForText(text);
    form.charset = form.pageCharset;
    QString expected = text;
    if (form.charset == PageEncoding::Utf16Le || form.charset == PageEncoding::Utf16Be) {
        form.bytes = utf16(text, form.charset == PageEncoding::Utf16Be);
        form.byteOrderMark = true;
    } else if (form.charset == PageEncoding::Utf8) {
        form.bytes = text.toUtf8();
    } else {
        const PageEncoding::Encoded encoded = PageEncoding::encodePage(text, form.charset);
        if (!encoded.unheldInLiteral.isEmpty()) {
            form.unheldInCode = encoded.unheldInLiteral;
            return inUtf8WithByteOrderMark(form, text);
        }
        form.bytes = encoded.bytes;
        expected = encoded.text;
    }
    // A byte-order mark, a declaration or UTF-8 that the reader meets before
    // the one written for: the text would come back as another. Or so many
    // control characters that the page would be taken for a picture.
    if (PageEncoding::decodeDetected(form.bytes) != expected || PageEncoding::looksBinary(form.bytes))
        return inUtf8WithByteOrderMark(form, text);
    return form;
}

QString PageBytes::readBack() const
{
    return PageEncoding::decodeDetected(bytes);
}
