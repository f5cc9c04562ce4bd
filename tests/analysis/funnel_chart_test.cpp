// The funnel's chart when no filter is active: one bar for every combination, on an axis that
// reaches it.
#include "analysis/charts.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

TEST(FunnelChart, NoActiveFilterDrawsTheWholeGameOnItsDecade) {
    Settings none;
    init_defaults(none, 20);
    const BarChart chart = funnel_chart(filter_funnel(none, 20));
    ASSERT_EQ(chart.bars.size(), 1u);
    EXPECT_EQ(chart.bars[0].label, "no filter");
    EXPECT_EQ(chart.bars[0].value, 77520.0); // C(20, 7)
    const std::string svg = svg_document(chart);
    EXPECT_NE(svg.find("text-anchor=\"end\">100000</text>"), std::string::npos) << svg;
    // log10(77520) = 4.889 of the five decades: the bar stands 336.39 of the plot's 344 high
    EXPECT_NE(svg.find("class=\"mark\" x=\"222.00\" y=\"63.61\""), std::string::npos) << svg;
}

} // namespace
} // namespace lotto
