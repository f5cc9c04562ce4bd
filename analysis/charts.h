// The charts of the analyses: the history's number frequencies, the back-test's shares and the
// filter funnel's counts, as bar charts for svg_document.
#pragma once

#include "analysis/backtest.h"
#include "analysis/history_stats.h"
#include "analysis/svg_chart.h"
#include "engine/funnel.h"

namespace lotto {

// One bar per number: how many draws held it, the expectation draws * 7 / N as a line and the
// binomial 95% range of a number's count by chance as a band.
BarChart frequency_chart(const HistoryStats& h);

// One bar per active filter and one for all of them: the share of the draws it keeps, in percent,
// with its share of all combinations as the line and the binomial 95% range of the draws' share
// by chance as a band.
BarChart backtest_chart(const Backtest& b);
// The same with each filter's bar labelled by its parameter in s, as -f writes it ("1=100").
BarChart backtest_chart(const Backtest& b, const Settings& s);

// One bar per active filter: the combinations it and the filters before it keep, on a logarithmic
// axis, with a tick at what it keeps alone; with no filter active, one bar of every combination.
BarChart funnel_chart(const Funnel& f);

} // namespace lotto
