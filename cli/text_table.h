// Aligned text tables for the analysis printers: rows of cells, columns two spaces apart.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace lotto::cli::text {

using Row = std::vector<std::string>;

// Writes the line without trailing spaces, and a line end.
inline void put_line(std::FILE* out, std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out);
}

// The rows under the header; align holds 'l' or 'r' per column.
inline void table(std::FILE* out, const Row& header, const std::vector<Row>& rows,
                  std::string_view align) {
    std::vector<std::size_t> width;
    for (const std::string& h : header) width.push_back(h.size());
    for (const Row& r : rows)
        for (std::size_t c = 0; c < r.size(); ++c) width[c] = std::max(width[c], r[c].size());
    const auto print = [&](const Row& r) {
        std::string line;
        for (std::size_t c = 0; c < r.size(); ++c) {
            const std::string pad(width[c] - r[c].size(), ' ');
            if (c != 0) line += "  ";
            line += align[c] == 'r' ? pad + r[c] : r[c] + pad;
        }
        put_line(out, line);
    };
    print(header);
    for (const Row& r : rows) print(r);
}

// The value through a printf format.
inline std::string fixed(double value, const char* format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace lotto::cli::text
