#include "analysis/backtest.h"
