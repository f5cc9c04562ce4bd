#include "app/win32/main_layout.h"

#include "app/catalogue.h"
#include "app/format.h"
#include "app/pick.h"

#include <cassert>

namespace lotto::win::main_layout {

namespace {

const CheckColumn& column_of(int k) {
    for (const CheckColumn& c : CheckColumns)
        if (k >= c.first && k <= c.last) return c;
    assert(false && "every filter has a check box");
    return CheckColumns[0];
}

short check_box_width(int k) {
    for (const CheckWidth& c : CheckWidths)
        if (k >= c.first && k <= c.last) return c.w;
    assert(false && "every filter has a width");
    return 0;
}

short parameter_x(int k) {
    for (const ParameterColumn& c : ParameterColumns)
        if (k >= c.first && k <= c.last) return c.x;
    assert(false && "every filter lies in a column");
    return 0;
}

// Row y of filter k's check box (and of its parameter button).
short filter_row(int k) {
    const CheckColumn& c = column_of(k);
    return static_cast<short>(c.y + RowHeight * (k - c.first));
}

std::string caption(int32_t value) {
    return format_plain(static_cast<uint64_t>(value < 0 ? 0 : value));
}

void add_array_buttons(std::vector<Placement>& out, const ArrayBlock& block,
                       const int32_t* values) {
    for (int i = 0; i < block.size; ++i) {
        const DialogRect rect = {static_cast<short>(block.x + ArrayW * (i % ArrayPerRow)),
                                 static_cast<short>(block.y + ArrayH * (i / ArrayPerRow)), ArrayW,
                                 ArrayH};
        out.push_back({ControlKind::Button, block.first_id + i, rect, caption(values[i])});
    }
}

} // namespace

std::vector<Placement> main_window_controls(const Settings& s) {
    std::vector<Placement> out;
    out.reserve(160);
    for (int k = 1; k <= FilterCount; ++k)
        out.push_back({ControlKind::CheckBox,
                       1000 + k,
                       {column_of(k).x, filter_row(k), check_box_width(k), RowHeight},
                       std::string(filter_label(k))});
    for (int k = 1; k <= FilterCount; ++k) {
        if (s.highest_offered[k] <= 0) continue; // no parameter, no button
        out.push_back({ControlKind::Button,
                       FirstParameterButton + k - 1,
                       {parameter_x(k), filter_row(k), ParameterW, ParameterH},
                       caption(s.lowest_offered[k])});
    }
    for (int r = 1; r <= RangeCount; ++r) {
        const short y = static_cast<short>(RangeY + RowHeight * (r - 1));
        const Range& entered = s.entered[r - 1];
        out.push_back({ControlKind::Button,
                       RangeStartButtonBase + 10 * r,
                       {RangeStartX, y, RangeW, RangeH},
                       caption(entered.start)});
        out.push_back({ControlKind::Button,
                       RangeEndButtonBase + 10 * r,
                       {RangeEndX, y, RangeW, RangeH},
                       caption(entered.end)});
    }
    add_array_buttons(out, Array7Block, s.array7.data());
    add_array_buttons(out, Array15Block, s.array15.data());
    for (const CommandButton* b : {&QuitButton, &CountButton}) {
        out.push_back({ControlKind::Button, b->id, b->rect, b->caption});
    }
    out.push_back({ControlKind::Banner, Banner, BannerRect, BannerText});
    out.push_back(
        {ControlKind::Button, TurnOffButton.id, TurnOffButton.rect, TurnOffButton.caption});
    return out;
}

} // namespace lotto::win::main_layout
