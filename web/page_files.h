// The page's own files (HTML, CSS, JavaScript), embedded into the program when it is built.
#pragma once

#include <cstddef>
#include <string_view>

namespace lotto::web {

struct PageFile {
    std::string_view path; // as requested: "/", "/page.js", ...
    std::string_view type; // its Content-Type
    std::string_view body;
};

// The file served at path (the query left off), or nullptr.
const PageFile* find_page_file(std::string_view path);

} // namespace lotto::web
