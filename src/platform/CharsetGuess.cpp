#include "CharsetGuess.h"

#include "PageEncoding.h"

#include <uchardet/uchardet.h>

#include <memory>

namespace {

// Enough of a page for the detector; a whole 16 MB page adds time and no certainty.
constexpr qsizetype SampleBytes = 256 * 1024;

bool isMultibyteEastAsian(const QByteArray &name)
{
    static const QByteArray names[] = {"EUC-JP", "ISO-2022-JP", "ISO-2022-KR", "ISO-2022-CN", "EUC-KR", "UHC", "CP949",
                                       "GB18030", "GB2312", "BIG5", "EUC-TW", "HZ-GB-2312"};
    for (const QByteArray &known : names)
        if (name == known)
            return true;
    return false;
}

bool readsAsCp932(const QByteArray &bytes)
{
    // CP932 maps no byte sequence to U+FFFD: one in the text marks a byte it could not read.
    return !PageEncoding::decode(bytes, PageEncoding::Cp932).contains(QChar(0xFFFD));
}

} // namespace

QByteArray CharsetGuess::detectorAnswer(const QByteArray &bytes)
{
    std::unique_ptr<uchardet, decltype(&uchardet_delete)> detector(uchardet_new(), &uchardet_delete);
    if (!detector)
        return {};
    const QByteArray sample = bytes.left(SampleBytes);
    if (uchardet_handle_data(detector.get(), sample.constData(), size_t(sample.size())) != 0)
        return {};
    uchardet_data_end(detector.get());
    return QByteArray(uchardet_get_charset(detector.get())).toUpper();
}

QByteArray CharsetGuess::of(const QByteArray &bytes)
{
    const QByteArray answer = detectorAnswer(bytes);
    if (answer.isEmpty() || answer == "ASCII")
        return PageEncoding::Cp932;
    const QByteArray charset = PageEncoding::normalizedName(answer);
    // Only charsets that write markup as ASCII: the page's tags must read as tags.
    if (charset.isEmpty() || charset == PageEncoding::Cp932 || !PageEncoding::isAsciiCompatible(charset))
        return PageEncoding::Cp932;
    if (isMultibyteEastAsian(answer))
        return charset;
    return readsAsCp932(bytes) ? PageEncoding::Cp932 : charset;
}

bool CharsetGuess::looksLikeIso2022(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(SampleBytes);
    for (const char c : head)
        if (uchar(c) >= 0x80)
            return false;
    return head.contains("\x1B$B") || head.contains("\x1B$@") || head.contains("\x1B$(D") || head.contains("\x1B$)C")
        || head.contains("\x1B$A");
}
