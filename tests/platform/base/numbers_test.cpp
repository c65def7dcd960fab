#include "platform/base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Val, ReadsTheLeadingDecimalNumberOrGivesZero) {
  const double huge = std::numeric_limits<double>::max();
  const std::pair<const char*, double> cases[] = {
      {"12abc", 12}, {" -3.5e2x", -350}, {".5", 0.5},     {"2e+x", 2},
      {"1,5", 1},    {"120\r", 120},     {"1e400", huge}, {"-1e400", -huge},
      {"", 0},       {"abc", 0},         {"nan", 0},      {"inf", 0},
      {"0x1F", 0},   {"e5", 0},          {"1e-400", 0},   {"99999999999999999999", 1e20}};
  for (const auto& [text, value] : cases) EXPECT_EQ(fw::Val(text), value) << text;
}

TEST(ToInteger, RoundsHalfAwayFromZeroAndSaturates) {
  const int32_t top = std::numeric_limits<int32_t>::max(),
                bottom = std::numeric_limits<int32_t>::min();
  const std::pair<double, int32_t> cases[] = {
      {127.5, 128},      {127.49, 127},
      {-2.5, -3},        {-2.4, -2},
      {-1e20, bottom},   {2147483647.5, top},
      {std::nan(""), 0}, {std::numeric_limits<double>::infinity(), top}};
  for (const auto& [value, integer] : cases) EXPECT_EQ(fw::ToInteger(value), integer) << value;
}

TEST(Text, EqualityIgnoresAsciiCaseOnly) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"Empty", "EMPTY", true},   {"", "", true},
      {"Empty", "Empty ", false}, {"@", "`", false},  // neighbours of the letter ranges
      {"[", "{", false},          {"\xC3\xA9", "\xC3\x89", false}};  // é and É differ
  for (const auto& [a, b, equal] : cases) EXPECT_EQ(fw::TextEquals(a, b), equal) << a << b;
}

TEST(Random, CoversItsRangeEvenly) {
  fw::Random r(42);
  int counts[3] = {0, 0, 0};
  const int n = 30000;
  for (int i = 0; i < n; ++i) {
    const int v = r.InRange(1, 3);
    ASSERT_TRUE(v >= 1 && v <= 3) << v;
    ++counts[v - 1];
  }
  for (int c : counts) EXPECT_NEAR(c, n / 3, n / 30);
}

}  // namespace
