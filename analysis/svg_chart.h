// Bar charts as standalone SVG documents: one bar (class "mark") per category, with what chance
// alone gives as a line (class "expected") and its 95% range as a shaded band (class "band"),
// labelled axes and a title. Text only; writing the file is the caller's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lotto {

struct ChartBar {
    std::string label;               // under the bar
    double value = 0;                // the bar's height
    std::optional<double> expected;  // by chance
    std::optional<double> low, high; // the 95% range by chance
    std::optional<double> second;    // a tick beside the bar (class "second")
};

struct BarChart {
    std::string title;
    std::string x_label, y_label;
    std::string legend;       // one line under the x axis label, e.g. what the line and band are
    bool log_scale = false;   // a logarithmic y axis (values below 1 sit on the axis)
    bool whole_ticks = false; // ticks at whole numbers only (counts)
    std::vector<ChartBar> bars;
};

// The chart as an SVG document.
std::string svg_document(const BarChart& chart);

// The text with &, <, >, " and ' written as XML entities.
std::string xml_escaped(std::string_view text);

} // namespace lotto
