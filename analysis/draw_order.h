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

// What the dates of a history say of its order when only some draws carry one: nothing (no
// draw, every draw, or no two dates that differ); its dated draws run oldest first, or newest
// first, in the file; or they disagree (some later, some earlier than the dated draw before).
enum class PartialDates { None, OldestFirst, NewestFirst, Disagree };

// Puts the history's draws oldest first and says what decided it. Slashed dates are settled first
// (settle_slashed_dates), so that "4/5/2013" in a month-first file reads as April 5. When only
// some draws carry a date and those run newest first, the file is taken as newest first;
// *partial (when given) says what such dates said.
DrawOrder order_oldest_first(History& h, bool newest_first, PartialDates* partial = nullptr);

// Keeps only the last (most recent) count draws of a history ordered oldest first; all when it
// holds fewer.
void keep_latest(History& h, uint32_t count);

// Keeps only the draws of a history ordered oldest first from the first one dated `since` or
// later on (the undated draws after it too); none when no draw is.
void keep_since(History& h, const DrawDate& since);

// What decided the order, in words: "file order, oldest first", "file order, newest first",
// "by date".
const char* order_text(DrawOrder order);

} // namespace lotto
