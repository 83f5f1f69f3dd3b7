// The group of line runs found by a search from the identity, each permutation numbered as first met.
#include "engine/line_runs.h"

#include <map>
#include <utility>
#include <vector>

namespace quintaro {

namespace {

using Places = std::array<std::uint8_t, 6>;

Places applyMove(Places p, int block, int move) {
    const int a = 3 * block + (move & 1);
    if (move & 2) std::swap(p[a], p[a + 1]);
    if (move & 4) {
        for (int i = 0; i < 3; ++i) std::swap(p[i], p[i + 3]);
    }
    return p;
}

LineRunTables makeTables() {
    LineRunTables t{};
    std::map<Places, int> number;
    std::vector<Places> found{{0, 1, 2, 3, 4, 5}};
    number[found[0]] = 0;
    for (std::size_t s = 0; s < found.size(); ++s) {
        for (int block = 0; block < 2; ++block) {
            for (int move = 0; move < 8; ++move) {
                const Places p = applyMove(found[s], block, move);
                auto [it, fresh] = number.try_emplace(p, static_cast<int>(found.size()));
                if (fresh) found.push_back(p);
                t.next[block][s][move] = static_cast<std::uint8_t>(it->second);
            }
        }
    }
    for (std::size_t s = 0; s < found.size(); ++s) {
        t.places[s] = found[s];
        for (unsigned bits = 0; bits < 16; ++bits) {
            unsigned state = static_cast<unsigned>(s);
            for (int i = 0; i < 4; ++i) state = t.next[0][state][((bits >> i) & 1U) | 2U];
            t.pairSwaps4[s][bits] = static_cast<std::uint8_t>(state);
        }
    }
    return t;
}

} // namespace

const LineRunTables& lineRunTables() {
    static const LineRunTables tables = makeTables();
    return tables;
}

} // namespace quintaro
