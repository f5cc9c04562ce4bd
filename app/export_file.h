// The text export: one line "01, 02, 03, 04, 05, 06, 07\r\n" (28 bytes) per stored record,
// built and written a slice of records at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lotto {

inline constexpr std::size_t ExportLineBytes = 28;

// The records whose text is built and written at a time (1.8 MB of text).
inline constexpr uint32_t ExportSliceRecords = 1 << 16;

// "kvx7_" + count in eight digits + ".txt".
std::string export_file_name(uint32_t count);

// Writes the 28 * count bytes of the text into out.
void build_export_text(const uint8_t* store, uint32_t count, char* out);

struct ExportResult {
    bool ok = false;
    std::string path;   // directory + file name
    std::string error;  // "cannot write <path>: <reason>", when !ok
    std::string reason; // the reason alone, when !ok
    uint64_t bytes = 0; // bytes written
    double seconds = 0; // building the text and writing it (monotonic clock)
};

// Writes the export file for the first `count` records into directory dir ("" = current). The
// text goes, slice by slice, to a temporary file beside it that is renamed over the export file
// once all of it is written and closed, so an existing file of that name is either replaced whole
// or left as it was. Fails cleanly, leaving no temporary file, when the slice's buffer cannot be
// had or the file cannot be created, fully written or renamed into place.
ExportResult export_to_file(const std::string& dir, const uint8_t* store, uint32_t count);

} // namespace lotto
