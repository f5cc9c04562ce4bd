// The main window's controls: how many, in which order, that none overlaps another, and captions
// that follow the settings. Where each control stands and its caption at start-up, the GUI tests
// check for every control under Wine (tests/gui/scenarios.cpp, main_boxes).
#include "app/win32/main_layout.h"

#include "engine/settings.h"

#include <gtest/gtest.h>

#include <set>

namespace lotto::win::main_layout {
namespace {

std::vector<Placement> controls() {
    Settings s;
    init_defaults(s);
    return main_window_controls(s);
}

const Placement* find(const std::vector<Placement>& all, int id) {
    for (const Placement& p : all)
        if (p.id == id) return &p;
    return nullptr;
}

TEST(MainLayout, HasEveryControlOnceInCreationOrder) {
    const auto all = controls();
    ASSERT_EQ(all.size(), 64u + 49u + 20u + 7u + 15u + 4u);
    std::set<int> ids;
    for (const Placement& p : all) EXPECT_TRUE(ids.insert(p.id).second) << p.id;

    for (int k = 1; k <= 64; ++k) EXPECT_EQ(all[k - 1].id, 1000 + k);
    const std::pair<std::size_t, int> order[] = {{64, 1101},  {112, 1164}, {113, 1361}, {114, 1362},
                                                 {132, 1452}, {133, 1621}, {140, 1631}, {155, 1203},
                                                 {156, 1202}, {157, 1179}, {158, 1204}};
    for (const auto& [i, id] : order) EXPECT_EQ(all[i].id, id) << i;
}

TEST(MainLayout, NoTwoControlsOverlapAndAllFitTheWindow) {
    const auto all = controls();
    auto overlap = [](const DialogRect& a, const DialogRect& b) {
        return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
    };
    for (std::size_t i = 0; i < all.size(); ++i) {
        const DialogRect& r = all[i].rect;
        EXPECT_LE(r.x + r.w, WindowRect.w) << all[i].id;
        EXPECT_LE(r.y + r.h, WindowRect.h) << all[i].id;
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(overlap(r, all[j].rect)) << all[i].id << " and " << all[j].id;
    }
}

TEST(MainLayout, CaptionsFollowTheSettings) {
    Settings s;
    init_defaults(s);
    s.entered[0] = {20, 9}; // a refused pair still shows what was picked
    set_array7_entry(s, 3, 12);
    set_array15_entry(s, 15, 39);
    const auto all = main_window_controls(s);
    for (const auto& [id, caption] :
         {std::pair{1361, "20"}, {1362, "9"}, {1623, "12"}, {1645, "39"}})
        EXPECT_EQ(find(all, id)->caption, caption) << id;
}

} // namespace
} // namespace lotto::win::main_layout
