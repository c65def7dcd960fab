// The full redraw, the pattern length, the step pointer, and the buttons and
// keys that change a whole row or pattern, on the real window.
#include <map>
#include <tuple>

#include "tests/grid/grid_window.h"

namespace {

using gridtest::kBlack;
using gridtest::kTail;
using gridtest::kYellow;

class PatternView : public gridtest::GridWindow {
 protected:
  void Show(int pattern, int meter) {
    w.Pattern = pattern;
    w.Hit(pattern, 0, 0) = w.Meter = meter;
    w.MeterDisplay();
  }
  // Row 1 step 1 at 100, row 2 step 2 at 50 in orange, row 10 step 32 at 10,
  // under swing 6, whose gaps cut the even steps' lines.
  void ExpectLines() {
    EXPECT_EQ(Line(124, kYellow), "0..14");
    EXPECT_EQ(Line(112, 0x804B00), "24..30");
    EXPECT_EQ(Line(16, 0x404000), "504..510");
    EXPECT_EQ(Line(16, kBlack), "0..503,511..511");
    EXPECT_EQ(std::tuple(Face(1, 1), Face(2, 2), Face(10, 32)),
              std::tuple(bluebuttonon(), twothirdsvolume(), halfvolume()));
  }
};

TEST_F(PatternView, ClicksAndAFullRedrawDrawTheSameLines) {
  for (int i = 0; i < 6; ++i) ClickOn(Named("SwingUp"));
  w.lineColor(2, 1) = 150;
  ClickCell(1, 1);
  ClickCell(2, 2, true);
  ClickCell(10, 32);
  ClickCell(10, 32, true);
  ClickCell(10, 32, true);
  ExpectLines();
  w.ClearPattern();
  EXPECT_EQ(Face(2, 2), greenbutton());
  w.ClearDisplay();
  w.PatternDraw();
  ExpectLines();
}

TEST_F(PatternView, LengthButtonCyclesAndHidesCells) {
  w.Hit(1, 5, 30) = 1;
  w.SV(1, 5, 30) = 100;
  for (int meter : {2, 3, 4, 1}) {
    ClickOn(Named("Canvas10"));
    const int numBeats = meter == 1 ? 32 : 36 - 4 * meter;
    const std::string tail = numBeats == 32 ? "" : std::to_string(16 * numBeats) + "..511";
    EXPECT_EQ(std::pair(w.Hit(1, 0, 0), w.NumB().Text()),
              std::pair(meter, std::to_string(numBeats / 4)));
    EXPECT_EQ(Line(0, kTail) + " " + Line(127, kTail), tail + " " + tail);
    for (int s = 1; s <= 32; ++s)
      for (int r : {1, 10}) ASSERT_EQ(w.SRCell(r, s).Visible(), s <= numBeats) << s;
    // The hidden step 30 stays in the store and shows again at 32 steps.
    EXPECT_EQ(Line(76, kYellow), numBeats >= 30 ? "464..478" : "");
  }
  w.Meter = 7;  // a code outside 1..4, from a file, starts the cycle over
  ClickOn(Named("Canvas10"));
  EXPECT_EQ(w.Meter, 1);
}

// The light is painted over the strip the pointer canvas shows as its picture
// (the light's edge columns are the strip's own colour).
TEST_F(PatternView, StepPointerSitsUnderTheStepPlayed) {
  const fw::Canvas& c = w.PointerCanvas();
  const int y = c.Height() / 2;
  for (const auto& [beat, lit] : {std::pair{1, "1..14"}, {32, "497..510"}, {0, ""}, {-1, ""}}) {
    w.CurrentBeat = beat;
    const auto shot = fw::testing::Grab(w);
    auto changed = fw::NewPicture(c.Width(), 1, 32);
    for (int x = 0; x < c.Width(); ++x)
      if (shot->Pixel(c.Left() + x, c.Top() + y) != lightstrip()->Pixel(x, y))
        changed->SetPixel(x, 0, kYellow);
    EXPECT_EQ(gridtest::Runs(*changed, 0, kYellow), lit) << beat;
  }
}

TEST_F(PatternView, RowClearInSemiTonesLeavesTheNeighbouringRowsWhole) {
  ClickOn(Named("Canvas7"));  // "SemiTones": rows 2 to 4 on neighbouring lines
  for (int row : {2, 3, 4})
    for (int step : {1, 9, 32}) ClickCell(row, step);
  Show(1, 2);  // step 32 of row 3 is now hidden
  ClickOn(Named("CR", 3));
  for (int s = 1; s <= 32; ++s) ASSERT_EQ(w.Hit(1, 3, s) + w.SV(1, 3, s), 0) << s;
  EXPECT_EQ(std::tuple(Face(3, 9), Face(3, 32), Face(2, 9)),
            std::tuple(greenbutton(), greenbutton(), bluebuttonon()));
  EXPECT_EQ(Line(122, kBlack), "0..511");  // the band runs through the tail
  for (int y : {121, 123}) EXPECT_EQ(Line(y, kYellow), "0..14,128..142") << y;
  ClickOn(Named("CR", 5));  // an empty row: only its own band
  EXPECT_EQ(Line(120, kBlack), "0..511");
  EXPECT_EQ(Line(121, kYellow), "0..14,128..142");
}

TEST_F(PatternView, PatternClearKeepsTheLength) {
  w.Hit(2, 1, 1) = w.Hit(3, 1, 1) = 1;
  w.SV(2, 1, 1) = 100;
  Show(2, 3);
  ClickOn(Named("PClear"));
  EXPECT_EQ(std::tuple(w.Hit(2, 1, 1) + w.SV(2, 1, 1), w.Hit(2, 0, 0), w.Hit(3, 1, 1)),
            std::tuple(0, 3, 1));
  EXPECT_EQ(w.NumB().Text(), "6");
  EXPECT_EQ(Line(124, kBlack) + " " + Line(124, kTail), "0..383 384..511");
  EXPECT_EQ(Face(1, 1), greenbutton());
}

TEST_F(PatternView, RandomFillDensityAndVelocities) {
  Show(1, 4);
  constexpr int kPresses = 40;
  std::map<int, int> on;  // cells turned on, by velocity
  for (int press = 0; press < kPresses; ++press) {
    w.SV(1, 1, 1) = 77;  // stale velocities are gone after a fill
    ClickOn(Named("Canvas12"));
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) {
        const int hit = w.Hit(1, r, s), sv = w.SV(1, r, s);
        ASSERT_TRUE(hit == 0 ? sv == 0 : hit == 1 && (sv == 100 || sv == 50 || sv == 10));
        if (hit) ++on[sv], ++on[s > 20 ? -1 : 0];
      }
  }
  const int total = on[100] + on[50] + on[10];
  EXPECT_NEAR(total / (kPresses * 320.0), 0.13, 0.02);  // about 9 standard deviations wide
  for (int v : {100, 50, 10}) EXPECT_NEAR(on[v] / static_cast<double>(total), 1 / 3.0, 0.06);
  EXPECT_GT(on[-1], 0) << "steps beyond the length are filled too";
  EXPECT_EQ(std::pair(w.Hit(1, 0, 0), w.NumBeats), std::pair(4, 20));
  EXPECT_EQ(Line(0, kTail), "");  // the fill does not shade the tail
}

