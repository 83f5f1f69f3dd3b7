// libFuzzer harness: arbitrary bytes escaped for a message. What comes out is valid UTF-8 without any
// control character, leaves printable text as it was, and reads back to the very bytes that went in;
// as a name in a message it is at most kShownNameLength characters, a long one cut in the middle
// between whole escapes.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "tools/escape_text.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

// The code point of the UTF-8 sequence at the start of s and its length, or nothing when the sequence
// is not valid (overlong, a surrogate, above U+10FFFF, cut short). Written apart from the escaping's own.
std::optional<std::pair<char32_t, std::size_t>> decodeUtf8(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    std::size_t n = 0;
    char32_t cp = 0;
    if (byte(0) < 0x80) return std::pair{char32_t{byte(0)}, std::size_t{1}};
    if (byte(0) >= 0xC2 && byte(0) <= 0xDF)
        n = 2, cp = byte(0) & 0x1F;
    else if (byte(0) >= 0xE0 && byte(0) <= 0xEF)
        n = 3, cp = byte(0) & 0x0F;
    else if (byte(0) >= 0xF0 && byte(0) <= 0xF4)
        n = 4, cp = byte(0) & 0x07;
    else
        return std::nullopt;
    if (s.size() < n) return std::nullopt;
    for (std::size_t i = 1; i < n; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return std::nullopt;
        cp = cp << 6 | (byte(i) & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return std::pair{cp, n};
}

bool isControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

// True when text is valid UTF-8 and holds no control character (nor, with noBackslash, a backslash).
bool isPlain(std::string_view text, bool noBackslash) {
    while (!text.empty()) {
        const auto character = decodeUtf8(text);
        if (!character || isControl(character->first) || (noBackslash && character->first == '\\')) return false;
        text.remove_prefix(character->second);
    }
    return true;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The bytes an escaped text stands for: \\ a backslash, \xNN the byte NN (lower-case hex digits);
// nothing when some backslash starts no whole escape.
std::optional<std::string> unescape(std::string_view escaped) {
    std::string bytes;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            bytes += escaped[i];
            continue;
        }
        if (i + 1 < escaped.size() && escaped[i + 1] == '\\') {
            bytes += '\\';
            ++i;
            continue;
        }
        if (i + 3 >= escaped.size() || escaped[i + 1] != 'x') return std::nullopt;
        const int high = hexValue(escaped[i + 2]), low = hexValue(escaped[i + 3]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 3;
    }
    return bytes;
}

std::size_t characters(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// A long name is the start of its escaped form, "…" and the end, each made of whole escapes.
bool isCutBetweenEscapes(std::string_view shown, std::string_view escaped, std::string_view text) {
    constexpr std::string_view kEllipsis = "…";
    for (std::size_t at = shown.find(kEllipsis); at != std::string_view::npos; at = shown.find(kEllipsis, at + 1)) {
        const std::string_view start = shown.substr(0, at), end = shown.substr(at + kEllipsis.size());
        if (!escaped.starts_with(start) || !escaped.ends_with(end) || start.size() + end.size() >= escaped.size())
            continue;
        const auto startBytes = unescape(start), endBytes = unescape(end);
        if (startBytes && endBytes && text.starts_with(*startBytes) && text.ends_with(*endBytes)) return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string shown = quintaro::escapeText(text);
    require(isPlain(shown, false));
    require(shown.size() <= 4 * text.size());
    if (isPlain(text, true)) require(shown == text);
    require(unescape(shown) == text);

    const std::string name = quintaro::shownName(text);
    require(isPlain(name, false) && characters(name) <= quintaro::kShownNameLength);
    if (characters(shown) <= quintaro::kShownNameLength)
        require(name == shown);
    else
        require(isCutBetweenEscapes(name, shown, text));
    return 0;
}
