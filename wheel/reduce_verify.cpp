#include "wheel/reduce_verify.h"

#include <algorithm>
#include <bit>
#include <thread>

namespace lotto {

namespace {

uint64_t number_mask(const uint8_t* numbers) {
    uint64_t m = 0;
    for (int i = 0; i < 7; ++i) m |= uint64_t{1} << (numbers[i] - 1);
    return m;
}

// Tickets listed under each triple (pair when t = 2) of their numbers: key a<<12 | b<<6 | c of
// 0-based numbers a < b < c (c = 63 for a pair).
struct Buckets {
    std::vector<uint32_t> start; // 2^18 + 1 offsets
    std::vector<uint64_t> masks; // ticket masks, grouped by key

    static uint32_t key(int a, int b, int c) { return static_cast<uint32_t>(a << 12 | b << 6 | c); }

    Buckets(const std::vector<uint64_t>& tickets, int size) : start((1u << 18) + 1, 0) {
        const auto each_key = [&](uint64_t m, auto&& f) {
            int n[7];
            for (int& x : n) {
                x = std::countr_zero(m);
                m &= m - 1;
            }
            for (int i = 0; i < 7; ++i)
                for (int j = i + 1; j < 7; ++j) {
                    if (size == 2) {
                        f(key(n[i], n[j], 63));
                        continue;
                    }
                    for (int k = j + 1; k < 7; ++k) f(key(n[i], n[j], n[k]));
                }
        };
        for (uint64_t m : tickets) each_key(m, [&](uint32_t k) { ++start[k + 1]; });
        for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
        masks.resize(start.back());
        std::vector<uint32_t> fill(start.begin(), start.end() - 1);
        for (uint64_t m : tickets) each_key(m, [&](uint32_t k) { masks[fill[k]++] = m; });
    }
};

struct Part {
    uint64_t uncovered = 0;
    std::vector<Combination> first;
};

// Whether some ticket shares at least t numbers with the combination: such a ticket shares at
// least 3 numbers with its first 10 - t numbers (2 of all 7 when t = 2), so only the tickets
// listed under those triples (pairs) are compared.
bool covered(const Buckets& b, const uint8_t* c, int t) {
    const uint64_t m = number_mask(c);
    if (t == 2) {
        for (int i = 0; i < 7; ++i)
            for (int j = i + 1; j < 7; ++j) {
                const uint32_t k = Buckets::key(c[i] - 1, c[j] - 1, 63);
                if (b.start[k] != b.start[k + 1]) return true;
            }
        return false;
    }
    const int r = 10 - t;
    for (int i = 0; i < r; ++i)
        for (int j = i + 1; j < r; ++j)
            for (int k = j + 1; k < r; ++k) {
                const uint32_t key = Buckets::key(c[i] - 1, c[j] - 1, c[k] - 1);
                for (uint32_t x = b.start[key]; x < b.start[key + 1]; ++x)
                    if (std::popcount(b.masks[x] & m) >= t) return true;
            }
    return false;
}

} // namespace

CoverCheck verify_reduction(const uint8_t* store, uint32_t count, int t,
                            const std::vector<Combination>& tickets, std::size_t keep) {
    std::vector<uint64_t> masks;
    for (const Combination& c : tickets) masks.push_back(number_mask(c.data()));
    const Buckets buckets(masks, t == 2 ? 2 : 3);
    const uint32_t threads =
        count < 65536 ? 1u : std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
    std::vector<Part> parts(threads);
    const auto check = [&](uint32_t p) {
        const uint32_t from = static_cast<uint32_t>(uint64_t{count} * p / threads);
        const uint32_t to = static_cast<uint32_t>(uint64_t{count} * (p + 1) / threads);
        for (uint32_t i = from; i < to; ++i) {
            const uint8_t* c = store + std::size_t{i} * 7;
            if (covered(buckets, c, t)) continue;
            ++parts[p].uncovered;
            if (parts[p].first.size() < keep) {
                Combination u{};
                std::copy(c, c + 7, u.begin());
                parts[p].first.push_back(u);
            }
        }
    };
    {
        std::vector<std::jthread> workers;
        for (uint32_t p = 1; p < threads; ++p) workers.emplace_back(check, p);
        check(0);
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
