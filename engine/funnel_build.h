// The funnel in a chosen build: with popcnt the counting routines and the tally use the POPCNT
// instruction (only when has_popcnt() holds), on up to threads threads. Internal to the engine;
// filter_funnel picks the build the processor allows.
#pragma once

#include "engine/funnel.h"

namespace lotto {

Funnel filter_funnel(const Settings& s, uint32_t highest, bool popcnt, unsigned threads = 1);

} // namespace lotto
