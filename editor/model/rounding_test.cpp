#include "editor/model/rounding.h"

#include <gtest/gtest.h>

namespace fseq {
namespace {

TEST(Rounding, HalfEvenRoundsTiesToTheEvenNeighbour) {
  struct Case {
    double value;
    std::int64_t expected;
  };
  const Case cases[] = {{0.5, 0},      {1.5, 2},     {2.5, 2},    {-0.5, 0},
                        {-1.5, -2},    {-2.5, -2},   {2.4999, 2}, {2.5001, 3},
                        {-2.5001, -3}, {477.6, 478}, {0.0, 0},    {-0.2, 0}};
  for (const Case& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(Rounding, TruncateDropsTheFraction) {
  EXPECT_EQ(truncate(2.9), 2);
  EXPECT_EQ(truncate(-2.9), -2);
  EXPECT_EQ(truncate(-0.25), 0);
}

}  // namespace
}  // namespace fseq
