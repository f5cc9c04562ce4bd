#include "tests/gui/main_window_layout.h"

#include "app/catalogue.h"

namespace gui {

namespace {

int checkbox_width(int k) {
    struct Span {
        int first, last, width;
    };
    static constexpr Span widths[] = {
        {1, 1, 145},   {2, 4, 150},   {5, 6, 155},   {7, 13, 135},  {14, 14, 145}, {15, 30, 135},
        {31, 31, 140}, {32, 33, 135}, {34, 34, 155}, {35, 35, 175}, {36, 37, 100}, {38, 38, 95},
        {39, 39, 100}, {40, 40, 95},  {41, 41, 100}, {42, 42, 95},  {43, 43, 100}, {44, 44, 95},
        {45, 45, 100}, {46, 57, 125}, {58, 61, 140}, {62, 64, 130},
    };
    for (const Span& s : widths)
        if (k >= s.first && k <= s.last) return s.width;
    return 0;
}

int row_y(int k) {
    if (k <= 25) return 10 + 15 * (k - 1);
    if (k <= 50) return 10 + 15 * (k - 26);
    if (k <= 62) return 10 + 15 * (k - 51);
    return k == 63 ? 220 : 285;
}

int column_x(int k) { return k <= 25 ? 20 : k <= 50 ? 245 : 495; }

} // namespace

bool filter_has_parameter_button(int k) {
    return (k >= 1 && k <= 18) || (k >= 21 && k <= 28) || (k >= 32 && k <= 51) ||
           (k >= 62 && k <= 64);
}

std::vector<Control> main_window_controls() {
    std::vector<Control> out;
    for (int k = 1; k <= 64; ++k)
        out.push_back({Kind::CheckBox,
                       {1000 + k, column_x(k), row_y(k), checkbox_width(k), 15},
                       std::string(lotto::filter_label(k))});
    for (int k = 1; k <= 64; ++k)
        if (filter_has_parameter_button(k))
            out.push_back({Kind::Button,
                           {1100 + k,
                            k <= 25   ? 175
                            : k <= 50 ? 440
                                      : 630,
                            row_y(k), 35, 15},
                           "0"});
    static constexpr int range_bounds[10][2] = {{1, 9},   {1, 9},   {10, 19}, {10, 19}, {20, 29},
                                                {20, 29}, {30, 35}, {30, 35}, {36, 39}, {36, 39}};
    for (int r = 1; r <= 10; ++r) {
        const int y = 160 + 15 * (r - 1);
        out.push_back({Kind::Button,
                       {1351 + 10 * r, 345, y, 35, 15},
                       std::to_string(range_bounds[r - 1][0])});
        out.push_back({Kind::Button,
                       {1352 + 10 * r, 395, y, 35, 15},
                       std::to_string(range_bounds[r - 1][1])});
    }
    for (int i = 1; i <= 7; ++i)
        out.push_back({Kind::Button,
                       {1620 + i, 505 + 25 * ((i - 1) % 5), 190 + 15 * ((i - 1) / 5), 25, 15},
                       "0"});
    for (int i = 1; i <= 15; ++i)
        out.push_back({Kind::Button,
                       {1630 + i, 505 + 25 * ((i - 1) % 5), 235 + 15 * ((i - 1) / 5), 25, 15},
                       "0"});
    out.push_back({Kind::Button, {1203, 495, 355, 135, 20}, "Quit"});
    out.push_back({Kind::Button, {1202, 495, 335, 135, 20}, "Count and store"});
    out.push_back({Kind::Banner,
                   {1179, 35, 385, 610, 20},
                   "Tessel lottery 7/39 filtering DEMO application- Quorrel ver. 1.1 July 2012."});
    out.push_back({Kind::Button, {1204, 495, 315, 135, 20}, "Turn off all filters"});
    return out;
}

} // namespace gui
