// One result store for the whole engine suite, allocated on first use, and a settings helper.
#pragma once

#include "engine/lotto739.h"

#include <cstdint>
#include <initializer_list>

namespace lotto::testing {

// The suite's store: StoreBytes bytes, obtained once.
uint8_t* shared_store();

struct FilterValue {
    int filter = 0;
    uint32_t value = 0;
};

// Start-up settings with the given filters on and their parameters set.
Settings settings_with(std::initializer_list<FilterValue> on);

} // namespace lotto::testing
