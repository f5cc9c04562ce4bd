// The enumeration run: every combination once, in lexicographic order, packed 7-byte records
// from byte 0, and nothing written beyond the stored records.
#include "shared_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace lotto {
namespace {

using testing::settings_with;
using testing::shared_store;

using Numbers = std::array<uint8_t, 7>;

Numbers at(uint32_t i) {
    Numbers n;
    std::memcpy(n.data(), record(shared_store(), i), RecordBytes);
    return n;
}

TEST(Enumeration, NoFilterStoresTheFullSystemInOrder) {
    ASSERT_EQ(run(settings_with({}), HighestNumber, shared_store()), FullSystem);
    EXPECT_EQ(FullSystemBytes, 107'666'559u);
    EXPECT_EQ(at(0), (Numbers{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(at(1), (Numbers{1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(at(32), (Numbers{1, 2, 3, 4, 5, 6, 39}));
    EXPECT_EQ(at(33), (Numbers{1, 2, 3, 4, 5, 7, 8}));
    EXPECT_EQ(at(FullSystem - 2), (Numbers{32, 34, 35, 36, 37, 38, 39}));
    EXPECT_EQ(at(FullSystem - 1), (Numbers{33, 34, 35, 36, 37, 38, 39}));

    // Each record ascending within 1..39, each strictly after the one before.
    const uint8_t* store = shared_store();
    uint32_t bad_records = 0;
    uint32_t out_of_order = 0;
    for (uint32_t i = 0; i < FullSystem; ++i) {
        const uint8_t* r = record(store, i);
        bool ok = r[0] >= 1 && r[6] <= 39;
        for (int j = 1; j < 7; ++j) ok = ok && r[j - 1] < r[j];
        bad_records += !ok;
        if (i > 0)
            out_of_order += !std::lexicographical_compare(r - RecordBytes, r, r, r + RecordBytes);
    }
    EXPECT_EQ(bad_records, 0u);
    EXPECT_EQ(out_of_order, 0u);
}

// C(n, 7) combinations for every highest number, the first and the last as expected.
TEST(Enumeration, EveryHighestNumberFrom7To39) {
    uint64_t expected = 1; // C(7, 7)
    for (uint32_t n = 7; n <= HighestNumber; ++n) {
        if (n > 7) expected = expected * n / (n - 7);
        ASSERT_EQ(run(settings_with({}), n, shared_store()), expected) << n;
        EXPECT_EQ(at(0), (Numbers{1, 2, 3, 4, 5, 6, 7}));
        const uint32_t last = static_cast<uint32_t>(expected - 1);
        const uint8_t top = static_cast<uint8_t>(n);
        EXPECT_EQ(at(last), (Numbers{uint8_t(top - 6), uint8_t(top - 5), uint8_t(top - 4),
                                     uint8_t(top - 3), uint8_t(top - 2), uint8_t(top - 1), top}));
    }
}

TEST(Enumeration, SmallerRunAfterABiggerOneLeavesTheRestStale) {
    uint8_t* store = shared_store();
    ASSERT_EQ(run(settings_with({}), HighestNumber, store), FullSystem);
    const std::size_t smaller_end = std::size_t{2'760'681} * RecordBytes;
    const std::vector<uint8_t> stale(store + smaller_end, store + FullSystemBytes);

    const uint32_t count = run(settings_with({{7, 39}}), HighestNumber, store);
    ASSERT_EQ(count, 2'760'681u);
    uint32_t without_39 = 0;
    for (uint32_t i = 0; i < count; ++i) without_39 += record(store, i)[6] != 39;
    EXPECT_EQ(without_39, 0u);
    EXPECT_EQ(at(0), (Numbers{1, 2, 3, 4, 5, 6, 39}));
    EXPECT_EQ(at(count - 1), (Numbers{33, 34, 35, 36, 37, 38, 39}));
    EXPECT_TRUE(std::equal(stale.begin(), stale.end(), store + smaller_end));
}

TEST(Enumeration, ARunRejectingEverythingWritesNoByte) {
    uint8_t* store = shared_store();
    std::memset(store, 0xa5, StoreBytes);
    EXPECT_EQ(run(settings_with({{7, 0}}), HighestNumber, store), 0u);
    EXPECT_EQ(std::count(store, store + StoreBytes, uint8_t{0xa5}), std::ptrdiff_t(StoreBytes));
}

TEST(Enumeration, RecordsEndExactlyAtTheStoredCount) {
    uint8_t* store = shared_store();
    std::memset(store, 0xa5, StoreBytes);
    const uint32_t count = run(settings_with({{32, 6}}), HighestNumber, store);
    ASSERT_EQ(count, 36u);
    EXPECT_EQ(at(0), (Numbers{1, 7, 13, 19, 25, 31, 37}));
    EXPECT_EQ(at(35), (Numbers{3, 9, 15, 21, 27, 33, 39}));
    uint8_t* end = store + std::size_t{count} * RecordBytes;
    EXPECT_EQ(std::count(end, store + StoreBytes, uint8_t{0xa5}),
              std::ptrdiff_t(StoreBytes - std::size_t{count} * RecordBytes));
}

TEST(Enumeration, HighestNumbersOutside7To39StoreNothing) {
    uint8_t* store = shared_store();
    std::memset(store, 0xa5, 1024);
    for (uint32_t n : {0u, 6u, 40u, 64u, 0xffffffffu}) {
        EXPECT_EQ(run(settings_with({}), n, store), 0u) << n;
        EXPECT_EQ(std::count(store, store + 1024, uint8_t{0xa5}), 1024) << n;
    }
}

TEST(SingleCombination, AnythingButSevenAscendingNumbersIn1To39Fails) {
    const Settings none = settings_with({});
    const uint8_t fine[7] = {1, 2, 3, 4, 5, 6, 39};
    const uint8_t zero[7] = {0, 2, 3, 4, 5, 6, 7};
    const uint8_t above[7] = {1, 2, 3, 4, 5, 6, 40};
    const uint8_t repeated[7] = {1, 2, 3, 3, 5, 6, 7};
    const uint8_t descending[7] = {7, 6, 5, 4, 3, 2, 1};
    EXPECT_TRUE(combination_passes(none, fine));
    EXPECT_FALSE(combination_passes(none, zero));
    EXPECT_FALSE(combination_passes(none, above));
    EXPECT_FALSE(combination_passes(none, repeated));
    EXPECT_FALSE(combination_passes(none, descending));
}

TEST(Store, ZeroFilledAndLargeEnough) {
    const ResultStore store = allocate_store();
    ASSERT_TRUE(store);
    EXPECT_GE(StoreBytes, FullSystemBytes);
    EXPECT_EQ(std::count(store.get(), store.get() + StoreBytes, uint8_t{0}),
              std::ptrdiff_t(StoreBytes));
}

} // namespace
} // namespace lotto
