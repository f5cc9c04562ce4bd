// The funnel's chart: one bar for every combination when no filter is active, drawn to the top of
// its axis, and a logarithmic axis only where the counts span enough for a linear one to hide the
// small bars.
#include "analysis/charts.h"

#include <gtest/gtest.h>

#include <utility>

namespace lotto {
namespace {

TEST(FunnelChart, WholeGameBarAndLogarithmicAxisOnlyForCountsFarApart) {
    Settings s;
    init_defaults(s, 20);
    const BarChart none = funnel_chart(filter_funnel(s, 20));
    ASSERT_EQ(none.bars.size(), 1u);
    EXPECT_EQ(std::pair(none.bars[0].label, none.bars[0].value),
              std::pair(std::string("no filter"), 77520.0));
    const std::string svg = svg_document(none);
    EXPECT_NE(svg.find("text-anchor=\"end\">80000</text>"), std::string::npos) << svg;
    // 77520 of the axis's 80000: the bar stands 333.34 of the plot's 344 high
    EXPECT_NE(svg.find("class=\"mark\" x=\"222.00\" y=\"66.66\""), std::string::npos) << svg;
    // sums of 28..119 in 7/20: at least 40, then at most 100 or 45
    turn_filter_on(s, 1), set_parameter(s, 1, 40), turn_filter_on(s, 2);
    for (const auto& [maximum_sum, label] :
         {std::pair{100u, "combinations kept"}, std::pair{45u, "combinations kept (log scale)"}}) {
        set_parameter(s, 2, maximum_sum);
        const BarChart chart = funnel_chart(filter_funnel(s, 20));
        EXPECT_EQ(std::pair(chart.log_scale, chart.y_label),
                  std::pair(maximum_sum == 45, std::string(label)));
    }
}

} // namespace
} // namespace lotto
