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

// The rows under the header, row i of count built by row_of(i) (twice: once for the columns'
// widths, once to print), so that no more than one row is held at a time; align holds 'l' or
// 'r' per column.
template <class RowOf>
void table(std::FILE* out, const Row& header, std::size_t count, RowOf&& row_of,
           std::string_view align) {
    std::vector<std::size_t> width;
    for (const std::string& h : header) width.push_back(h.size());
    for (std::size_t i = 0; i < count; ++i) {
        const Row r = row_of(i);
        for (std::size_t c = 0; c < r.size(); ++c) width[c] = std::max(width[c], r[c].size());
    }
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
    for (std::size_t i = 0; i < count; ++i) print(row_of(i));
}

// The rows under the header; align holds 'l' or 'r' per column.
inline void table(std::FILE* out, const Row& header, const std::vector<Row>& rows,
                  std::string_view align) {
    table(
        out, header, rows.size(), [&](std::size_t i) -> const Row& { return rows[i]; }, align);
}

// The value through a printf format.
inline std::string fixed(double value, const char* format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// A count expected by chance in two decimals, or "<0.01" where it is above 0 but rounds to 0.
inline std::string expected_text(double value) {
    return value > 0 && value < 0.005 ? "<0.01" : fixed(value, "%.2f");
}

// part as a percentage of whole in two decimals, or "<0.01%" / ">99.99%" where rounding would
// make a share that is not 0 or all read as 0.00% or 100.00%.
inline std::string share_text(double part, double whole) {
    const double p = 100 * part / whole;
    if (part > 0 && p < 0.005) return "<0.01%";
    if (part < whole && p >= 99.995) return ">99.99%";
    return fixed(p, "%.2f%%");
}

} // namespace lotto::cli::text
