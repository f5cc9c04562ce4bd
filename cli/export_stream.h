// The export text written to an open stream instead of a file, in slices, with the same bytes.
#pragma once

#include "app/export_file.h"

#include <cstdint>
#include <cstdio>

namespace lotto::cli {

// Writes the 28 * count bytes of the export text of the store to out; path is "-".
ExportResult export_to_stream(std::FILE* out, const uint8_t* store, uint32_t count);

} // namespace lotto::cli
