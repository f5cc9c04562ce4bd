// Shared by the shell, analysis and command-line tests: a scratch directory and small file
// helpers.
#pragma once

#include "engine/run.h"
#include "engine/settings.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lotto::test {

namespace fs = std::filesystem;

// A fresh directory under the system's temporary directory, removed with everything in it.
struct TempDir {
    std::random_device rd;
    fs::path path = fs::temp_directory_path() /
                    ("lotto739-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    TempDir() { fs::create_directory(path); }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

// Up to `length` bytes of the file from offset `from`.
inline std::string read_file(const fs::path& p, uint64_t from = 0, uint64_t length = UINT64_MAX) {
    std::ifstream in(p, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::string s(static_cast<std::size_t>(std::min(length, fs::file_size(p) - from)), '\0');
    in.read(s.data(), static_cast<std::streamsize>(s.size()));
    return s;
}

// Writes the text to the file byte for byte and returns the file's path.
inline std::string write_file(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
}

// The text in UTF-16 bytes, big-endian or little-endian (a byte-order mark only when it holds one).
inline std::string utf16_bytes(std::u16string_view text, bool big_endian) {
    std::string bytes;
    for (const char16_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xff);
        bytes += big_endian ? high : low;
        bytes += big_endian ? low : high;
    }
    return bytes;
}

// The names of the files in dir, sorted.
inline std::vector<std::string> names_in(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace lotto::test
