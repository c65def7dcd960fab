// The pattern bank text: exact layout, round trip, and every refusal.
#include "files/bank_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "platform/base/numbers.h"
#include "tests/files/files_fixture.h"

namespace {

using bank::BankValues;
using filestest::RandomBank;
using filestest::StartupBank;

TEST(BankFormat, StartupBankHasTheExactLayout) {
  const std::string text = bank::WriteBank(StartupBank());
  EXPECT_EQ(text.size(), 72694u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '*'), 36323);
  EXPECT_EQ(text.back(), '*');
  std::string head = "120*Octaves*0*";
  for (int row = 1; row <= 10; ++row) head += "255*255*";
  head += "1*0*0*0*";
  EXPECT_EQ(text.substr(0, head.size()), head);
  // Each pattern: the meter cell 1 with its spare velocity 0, then 362 pairs 0, 0.
  const auto pieces = fw::Split(text, "*");
  ASSERT_EQ(pieces.size(), 36324u);
  EXPECT_EQ(pieces.back(), "");
  for (int p = 1; p <= 50; ++p) {
    const int at = bank::ValueIndexOfCell(p, 0, 0);
    EXPECT_EQ(pieces[at], "1");
    for (int i = at + 1; i < at + 726; ++i) ASSERT_EQ(pieces[i], "0") << i;
  }
}

TEST(BankFormat, CellsStandAtTheirPositions) {
  EXPECT_EQ(bank::ValueIndexOfCell(1, 0, 0), 23);
  EXPECT_EQ(bank::ValueIndexOfCell(1, 0, 1), 25);
  EXPECT_EQ(bank::ValueIndexOfCell(1, 1, 1), 91);
  EXPECT_EQ(bank::ValueIndexOfCell(2, 0, 0), 749);
  EXPECT_EQ(bank::ValueIndexOfCell(50, 10, 32), 36321);

  BankValues v = StartupBank();
  v.hit(7, 3, 5) = 1;
  v.velocity(7, 3, 5) = 50;
  v.hit(50, 10, 32) = 1;
  v.velocity(50, 10, 32) = 10;
  v.hit(4, 0, 0) = 3;  // the meter cell travels with its pattern
  v.colors[2] = {255, 150};
  const auto pieces = fw::Split(bank::WriteBank(v), "*");
  const int cell = bank::ValueIndexOfCell(7, 3, 5);
  EXPECT_EQ(pieces[cell] + "," + pieces[cell + 1], "1,50");
  EXPECT_EQ(pieces[36321] + "," + pieces[36322], "1,10");
  EXPECT_EQ(pieces[23 + 2 * (3 * 363)], "3");
  EXPECT_EQ(pieces[7] + "," + pieces[8], "255,150");
}

TEST(BankFormat, WrittenBanksReadBackUnchanged) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    const BankValues v = RandomBank(seed);
    BankValues back;
    std::string why;
    ASSERT_TRUE(bank::ReadBank(bank::WriteBank(v), back, why)) << why;
    EXPECT_EQ(back, v);
  }
}

// A valid start-up bank text with the value at `index` replaced.
std::string With(int index, const std::string& value) {
  return filestest::WithValue(bank::WriteBank(StartupBank()), index, value);
}

TEST(BankFormat, TextsThatStillRead) {
  const BankValues v = RandomBank(9);
  const std::string text = bank::WriteBank(v);
  BankValues out;
  std::string why;
  for (const std::string& variant :
       {text.substr(0, text.size() - 1),  // no final "*"
        text + "trailing text*and more*", text + "\n", text.substr(0, text.size() - 1) + "\r\n"}) {
    EXPECT_TRUE(bank::ReadBank(variant, out, why)) << why;
    EXPECT_EQ(out, v);
  }
  // Any interval-mode text is taken as it stands; so is a swing level the
  // arrows never give, a step value other than 0 or 1, and whatever whole
  // number a spare cell holds.
  BankValues odd = v;
  odd.mode = std::string(64, 'Q');  // as long as a mode text may be
  odd.swing = "12";
  odd.hit(3, 2, 4) = 2;
  odd.hit(2, 0, 5) = -7;
  odd.hit(2, 0, 6) = INT32_MIN;
  ASSERT_TRUE(bank::ReadBank(bank::WriteBank(odd), out, why)) << why;
  EXPECT_EQ(out, odd);
  // Blanks from hand editing around a number do no harm; the tempo and swing
  // texts lose them (a leading line break would otherwise read as tempo 0 and
  // swing 0 wherever the texts are read).
  std::string blanks = With(0, "\n96 ");
  blanks = blanks.replace(blanks.find("*0*"), 3, "*\r\n3\n*");  // the swing level
  ASSERT_TRUE(bank::ReadBank(blanks, out, why)) << why;
  EXPECT_EQ(out.tempo, "96");
  EXPECT_EQ(out.swing, "3");
}

TEST(BankFormat, UnusableBanksAreRefusedWithAReason) {
  const std::string full = bank::WriteBank(StartupBank());
  const int cell = bank::ValueIndexOfCell(3, 2, 4);
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {"", "holds 0 values"},
      {full.substr(0, full.size() - 2), "holds 36322 values"},  // last value gone
      {With(0, "0"), "tempo \"0\""},
      {With(0, "fast"), "tempo \"fast\""},
      {With(2, "slow"), "swing level \"slow\""},
      {With(3, "256"), "pan colour of row 1"},
      {With(22, "-1"), "pan colour of row 10"},
      {With(bank::ValueIndexOfCell(1, 0, 0), "0"), "pattern 1 has the length code 0"},
      {With(bank::ValueIndexOfCell(50, 0, 0), "5"), "pattern 50 has the length code 5"},
      {With(cell + 1, "101"), "velocity of pattern 3, row 2, step 4 is 101"},
      {With(cell, "12abc"), "not a whole number"},
      {With(cell, "99999999999"), "is a whole number beyond -2147483648 to 2147483647"},
      {With(cell + 1, "-2147483649"), "is a whole number beyond -2147483648 to 2147483647"},
      {With(cell + 1, "-2147483648"), "is -2147483648, which is not 0 to 100"},
      {With(0, "99999999999"), "tempo \"99999999999\" is a whole number beyond"},
      // A text no label can show would only slow every repaint down.
      {With(0, std::string(70, '0') + "120"),
       "tempo \"00000000000000000000...\" is longer than 64"},
      {With(1, std::string(65, 'M')),
       "interval mode \"MMMMMMMMMMMMMMMMMMMM...\" is longer than 64"},
      {With(2, std::string(65, '1')), "swing level \"11111111111111111111...\" is longer than 64"},
      {With(36322, "1 0"), "not a whole number"},
  };
  const BankValues before = RandomBank(4);
  for (const auto& c : cases) {
    BankValues out = before;
    std::string why;
    EXPECT_FALSE(bank::ReadBank(c.text, out, why)) << c.reason;
    EXPECT_NE(why.find(c.reason), std::string::npos) << "reason: " << why;
    EXPECT_EQ(out, before) << c.reason;
  }
}

}  // namespace
