#include "wheel/set_cover.h"

#include "analysis/splitmix64.h"
#include "wheel/cover_index.h"

#include <algorithm>
#include <cassert>

namespace lotto {

CoverMatrix::CoverMatrix(uint32_t rows, const std::vector<std::vector<uint32_t>>& rows_of)
    : rows_(rows) {
    column_start_.push_back(0);
    for (const std::vector<uint32_t>& column : rows_of) {
        column_rows_.insert(column_rows_.end(), column.begin(), column.end());
        column_start_.push_back(static_cast<uint32_t>(column_rows_.size()));
    }
    index_rows();
}

CoverMatrix::CoverMatrix(uint32_t rows, std::vector<uint32_t> start, std::vector<uint32_t> entries)
    : rows_(rows), column_start_(std::move(start)), column_rows_(std::move(entries)) {
    assert(!column_start_.empty() && column_start_.back() == column_rows_.size());
    index_rows();
}

// The columns of each row, by counting the rows' entries first.
void CoverMatrix::index_rows() {
    row_start_.assign(rows_ + 1, 0);
    for (uint32_t i : column_rows_) {
        assert(i < rows_);
        ++row_start_[i + 1];
    }
    for (uint32_t i = 0; i < rows_; ++i) row_start_[i + 1] += row_start_[i];
    row_columns_.resize(column_rows_.size());
    std::vector<uint32_t> next(row_start_.begin(), row_start_.end() - 1);
    for (uint32_t j = 0; j < columns(); ++j)
        for_rows(j, [&](uint32_t i) { row_columns_[next[i]++] = j; });
}

bool covers(const CoverMatrix& a, const std::vector<uint32_t>& columns) {
    std::vector<uint8_t> covered(a.rows(), 0);
    for (uint32_t j : columns) a.for_rows(j, [&](uint32_t i) { covered[i] = 1; });
    return std::find(covered.begin(), covered.end(), 0) == covered.end();
}

std::vector<uint32_t> greedy_cover(const CoverMatrix& a) {
    // A lazy greedy: gains only fall, so a column whose fresh gain tops every stale one is best.
    std::vector<uint8_t> covered(a.rows(), 0);
    std::vector<std::pair<uint32_t, uint32_t>> heap; // (gain, column)
    for (uint32_t j = 0; j < a.columns(); ++j) heap.push_back({a.rows_of_column(j), j});
    std::make_heap(heap.begin(), heap.end());
    std::vector<uint32_t> chosen;
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end());
        auto top = heap.back();
        heap.pop_back();
        top.first = 0;
        a.for_rows(top.second, [&](uint32_t i) { top.first += covered[i] == 0; });
        if (top.first == 0) continue;
        if (heap.empty() || !(top < heap.front())) {
            chosen.push_back(top.second);
            a.for_rows(top.second, [&](uint32_t i) { covered[i] = 1; });
        } else {
            heap.push_back(top);
            std::push_heap(heap.begin(), heap.end());
        }
    }
    return chosen;
}

namespace {

// The local search's state: the columns chosen, how many of them cover each row (and the xor of
// their numbers, which names the one column when there is one), the rows' weights, and each
// column's score: for a column chosen, minus the weight it alone covers (what removing it
// costs); for the others, the weight of the uncovered rows it covers (what adding it gains).
class WeightedSearch {
  public:
    WeightedSearch(const CoverMatrix& a, uint64_t seed, SearchClock& clock, uint64_t until)
        : a_(a), clock_(clock), until_(until), count_(a.rows(), 0), sole_(a.rows(), 0),
          weight_(a.rows(), 1), score_(a.columns(), 0), stamp_(a.columns(), 0),
          place_(a.columns(), NotChosen) {
        rng_.state = seed;
        uncovered_.fill(a.rows());
        for (uint32_t j = 0; j < a.columns(); ++j) score_[j] = a.rows_of_column(j);
    }

