// Random filter settings and combinations for the tests that hold two ways of judging a
// combination against each other, and the checks that hold a judgement against the run. The
// draws are the raw output of std::mt19937_64 reduced by modulo, so a seed gives the same cases
// with every standard library.
#pragma once

#include "engine/measure.h"
#include "engine/run.h"
#include "engine/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace lotto::test {

struct Draws {
    explicit Draws(uint64_t seed) : engine(seed) {}

    // A value in lo..hi (lo <= hi).
    int64_t between(int64_t lo, int64_t hi) {
        return lo + static_cast<int64_t>(engine() % static_cast<uint64_t>(hi - lo + 1));
    }

    // True once in n draws on average.
    bool one_in(uint64_t n) { return engine() % n == 0; }

    std::mt19937_64 engine;
};

// Seven distinct numbers of 1..highest, ascending.
inline Combination random_combination(Draws& d, int highest = 39) {
    uint64_t chosen = 0;
    while (std::popcount(chosen) < 7) chosen |= uint64_t{1} << d.between(0, highest - 1);
    Combination c{};
    for (uint8_t& n : c)
        n = static_cast<uint8_t>(std::countr_zero(chosen) + 1), chosen &= chosen - 1;
    return c;
}

// Moves some ranges (now and then through a pair the setter refuses) and puts random numbers of
// the game (0..s.highest) at random positions of both chosen arrays.
inline void random_layout(Draws& d, Settings& s) {
    for (int r = 1; r <= RangeCount; ++r) {
        if (d.one_in(8)) {
            set_range(s, r, static_cast<int32_t>(d.between(-2, 70)),
                      static_cast<int32_t>(d.between(-2, 70)));
        } else if (d.one_in(2)) {
            const int64_t start = d.between(1, 45);
            const int64_t end = d.one_in(3) ? d.between(start, 64)
                                            : d.between(start, std::min<int64_t>(start + 12, 64));
            set_range(s, r, static_cast<int32_t>(start), static_cast<int32_t>(end));
        }
    }
    for (int i = 1; i <= Array7Size; ++i)
        if (d.one_in(2)) set_array7_entry(s, i, static_cast<int32_t>(d.between(0, s.highest)));
    for (int i = 1; i <= Array15Size; ++i)
        if (d.one_in(2)) set_array15_entry(s, i, static_cast<int32_t>(d.between(0, s.highest)));
}

// Turns filter k on with parameter; the slot of a filter without a parameter gets noise instead,
// which its test must ignore.
inline void turn_on(Draws& d, Settings& s, int k, uint32_t parameter) {
    turn_filter_on(s, k);
    set_parameter(s, k, has_parameter(k) ? parameter : static_cast<uint32_t>(d.between(1, 9)));
}

// Start-up settings with 1 to 8 filters on, small sets more often than large ones, often both
// filters of a minimum/maximum pair, parameters from 0 to the highest offered value, and a random
// layout of ranges and arrays, for the game 7/highest.
inline Settings random_settings(Draws& d, uint32_t highest = DefaultGame) {
    Settings s;
    init_defaults(s, highest);
    const auto on = [&](int k) {
        turn_on(d, s, k, static_cast<uint32_t>(d.between(0, highest_offered(k, highest))));
    };
    for (int64_t i = d.between(1, d.between(1, 8)); i > 0; --i) {
        const int k = static_cast<int>(d.between(1, FilterCount));
        on(k);
        if (k <= 18 && d.one_in(2)) on(k % 2 ? k + 1 : k - 1);
    }
    random_layout(d, s);
    return s;
}

// The next combination of 7 out of 1..highest in lexicographic order; false after the last.
inline bool next_combination(Combination& c, int highest) {
    int p = 6;
    while (p >= 0 && c[p] == highest - 6 + p) --p;
    if (p < 0) return false;
    ++c[p];
    for (int i = p + 1; i < 7; ++i) c[i] = static_cast<uint8_t>(c[i - 1] + 1);
    return true;
}

inline std::string text(const Combination& c) {
    std::string t;
    for (int n : c) t += std::to_string(n) + ' ';
    return t;
}

// Every combination of 1..highest is stored by the run exactly when keeps(s, c); store holds
// C(highest, 7) records.
template <class Keeps>
void expect_small_system_agrees(const Settings& s, int highest, std::vector<uint8_t>& store,
                                Keeps keeps) {
    const uint32_t count = run(s, static_cast<uint32_t>(highest), store.data());
    uint32_t next = 0;
    Combination c{1, 2, 3, 4, 5, 6, 7};
    do {
        const bool stored =
            next < count && std::memcmp(record(store.data(), next), c.data(), RecordBytes) == 0;
        ASSERT_EQ(keeps(s, c), stored) << text(c) << "at record " << next;
        next += stored;
    } while (next_combination(c, highest));
    ASSERT_EQ(next, count) << "stored more than the judgement keeps";
}

// Random combinations of the full system of the settings' game: keeps(s, c) exactly when the
// run's chain passes them.
template <class Keeps> void expect_chain_agrees(const Settings& s, Draws& d, int n, Keeps keeps) {
    for (int i = 0; i < n; ++i) {
        const Combination c = random_combination(d, static_cast<int>(s.highest));
        uint8_t numbers[7];
        std::copy(c.begin(), c.end(), numbers);
        ASSERT_EQ(keeps(s, c), combination_passes(s, numbers)) << text(c);
    }
}

} // namespace lotto::test
