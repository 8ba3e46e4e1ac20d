#include <gtest/gtest.h>
TEST(Placeholder, Builds2) { EXPECT_TRUE(true); }
