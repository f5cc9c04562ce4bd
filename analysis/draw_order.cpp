#include "analysis/draw_order.h"

#include <algorithm>

namespace lotto {

DrawOrder order_oldest_first(History& h, bool newest_first) {
    std::vector<DrawDate*> dates;
    for (Draw& d : h.draws)
        if (d.date) dates.push_back(&*d.date);
    settle_slashed_dates(dates);
    if (!h.draws.empty() && dates.size() == h.draws.size()) {
        // A newest-first file with equal dates keeps their file order reversed, like the rest.
        if (newest_first) std::reverse(h.draws.begin(), h.draws.end());
        std::stable_sort(h.draws.begin(), h.draws.end(), [](const Draw& a, const Draw& b) {
            return a.date->key() < b.date->key();
        });
        return DrawOrder::ByDate;
    }
    // Draw numbers that fall from line to line (the last one at least 1, so none is 0) say the
    // file runs newest first.
    const auto not_falling = [](const Draw& a, const Draw& b) { return a.counter <= b.counter; };
    const bool numbers_fall =
        h.draws.size() >= 2 && h.draws.back().counter != 0 &&
        std::adjacent_find(h.draws.begin(), h.draws.end(), not_falling) == h.draws.end();
    if (!newest_first && !numbers_fall) return DrawOrder::AsWritten;
    std::reverse(h.draws.begin(), h.draws.end());
    return DrawOrder::Reversed;
}

void keep_latest(History& h, uint32_t count) {
    if (h.draws.size() > count)
        h.draws.erase(h.draws.begin(), h.draws.end() - static_cast<std::ptrdiff_t>(count));
}

const char* order_text(DrawOrder order) {
    switch (order) {
    case DrawOrder::AsWritten: return "file order, oldest first";
    case DrawOrder::Reversed: return "file order, newest first";
    case DrawOrder::ByDate: return "by date";
    }
    return "";
}

} // namespace lotto
