// Names typed into the name form: Latin-1's printable range plus the 27 extra characters of Windows-1252.
#include "platform/qt/qt_name_validator.h"

#include <algorithm>
#include <array>

namespace quintaro::platform {

namespace {

// The characters Windows-1252 puts at 0x80..0x9F where Latin-1 has control codes, in ascending order.
constexpr std::array<char32_t, 27> kExtras{0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x017D, 0x017E, 0x0192, 0x02C6,
                                           0x02DC, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E,
                                           0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122};
static_assert(std::is_sorted(kExtras.begin(), kExtras.end()));

} // namespace

bool windows1252Holds(char32_t c) {
    if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF)) return true;
    return std::binary_search(kExtras.begin(), kExtras.end(), c);
}

QValidator::State NameValidator::validate(QString& input, int&) const {
    // Surrogate halves fall outside the code page, so characters beyond the BMP are refused with them.
    for (const QChar c : input)
        if (!windows1252Holds(c.unicode())) return Invalid;
    return Acceptable;
}

} // namespace quintaro::platform
