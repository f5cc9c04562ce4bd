#include "app/export_file.h"

#include "app/clock.h"
#include "app/format.h"
#include "app/replace_file.h"
#include "engine/run.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

namespace lotto {

namespace {

// "00, 01, ..., 64, ": entry v is the four characters from position 4 * v.
constexpr std::array<char, 260> NumberText = [] {
    std::array<char, 260> t{};
    for (int v = 0; v < 65; ++v) {
        t[4 * v] = static_cast<char>('0' + v / 10);
        t[4 * v + 1] = static_cast<char>('0' + v % 10);
        t[4 * v + 2] = ',';
        t[4 * v + 3] = ' ';
    }
    return t;
}();

std::string join_path(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    const char last = dir.back();
    if (last == '/' || last == '\\') return dir + name;
    return dir + "/" + name;
}

ExportResult failure(ExportResult r, const std::string& why) {
    r.ok = false;
    r.bytes = 0;
    r.reason = why;
    r.error = "cannot write " + r.path + ": " + why;
    return r;
}

} // namespace

std::string export_file_name(uint32_t count) {
    return "kvx7_" + format_zero_padded(count, 8) + ".txt";
}

void build_export_text(const uint8_t* store, uint32_t count, char* out) {
    const uint8_t* rec = store;
    for (uint32_t i = 0; i < count; ++i, rec += RecordBytes, out += ExportLineBytes) {
        for (std::size_t j = 0; j < RecordBytes; ++j)
            std::memcpy(out + 4 * j, &NumberText[4 * rec[j]], 4);
        out[26] = '\r';
        out[27] = '\n';
    }
}

ExportResult export_to_file(const std::string& dir, const uint8_t* store, uint32_t count) {
    ExportResult r;
    r.path = join_path(dir, export_file_name(count));
    const std::size_t size = std::size_t{count} * ExportLineBytes;
    const std::size_t slice = std::size_t{std::min(count, ExportSliceRecords)} * ExportLineBytes;

    std::unique_ptr<char[]> text(new (std::nothrow) char[slice == 0 ? 1 : slice]);
    if (!text) return failure(r, "out of memory for " + format_plain(slice) + " bytes of text");

    // The time covers building and writing the text: not the opening, closing or renaming.
    ReplacingFile file(r.path, size);
    const Stopwatch watch;
    for (uint32_t first = 0; first < count && file.ok(); first += ExportSliceRecords) {
        const uint32_t n = std::min(ExportSliceRecords, count - first);
        build_export_text(record(store, first), n, text.get());
        file.write(text.get(), std::size_t{n} * ExportLineBytes);
    }
    r.seconds = watch.seconds();
    const std::string why = file.commit();
    if (!why.empty()) return failure(r, why);
    r.ok = true;
    r.bytes = size;
    return r;
}

} // namespace lotto
