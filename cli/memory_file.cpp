#include "cli/memory_file.h"

#include <cstdlib>

namespace lotto::cli {

#if defined(__GLIBC__)

MemoryFile::MemoryFile() : file_(open_memstream(&buffer_, &size_)) {}

MemoryFile::~MemoryFile() {
    if (file_) std::fclose(file_);
    std::free(buffer_);
}

std::string MemoryFile::take() {
    if (!file_) return "";
    std::fflush(file_);
    std::string bytes(buffer_, size_);
    std::rewind(file_); // the next bytes overwrite these; the size follows the position
    std::fflush(file_);
    return bytes;
}

namespace {

ssize_t call_write(void* cookie, const char* data, std::size_t size) {
    (*static_cast<std::function<void(std::string_view)>*>(cookie))(std::string_view(data, size));
    return static_cast<ssize_t>(size);
}

} // namespace

FunctionFile::FunctionFile(std::function<void(std::string_view)> write) : write_(std::move(write)) {
    cookie_io_functions_t io{};
    io.write = call_write;
    file_ = fopencookie(&write_, "w", io);
}

std::FILE* FunctionFile::get() const { return file_; }

void FunctionFile::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

#else

MemoryFile::MemoryFile() : file_(std::tmpfile()) {}

MemoryFile::~MemoryFile() {
    if (file_) std::fclose(file_);
}

std::string MemoryFile::take() {
    if (!file_) return "";
    std::string bytes;
    std::fflush(file_);
    std::rewind(file_);
    char block[1 << 14];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file_)) > 0;)
        bytes.append(block, got);
    std::fclose(file_);
    file_ = std::tmpfile();
    return bytes;
}

FunctionFile::FunctionFile(std::function<void(std::string_view)> write)
    : write_(std::move(write)), file_(memory_.get()) {}

std::FILE* FunctionFile::get() const { return file_; }

void FunctionFile::close() {
    if (!file_) return;
    const std::string bytes = memory_.take();
    if (!bytes.empty()) write_(bytes);
    file_ = nullptr;
}

#endif

FunctionFile::~FunctionFile() { close(); }

} // namespace lotto::cli
