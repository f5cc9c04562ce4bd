#include "analysis/odds.h"

#include "engine/run.h"
#include "engine/settings.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cassert>
#include <thread>

namespace lotto {

namespace {

// Each ticket is one bit of a row of words; a draw's walk keeps, for each ticket, how many of the
// draw's first j numbers it holds, as three bit planes (counts 0..6), one level for each j. A
// draw's seventh number then needs only the tickets holding it: those at count c move to c + 1.
// Over every draw of the game, the seventh numbers after six are counted together (only the best
// ticket's count is needed there: each ticket's matches follow from the game alone).
class Walker {
  public:
    Walker(const std::vector<Combination>& tickets, uint32_t highest)
        : words_((tickets.size() + 63) / 64), holding_((highest + 1) * words_),
          planes_(7 * 3 * words_), equal_(7 * words_) {
        masks_.reserve(tickets.size());
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            uint64_t m = 0;
            for (uint8_t n : tickets[i]) {
                holding_[n * words_ + i / 64] |= uint64_t{1} << (i % 64);
                m |= uint64_t{1} << (n - 1);
            }
            masks_.push_back(m);
        }
        valid_.assign(words_, ~uint64_t{0});
        if (tickets.size() % 64 != 0) valid_.back() = (uint64_t{1} << (tickets.size() % 64)) - 1;
        odds_.tickets = tickets.size();
    }

    // The draw's number j (0..5) is n: level j + 1 from level j. At j == 5 with only_best, the
    // counts of each level-six count are left alone: only every_seventh() follows.
    void set(int j, uint8_t n, bool only_best = false) {
        const uint64_t* b = &holding_[n * words_];
        for (std::size_t w = 0; w < words_; ++w) {
            uint64_t carry = b[w];
            for (int bit = 0; bit < 3; ++bit) {
                const uint64_t p = plane(j, bit)[w];
                plane(j + 1, bit)[w] = p ^ carry;
                carry &= p;
            }
        }
        if (j == 5 && !only_best) level_six();
    }

    // Every draw whose first six numbers were set and whose seventh is above the sixth, f, and at
    // most highest: only the best ticket's count of each is counted (matches[] is left to the
    // caller). The best is the highest count at six numbers, plus one where a ticket at that
    // count holds the seventh number: the seventh numbers that raise it are the union of those
    // tickets' numbers, or found number by number when that is cheaper.
    void every_seventh(uint32_t f, uint32_t highest) {
        uint64_t* top = &equal_[0];
        int k = 0;
        std::size_t at_top = 0;
        for (std::size_t w = 0; w < words_; ++w) top[w] = valid_[w];
        for (int bit = 2; bit >= 0; --bit) {
            const uint64_t* p = plane(6, bit);
            std::size_t n = 0;
            for (std::size_t w = 0; w < words_; ++w)
                n += static_cast<std::size_t>(std::popcount(top[w] & p[w]));
            if (n == 0) continue;
            for (std::size_t w = 0; w < words_; ++w) top[w] &= p[w];
            k |= 1 << bit;
            at_top = n;
        }
        // Numbers f + 1 .. highest as bits f .. highest - 1.
        const uint64_t seventh = (highest == 64 ? ~uint64_t{0} : (uint64_t{1} << highest) - 1) &
                                 ~((uint64_t{1} << f) - 1);
        uint64_t raise = 0;
        if (k == 0) at_top = odds_.tickets; // every ticket is at 0
        if (at_top <= (highest - f) * words_) {
            for (std::size_t w = 0; w < words_; ++w)
                for (uint64_t e = top[w]; e != 0; e &= e - 1)
                    raise |= masks_[w * 64 + static_cast<std::size_t>(std::countr_zero(e))];
        } else {
            for (uint32_t x = f + 1; x <= highest; ++x) {
                const uint64_t* b = &holding_[x * words_];
                for (std::size_t w = 0; w < words_; ++w)
                    if ((top[w] & b[w]) != 0) {
                        raise |= uint64_t{1} << (x - 1);
                        break;
                    }
            }
        }
        const auto all = static_cast<uint64_t>(std::popcount(seventh));
        const auto raised = static_cast<uint64_t>(std::popcount(raise & seventh));
        odds_.draws += all;
        odds_.best[k + 1] += raised;
        odds_.best[k] += all - raised;
    }

    // The draw whose first six numbers were set and whose seventh is x.
    void leaf(uint8_t x) {
        const uint64_t* b = &holding_[x * words_];
        std::array<uint64_t, 8> moved{}; // tickets at count k that hold x
        int best = top_;
        for (int k = 0; k <= top_; ++k) {
            uint64_t a = 0;
            for (std::size_t w = 0; w < words_; ++w)
                a += static_cast<uint64_t>(std::popcount(equal_[k * words_ + w] & b[w]));
            moved[k] = a;
            if (a != 0) best = std::max(best, k + 1);
        }
        ++odds_.draws;
        ++odds_.best[best];
        for (int k = 0; k <= 7; ++k)
            odds_.matches[k] += count_[k] - moved[k] + (k > 0 ? moved[k - 1] : 0);
    }

    // The draw's numbers after the previous draw given to draw (none when first): sets the levels
    // from the first number that differs.
    void draw(const uint8_t* d, const uint8_t* previous) {
        int j = 0;
        if (previous)
            while (j < 6 && d[j] == previous[j]) ++j;
        for (; j < 6; ++j) set(j, d[j]);
        leaf(d[6]);
    }

    const Odds& odds() const { return odds_; }

