// The full redraw, the pattern length and the step pointer on the real window.
#include "app/assets.h"
#include "tests/grid/grid_window.h"

namespace {

using gridtest::kBlack;
using gridtest::kYellow;
constexpr fw::Color kTail = 0x141414;

class PatternView : public gridtest::GridWindow {
 protected:
  // Row 1 step 1 at 100, row 2 step 2 at 50 in orange, row 10 step 32 at 10,
  // under swing 6, whose gaps cut the even steps' lines.
  void ExpectLines() {
    EXPECT_EQ(Line(124, kYellow), "0..14");
    EXPECT_EQ(Line(112, 0x804B00), "24..30");
    EXPECT_EQ(Line(16, 0x404000), "504..510");
    EXPECT_EQ(Line(16, kBlack), "0..503,511..511");
    EXPECT_EQ(Face(1, 1), bluebuttonon());
    EXPECT_EQ(Face(2, 2), twothirdsvolume());
    EXPECT_EQ(Face(10, 32), halfvolume());
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
  w.PatternDraw();  // a second pass changes nothing
  ExpectLines();
}

TEST_F(PatternView, ForeignValuesAndStepsBeyondTheLength) {
  w.Hit(1, 1, 1) = 1;
  w.SV(1, 1, 1) = 10;  // pen (64, 64)
  w.Hit(1, 1, 2) = 1;
  w.SV(1, 1, 2) = 75;  // face kept, drawn in the previous pen
  w.Hit(1, 1, 3) = 2;  // shown off
  w.SRCell(1, 2).SetBackdrop(dice());
  w.Hit(1, 1, 25) = 1;
  w.SV(1, 1, 25) = 100;
  w.Meter = 4;
  w.MeterDisplay();
  EXPECT_EQ(Line(124, 0x404000), "0..14,16..30");
  EXPECT_EQ(Face(1, 2), dice());
  EXPECT_EQ(Face(1, 3), greenbutton());
  EXPECT_EQ(Line(124, kTail), "320..511");  // step 25 is not drawn
}

TEST_F(PatternView, LengthButtonCyclesAndHidesCells) {
  w.Hit(1, 5, 30) = 1;
  w.SV(1, 5, 30) = 100;
  for (int meter : {2, 3, 4, 1}) {
    ClickOn(Named("Canvas10"));
    const int numBeats = meter == 1 ? 32 : 36 - 4 * meter;
    const std::string tail = numBeats == 32 ? "" : std::to_string(16 * numBeats) + "..511";
    EXPECT_EQ(w.Hit(1, 0, 0), meter);
    EXPECT_EQ(w.NumB().Text(), std::to_string(numBeats / 4));
    EXPECT_EQ(Line(0, kTail), tail);
    EXPECT_EQ(Line(127, kTail), tail);
    for (int s = 1; s <= 32; ++s)
      for (int r : {1, 10}) ASSERT_EQ(w.SRCell(r, s).Visible(), s <= numBeats) << s;
    // The hidden step 30 stays in the store and shows again at 32 steps.
    EXPECT_EQ(Line(76, kYellow), numBeats >= 30 ? "464..478" : "");
  }
  w.Meter = 7;  // a code outside 1..4, from a file, starts the cycle over
  ClickOn(Named("Canvas10"));
  EXPECT_EQ(w.Meter, 1);
}

TEST_F(PatternView, StepPointerSitsUnderTheStepPlayed) {
  auto lamp = light();
  auto strip = fw::NewPicture(512, lamp->Height(), 32);
  auto paint = [&](int beat) {
    gridtest::Fill(*strip, 0x123456);
    w.CurrentBeat = beat;
    w.PointerCanvas_Paint(w.PointerCanvas(), strip->Graphics());
    return gridtest::Runs(*strip, lamp->Height() / 2, 0x123456);
  };
  EXPECT_EQ(paint(1), "16..511");
  EXPECT_EQ(paint(32), "0..495");
  EXPECT_EQ(paint(0), "0..511");
  EXPECT_EQ(paint(-1), "0..511");
  w.CurrentBeat = 0;
}

}  // namespace
