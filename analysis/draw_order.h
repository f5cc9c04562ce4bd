// The order of a history's draws. A file is taken as oldest first unless told it runs newest
// first; when every draw carries a date the dates decide, so a file whose dates run backwards is
// read newest first without being told, and so do draw numbers that fall from line to line. The
// two draws of one line keep their order either way.
#pragma once

#include "analysis/history.h"

#include <cstdint>

namespace lotto {

enum class DrawOrder {
    AsWritten, // oldest first, as the file lists them
    Reversed,  // the file lists them newest first
    ByDate,    // every draw is dated: sorted by date, oldest first (file order among equal dates)
};

// Puts the history's draws oldest first and says what decided it. Slashed dates are settled first
// (settle_slashed_dates), so that "4/5/2013" in a month-first file reads as April 5.
DrawOrder order_oldest_first(History& h, bool newest_first);

// Keeps only the last (most recent) count draws of a history ordered oldest first; all when it
// holds fewer.
void keep_latest(History& h, uint32_t count);

// What decided the order, in words: "file order, oldest first", "file order, newest first",
// "by date".
const char* order_text(DrawOrder order);

} // namespace lotto
