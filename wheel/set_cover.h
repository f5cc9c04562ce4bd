// Set covering with unit costs: rows to cover, columns each covering a few rows, and a local
// search with row weights (after Gao, Weise and Li, 2015) that looks for a cover of few columns.
// Plain integer arithmetic throughout, so the same seed gives the same cover on every platform.
#pragma once

#include "wheel/search_clock.h"

#include <cstdint>
#include <vector>

namespace lotto {

// Which rows each column covers, and which columns cover each row.
class CoverMatrix {
  public:
    // The matrix of `rows` rows whose column j covers rows_of[j] (each row below `rows`, none
    // twice in a column).
    CoverMatrix(uint32_t rows, const std::vector<std::vector<uint32_t>>& rows_of);
    // The same from a flat list: column j covers entries[start[j] .. start[j + 1]).
    CoverMatrix(uint32_t rows, std::vector<uint32_t> start, std::vector<uint32_t> entries);

    uint32_t rows() const { return rows_; }
    uint32_t columns() const { return static_cast<uint32_t>(column_start_.size() - 1); }

    // Calls f(row) for every row column j covers.
    template <class F> void for_rows(uint32_t j, F&& f) const {
        for (uint32_t e = column_start_[j]; e < column_start_[j + 1]; ++e) f(column_rows_[e]);
    }
    // Calls f(column) for every column that covers row i.
    template <class F> void for_columns(uint32_t i, F&& f) const {
        for (uint32_t e = row_start_[i]; e < row_start_[i + 1]; ++e) f(row_columns_[e]);
    }
    // How many rows column j covers; how many columns cover row i.
    uint32_t rows_of_column(uint32_t j) const { return column_start_[j + 1] - column_start_[j]; }
    uint32_t columns_of_row(uint32_t i) const { return row_start_[i + 1] - row_start_[i]; }

  private:
    void index_rows();

    uint32_t rows_;
    std::vector<uint32_t> column_start_, column_rows_, row_start_, row_columns_;
};

// Whether the columns cover every row of the matrix.
bool covers(const CoverMatrix& a, const std::vector<uint32_t>& columns);

// A cover by the greedy: each time the column covering the most rows still uncovered, ties to
// the highest column number. Every row is covered by some column of a.
std::vector<uint32_t> greedy_cover(const CoverMatrix& a);

// The smallest cover the row-weighting local search finds from the cover `start` (columns of a,
// each once) before clock.work reaches until or the time limit passes, or start itself if it
// finds none smaller; sorted. Every row is covered by some column of a.
std::vector<uint32_t> weighted_local_search(const CoverMatrix& a, std::vector<uint32_t> start,
                                            uint64_t seed, SearchClock& clock, uint64_t until);

} // namespace lotto
