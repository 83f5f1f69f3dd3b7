// The symbols typed characters enter, in digit mode and in letter mode.
#include "app/game_keys.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(SymbolTypedTest, DigitsOrTheGraveAccentAndLettersEnterZeroToNine) {
    for (int s = 0; s <= 9; ++s) {
        EXPECT_EQ(symbolTyped('0' + s, true), s);
        EXPECT_EQ(symbolTyped('`' + s, false), s);
    }
    // Beside each range, the other mode's characters, capitals and Escape enter nothing.
    for (const int c : std::initializer_list<int>{'/', ':', '`', 'a', 'A', platform::CharacterCode::Escape})
        EXPECT_EQ(symbolTyped(c, true), std::nullopt) << c;
    for (const int c : std::initializer_list<int>{'_', 'j', '0', '1', 'A', 'I', platform::CharacterCode::Escape})
        EXPECT_EQ(symbolTyped(c, false), std::nullopt) << c;
}

} // namespace
} // namespace quintaro
