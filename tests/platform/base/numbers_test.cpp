#include "platform/base/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

TEST(Val, ReadsTheLeadingDecimalNumberOrGivesZero) {
  const double huge = std::numeric_limits<double>::max();
  const std::pair<const char*, double> cases[] = {{"12abc", 12},   {" -3.5e2x", -350},
                                                  {"+4", 4},       {".5", 0.5},
                                                  {"5.", 5},       {"2e+x", 2},
                                                  {"1,5", 1},      {"120\r", 120},
                                                  {"1e400", huge}, {"-1e400", -huge},
                                                  {"", 0},         {"abc", 0},
                                                  {"-", 0},        {".", 0},
                                                  {" ", 0},        {"nan", 0},
                                                  {"inf", 0},      {"-infinity", 0},
                                                  {"0x1F", 0},     {"e5", 0},
                                                  {"1e-400", 0},   {"99999999999999999999", 1e20}};
  for (const auto& [text, value] : cases) EXPECT_EQ(fw::Val(text), value) << text;
}

TEST(ToInteger, RoundsHalfAwayFromZeroAndSaturates) {
  const int32_t top = std::numeric_limits<int32_t>::max(),
                bottom = std::numeric_limits<int32_t>::min();
  const std::pair<double, int32_t> cases[] = {
      {127.5, 128},        {127.49, 127},       {-2.5, -3},
      {-2.4, -2},          {1e20, top},         {-1e20, bottom},
      {2147483647.4, top}, {2147483647.5, top}, {std::numeric_limits<double>::infinity(), top},
      {std::nan(""), 0}};
  for (const auto& [value, integer] : cases) EXPECT_EQ(fw::ToInteger(value), integer) << value;
}

TEST(Text, EqualityIgnoresAsciiCaseOnly) {
  EXPECT_TRUE(fw::TextEquals("c", "C"));
  EXPECT_TRUE(fw::TextEquals("Empty", "EMPTY"));
  EXPECT_TRUE(fw::TextEquals("", ""));
  EXPECT_FALSE(fw::TextEquals("Empty", "Empty "));
  EXPECT_FALSE(fw::TextEquals("@", "`"));  // neighbours of the letter ranges
  EXPECT_FALSE(fw::TextEquals("[", "{"));
  EXPECT_FALSE(fw::TextEquals("\xC3\xA9", "\xC3\x89"));  // é and É differ
}

TEST(Text, FieldsAndPieces) {
  EXPECT_EQ(fw::NthField("a*b*c", "*", 2), "b");
  EXPECT_EQ(fw::NthField("a*b*c", "*", 3), "c");
  EXPECT_EQ(fw::NthField("a*b*c", "*", 4), "");
  EXPECT_EQ(fw::NthField("a*b*c", "*", 0), "");
  EXPECT_EQ(fw::NthField("a::b", "::", 2), "b");
  EXPECT_EQ(fw::NthField("abc", "*", 1), "abc");
  EXPECT_EQ(fw::NthField("*x", "*", 1), "");

  EXPECT_EQ(fw::Split("a*b*", "*"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_EQ(fw::Split("", "*"), (std::vector<std::string>{""}));
  EXPECT_EQ(fw::Split("1\r2\r", "\r"), (std::vector<std::string>{"1", "2", ""}));
  EXPECT_EQ(fw::Split("a::b", "::"), (std::vector<std::string>{"a", "b"}));

  EXPECT_EQ(fw::Left("abc", 2) + fw::Left("abc", 9) + fw::Left("abc", -1), "ababc");
  EXPECT_EQ(fw::Right("abc", 2) + fw::Right("abc", 9) + fw::Right("abc", 0), "bcabc");
  EXPECT_EQ(fw::Chr(8), "\b");
  EXPECT_EQ(fw::Chr(255), "\xFF");
  EXPECT_EQ(fw::Chr(0x20AC), "\xE2\x82\xAC");
  EXPECT_EQ(fw::Chr(-1), "");
}

TEST(Random, StaysInRangeAndCoversItEvenly) {
  fw::Random r(42);
  int counts[3] = {0, 0, 0};
  const int n = 30000;
  for (int i = 0; i < n; ++i) {
    const int v = r.InRange(1, 3);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 3);
    ++counts[v - 1];
  }
  for (int c : counts) EXPECT_NEAR(c, n / 3, n / 30);

  for (int i = 0; i < 1000; ++i) EXPECT_EQ(r.InRange(7, 7), 7);
  // The full range must neither overflow nor hang.
  for (int i = 0; i < 1000; ++i) r.InRange(INT_MIN, INT_MAX);
  for (int i = 0; i < 1000; ++i) {
    const int v = r.InRange(5, -5);  // reversed bounds mean the same range
    ASSERT_GE(v, -5);
    ASSERT_LE(v, 5);
  }
}

TEST(Random, UnseededGeneratorsDiffer) {
  fw::Random a, b;
  int same = 0;
  for (int i = 0; i < 64; ++i) same += a.InRange(0, 1000000) == b.InRange(0, 1000000);
  EXPECT_LT(same, 4);
}

}  // namespace
