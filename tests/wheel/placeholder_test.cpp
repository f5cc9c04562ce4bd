#include <gtest/gtest.h>
TEST(Wheel, Builds) { SUCCEED(); }
