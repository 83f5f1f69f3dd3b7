// Escaping of control characters and broken UTF-8 for qbr's messages.
#include "tools/escape_text.h"

#include <cstdint>
#include <vector>

namespace quintaro {

namespace {

std::uint8_t byteAt(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

// The length of the valid UTF-8 sequence at the start of s (1..4), or 0 when it is not one. Overlong
// forms, surrogates and code points above U+10FFFF are not valid.
std::size_t utf8Length(std::string_view s) {
    const std::uint8_t lead = byteAt(s, 0);
    if (lead < 0x80) return 1;
    const std::size_t n = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || s.size() < n) return 0;
    std::uint32_t cp = lead & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        if ((byteAt(s, i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byteAt(s, i) & 0x3F);
    }
    const std::uint32_t smallest = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

// C0 controls and DEL, and the C1 controls U+0080..U+009F that some terminals still obey.
bool isControl(std::string_view character) {
    const std::uint8_t lead = byteAt(character, 0);
    if (character.size() == 1) return lead < 0x20 || lead == 0x7F;
    return character.size() == 2 && lead == 0xC2 && byteAt(character, 1) < 0xA0;
}

// The escaped form of text, one piece per character of it: the character, "\\", or "\xNN" for each
// byte of a control character or of a broken sequence.
std::vector<std::string> escapedPieces(std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    std::vector<std::string> pieces;
    while (!text.empty()) {
        const std::size_t n = utf8Length(text);
        const std::string_view character = text.substr(0, n == 0 ? 1 : n);
        if (character == "\\") {
            pieces.emplace_back("\\\\");
        } else if (n == 0 || isControl(character)) {
            for (std::size_t i = 0; i < character.size(); ++i)
                pieces.push_back({'\\', 'x', kHex[byteAt(character, i) >> 4], kHex[byteAt(character, i) & 0x0F]});
        } else {
            pieces.emplace_back(character);
        }
        text.remove_prefix(character.size());
    }
    return pieces;
}

// The characters a piece shows: an escape is plain ASCII, anything else one character.
std::size_t widthOf(const std::string& piece) { return piece[0] == '\\' ? piece.size() : 1; }

} // namespace

std::string escapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const std::string& piece : escapedPieces(text)) out += piece;
    return out;
}

std::string shownName(std::string_view name) {
    const std::vector<std::string> pieces = escapedPieces(name);
    std::size_t width = 0;
    for (const std::string& piece : pieces) width += widthOf(piece);
    if (width <= kShownNameLength) return escapeText(name);
    // Half the room for the start, the rest but the ellipsis for the end.
    std::size_t first = 0, room = kShownNameLength / 2;
    for (; widthOf(pieces[first]) <= room; ++first) room -= widthOf(pieces[first]);
    std::size_t last = pieces.size();
    room = kShownNameLength - kShownNameLength / 2 - 1;
    for (; widthOf(pieces[last - 1]) <= room; --last) room -= widthOf(pieces[last - 1]);
    std::string out;
    for (std::size_t i = 0; i < first; ++i) out += pieces[i];
    out += "…";
    for (std::size_t i = last; i < pieces.size(); ++i) out += pieces[i];
    return out;
}

} // namespace quintaro
