// Memory advised toward huge pages, so that the first writes to large arrays take one page fault
// per 2 MB instead of one per 4 KB. Internal: not installed.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace lotto {

// The size of a huge page where the system offers them.
inline constexpr std::size_t HugePage = std::size_t{2} << 20;

// Asks the system to back the whole huge pages inside the bytes from p with huge pages where it
// offers them (Linux). Only advice: without it, or where it is refused, the memory works as before.
void prefer_huge_pages(void* p, std::size_t bytes) noexcept;

// Gives an empty vector room for n items, advised toward huge pages before any is written.
template <class T> void reserve_huge(std::vector<T>& v, std::size_t n) {
    v.reserve(n);
    prefer_huge_pages(v.data(), n * sizeof(T));
}

// Untouched room for n items of a trivial type; from a huge page on, aligned on huge pages and
// advised toward them.
template <class T> struct HugeDelete {
    bool aligned = false;
    void operator()(T* p) const noexcept {
        if (aligned)
            ::operator delete (p, std::align_val_t{HugePage});
        else
            ::operator delete(p);
    }
};
template <class T> std::unique_ptr<T, HugeDelete<T>> huge_array(std::size_t n) {
    static_assert(std::is_trivially_default_constructible_v<T> &&
                  std::is_trivially_destructible_v<T>);
    const std::size_t bytes = n * sizeof(T);
    if (bytes < HugePage) return {static_cast<T*>(::operator new(bytes)), HugeDelete<T>{false}};
    T* p = static_cast<T*>(::operator new (bytes, std::align_val_t{HugePage}));
    prefer_huge_pages(p, bytes);
    return {p, HugeDelete<T>{true}};
}

} // namespace lotto
