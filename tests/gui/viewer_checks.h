// What the combination viewer shows: its labels and the lines of the current page.
#pragma once

#include "tests/gui/oracle.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace gui {

// Record number i (1-based) of the stored result.
using RecordAt = std::function<Combination(uint32_t)>;

// Labels 1736 to 1741 for this count, the rectangles, fonts and styles of the viewer.
void expect_viewer_frame(HWND main, HWND viewer, uint32_t count);

// The viewer shows page `page` of `count` records: label 1741 and every line of the list.
void expect_page(HWND viewer, uint32_t page, uint32_t count, const RecordAt& record);

// Clicks a navigation button and checks the page shown afterwards.
void navigate(HWND viewer, int button, uint32_t page, uint32_t count, const RecordAt& record);

} // namespace gui
