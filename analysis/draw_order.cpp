#include "analysis/draw_order.h"

#include <algorithm>
#include <utility>

namespace lotto {

namespace {

// Reverses the draws, but for the two draws of one line, which keep their order.
void reverse_lines(History& h) {
    std::reverse(h.draws.begin(), h.draws.end());
    for (std::size_t i = 1; i < h.draws.size(); ++i)
        if (h.draws[i].line == h.draws[i - 1].line) std::swap(h.draws[i], h.draws[i - 1]);
}

// What the dates of the draws that carry one say, in file order.
PartialDates dated_order(const History& h) {
    const DrawDate* last = nullptr;
    bool later = false, earlier = false;
    for (const Draw& d : h.draws) {
        if (!d.date) continue;
        if (last) later |= last->key() < d.date->key(), earlier |= d.date->key() < last->key();
        last = &*d.date;
    }
    if (later && earlier) return PartialDates::Disagree;
    return later ? PartialDates::OldestFirst
                 : (earlier ? PartialDates::NewestFirst : PartialDates::None);
}

} // namespace

DrawOrder order_oldest_first(History& h, bool newest_first, PartialDates* partial) {
    std::vector<DrawDate*> dates;
    for (Draw& d : h.draws)
        if (d.date) dates.push_back(&*d.date);
    settle_slashed_dates(dates);
    if (!h.draws.empty() && dates.size() == h.draws.size()) {
        // A newest-first file with equal dates keeps their file order reversed, like the rest.
        if (newest_first) reverse_lines(h);
        std::stable_sort(h.draws.begin(), h.draws.end(), [](const Draw& a, const Draw& b) {
            return a.date->key() < b.date->key();
        });
        if (partial) *partial = PartialDates::None;
        return DrawOrder::ByDate;
    }
    const PartialDates dated = dated_order(h);
    if (partial) *partial = dated;
    // Draw numbers that fall from line to line (the last one at least 1, so none is 0) say the
    // file runs newest first.
    const auto not_falling = [](const Draw& a, const Draw& b) {
        return a.counter <= b.counter && a.line != b.line;
    };
    const bool numbers_fall =
        h.draws.size() >= 2 && h.draws.back().counter != 0 &&
        std::adjacent_find(h.draws.begin(), h.draws.end(), not_falling) == h.draws.end();
    const bool dates_fall = dated == PartialDates::NewestFirst,
               dates_rise = dated == PartialDates::OldestFirst;
    if (!newest_first && (dates_rise || (!dates_fall && !numbers_fall)))
        return DrawOrder::AsWritten;
    reverse_lines(h);
    return DrawOrder::Reversed;
}

void keep_latest(History& h, uint32_t count) {
    if (h.draws.size() > count)
        h.draws.erase(h.draws.begin(), h.draws.end() - static_cast<std::ptrdiff_t>(count));
}

void keep_since(History& h, const DrawDate& since) {
    const auto first = std::find_if(h.draws.begin(), h.draws.end(), [&](const Draw& d) {
        return d.date && d.date->key() >= since.key();
    });
    h.draws.erase(h.draws.begin(), first);
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
