// The benchmark's result store, obtained once for every case.
#pragma once

#include <cstdint>

namespace lotto::bench {

// StoreBytes bytes, or null when the memory cannot be had.
uint8_t* store();

} // namespace lotto::bench