    std::vector<uint32_t> run(const std::vector<uint32_t>& start) {
        for (uint32_t j : start) add(j);
        assert(uncovered_.empty());
        std::vector<uint32_t> best = chosen_;
        uint32_t tabu = NotChosen;
        // Each step: when everything is covered, the cover is kept and the cheapest column
        // dropped until it is not; then the cheapest column but the one added last is swapped
        // for the best column over a random uncovered row, and the rows left uncovered weigh
        // one more.
        for (uint64_t step = 1; !stop(); ++step) {
            while (uncovered_.empty()) {
                best = chosen_;
                if (chosen_.size() < 2) return sorted(best);
                remove(best_to_remove(NotChosen), step);
            }
            remove(best_to_remove(tabu), step);
            tabu = best_to_add(uncovered_[rng_.below(uncovered_.size())]);
            add(tabu);
            stamp_[tabu] = step;
            for (uint32_t u = 0; u < uncovered_.size(); ++u) {
                const uint32_t i = uncovered_[u];
                ++weight_[i];
                a_.for_columns(i, [&](uint32_t k) { ++score_[k]; });
                clock_.work += a_.columns_of_row(i);
            }
        }
        return sorted(best);
    }

  private:
    static std::vector<uint32_t> sorted(std::vector<uint32_t> columns) {
        std::sort(columns.begin(), columns.end());
        return columns;
    }

    static constexpr uint32_t NotChosen = ~uint32_t{0};

    bool stop() { return clock_.work >= until_ || clock_.out_of_time(); }

    // The chosen column whose removal costs least, other than tabu unless it is the only one,
    // the longest unmoved first.
    uint32_t best_to_remove(uint32_t tabu) const {
        uint32_t best = NotChosen;
        for (uint32_t j : chosen_) {
            if (j == tabu) continue;
            if (best == NotChosen || score_[j] > score_[best] ||
                (score_[j] == score_[best] && stamp_[j] < stamp_[best]))
                best = j;
        }
        clock_.work += chosen_.size();
        return best == NotChosen ? tabu : best; // tabu alone is chosen
    }

    // The column covering row i that gains most, the longest unmoved first.
    uint32_t best_to_add(uint32_t i) const {
        uint32_t best = NotChosen;
        a_.for_columns(i, [&](uint32_t k) {
            if (best == NotChosen || score_[k] > score_[best] ||
                (score_[k] == score_[best] && stamp_[k] < stamp_[best]))
                best = k;
        });
        clock_.work += a_.columns_of_row(i);
        return best;
    }

    void add(uint32_t j) {
        place_[j] = static_cast<uint32_t>(chosen_.size());
        chosen_.push_back(j);
        int64_t own = 0;
        a_.for_rows(j, [&](uint32_t i) {
            const int64_t w = static_cast<int64_t>(weight_[i]);
            if (count_[i] == 0) {
                uncovered_.remove(i);
                a_.for_columns(i, [&](uint32_t k) { score_[k] -= w; });
                clock_.work += a_.columns_of_row(i);
                own -= w;
            } else if (count_[i] == 1) {
                score_[sole_[i]] += w;
            }
            ++count_[i];
            sole_[i] ^= j;
        });
        score_[j] = own;
    }

    void remove(uint32_t j, uint64_t step) {
        assert(j != NotChosen && place_[j] != NotChosen);
        const uint32_t last = chosen_.back();
        chosen_[place_[j]] = last;
        place_[last] = place_[j];
        chosen_.pop_back();
        place_[j] = NotChosen;
        int64_t own = 0;
        a_.for_rows(j, [&](uint32_t i) {
            const int64_t w = static_cast<int64_t>(weight_[i]);
            --count_[i];
            sole_[i] ^= j;
            if (count_[i] == 0) {
                uncovered_.add(i);
                a_.for_columns(i, [&](uint32_t k) { score_[k] += w; });
                clock_.work += a_.columns_of_row(i);
                own += w;
            } else if (count_[i] == 1) {
                score_[sole_[i]] -= w;
            }
        });
        score_[j] = own;
        stamp_[j] = step;
    }

    const CoverMatrix& a_;
    SearchClock& clock_;
    const uint64_t until_;
    SplitMix64 rng_;
    std::vector<uint32_t> count_, sole_;
    std::vector<uint64_t> weight_;
    std::vector<int64_t> score_;
    std::vector<uint64_t> stamp_;
    std::vector<uint32_t> place_, chosen_;
    ListedSet uncovered_;
};

} // namespace

std::vector<uint32_t> weighted_local_search(const CoverMatrix& a, std::vector<uint32_t> start,
                                            uint64_t seed, SearchClock& clock, uint64_t until) {
    assert(covers(a, start));
    std::sort(start.begin(), start.end());
    if (clock.work >= until || a.rows() == 0) return start;
    std::vector<uint32_t> found = WeightedSearch(a, seed, clock, until).run(start);
    return found.size() < start.size() ? found : start;
}

} // namespace lotto
