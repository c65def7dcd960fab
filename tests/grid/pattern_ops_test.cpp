// Row clear, pattern clear, random fill and the copy buffer on the real window.
#include <map>
#include <tuple>

#include "app/assets.h"
#include "tests/grid/grid_window.h"

namespace {

using gridtest::kBlack;
using gridtest::kYellow;
constexpr fw::Color kTail = 0x141414;

class PatternOps : public gridtest::GridWindow {};

TEST_F(PatternOps, RowClearInSemiTonesLeavesTheNeighbouringRowsWhole) {
  ClickOn(Named("Canvas7"));
  ASSERT_EQ(w.OctaveText().Text(), "SemiTones");
  for (int row : {2, 3, 4})
    for (int step : {1, 9, 32}) ClickCell(row, step);
  w.Meter = 2;
  w.MeterDisplay();  // step 32 of row 3 is now hidden
  ClickOn(Named("CR", 3));
  for (int s = 1; s <= 32; ++s) ASSERT_EQ(w.Hit(1, 3, s) + w.SV(1, 3, s), 0) << s;
  EXPECT_EQ(Face(3, 9), greenbutton());
  EXPECT_EQ(Face(3, 32), greenbutton());
  EXPECT_EQ(Face(2, 9), bluebuttonon());
  EXPECT_EQ(Line(122, kBlack), "0..511");  // the band runs through the tail
  for (int y : {121, 123}) EXPECT_EQ(Line(y, kYellow), "0..14,128..142") << y;

  ClickOn(Named("CR", 5));  // an empty row: only its own band
  EXPECT_EQ(Line(120, kBlack), "0..511");
  EXPECT_EQ(Line(121, kYellow), "0..14,128..142");
}

TEST_F(PatternOps, PatternClearKeepsTheLength) {
  w.Pattern = 2;
  w.Hit(2, 0, 0) = 3;
  w.Meter = 3;
  w.Hit(2, 1, 1) = 1;
  w.SV(2, 1, 1) = 100;
  w.Hit(3, 1, 1) = 1;
  w.MeterDisplay();
  ClickOn(Named("PClear"));
  EXPECT_EQ(std::tuple(w.Hit(2, 1, 1) + w.SV(2, 1, 1), w.Hit(2, 0, 0), w.Hit(3, 1, 1)),
            std::tuple(0, 3, 1));
  EXPECT_EQ(w.NumB().Text(), "6");
  EXPECT_EQ(Line(124, kBlack), "0..383");
  EXPECT_EQ(Line(124, kTail), "384..511");
  EXPECT_EQ(Face(1, 1), greenbutton());
}

TEST_F(PatternOps, RandomFillDensityAndVelocities) {
  w.Meter = 4;
  w.MeterDisplay();
  constexpr int kPresses = 40;
  std::map<int, int> on;  // cells turned on, by velocity
  int hiddenOn = 0;
  for (int press = 0; press < kPresses; ++press) {
    w.SV(1, 1, 1) = 77;  // stale velocities are gone after a fill
    ClickOn(Named("Canvas12"));
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) {
        const int hit = w.Hit(1, r, s), sv = w.SV(1, r, s);
        ASSERT_TRUE(hit == 0 ? sv == 0 : hit == 1 && (sv == 100 || sv == 50 || sv == 10));
        if (hit) ++on[sv], hiddenOn += s > 20;
      }
  }
  const int total = on[100] + on[50] + on[10];
  EXPECT_NEAR(total / (kPresses * 320.0), 0.13, 0.02);  // about 9 standard deviations wide
  for (int v : {100, 50, 10}) EXPECT_NEAR(on[v] / static_cast<double>(total), 1 / 3.0, 0.06);
  EXPECT_GT(hiddenOn, 0);
  EXPECT_EQ(w.Hit(1, 0, 0), 1);
  EXPECT_EQ(w.NumBeats, 20);
  EXPECT_EQ(Line(0, kTail), "");  // the fill does not shade the tail
}

TEST_F(PatternOps, PasteCarriesStepsAndLengthAcrossPatterns) {
  const int saved = w.OldPattern;
  w.Pattern = 3;
  w.Hit(3, 0, 0) = 2;
  w.Meter = 2;
  w.MeterDisplay();
  ClickCell(1, 2);

  ClickCell(6, 28, true);
  w.copypattern();
  ClickCell(1, 4);  // an edit after the copy is not in the buffer
  w.Pattern = 9;
  w.Meter = 1;
  w.MeterDisplay();
  ClickCell(2, 31);  // replaced by the paste
  w.pastepattern();
  EXPECT_EQ(std::tuple(w.Meter, w.Hit(9, 0, 0), w.NumBeats), std::tuple(2, 2, 28));
  EXPECT_EQ(std::tuple(w.Hit(9, 1, 2), w.SV(9, 6, 28), w.Hit(9, 1, 4), w.Hit(9, 2, 31)),
            std::tuple(1, 50, 0, 0));
  EXPECT_FALSE(w.SRCell(1, 29).Visible());
  EXPECT_EQ(Line(0, kTail), "448..511");
  EXPECT_EQ(Line(124, kYellow), "16..30");
  EXPECT_EQ(Line(64, kBlack), "0..431,447..447");
  EXPECT_EQ(Line(64, 0x808000), "432..446");
  EXPECT_EQ(Face(6, 28), twothirdsvolume());

  // Pasting onto the copied pattern restores it as it was at the copy.
  w.Pattern = 3;
  w.pastepattern();
  EXPECT_EQ(w.Hit(3, 1, 4), 0);
  EXPECT_EQ(w.Hit(3, 1, 2), 1);
  w.OldPattern = saved;
}

}  // namespace
