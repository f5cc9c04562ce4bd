// Runs and counts on several threads held against the same on one thread: the stores byte for
// byte and the counts (and the counts of each number against the stored records), for random
// settings over systems of several sizes; the store's size for each highest number; what a single
// combination must be.
#include "engine/lotto739.h"
#include "random_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

// Settings that let every combination through, that reject every one, and a few random ones.
std::vector<Settings> cases(uint64_t seed, int random) {
    std::vector<Settings> all(2);
    init_defaults(all[0]), init_defaults(all[1]);
    turn_filter_on(all[1], 7), set_parameter(all[1], 7, 0); // holds number 0: none does
    test::Draws d(seed);
    for (int i = 0; i < random; ++i) all.push_back(test::random_settings(d));
    return all;
}

// The highest number, the seed and how many random settings besides the two fixed ones.
using SystemCase = std::tuple<uint32_t, uint64_t, int>;

// Under ThreadSanitizer every access costs many times over: smaller systems suffice there.
#ifdef __SANITIZE_THREAD__
constexpr SystemCase StoreSystems[] = {{8, 1, 20}, {12, 2, 20}, {20, 3, 10}, {26, 4, 3}};
#else
constexpr SystemCase StoreSystems[] = {
    {8, 1, 20}, {12, 2, 20}, {20, 3, 10}, {39, 4, 3}, {42, 5, 1}};
#endif

TEST(Threads, StoresAndCountsOfOneTwoAndThreeThreadsAreTheSame) {
    for (const auto& [highest, seed, random] : StoreSystems) {
        const ResultStore one = allocate_store(highest), many = allocate_store(highest);
        ASSERT_TRUE(one && many) << highest;
        int i = 0;
        for (const Settings& s : cases(seed, random)) {
            const std::string where = std::to_string(highest) + " case " + std::to_string(i++);
            const uint32_t count = run(s, highest, one.get());
            EXPECT_EQ(count_passing(s, highest, 1), count) << where;
            std::array<uint32_t, 65> held{}; // how many stored records hold each number
            for (std::size_t b = 0; b < std::size_t{count} * RecordBytes; ++b) ++held[one[b]];
            for (unsigned threads : {1u, 3u}) {
                const NumberCounts counted = count_numbers_passing(s, highest, threads);
                EXPECT_EQ(counted.total, count) << where << " " << threads;
                EXPECT_EQ(counted.of, held) << where << " " << threads;
            }
            // 200 threads hold more chunks at once than there are staging buffers for 7/39.
            for (unsigned threads : {2u, 3u, 64u, 200u}) {
                std::memset(many.get(), 0xa5, std::size_t{count} * RecordBytes);
                ASSERT_EQ(run(s, highest, many.get(), threads), count) << where << " " << threads;
                EXPECT_EQ(std::memcmp(one.get(), many.get(), std::size_t{count} * RecordBytes), 0)
                    << where << " threads " << threads;
                EXPECT_EQ(count_passing(s, highest, threads), count) << where << " " << threads;
            }
        }
    }
}

TEST(Threads, FixedCasesStoreAllAndNothing) {
    const std::vector<Settings> fixed = cases(0, 0);
    const ResultStore store = allocate_store(20);
    EXPECT_EQ(run(fixed[1], 20, store.get(), 2), 0u);
    EXPECT_EQ(count_passing(fixed[0], 64, 2), 621'216'192u);
    // Outside 7..64 nothing is counted and nothing is written.
    std::memset(store.get(), 0xa5, 1024);
    for (uint32_t highest : {0u, 6u, 65u, 0xffffffffu}) {
        for (unsigned threads : {1u, 2u})
            EXPECT_EQ(run(fixed[0], highest, store.get(), threads), 0u);
        EXPECT_EQ(count_passing(fixed[0], highest, 2), 0u) << highest;
        EXPECT_EQ(count_numbers_passing(fixed[0], highest, 2).total, 0u) << highest;
    }
    EXPECT_TRUE(std::all_of(store.get(), store.get() + 1024, [](uint8_t b) { return b == 0xa5; }));
}