TEST_F(PatternView, PasteCarriesStepsAndLengthAcrossPatterns) {
  Show(3, 2);
  ClickCell(1, 2);
  ClickCell(6, 28, true);
  Type("c");
  ClickCell(1, 4);  // an edit after the copy is not in the buffer
  Show(9, 1);
  ClickCell(2, 31);  // replaced by the paste
  Type("v");
  EXPECT_EQ(std::tuple(w.Meter, w.Hit(9, 0, 0), w.NumBeats), std::tuple(2, 2, 28));
  EXPECT_EQ(std::tuple(w.Hit(9, 1, 2), w.SV(9, 6, 28), w.Hit(9, 1, 4), w.Hit(9, 2, 31)),
            std::tuple(1, 50, 0, 0));
  EXPECT_FALSE(w.SRCell(1, 29).Visible());
  EXPECT_EQ(Line(0, kTail), "448..511");
  EXPECT_EQ(Line(124, kYellow), "16..30");
  EXPECT_EQ(Line(64, kBlack) + " " + Line(64, 0x808000), "0..431,447..447 432..446");
  EXPECT_EQ(Face(6, 28), twothirdsvolume());
  w.Pattern = 3;  // pasting onto the copied pattern restores it as it was at the copy
  Type("v");
  EXPECT_EQ(std::pair(w.Hit(3, 1, 4), w.Hit(3, 1, 2)), std::pair(0, 1));
}

TEST_F(PatternView, PasteBeforeAnyCopyChangesNothing) {
  Show(4, 3);
  ClickCell(1, 2);
  ClickCell(6, 9, true);
  Type("v");
  EXPECT_EQ(std::tuple(w.Hit(4, 0, 0), w.Meter, w.NumBeats, w.NumB().Text()),
            std::tuple(3, 3, 24, "6"));
  EXPECT_EQ(std::tuple(w.Hit(4, 1, 2), w.SV(4, 1, 2), w.Hit(4, 6, 9), w.SV(4, 6, 9)),
            std::tuple(1, 100, 1, 50));
  EXPECT_EQ(Line(124, kYellow) + " " + Line(64, 0x808000) + " " + Line(0, kTail),
            "16..30 128..142 384..511");
  EXPECT_EQ(std::pair(Face(1, 2), Face(6, 9)), std::pair(bluebuttonon(), twothirdsvolume()));
}

}  // namespace
