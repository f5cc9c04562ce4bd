#include "cli/nearest.h"

#include <algorithm>

namespace lotto::cli {

namespace {

// The optimal string alignment distance: insertions, deletions, substitutions, adjacent swaps.
std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

} // namespace

std::string_view nearest(std::string_view word, const std::vector<std::string_view>& candidates) {
    std::string_view best;
    std::size_t best_distance = 3;
    for (const std::string_view candidate : candidates)
        if (const std::size_t e = distance(word, candidate);
            e < best_distance && 2 * e < candidate.size()) {
            best = candidate;
            best_distance = e;
        }
    return best;
}

} // namespace lotto::cli
