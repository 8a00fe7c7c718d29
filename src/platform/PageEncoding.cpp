#include "PageEncoding.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

const QByteArray PageEncoding::Cp932 = "CP932";
const QByteArray PageEncoding::Utf8 = "UTF-8";

namespace {

constexpr qsizetype DeclarationScanLength = 8192;

class Iconv
{
public:
    Iconv(const QByteArray &to, const QByteArray &from) : m_cd(iconv_open(to.constData(), from.constData())) {}
    ~Iconv()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence that starts with byte b.
int utf8SequenceLength(unsigned char b)
{
    if (b < 0x80)
        return 1;
    if ((b >> 5) == 0x6)
        return 2;
    if ((b >> 4) == 0xE)
        return 3;
    if ((b >> 3) == 0x1E)
        return 4;
    return 1;
}

// Strict UTF-8: no overlong forms, no surrogates; a sequence cut at the end counts as broken.
bool isValidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int len = 0;
        unsigned int cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (end - p < len)
            return false;
        for (int i = 1; i < len; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        p += len;
    }
    return true;
}

bool isShiftJisName(const QByteArray &lower)
{
    static const QByteArray names[] = {"shift_jis", "shift-jis", "sjis", "x-sjis", "windows-31j", "ms_kanji",
                                       "cp932", "ms932", "csshiftjis", "x-ms-cp932", "csWindows31J"};
    for (const QByteArray &n : names)
        if (lower == n.toLower())
            return true;
    return false;
}

} // namespace

QByteArray PageEncoding::encode(const QString &text, const QByteArray &charset)
{
    const QByteArray input = text.toUtf8();
    if (charset == Utf8)
        return input;
    Iconv cd(charset, Utf8);
    if (!cd.valid())
        return encode(text, Cp932);

    QByteArray out;
    out.resize(input.size() * 2 + 16);
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = size_t(input.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());

    auto grow = [&](size_t need) {
        const qsizetype used = outPtr - out.data();
        out.resize(out.size() * 2 + qsizetype(need));
        outPtr = out.data() + used;
        outLeft = size_t(out.size() - used);
    };
    auto append = [&](const QByteArray &bytes) {
        if (outLeft < size_t(bytes.size()))
            grow(size_t(bytes.size()));
        memcpy(outPtr, bytes.constData(), size_t(bytes.size()));
        outPtr += bytes.size();
        outLeft -= size_t(bytes.size());
    };

    while (inLeft > 0) {
        if (iconv(cd.handle(), &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            grow(64);
        } else if (errno == EILSEQ || errno == EINVAL) {
            // Return a stateful charset to its initial state before the ASCII reference.
            while (iconv(cd.handle(), nullptr, nullptr, &outPtr, &outLeft) == size_t(-1) && errno == E2BIG)
                grow(16);
            const int len = qMin<int>(utf8SequenceLength(uchar(*in)), int(inLeft));
            const QString ch = QString::fromUtf8(in, len);
            const uint codePoint = ch.isEmpty() ? 0xFFFD : ch.toUcs4().value(0, 0xFFFD);
            append("&#" + QByteArray::number(codePoint) + ';');
            in += len;
            inLeft -= size_t(len);
        } else {
            break;
        }
    }
    while (iconv(cd.handle(), nullptr, nullptr, &outPtr, &outLeft) == size_t(-1) && errno == E2BIG)
        grow(16);
    out.resize(outPtr - out.data());
    return out;
}

QString PageEncoding::decode(const QByteArray &bytes, const QByteArray &charset)
{
    if (charset == Utf8) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return decoder.decode(bytes);
    }
    Iconv cd(Utf8, charset);
    if (!cd.valid())
        return decode(bytes, Cp932);

    QByteArray out;
    out.resize(bytes.size() * 3 / 2 + 16);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    static const QByteArray replacement = "\xEF\xBF\xBD";

    while (inLeft > 0) {
        if (iconv(cd.handle(), &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG || outLeft < 4) {
            const qsizetype used = outPtr - out.data();
            out.resize(out.size() * 2 + 16);
            outPtr = out.data() + used;
            outLeft = size_t(out.size() - used);
            continue;
        }
        if (errno == EILSEQ || errno == EINVAL) {
            memcpy(outPtr, replacement.constData(), 3);
            outPtr += 3;
            outLeft -= 3;
            ++in;
            --inLeft;
        } else {
            break;
        }
    }
    out.resize(outPtr - out.data());
    return QString::fromUtf8(out);
}

QByteArray PageEncoding::normalizedName(const QByteArray &declared)
{
    const QByteArray lower = declared.trimmed().toLower();
    if (lower.isEmpty() || lower == "unicode")
        return {};
    if (isShiftJisName(lower))
        return Cp932;
    if (lower == "utf-8" || lower == "utf8")
        return Utf8;
    const QByteArray upper = lower.toUpper();
    Iconv probe(Utf8, upper);
    return probe.valid() ? upper : QByteArray();
}

QByteArray PageEncoding::declaredCharset(const QByteArray &head)
{
    static const QRegularExpression meta(
        QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([-\\w:.]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromLatin1(head.left(DeclarationScanLength));
    QRegularExpressionMatchIterator it = meta.globalMatch(text);
    while (it.hasNext()) {
        const QByteArray name = normalizedName(it.next().captured(1).toLatin1());
        if (!name.isEmpty())
            return name;
    }
    return {};
}

QByteArray PageEncoding::detect(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return "UTF-16LE";
    if (bytes.startsWith("\xFE\xFF"))
        return "UTF-16BE";
    const QByteArray declared = declaredCharset(bytes);
    if (!declared.isEmpty())
        return declared;
    return isValidUtf8(bytes) ? Utf8 : Cp932;
}

QString PageEncoding::decodeDetected(const QByteArray &bytes)
{
    const QByteArray charset = detect(bytes);
    QByteArray body = bytes;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        body = bytes.mid(3);
    else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        body = bytes.mid(2);
    return decode(body, charset);
}

QByteArray PageEncoding::forText(const QString &text)
{
    const QByteArray declared = declaredCharset(text.left(DeclarationScanLength).toUtf8());
    if (declared.isEmpty() || declared.startsWith("UTF-16"))
        return Cp932;
    return declared;
}

bool PageEncoding::looksBinary(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    return bytes.left(8192).contains('\0');
}

QByteArray PageEncoding::webLabel(const QByteArray &charset)
{
    if (charset == Cp932)
        return "shift_jis";
    return charset.toLower();
}
