// The pattern bank text: exact layout, round trip, and every refusal.
#include "files/bank_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/numbers.h"

namespace {

using bank::BankValues;

// The bank of a program that has just started without a default bank.
BankValues StartupBank() {
  BankValues v;
  for (auto& c : v.colors) c = {255, 255};
  for (int p = 1; p <= 50; ++p) v.hit(p, 0, 0) = 1;
  return v;
}

BankValues RandomBank(uint32_t seed) {
  std::mt19937 rng(seed);
  BankValues v;
  v.tempo = fw::Str(40 + rng() % 136);
  v.mode = "SemiTones";
  v.swing = fw::Str(rng() % 9);
  const int pans[5][2] = {{255, 0}, {255, 150}, {255, 255}, {150, 255}, {0, 255}};
  for (auto& c : v.colors) {
    const auto& pan = pans[rng() % 5];
    c = {pan[0], pan[1]};
  }
  const int velocities[3] = {100, 50, 10};
  for (int p = 1; p <= 50; ++p) {
    v.hit(p, 0, 0) = 1 + static_cast<int>(rng() % 4);
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s)
        if (rng() % 5 == 0) {
          v.hit(p, r, s) = 1;
          v.velocity(p, r, s) = velocities[rng() % 3];
        }
  }
  return v;
}

std::vector<std::string> Pieces(const std::string& text) { return fw::Split(text, "*"); }

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
  const auto pieces = Pieces(text);
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
  const auto pieces = Pieces(bank::WriteBank(v));
  EXPECT_EQ(pieces[bank::ValueIndexOfCell(7, 3, 5)], "1");
  EXPECT_EQ(pieces[bank::ValueIndexOfCell(7, 3, 5) + 1], "50");
  EXPECT_EQ(pieces[36321], "1");
  EXPECT_EQ(pieces[36322], "10");
  EXPECT_EQ(pieces[23 + 2 * (3 * 363)], "3");
  EXPECT_EQ(pieces[7], "255");
  EXPECT_EQ(pieces[8], "150");
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

TEST(BankFormat, EndingsThatStillRead) {
  const BankValues v = RandomBank(9);
  const std::string text = bank::WriteBank(v);
  for (const std::string& variant :
       {text.substr(0, text.size() - 1),  // no final "*"
        text + "trailing text*and more*", text + "\n", text.substr(0, text.size() - 1) + "\r\n"}) {
    BankValues back;
    std::string why;
    EXPECT_TRUE(bank::ReadBank(variant, back, why)) << why;
    EXPECT_EQ(back, v);
  }
  // Any interval-mode text is taken as it stands.
  BankValues odd = v;
  odd.mode = "Quarter Tones";
  BankValues back;
  std::string why;
  ASSERT_TRUE(bank::ReadBank(bank::WriteBank(odd), back, why));
  EXPECT_EQ(back.mode, "Quarter Tones");
}

// Replaces the value at `index` of a valid bank text.
std::string WithValue(int index, const std::string& value) {
  auto pieces = Pieces(bank::WriteBank(StartupBank()));
  pieces[index] = value;
  std::string out;
  for (size_t i = 0; i + 1 < pieces.size(); ++i) out += pieces[i] + "*";
  return out;
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
      {WithValue(0, "0"), "tempo \"0\""},
      {WithValue(0, "fast"), "tempo \"fast\""},
      {WithValue(2, "slow"), "swing level \"slow\""},
      {WithValue(3, "256"), "pan colour of row 1"},
      {WithValue(22, "-1"), "pan colour of row 10"},
      {WithValue(bank::ValueIndexOfCell(1, 0, 0), "0"), "pattern 1 has the length code 0"},
      {WithValue(bank::ValueIndexOfCell(50, 0, 0), "5"), "pattern 50 has the length code 5"},
      {WithValue(cell + 1, "101"), "velocity of pattern 3, row 2, step 4 is 101"},
      {WithValue(cell, "12abc"), "not a whole number"},
      {WithValue(cell, "99999999999"), "not a whole number"},
      {WithValue(36322, "1 0"), "not a whole number"},
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

TEST(BankFormat, SpareCellsAndBlanksAroundNumbersAreTaken) {
  // Spare cells carry whatever whole number they hold; blanks from hand editing
  // around a number do no harm.
  std::string text = WithValue(bank::ValueIndexOfCell(2, 0, 5), "-7");
  BankValues out;
  std::string why;
  ASSERT_TRUE(bank::ReadBank(text, out, why)) << why;
  EXPECT_EQ(out.hit(2, 0, 5), -7);
  // The tempo and swing texts lose those blanks: a leading line break would
  // otherwise read as tempo 0 and swing 0 wherever the texts are read.
  std::string blanks = WithValue(0, "\n96 ");
  blanks = blanks.replace(blanks.find("*0*"), 3, "*\r\n3\n*");  // the swing level
  ASSERT_TRUE(bank::ReadBank(blanks, out, why)) << why;
  EXPECT_EQ(out.tempo, "96");
  EXPECT_EQ(out.swing, "3");
  // A swing level the arrows never give and a step value other than 0 or 1
  // load as they stand: the first keeps the swing factors, the second is silent.
  ASSERT_TRUE(bank::ReadBank(WithValue(2, "12"), out, why)) << why;
  EXPECT_EQ(out.swing, "12");
  ASSERT_TRUE(bank::ReadBank(WithValue(bank::ValueIndexOfCell(3, 2, 4), "2"), out, why)) << why;
  EXPECT_EQ(out.hit(3, 2, 4), 2);
}

}  // namespace
