#pragma once

#include <QByteArray>

// The charset of a page that neither marks nor declares one and is not UTF-8,
// as a detector made for this (uchardet) judges its bytes. Japanese pages of
// this kind are mostly CP932, and a short one can look like a Western
// charset to the detector: CP932 stays unless the detector finds an East
// Asian multibyte charset, or a single-byte one for bytes CP932 cannot read.
class CharsetGuess
{
public:
    // An iconv name the program reads and writes; CP932 when nothing better is known.
    static QByteArray of(const QByteArray &bytes);
    // The detector's own answer (upper case), empty when it has none.
    static QByteArray detectorAnswer(const QByteArray &bytes);
    // 7-bit bytes that carry ISO-2022 escapes: valid UTF-8, but not meant as it.
    static bool looksLikeIso2022(const QByteArray &bytes);
};
