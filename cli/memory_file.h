// A stdio stream whose bytes are kept in memory (a temporary file where the C library has no
// memory streams), for the printers that write to a FILE*.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace lotto::cli {

class MemoryFile {
  public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::FILE* get() const { return file_; } // null when no stream could be had
    // The bytes written so far; the stream is then empty again.
    std::string take();

  private:
    std::FILE* file_ = nullptr;
#if defined(__GLIBC__)
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
#endif
};

// A stream handing its bytes to write as they come (in blocks); where the C library cannot call a
// function for its writes, they are handed over when the stream closes. Null when none was had.
class FunctionFile {
  public:
    explicit FunctionFile(std::function<void(std::string_view)> write);
    ~FunctionFile(); // flushes what is left
    FunctionFile(const FunctionFile&) = delete;
    FunctionFile& operator=(const FunctionFile&) = delete;

    std::FILE* get() const;
    void close(); // hands over what is left; get() is null after

  private:
    std::function<void(std::string_view)> write_;
    std::FILE* file_ = nullptr;
#if !defined(__GLIBC__)
    MemoryFile memory_;
#endif
};

} // namespace lotto::cli
