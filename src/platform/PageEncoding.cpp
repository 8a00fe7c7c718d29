#include "PageEncoding.h"

#include "LiteralText.h"

#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

#include <cerrno>
#include "CharsetGuess.h"

#include <iconv.h>

const QByteArray PageEncoding::Cp932 = "CP932";
const QByteArray PageEncoding::Utf8 = "UTF-8";
const QByteArray PageEncoding::Utf16Le = "UTF-16LE";
const QByteArray PageEncoding::Utf16Be = "UTF-16BE";

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

bool isUtf16LittleEndianName(const QByteArray &lower)
{
    static const QByteArray names[] = {"utf-16", "utf-16le", "utf16", "utf16le", "ucs-2", "ucs-2le", "unicodefeff",
                                       "csunicode", "iso-10646-ucs-2"};
    for (const QByteArray &n : names)
        if (lower == n)
            return true;
    return false;
}

// Charsets that hold every character. (GB18030 does too, but its reader takes
// a leading U+FEFF for a byte-order mark: asked like the others.)
bool isUnicodeCharset(const QByteArray &charset)
{
    return charset == PageEncoding::Utf8 || charset == PageEncoding::Utf16Le || charset == PageEncoding::Utf16Be;
}

const QRegularExpression &declarationPattern()
{
    static const QRegularExpression meta(QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([-\\w:.]+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return meta;
}

// Whether a charset gives a character back as it was, asked once per character.
class CharsetProbe
{
public:
    explicit CharsetProbe(const QByteArray &charset) : m_to(charset, PageEncoding::Utf8), m_from(PageEncoding::Utf8, charset) {}
    bool valid() const { return m_to.valid() && m_from.valid(); }

    bool holds(char32_t codePoint)
    {
        if (codePoint < 0x80)
            return true;
        auto it = m_known.constFind(codePoint);
        if (it != m_known.constEnd())
            return *it;
        const bool held = roundTrips(codePoint);
        m_known.insert(codePoint, held);
        return held;
    }

    // A combining mark after a letter: a Vietnamese reader joins some pairs
    // into one precomposed letter.
    bool holdsAfter(char32_t previous, char32_t mark)
    {
        const quint64 key = (quint64(previous) << 32) | mark;
        auto it = m_knownPairs.constFind(key);
        if (it != m_knownPairs.constEnd())
            return *it;
        const char32_t pair[2] = {previous, mark};
        const bool held = roundTrips(QString::fromUcs4(pair, 2).toUtf8());
        m_knownPairs.insert(key, held);
        return held;
    }

private:
    bool roundTrips(char32_t codePoint)
    {
        if (!valid() || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
            return false;
        return roundTrips(QString::fromUcs4(&codePoint, 1).toUtf8());
    }

    bool roundTrips(const QByteArray &utf8)
    {
        const QByteArray encoded = convert(m_to, utf8);
        if (encoded.isEmpty())
            return false;
        return convert(m_from, encoded) == utf8;
    }

    // The whole input converted and the state closed; empty when it fails.
    static QByteArray convert(const Iconv &cd, const QByteArray &input)
    {
        iconv(cd.handle(), nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        char *in = const_cast<char *>(input.constData());
        size_t inLeft = size_t(input.size());
        char *out = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(cd.handle(), &in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0
            || iconv(cd.handle(), nullptr, nullptr, &out, &outLeft) == size_t(-1))
            return {};
        return QByteArray(buffer, out - buffer);
    }

    Iconv m_to;
    Iconv m_from;
    QHash<char32_t, bool> m_known;
    QHash<quint64, bool> m_knownPairs;
};

bool isCombiningMark(char32_t codePoint)
{
    const QChar::Category category = QChar::category(codePoint);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining || category == QChar::Mark_Enclosing;
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
    return encodeText(text, charset, false).bytes;
}

PageEncoding::Encoded PageEncoding::encodePage(const QString &text, const QByteArray &charset)
{
    return encodeText(text, charset, true);
}

PageEncoding::Encoded PageEncoding::encodeText(const QString &original, const QByteArray &charset, bool page)
{
    const QString text = withoutLoneSurrogates(original);
    if (charset == Utf8)
        return {text.toUtf8(), text, {}};
    Iconv cd(charset, Utf8);
    if (!cd.valid())
        return encodeText(text, Cp932, page);

    // Characters the charset would not give back become references first, so
    // that the conversion below meets only characters it holds.
    std::optional<CharsetProbe> probe;
    if (!isUnicodeCharset(charset))
        probe.emplace(charset);
    QString kept;
    qsizetype copied = 0;
    QList<char32_t> unheld;
    // Scanned only once some character does not fit.
    std::optional<LiteralText> literal;
    const qsizetype n = text.size();
    char32_t previous = 0; // the last character written as itself
    for (qsizetype i = 0; probe && i < n;) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            previous = c;
            ++i;
            continue;
        }
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(c, text[i + 1].unicode()) : char32_t(c);
        const int length = pair ? 2 : 1;
        if (probe->holds(codePoint) && !(previous && isCombiningMark(codePoint) && !probe->holdsAfter(previous, codePoint))) {
            previous = codePoint;
            i += length;
            continue;
        }
        previous = 0;
        if (page && !literal)
            literal.emplace(text);
        if (literal && literal->contains(i)) {
            if (!unheld.contains(codePoint))
                unheld.append(codePoint);
            i += length;
            continue;
        }
        kept.append(QStringView(text).mid(copied, i - copied));
        kept.append(QStringLiteral("&#%1;").arg(uint(codePoint)));
        i += length;
        copied = i;
    }
    Encoded result;
    for (char32_t codePoint : unheld)
        result.unheldInLiteral.append(QString::fromUcs4(&codePoint, 1));
    if (copied > 0)
        kept.append(QStringView(text).mid(copied));
    result.text = copied > 0 ? kept : text;
    const QByteArray input = result.text.toUtf8();

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
            // Left in a literal part (or a charset without a probe): still nothing lost.
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
    result.bytes = out;
    return result;
}

QString PageEncoding::withoutLoneSurrogates(const QString &text)
{
    QString out;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (out.isNull())
            out = text;
        out[i] = QChar(QChar::ReplacementCharacter);
    }
    return out.isNull() ? text : out;
}

bool PageEncoding::holds(const QByteArray &charset, char32_t codePoint)
{
    if (charset == Utf8 || isUnicodeCharset(charset))
        return !(codePoint >= 0xD800 && codePoint <= 0xDFFF) && codePoint <= 0x10FFFF;
    CharsetProbe probe(charset);
    return probe.valid() && probe.holds(codePoint);
}

QString PageEncoding::decode(const QByteArray &bytes, const QByteArray &charset)
{
    if (charset == Utf8) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(bytes);
    }
    // iconv would take a leading U+FEFF of the text for a second byte-order mark.
    if (charset == Utf16Le || charset == Utf16Be) {
        QStringDecoder decoder(charset == Utf16Le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return withoutLoneSurrogates(decoder.decode(bytes));
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
    auto grow = [&] {
        const qsizetype used = outPtr - out.data();
        out.resize(out.size() * 2 + 16);
        outPtr = out.data() + used;
        outLeft = size_t(out.size() - used);
    };
    // Some decoders (Vietnamese ones) hold a letter back for an accent that may follow.
    auto flush = [&] {
        while (iconv(cd.handle(), nullptr, nullptr, &outPtr, &outLeft) == size_t(-1) && errno == E2BIG)
            grow();
    };

    while (inLeft > 0) {
        if (iconv(cd.handle(), &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            grow();
            continue;
        }
        if (errno == EILSEQ || errno == EINVAL) {
            flush();
            if (outLeft < 4)
                grow();
            memcpy(outPtr, replacement.constData(), 3);
            outPtr += 3;
            outLeft -= 3;
            ++in;
            --inLeft;
        } else {
            break;
        }
    }
    flush();
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
    if (lower == "utf-8" || lower == "utf8" || lower == "unicode-1-1-utf-8")
        return Utf8;
    if (isUtf16LittleEndianName(lower))
        return Utf16Le;
    if (lower == "utf-16be" || lower == "unicodefffe")
        return Utf16Be;
    const QByteArray upper = lower.toUpper();
    Iconv probe(Utf8, upper);
    return probe.valid() ? upper : QByteArray();
}

bool PageEncoding::isAsciiCompatible(const QByteArray &charset)
{
    if (charset == Utf8 || charset == Cp932)
        return true;
    static QMutex mutex;
    static QHash<QByteArray, bool> known;
    QMutexLocker lock(&mutex);
    auto it = known.constFind(charset);
    if (it != known.constEnd())
        return *it;
    QByteArray ascii = "\t\n\r";
    for (char c = 0x20; c < 0x7F; ++c)
        ascii += c;
    bool same = false;
    Iconv to(charset, Utf8);
    if (to.valid()) {
        char *in = ascii.data();
        size_t inLeft = size_t(ascii.size());
        QByteArray out(ascii.size() * 4 + 16, '\0');
        char *outPtr = out.data();
        size_t outLeft = size_t(out.size());
        if (iconv(to.handle(), &in, &inLeft, &outPtr, &outLeft) != size_t(-1)
            && iconv(to.handle(), nullptr, nullptr, &outPtr, &outLeft) != size_t(-1)) {
            out.resize(outPtr - out.data());
            same = out == ascii && decode(ascii, charset) == QString::fromLatin1(ascii);
        }
    }
    known.insert(charset, same);
    return same;
}

QByteArray PageEncoding::declaredCharset(const QByteArray &head)
{
    QRegularExpressionMatchIterator it = declarationPattern().globalMatch(QString::fromLatin1(head.left(DeclarationScanLength)));
    while (it.hasNext()) {
        const QByteArray name = normalizedName(it.next().captured(1).toLatin1());
        if (!name.isEmpty() && isAsciiCompatible(name))
            return name;
    }
    return {};
}

QByteArray PageEncoding::charsetForText(const QString &text)
{
    QRegularExpressionMatchIterator it = declarationPattern().globalMatch(QStringView(text).left(DeclarationScanLength));
    while (it.hasNext()) {
        const QByteArray name = normalizedName(it.next().captured(1).toLatin1());
        if (name == Utf16Le || name == Utf16Be || (!name.isEmpty() && isAsciiCompatible(name)))
            return name;
    }
    return Cp932;
}

QByteArray PageEncoding::detect(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return Utf16Le;
    if (bytes.startsWith("\xFE\xFF"))
        return Utf16Be;
    const QByteArray declared = declaredCharset(bytes);
    if (!declared.isEmpty())
        return declared;
    if (isValidUtf8(bytes) && !CharsetGuess::looksLikeIso2022(bytes))
        return Utf8;
    return CharsetGuess::of(bytes);
}

QString PageEncoding::readPage(const QByteArray &bytes)
{
    QString text = decodeDetected(bytes);
    const QByteArray charset = detect(bytes);
    const bool marked = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    // Read by the detector's judgement: said in the page, so that it is written
    // back in that charset and every reader after takes it the same way.
    if (!marked && charset != Cp932 && charset != Utf8 && declaredCharset(bytes).isEmpty())
        text = declaring(text, charset);
    return text;
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

QString PageEncoding::declaringUtf8(const QString &text)
{
    return declaring(text, Utf8);
}

QString PageEncoding::declaring(const QString &text, const QByteArray &charset)
{
    const QString label = charset == Utf8 ? QString::fromLatin1(Utf8) : QString::fromLatin1(webLabel(charset)).toUpper();
    const QString declaration = QStringLiteral("<META charset=%1>").arg(label);
    const LiteralText literal(text);
    QList<QPair<qsizetype, qsizetype>> names;
    QRegularExpressionMatchIterator it = declarationPattern().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (!literal.inCode(m.capturedStart(1)))
            names.append({m.capturedStart(1), m.capturedLength(1)});
    }
    QString out = text;
    if (!names.isEmpty()) {
        for (auto name = names.crbegin(); name != names.crend(); ++name)
            out.replace(name->first, name->second, label);
        return out;
    }
    static const QRegularExpression head(QStringLiteral("<head\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression html(QStringLiteral("<html\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpression *tag : {&head, &html}) {
        QRegularExpressionMatchIterator found = tag->globalMatch(text);
        while (found.hasNext()) {
            const QRegularExpressionMatch m = found.next();
            if (!literal.inCode(m.capturedStart()))
                return out.insert(m.capturedEnd(), declaration);
        }
    }
    return out.prepend(declaration);
}

bool PageEncoding::looksBinary(const QByteArray &bytes)
{
    // A byte-order mark says text.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xEF\xBB\xBF"))
        return false;
    static const QByteArray signatures[] = {
        "GIF87a", "GIF89a", "\x89PNG\r\n\x1A\n", "\xFF\xD8\xFF", QByteArray("PK\x03\x04", 4), "%PDF-", "\x7F" "ELF",
        "\x1F\x8B", "7z\xBC\xAF\x27\x1C", "Rar!\x1A\x07", "OggS", QByteArray("\x00\x00\x01\x00", 4),
        QByteArray("II*\x00", 4), QByteArray("MM\x00*", 4), "wOFF", "wOF2", "\x1A\x45\xDF\xA3"};
    for (const QByteArray &signature : signatures)
        if (bytes.startsWith(signature))
            return true;
    // Control bytes that text does not use (NUL, tab, breaks and the escape
    // of ISO-2022-JP aside) fill about a tenth of compressed or machine data.
    const QByteArray head = bytes.left(8192);
    qsizetype controls = 0;
    for (const char c : head) {
        const uchar b = uchar(c);
        if (b < 0x20 && b != 0 && b != '\t' && b != '\n' && b != '\v' && b != '\f' && b != '\r' && b != 0x1B)
            ++controls;
    }
    return controls >= 3 && controls * 32 > head.size();
}

QByteArray PageEncoding::webLabel(const QByteArray &charset)
{
    if (charset == Cp932)
        return "shift_jis";
    return charset.toLower();
}