  private:
    uint64_t* plane(int level, int bit) { return &planes_[(level * 3 + bit) * words_]; }

    // At six numbers: the tickets at each count k (0..6), and how many.
    void level_six() {
        top_ = 0;
        for (int k = 0; k <= 6; ++k) {
            uint64_t n = 0;
            for (std::size_t w = 0; w < words_; ++w) {
                uint64_t e = valid_[w];
                for (int bit = 0; bit < 3; ++bit)
                    e &= (k >> bit & 1) ? plane(6, bit)[w] : ~plane(6, bit)[w];
                equal_[k * words_ + w] = e;
                n += static_cast<uint64_t>(std::popcount(e));
            }
            count_[k] = n;
            if (n != 0) top_ = k;
        }
        count_[7] = 0;
    }

    std::size_t words_;
    std::vector<uint64_t> masks_;   // ticket i's numbers, number n as bit n - 1
    std::vector<uint64_t> holding_; // the tickets holding number n: words n * words_ ...
    std::vector<uint64_t> valid_;   // the bits that are tickets
    std::vector<uint64_t> planes_;  // level 0 (no number yet) is all zero
    std::vector<uint64_t> equal_;   // at level six: the tickets at count k
    std::array<uint64_t, 8> count_{};
    int top_ = 0;
    Odds odds_;
};

void add(Odds& total, const Odds& part) {
    total.draws += part.draws;
    for (int k = 0; k <= 7; ++k) {
        total.best[k] += part.best[k];
        total.matches[k] += part.matches[k];
    }
}

// Runs work(walker, next) on up to threads threads, each with a walker of its own, and adds up
// what they counted.
template <class Work>
Odds on_threads(const std::vector<Combination>& tickets, uint32_t highest, unsigned threads,
                Work work) {
    threads = std::max(threads, 1u);
    std::vector<Walker> walkers(threads, Walker(tickets, highest));
    std::atomic<uint64_t> next{0};
    std::vector<std::thread> pool;
    for (unsigned i = 1; i < threads; ++i) pool.emplace_back([&, i] { work(walkers[i], next); });
    work(walkers[0], next);
    for (std::thread& t : pool) t.join();
    Odds total;
    total.tickets = tickets.size();
    for (const Walker& w : walkers) add(total, w.odds());
    return total;
}

// Every draw of 1..highest whose first two numbers are a and b.
void walk_pair(Walker& walker, uint8_t a, uint8_t b, uint32_t highest) {
    const auto n = static_cast<int>(highest);
    walker.set(0, a);
    walker.set(1, b);
    for (int c = b + 1; c <= n - 4; ++c) {
        walker.set(2, static_cast<uint8_t>(c));
        for (int d = c + 1; d <= n - 3; ++d) {
            walker.set(3, static_cast<uint8_t>(d));
            for (int e = d + 1; e <= n - 2; ++e) {
                walker.set(4, static_cast<uint8_t>(e));
                for (int f = e + 1; f <= n - 1; ++f) {
                    walker.set(5, static_cast<uint8_t>(f), true);
                    walker.every_seventh(static_cast<uint32_t>(f), highest);
                }
            }
        }
    }
}

// Records per piece of a stored walk.
constexpr uint64_t Piece = 1 << 16;

} // namespace

double Odds::exactly(int k) const {
    return draws == 0 ? 0 : static_cast<double>(best[k]) / static_cast<double>(draws);
}

double Odds::at_least(int k) const {
    uint64_t n = 0;
    for (int i = k; i <= 7; ++i) n += best[i];
    return draws == 0 ? 0 : static_cast<double>(n) / static_cast<double>(draws);
}

double Odds::expected_tickets(int k) const {
    return draws == 0 ? 0 : static_cast<double>(matches[k]) / static_cast<double>(draws);
}

Odds count_odds(const std::vector<Combination>& tickets, uint32_t highest, unsigned threads) {
    assert(highest >= 7 && highest <= 64);
    std::vector<std::array<uint8_t, 2>> pairs;
    for (uint32_t a = 1; a + 6 <= highest; ++a)
        for (uint32_t b = a + 1; b + 5 <= highest; ++b)
            pairs.push_back({static_cast<uint8_t>(a), static_cast<uint8_t>(b)});
    Odds o = on_threads(tickets, highest, threads, [&](Walker& w, std::atomic<uint64_t>& next) {
        for (uint64_t i; (i = next.fetch_add(1)) < pairs.size();)
            walk_pair(w, pairs[i][0], pairs[i][1], highest);
    });
    // Each ticket matches exactly k numbers in C(7, k) C(highest - 7, 7 - k) of the draws.
    for (uint32_t k = 0; k <= 7; ++k)
        o.matches[k] = o.tickets * binomial(7, k) * binomial(highest - 7, 7 - k);
    return o;
}

Odds count_odds(const std::vector<Combination>& tickets, const uint8_t* store, uint64_t count,
                unsigned threads) {
    // Numbers are never above 64: the walkers take every number's row.
    return on_threads(tickets, 64, threads, [&](Walker& w, std::atomic<uint64_t>& next) {
        for (uint64_t first; (first = next.fetch_add(Piece)) < count;) {
            const uint64_t last = std::min(count, first + Piece);
            const uint8_t* previous = nullptr;
            for (uint64_t i = first; i < last; ++i) {
                const uint8_t* d = store + i * RecordBytes;
                w.draw(d, previous);
                previous = d;
            }
        }
    });
}

} // namespace lotto