// With every filter off the records pass through a buffer and on in whole cache lines: every
// alignment of the store, on one thread and on several, puts exactly the combinations, in order.
TEST(Threads, EveryCombinationStoredAtAnyAlignment) {
    const Settings all = cases(0, 0)[0];
    for (uint32_t highest : {7u, 8u, 12u, 23u, 30u}) {
        std::vector<uint8_t> expected;
        Combination c{1, 2, 3, 4, 5, 6, 7};
        do expected.insert(expected.end(), c.begin(), c.end());
        while (test::next_combination(c, static_cast<int>(highest)));
        std::vector<uint8_t> want(expected.size() + 128), store(want.size());
        for (std::size_t offset : {0u, 1u, 13u, 63u}) {
            std::fill(want.begin(), want.end(), 0xa5);
            std::copy(expected.begin(), expected.end(), want.begin() + offset);
            for (unsigned threads : {1u, 2u, 3u}) {
                std::fill(store.begin(), store.end(), 0xa5);
                ASSERT_EQ(run(all, highest, store.data() + offset, threads) * RecordBytes,
                          expected.size());
                EXPECT_TRUE(store == want)
                    << highest << " offset " << offset << " threads " << threads;
            }
        }
    }
}

TEST(Store, SizedForTheHighestNumberAndZeroFilled) {
    const std::pair<uint32_t, uint64_t> sizes[] = {
        {0, 1}, {6, 1}, {7, 7}, {8, 56}, {39, 107'666'559}, {50, 699'190'800}, {64, 4'348'513'344},
        {65, 1}};
    for (const auto& [highest, bytes] : sizes)
        EXPECT_EQ(uint64_t{store_bytes(highest)}, std::min<uint64_t>(bytes, SIZE_MAX)) << highest;
    EXPECT_GE(StoreBytes, store_bytes(HighestNumber));
    const ResultStore store = allocate_store();
    ASSERT_TRUE(store);
    EXPECT_EQ(std::count(store.get(), store.get() + StoreBytes, 0), std::ptrdiff_t(StoreBytes));
    // clear_store zeroes exactly its bytes, wherever they start and end within cache lines.
    std::vector<uint8_t> used(1024);
    for (const auto& [from, bytes] : {std::pair{0, 1024}, {3, 10}, {5, 64}, {17, 700}, {63, 1}}) {
        std::fill(used.begin(), used.end(), uint8_t{0xa5});
        clear_store(used.data() + from, static_cast<std::size_t>(bytes));
        for (int i = 0; i < 1024; ++i)
            ASSERT_EQ(used[i], i >= from && i < from + bytes ? 0 : 0xa5) << from << "+" << bytes;
    }
}

// Anything but seven ascending numbers in 1..highest fails.
TEST(SingleCombination, SevenAscendingNumbersUpToTheHighest) {
    const struct {
        uint8_t n[7];
        uint32_t highest; // 0: the default
        bool valid;
    } cases[] = {{{1, 2, 3, 4, 5, 6, 39}, 0, true},  {{0, 2, 3, 4, 5, 6, 7}, 0, false},
                 {{1, 2, 3, 3, 5, 6, 7}, 0, false},  {{7, 6, 5, 4, 3, 2, 1}, 0, false},
                 {{1, 2, 3, 4, 5, 6, 40}, 0, false}, {{1, 2, 3, 4, 5, 6, 40}, 39, false},
                 {{1, 2, 3, 4, 5, 6, 40}, 40, true}, {{1, 2, 3, 4, 5, 6, 64}, 63, false},
                 {{1, 2, 3, 4, 5, 6, 64}, 64, true}, {{1, 2, 3, 4, 5, 6, 64}, 65, false}};
    Settings s;
    init_defaults(s);
    for (const auto& c : cases)
        EXPECT_EQ(c.highest ? combination_passes(s, c.n, c.highest) : combination_passes(s, c.n),
                  c.valid)
            << int(c.n[0]) << " " << int(c.n[6]) << " of " << c.highest;
}

} // namespace
} // namespace lotto
