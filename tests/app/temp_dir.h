// A fresh directory under the system's temporary directory, removed with everything in it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace lotto::test {

class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        for (;;) {
            path_ = std::filesystem::temp_directory_path() /
                    ("lotto739-test-" + std::to_string(rd()) + std::to_string(rd()));
            if (std::filesystem::create_directory(path_)) return;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

inline std::string read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_file(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// `length` bytes from offset `from` of the file (fewer at its end).
inline std::string read_part(const std::filesystem::path& p, uint64_t from, std::size_t length) {
    std::ifstream in(p, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::string s(length, '\0');
    in.read(s.data(), static_cast<std::streamsize>(length));
    s.resize(static_cast<std::size_t>(in.gcount()));
    return s;
}

} // namespace lotto::test
