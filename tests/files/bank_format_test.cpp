// The pattern bank text: exact layout, round trip, and every refusal.
#include "files/bank_format.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/base/numbers.h"
#include "tests/files/files_fixture.h"

namespace {

using bank::BankValues;
using filestest::RandomBank;
using filestest::StartupBank;

TEST(BankFormat, ValuesStandAtTheirPlaces) {
  std::string text = bank::WriteBank(StartupBank());
  EXPECT_EQ(text.size(), 72694u);
  std::string head = "120*Octaves*0*";
  for (int row = 1; row <= 10; ++row) head += "255*255*";
  EXPECT_EQ(text.substr(0, head.size() + 8), head + "1*0*0*0*");  // meter, its spare velocity

  EXPECT_EQ(bank::ValueIndexOfCell(1, 1, 1), 91);
  EXPECT_EQ(bank::ValueIndexOfCell(2, 0, 0), 749);
  EXPECT_EQ(bank::ValueIndexOfCell(50, 10, 32), 36321);
  BankValues v = StartupBank();
  v.hit(7, 3, 5) = 1;
  v.velocity(7, 3, 5) = 50;
  v.hit(4, 0, 0) = 3;
  v.colors[2] = {255, 150};
  const auto pieces = fw::Split(bank::WriteBank(v), "*");
  const int cell = bank::ValueIndexOfCell(7, 3, 5);
  EXPECT_EQ(pieces[cell] + "," + pieces[cell + 1], "1,50");
  EXPECT_EQ(pieces[23 + 2 * (3 * 363)], "3");
  EXPECT_EQ(pieces[7] + "," + pieces[8], "255,150");
}

TEST(BankFormat, WrittenAndHandEditedTextsRead) {
  const BankValues v = RandomBank(9);
  const std::string text = bank::WriteBank(v);
  BankValues out;
  std::string why;
  for (const std::string& variant :
       {text, text.substr(0, text.size() - 1),  // no final "*"
        text + "trailing text*and more*", text.substr(0, text.size() - 1) + "\r\n"}) {
    EXPECT_TRUE(bank::ReadBank(variant, out, why)) << why;
    EXPECT_EQ(out, v);
  }
  // Any mode text is taken as it stands; so is a swing level the arrows never
  // give, a step value other than 0 or 1, and any whole number in a spare cell.
  BankValues odd = v;
  odd.mode = std::string(64, 'Q');
  odd.swing = "12";
  odd.hit(3, 2, 4) = 2;
  odd.hit(2, 0, 6) = INT32_MIN;
  for (auto [pattern, code] : {std::pair{5, 0}, {9, 5}, {30, 7}, {50, -3}})
    odd.hit(pattern, 0, 0) = code;  // a length code no button gives
  ASSERT_TRUE(bank::ReadBank(bank::WriteBank(odd), out, why)) << why;
  EXPECT_EQ(out, odd);
  // The tempo and swing texts lose the blanks around them (a leading line
  // break would otherwise read as tempo 0 and swing 0 where they are read).
  std::string blanks = filestest::WithValue(text, 0, "\n96 ");
  blanks = filestest::WithValue(blanks, 2, "\r\n3\n");
  ASSERT_TRUE(bank::ReadBank(blanks, out, why)) << why;
  EXPECT_EQ(out.tempo + "," + out.swing, "96,3");
}

TEST(BankFormat, UnusableBanksAreRefusedWithAReason) {
  const std::string full = bank::WriteBank(StartupBank());
  auto with = [&full](int index, const std::string& value) {
    return filestest::WithValue(full, index, value);
  };
  const int cell = bank::ValueIndexOfCell(3, 2, 4);
  std::string mode;
  for (int i = 0; i < 22; ++i) mode += "\u6a21";
  const std::pair<std::string, std::string> cases[] = {
      {full.substr(0, full.size() - 2), "holds 36322 values"},  // last value gone
      {with(2, "slow"), "swing level \"slow\""},
      {with(22, "-1"), "pan colour of row 10"},
      // 22 characters of three bytes each; a quote is cut before a character
      // that would not fit whole.
      {with(1, mode), "\"\u6a21\u6a21\u6a21\u6a21\u6a21\u6a21...\" is longer than 64 bytes."},
      {with(2, "0123456789abcdefghi\u20ac"), "swing level \"0123456789abcdefghi...\" is not"},
      {with(cell + 1, "101"), "velocity of pattern 3, row 2, step 4 is 101"},
      {with(cell, "99999999999"), "is a whole number beyond -2147483648 to 2147483647"},
      // A text no label can show would only slow every repaint down.
      {with(0, std::string(70, '0') + "120"), "tempo \"00000000000000000000...\" is longer"},
      {with(36322, "1 0"), "not a whole number"},
  };
  const BankValues before = RandomBank(4);
  for (const auto& [text, reason] : cases) {
    BankValues out = before;
    std::string why;
    EXPECT_FALSE(bank::ReadBank(text, out, why)) << reason;
    EXPECT_NE(why.find(reason), std::string::npos) << "reason: " << why;
    EXPECT_EQ(out, before) << reason;
  }
}

TEST(BankFormat, EveryPanColourAndStepVelocityIsCheckedToTheLast) {
  const std::string full = bank::WriteBank(StartupBank());
  const BankValues before = RandomBank(5);
  auto expectRefused = [&](int index, const std::string& value, const std::string& reason) {
    BankValues out = before;
    std::string why;
    EXPECT_FALSE(bank::ReadBank(filestest::WithValue(full, index, value), out, why)) << reason;
    EXPECT_NE(why.find(reason), std::string::npos) << "reason: " << why;
    EXPECT_EQ(out, before) << reason;
  };
  for (int index = 3; index < 23; ++index)
    for (const std::string value : {"256", "-1"})
      expectRefused(index, value,
                    "pan colour of row " + std::to_string((index - 1) / 2) + " holds \"" + value);
  const int cells[][3] = {{1, 1, 1}, {1, 10, 32}, {50, 10, 32}};  // pattern, row, step
  for (const auto& c : cells)
    for (const std::string value : {"101", "-1"})
      expectRefused(bank::ValueIndexOfCell(c[0], c[1], c[2]) + 1, value,
                    "velocity of pattern " + std::to_string(c[0]) + ", row " +
                        std::to_string(c[1]) + ", step " + std::to_string(c[2]) + " is " + value +
                        ",");
}

}  // namespace
