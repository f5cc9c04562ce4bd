// Writing a file so that a reader never sees it half-written: the bytes go to a temporary file
// beside the target, which is renamed over the target only when every byte is written and closed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

namespace lotto {

// The file that std::fopen opens under name, for the calls of std::filesystem: the name itself
// where names are bytes; on Windows, where the C library takes a name in the user's code page,
// the name converted from that code page (std::filesystem would take its bytes as Latin-1).
std::filesystem::path file_system_path(const std::string& name);

// Writes size bytes of data over the file at path through a temporary file beside it. Returns ""
// when done, else the reason; then the file at path is as it was and the temporary file is gone.
// A symbolic link is followed (the file it names is replaced, the link stays); a device or a pipe
// is written straight into.
std::string write_replacing(const std::string& path, const char* data, std::size_t size);

// The same for a text written piece by piece, so that it never has to be held whole: the pieces
// go to the temporary file as they come, commit() renames it into place, and a file dropped
// without a commit (or whose commit fails) removes its temporary file and leaves path as it was.
class ReplacingFile {
  public:
    // Opens the temporary file for a text of size bytes (the size a failure names).
    ReplacingFile(const std::string& path, std::size_t size);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Whether the file is open and every piece so far was written whole.
    bool ok() const { return file_ != nullptr && !write_failed_; }

    // Appends a piece; once a write has failed, does nothing and returns false.
    bool write(const char* data, std::size_t size);

    // Sends the pieces so far on to the file, so that a full disk shows now rather than at the
    // commit; once that has failed, ok() is false and commit() says why.
    bool flush();

    // Closes the file and renames it over path. Returns "" when done, else the reason (also when
    // the pieces did not add up to size).
    std::string commit();

  private:
    std::string target_;    // where the text lands
    std::string temporary_; // the file being written; "" when writing straight into target_
    std::FILE* file_ = nullptr;
    std::string open_failure_; // why the file could not be opened
    std::size_t size_ = 0, written_ = 0;
    int write_errno_ = 0;
    bool write_failed_ = false;
    bool flush_failed_ = false;
};

} // namespace lotto
