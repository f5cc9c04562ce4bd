#include "wheel/reduce_verify.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cassert>
#include <cstring>
#include <thread>

namespace lotto {

namespace {

// What completes each r-subset S of the tickets' numbers (1 <= r <= 5): the union, over the
// tickets that hold S, of their other numbers. A combination shares at least r + 1 numbers with
// some ticket exactly when one of its r-subsets has a completion holding another of its numbers.
class Completions {
  public:
    Completions(const std::vector<Combination>& tickets, int r) : r_(r) {
        std::vector<Combination> sorted = tickets;
        for (Combination& c : sorted) {
            std::sort(c.begin(), c.end());
            highest_ = std::max<uint32_t>(highest_, c[6]);
        }
        for (uint32_t n = 0; n <= 64; ++n) {
            binomial_[n][0] = 1;
            for (uint32_t k = 1; k <= 5; ++k)
                binomial_[n][k] = n == 0 ? 0 : binomial_[n - 1][k - 1] + binomial_[n - 1][k];
        }
        union_.assign(binomial_[highest_][r], 0);
        for (const Combination& c : sorted) {
            uint64_t ticket = 0;
            for (uint8_t n : c) ticket |= uint64_t{1} << (n - 1);
            for_each_subset(c.data(), 7, r, [&](const uint8_t* s) {
                uint64_t inside = 0;
                for (int i = 0; i < r; ++i) inside |= uint64_t{1} << (s[i] - 1);
                union_[rank(s, r)] |= ticket & ~inside;
            });
        }
    }

    // The union of the completions of the r-subsets of the first count numbers (ascending).
    uint64_t of(const uint8_t* numbers, int count) const {
        uint64_t all = 0;
        for_each_subset(numbers, within(numbers, count), r_,
                        [&](const uint8_t* s) { all |= union_[rank(s, r_)]; });
        return all;
    }

    // The places of the (r - 1)-subsets of the first count numbers (ascending) that a ticket can
    // hold, for with(); answers how many there are (at most 10).
    int partial_places(const uint8_t* numbers, int count, uint32_t* places) const {
        int n = 0;
        for_each_subset(numbers, within(numbers, count), r_ - 1,
                        [&](const uint8_t* s) { places[n++] = rank(s, r_ - 1); });
        return n;
    }

    // The union of the completions of the r-subsets made of one of the n (r - 1)-subsets that
    // partial_places gave and last, a number above all of theirs.
    uint64_t with(const uint32_t* places, int n, uint8_t last) const {
        if (last > highest_) return 0;
        const uint32_t base = static_cast<uint32_t>(binomial_[last - 1][r_]);
        uint64_t all = 0;
        for (int i = 0; i < n; ++i) all |= union_[places[i] + base];
        return all;
    }

  private:
    // How many of the first count numbers (ascending) some ticket can hold.
    int within(const uint8_t* numbers, int count) const {
        while (count > 0 && numbers[count - 1] > highest_) --count;
        return count;
    }

    // The place of the subset s[0] < .. < s[k - 1] among the k-subsets of 1..highest.
    uint32_t rank(const uint8_t* s, int k) const {
        uint32_t place = 0;
        for (int i = 0; i < k; ++i) place += static_cast<uint32_t>(binomial_[s[i] - 1][i + 1]);
        return place;
    }

    // Calls f(subset) for every k-subset of numbers[0..count), each in ascending order.
    template <class F>
    static void for_each_subset(const uint8_t* numbers, int count, int k, F&& f) {
        std::array<int, 7> at{};
        std::array<uint8_t, 7> s{};
        if (k > count) return;
        for (int i = 0; i < k; ++i) at[i] = i;
        while (true) {
            for (int i = 0; i < k; ++i) s[i] = numbers[at[i]];
            f(s.data());
            int i = k - 1;
            while (i >= 0 && at[i] == count - k + i) --i;
            if (i < 0) return;
            ++at[i];
            for (int j = i + 1; j < k; ++j) at[j] = at[j - 1] + 1;
        }
    }

    const int r_;
    uint32_t highest_ = 0;
    uint64_t binomial_[65][6] = {};
    std::vector<uint64_t> union_;
};

struct Part {
    uint64_t uncovered = 0;
    std::vector<Combination> first;
};

// Checks the combinations from..to of the store. Neighbours in the store usually share their
// first five or six numbers, so the completions of those are kept while they stay the same.
void check_part(const Completions& completions, const uint8_t* store, uint32_t from, uint32_t to,
                std::size_t keep, Part& part) {
    uint8_t five[5] = {0}, six = 0;
    uint64_t of_five = 0, completing = 0, prefix = 0;
    uint32_t places[10];
    int partials = 0;
    for (uint32_t i = from; i < to; ++i) {
        const uint8_t* c = store + std::size_t{i} * 7;
        const bool same_five = i != from && std::memcmp(c, five, 5) == 0;
        if (!same_five) {
            std::memcpy(five, c, 5);
            of_five = completions.of(c, 5);
            partials = completions.partial_places(c, 5, places);
        }
        if (!same_five || c[5] != six) {
            six = c[5];
            completing = of_five | completions.with(places, partials, six);
            prefix = 0;
            for (int k = 0; k < 6; ++k) prefix |= uint64_t{1} << (c[k] - 1);
        }
        if (completing & (prefix | uint64_t{1} << (c[6] - 1))) continue;
        ++part.uncovered;
        if (part.first.size() < keep) {
            Combination u{};
            std::copy(c, c + 7, u.begin());
            part.first.push_back(u);
        }
    }
}

} // namespace

CoverCheck verify_reduction(const uint8_t* store, uint32_t count, int t,
                            const std::vector<Combination>& tickets, std::size_t keep) {
    assert(t >= 2 && t <= 6);
    const Completions completions(tickets, t - 1);
    // The store in pieces taken in turn by each thread: combinations late in the order share fewer
    // of their first numbers and take longer, so equal halves would not finish together.
    const uint32_t threads =
        count < 65536 ? 1u : std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
    const uint32_t pieces = threads == 1 ? 1 : 64;
    std::vector<Part> parts(pieces);
    std::atomic<uint32_t> next{0};
    const auto check = [&] {
        for (uint32_t p; (p = next.fetch_add(1)) < pieces;) {
            const uint32_t from = static_cast<uint32_t>(uint64_t{count} * p / pieces);
            const uint32_t to = static_cast<uint32_t>(uint64_t{count} * (p + 1) / pieces);
            check_part(completions, store, from, to, keep, parts[p]);
        }
    };
    {
        std::vector<std::jthread> workers;
        for (uint32_t p = 1; p < threads; ++p) workers.emplace_back(check);
        check();
    }
    CoverCheck result;
    result.cases = count;
    for (const Part& p : parts) {
        result.uncovered += p.uncovered;
        for (const Combination& u : p.first)
            if (result.first_uncovered.size() < keep) result.first_uncovered.push_back(u);
    }
    return result;
}

} // namespace lotto
