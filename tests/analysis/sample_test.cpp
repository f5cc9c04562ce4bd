#include "analysis/sample.h"

#include <gtest/gtest.h>
