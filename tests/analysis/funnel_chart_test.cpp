// The funnel's chart: one bar for every combination when no filter is active, and a logarithmic
// axis only where the counts span enough for a linear one to hide the small bars.
#include "analysis/charts.h"

#include <gtest/gtest.h>

#include <utility>

namespace lotto {
namespace {

TEST(FunnelChart, NoActiveFilterDrawsTheWholeGameToTheTopOfItsAxis) {
    Settings none;
    init_defaults(none, 20);
    const BarChart chart = funnel_chart(filter_funnel(none, 20));
    ASSERT_EQ(chart.bars.size(), 1u);
    EXPECT_EQ(chart.bars[0].label, "no filter");
    EXPECT_EQ(chart.bars[0].value, 77520.0); // C(20, 7)
    const std::string svg = svg_document(chart);
    EXPECT_NE(svg.find("text-anchor=\"end\">80000</text>"), std::string::npos) << svg;
    // 77520 of the axis's 80000: the bar stands 333.34 of the plot's 344 high
    EXPECT_NE(svg.find("class=\"mark\" x=\"222.00\" y=\"66.66\""), std::string::npos) << svg;
}

TEST(FunnelChart, TakesALogarithmicAxisOnlyForCountsFarApart) {
    struct Case {
        uint32_t maximum_sum; // of 28..119 in 7/20, after a minimum of 40
        bool log_scale;
    };
    for (const Case& c : {Case{100, false}, Case{45, true}}) {
        Settings s;
        init_defaults(s, 20);
        for (auto [k, value] : {std::pair{1, 40u}, std::pair{2, c.maximum_sum}}) {
            turn_filter_on(s, k);
            set_parameter(s, k, value);
        }
        const BarChart chart = funnel_chart(filter_funnel(s, 20));
        EXPECT_EQ(chart.log_scale, c.log_scale) << c.maximum_sum;
        EXPECT_EQ(chart.y_label,
                  c.log_scale ? "combinations kept (log scale)" : "combinations kept");
    }
}

} // namespace
} // namespace lotto
