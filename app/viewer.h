// The combination viewer's arithmetic and line text: pages of 1000 records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lotto {

inline constexpr uint32_t PageSize = 1000;

// floor(count / 1000) + 1: a count that is a multiple of 1000 (0 included) ends in an empty page.
uint32_t page_count(uint32_t count);

// Records first..last (1-based, both included) of page p; empty (last < first) past the count.
struct PageSpan {
    uint32_t first = 1;
    uint32_t last = 0;
};
PageSpan page_span(uint32_t page, uint32_t count);

// "00000001=01,02,03,04,05,06,07,": record number i (1-based) and its seven numbers.
std::string viewer_line(uint32_t i, const uint8_t* rec);

// The lines of page p of the first `count` records of the store.
std::vector<std::string> page_lines(const uint8_t* store, uint32_t count, uint32_t page);

} // namespace lotto
