// Each filter's quantity taken straight from its definition: plain loops over the seven numbers,
// no masks, lanes or shared work areas, so that it can stand as a second opinion on the run.
#include "engine/measure.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <numeric>
#include <span>
#include <utility>

namespace lotto {

namespace {

// How filter k (index 1..64) compares its quantity with its bound.
constexpr std::array<Relation, 65> Relations = [] {
    std::array<Relation, 65> t{};
    for (int k = 1; k <= 18; ++k) t[k] = k % 2 ? Relation::AtLeast : Relation::AtMost;
    t[7] = Relation::Contains;
    t[8] = Relation::Lacks;
    for (int k = 19; k <= 20; ++k) t[k] = Relation::Equals;
    for (int k = 21; k <= 28; ++k) t[k] = k % 2 ? Relation::AtLeast : Relation::AtMost;
    for (int k = 29; k <= 31; ++k) t[k] = Relation::Equals;
    t[32] = Relation::AtLeast;
    for (int k = 33; k <= 35; ++k) t[k] = Relation::AtMost;
    for (int k = 36; k <= 51; ++k) t[k] = k % 2 ? Relation::AtMost : Relation::AtLeast;
    for (int k = 52; k <= 61; ++k) t[k] = Relation::Equals;
    t[62] = Relation::AtMost;
    t[63] = Relation::AtLeast;
    t[64] = Relation::AtMost;
    return t;
}();

// The bound of each filter without a parameter (index 1..64; 0 elsewhere): 19 wants an adjacent
// pair, 20 and 29..31 none of the counted groups, 52..61 the number of odd numbers they allow.
constexpr std::array<uint32_t, 65> FixedBounds = [] {
    std::array<uint32_t, 65> t{};
    t[19] = 1;
    constexpr uint32_t OddTested[10] = {0, 1, 0, 1, 0, 2, 1, 0, 2, 1}; // filters 52..61
    for (int k = 52; k <= 61; ++k) t[k] = OddTested[k - 52];
    return t;
}();

// The index into the combination of the number that filters 9..18 bound, per pair.
constexpr int BoundPosition[5] = {0, 1, 4, 5, 6};

// Which numbers filters 52..61 test: the first index and how many follow it.
constexpr std::pair<int, int> ParityTested[10] = {{0, 1}, {0, 1}, {6, 1}, {6, 1}, {0, 2},
                                                  {0, 2}, {0, 2}, {5, 2}, {5, 2}, {5, 2}};

// Whether c is seven ascending numbers in 1..64, the largest game.
[[maybe_unused]] bool is_combination(const Combination& c) {
    for (int i = 0; i < 7; ++i)
        if (c[i] < 1 || c[i] > LargestGame || (i > 0 && c[i - 1] >= c[i])) return false;
    return true;
}

// How many of the numbers satisfy pred.
template <typename Pred> int32_t count_if(std::span<const uint8_t> numbers, Pred pred) {
    return static_cast<int32_t>(std::count_if(numbers.begin(), numbers.end(), pred));
}

// How many of the numbers stand at some position of a chosen array (empty positions hold 0).
template <std::size_t N>
int32_t count_in(const Combination& c, const std::array<int32_t, N>& chosen) {
    return count_if(
        c, [&chosen](int n) { return std::find(chosen.begin(), chosen.end(), n) != chosen.end(); });
}

// How many of the values repeat a value met earlier among them.
template <std::size_t N> int32_t repeats(const std::array<int, N>& v) {
    int32_t n = 0;
    for (std::size_t i = 1; i < N; ++i)
        n += std::find(v.begin(), v.begin() + i, v[i]) != v.begin() + i;
    return n;
}

// The six gaps between neighbouring numbers.
std::array<int, 6> differences(const Combination& c) {
    std::array<int, 6> d{};
    for (int i = 0; i < 6; ++i) d[i] = c[i + 1] - c[i];
    return d;
}

// runs[L] is the number of maximal runs of consecutive numbers of length L (1..7).
std::array<int32_t, 8> run_lengths(const Combination& c) {
    std::array<int32_t, 8> runs{};
    int length = 1;
    for (int i = 1; i <= 7; ++i) {
        if (i < 7 && c[i] == c[i - 1] + 1) {
            ++length;
            continue;
        }
        ++runs[length];
        length = 1;
    }
    return runs;
}

// The group count filters 21..31 look at: all groups, groups of 2, of 3, or of 4 or more.
int32_t group_count(const Combination& c, int k) {
    const std::array<int32_t, 8> runs = run_lengths(c);
    const int32_t four_or_more = runs[4] + runs[5] + runs[6] + runs[7];
    if (k == 21 || k == 22) return runs[2] + runs[3] + four_or_more;
    if (k == 23 || k == 24 || k == 29) return runs[2];
    if (k == 25 || k == 26 || k == 30) return runs[3];
    return four_or_more;
}

// The quantity filter k measures on c: the numbers, sums and counts of its definition.
int32_t quantity(const Settings& s, int k, const Combination& c) {
    const auto odd = [](int n) { return n % 2 == 1; };
    if (k <= 2) return std::accumulate(c.begin(), c.end(), int32_t{0});
    if (k <= 4) return 7 - count_if(c, odd);
    if (k <= 6) return count_if(c, odd);
    if (k <= 8) return count_if(c, [p = s.params[k - 1]](uint32_t n) { return n == p; });
    if (k <= 18) return c[BoundPosition[(k - 9) / 2]];
    if (k <= 20) {
        const std::array<int, 6> d = differences(c);
        return std::find(d.begin(), d.end(), 1) != d.end();
    }
    if (k <= 31) return group_count(c, k);
    if (k <= 33) {
        const std::array<int, 6> d = differences(c);
        return k == 32 ? *std::min_element(d.begin(), d.end())
                       : *std::max_element(d.begin(), d.end());
    }
    if (k == 34) return repeats(differences(c));
    if (k == 35) {
        std::array<int, 7> digits{};
        for (int i = 0; i < 7; ++i) digits[i] = c[i] % 10;
        return repeats(digits);
    }
    if (k <= 45) {
        const Range r = s.effective[k - 36];
        return count_if(c, [r](int n) { return n >= r.start && n <= r.end; });
    }
    if (k <= 51) {
        const int residue = ((k - 46) / 2 + 1) % 3; // 1,4,7.. / 2,5,8.. / 3,6,9..
        return count_if(c, [residue](int n) { return n % 3 == residue; });
    }
    if (k <= 61) {
        const auto [first, count] = ParityTested[k - 52];
        return count_if(std::span(c).subspan(first, count), odd);
    }
    return k == 62 ? count_in(c, s.array7) : count_in(c, s.array15);
}

} // namespace

FilterMeasure measure_filter(const Settings& s, int k, const Combination& c) {
    assert(k >= 1 && k <= FilterCount && is_combination(c));
    FilterMeasure m;
    m.filter = k;
    m.value = quantity(s, k, c);
    m.relation = Relations[k];
    m.bound = has_parameter(k) ? s.params[k - 1] : FixedBounds[k];
    const uint32_t v = static_cast<uint32_t>(m.value);
    switch (m.relation) {
    case Relation::AtLeast: m.kept = v >= m.bound; break;
    case Relation::AtMost: m.kept = v <= m.bound; break;
    case Relation::Equals: m.kept = v == m.bound; break;
    case Relation::Contains: m.kept = v == 1; break;
    case Relation::Lacks: m.kept = v == 0; break;
    }
    return m;
}

bool active_filters_keep(const Settings& s, const Combination& c) {
    for (Mask on = s.active; on != 0; on &= on - 1)
        if (!measure_filter(s, std::countr_zero(on) + 1, c).kept) return false;
    return true;
}

} // namespace lotto
