// The main window's controls: how many, in which order, where, and with which captions.
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

struct Spot {
    int id;
    DialogRect rect;
    const char* caption;
};

// A few controls of every kind and column; the GUI tests sweep all of them under Wine.
TEST(MainLayout, PositionsAndCaptions) {
    const auto all = controls();
    const Spot spots[] = {
        {1001, {20, 10, 145, 15}, "01) Minimum amount of numbers "},
        {1025, {20, 370, 135, 15}, "25) Minimum 3 numbers groups"},
        {1035, {245, 145, 175, 15}, "35) Maximum the same last digits"},
        {1045, {245, 295, 100, 15}, "45) Maximum in range E2"},
        {1051, {495, 10, 125, 15}, "51) Maximum from array 3,6,9,12..."},
        {1062, {495, 175, 130, 15}, "62) Maximum numbers from 7 el. array"},
        {1063, {495, 220, 130, 15}, "63) Minimum numbers from 15 el. array"},
        {1101, {175, 10, 35, 15}, "0"},
        {1151, {630, 10, 35, 15}, "0"},
        {1164, {630, 285, 35, 15}, "0"},
        {1361, {345, 160, 35, 15}, "1"},
        {1362, {395, 160, 35, 15}, "9"},
        {1452, {395, 295, 35, 15}, "39"},
        {1621, {505, 190, 25, 15}, "0"},
        {1627, {530, 205, 25, 15}, "0"},
        {1631, {505, 235, 25, 15}, "0"},
        {1204, {495, 315, 135, 20}, "Turn off all filters"},
        {1179,
         {35, 385, 610, 20},
         "Tessel lottery 7/39 filtering DEMO application- Quorrel ver. 1.1 July 2012."},
    };
    for (const Spot& s : spots) {
        const Placement* p = find(all, s.id);
        ASSERT_NE(p, nullptr) << s.id;
        EXPECT_EQ(p->rect, s.rect) << s.id;
        EXPECT_EQ(p->caption, s.caption) << s.id;
    }
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
