# Turns the page's files into a C++ source: cmake -DOUT=file.cpp -DFILES="path|type|file;..." -P
# embed.cmake. Runs at build time, with no network.
set(arrays "")
set(rows "")
set(i 0)
foreach(entry IN LISTS FILES)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 url)
  list(GET parts 1 type)
  list(GET parts 2 file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "constexpr char file${i}[] = {${bytes}0};\n")
  string(APPEND rows "    {\"${url}\", \"${type}; charset=utf-8\", {file${i}, ${size}}},\n")
  math(EXPR i "${i} + 1")
endforeach()
file(WRITE "${OUT}.new" "// Made by web/embed.cmake from web/page/: do not edit.
#include \"web/page_files.h\"

namespace lotto::web {

namespace {

${arrays}
constexpr PageFile files[] = {
${rows}};

} // namespace

const PageFile* find_page_file(std::string_view path) {
    for (const PageFile& f : files)
        if (f.path == path) return &f;
    return nullptr;
}

} // namespace lotto::web
")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
