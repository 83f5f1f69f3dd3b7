// Cleaning texts for the hall-of-fame file with Qt's Windows-1252 codec.
#include "storage/hall_of_fame_text.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>
#include <unordered_set>

namespace quintaro {

namespace {

bool isLineBreakOrControl(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// The characters the code page holds: what Qt's codec decodes its 256 bytes to, where encoding gives
// the byte back. (Any other character the codec encodes as 0x1A, which reads back as a control.)
bool codePageHolds(char32_t c) {
    static const std::unordered_set<char32_t> held = [] {
        QStringDecoder decode(kHallCodePage);
        QStringEncoder encode(kHallCodePage);
        std::unordered_set<char32_t> chars;
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, static_cast<char>(b));
            const QString c = decode.decode(byte);
            if (c.size() == 1 && QByteArray(encode.encode(c)) == byte) chars.insert(c[0].unicode());
        }
        return chars;
    }();
    return held.contains(c);
}

std::string storable(std::string_view utf8, qsizetype maxChars) {
    QString out;
    // Malformed UTF-8 and lone surrogates arrive here as U+FFFD, which the code page does not hold.
    for (const char32_t c : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4()) {
        if (out.size() >= maxChars) break;
        if (isLineBreakOrControl(c)) continue;
        out += codePageHolds(c) ? QChar(c) : QChar(u'?'); // every character held lies in the BMP
    }
    return out.toStdString();
}

} // namespace

std::string storableLine(std::string_view utf8) { return storable(utf8, std::numeric_limits<qsizetype>::max()); }

std::string championName(std::string_view typed) { return storable(typed, kChampionNameLength); }

} // namespace quintaro
