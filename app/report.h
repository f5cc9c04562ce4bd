// The count report: four lines on the run's time and the stored count.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lotto {

// "Active filters", "Job done in:<t> seconds", "Full system 15380937 combinations",
// "Number of filtered combinations:<count>".
std::array<std::string, 4> report_lines(double seconds, uint32_t count);

// The same for the game 7/highest: its full system C(highest, 7) on the third line.
std::array<std::string, 4> report_lines(double seconds, uint32_t count, uint32_t highest);

// The four lines joined by a single CR each (no line feed), as the message box shows them.
std::string report_text(double seconds, uint32_t count);

} // namespace lotto
