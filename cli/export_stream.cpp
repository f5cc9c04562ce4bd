#include "cli/export_stream.h"

#include "app/clock.h"
#include "engine/run.h"

#include <algorithm>
#include <vector>

namespace lotto::cli {

ExportResult export_to_stream(std::FILE* out, const uint8_t* store, uint32_t count) {
    ExportResult r;
    r.path.assign(1, '-'); // (not = "-": GCC 12 warns falsely about that assignment)
    std::vector<char> text(std::size_t{ExportSliceRecords} * ExportLineBytes);
    const Stopwatch watch;
    for (uint32_t first = 0; first < count; first += ExportSliceRecords) {
        const uint32_t n = std::min(ExportSliceRecords, count - first);
        build_export_text(record(store, first), n, text.data());
        const std::size_t size = std::size_t{n} * ExportLineBytes;
        if (std::fwrite(text.data(), 1, size, out) != size) break;
        r.bytes += size;
    }
    if (r.bytes != std::size_t{count} * ExportLineBytes || std::fflush(out) != 0) {
        r.reason = "cannot write the export text to stdout";
        r.error = r.reason;
        return r;
    }
    r.seconds = watch.seconds();
    r.ok = true;
    return r;
}

} // namespace lotto::cli
