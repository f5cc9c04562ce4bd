#include "app/viewer.h"

#include "app/format.h"
#include "engine/run.h"

#include <algorithm>

namespace lotto {

uint32_t page_count(uint32_t count) { return count / PageSize + 1; }

PageSpan page_span(uint32_t page, uint32_t count) {
    if (page == 0) return {1, 0};
    // 64-bit so that a page far past the count cannot wrap around into the records.
    const uint64_t first = uint64_t{PageSize} * (page - 1) + 1;
    if (first > count) {
        const auto past = static_cast<uint32_t>(std::min<uint64_t>(first, uint64_t{count} + 1));
        return {past, past - 1};
    }
    const uint64_t last = std::min<uint64_t>(first + PageSize - 1, count);
    return {static_cast<uint32_t>(first), static_cast<uint32_t>(last)};
}

std::string viewer_line(uint32_t i, const uint8_t* rec) {
    std::string line = format_zero_padded(i, 8);
    line += '=';
    for (std::size_t j = 0; j < RecordBytes; ++j) {
        line += format_zero_padded(rec[j], 2);
        line += ',';
    }
    return line;
}

std::vector<std::string> page_lines(const uint8_t* store, uint32_t count, uint32_t page) {
    const PageSpan span = page_span(page, count);
    std::vector<std::string> lines;
    if (span.last < span.first) return lines;
    lines.reserve(span.last - span.first + 1);
    for (uint32_t i = span.first; i <= span.last; ++i)
        lines.push_back(viewer_line(i, record(store, i - 1)));
    return lines;
}

} // namespace lotto
