// The full redraw, the pattern length and the interval mode on the real
// window, and the step pointer.
#include "app/assets.h"
#include "tests/grid/grid_window.h"

namespace {

using gridtest::kBlack;
using gridtest::kYellow;
constexpr fw::Color kTail = 0x141414;

class PatternView : public gridtest::GridWindow {
 protected:
  // A busy pattern made by clicks, in three pan colours and every velocity.
  void ClickBusyPattern() {
    w.lineColor(2, 0) = 255;
    w.lineColor(2, 1) = 150;
    w.lineColor(7, 0) = 0;
    w.lineColor(7, 1) = 255;
    for (int row = 1; row <= 10; ++row)
      for (int step = row; step <= 32; step += 3) {
        ClickCell(row, step);
        if (step % 2 == 0) ClickCell(row, step, true);
        if (step % 4 == 0) ClickCell(row, step, true);
      }
  }
};

TEST_F(PatternView, FullRedrawDrawsWhatTheClicksDrew) {
  for (int swing : {0, 6}) {
    SetUp();
    w.Swing = swing;
    w.CalculateSwing();
    ClickBusyPattern();
    auto clicked = fw::NewPicture(512, 128, 32);
    clicked->Graphics().DrawPicture(w.p, 0, 0);

    w.ClearPattern();
    EXPECT_EQ(Face(2, 5), greenbutton());
    w.ClearDisplay();
    w.PatternDraw();
    EXPECT_EQ(gridtest::DiffCount(*clicked, *w.p), 0) << "swing " << swing;
    EXPECT_EQ(Face(2, 5), bluebuttonon());
    EXPECT_EQ(Face(2, 2), twothirdsvolume());
    EXPECT_EQ(Face(2, 8), halfvolume());
    w.PatternDraw();  // a second pass changes nothing
    EXPECT_EQ(gridtest::DiffCount(*clicked, *w.p), 0);
  }
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

  // Turned off in the store: the face follows, the old line stays.
  w.Hit(1, 1, 1) = 0;
  w.PatternDraw();
  EXPECT_EQ(Face(1, 1), greenbutton());
  EXPECT_EQ(Line(124, 0x404000), "0..14,16..30");
}

TEST_F(PatternView, LengthButtonCyclesAndHidesCells) {
  w.Hit(1, 5, 30) = 1;
  w.SV(1, 5, 30) = 100;
  for (int meter : {2, 3, 4, 1}) {
    ClickOn(Named("Canvas10"));
    const int numBeats = meter == 1 ? 32 : 36 - 4 * meter;
    const std::string tail = numBeats == 32 ? "" : std::to_string(16 * numBeats) + "..511";
    EXPECT_EQ(w.Meter, meter);
    EXPECT_EQ(w.Hit(1, 0, 0), meter);
    EXPECT_EQ(w.NumBeats, numBeats);
    EXPECT_EQ(w.NumB().Text(), std::to_string(numBeats / 4));
    EXPECT_EQ(Line(0, kTail), tail);
    EXPECT_EQ(Line(127, kTail), tail);
    for (int s = 1; s <= 32; ++s)
      for (int r : {1, 10}) ASSERT_EQ(w.SRCell(r, s).Visible(), s <= numBeats) << s;
    // The hidden step 30 stays in the store and shows again at 32 steps.
    EXPECT_EQ(w.Hit(1, 5, 30), 1);
    EXPECT_EQ(Line(76, kYellow), numBeats >= 30 ? "464..478" : "");
  }
  EXPECT_EQ(Face(5, 30), bluebuttonon());

  // A code outside 1..4 only redraws on black.
  w.Meter = 0;
  w.MeterDisplay();
  EXPECT_EQ(w.NumBeats, 32);
  EXPECT_EQ(Line(76, kYellow), "464..478");
  w.Meter = 7;
  ClickOn(Named("Canvas10"));
  EXPECT_EQ(w.Meter, 1);
}

TEST_F(PatternView, IntervalModeFollowsTheModeShown) {
  // As after a pattern bank saved in "5ths": the next click shows "WholeTones".
  w.OctaveText().SetText("5ths");
  w.ApplyIntervalModeText();
  EXPECT_EQ(w.bottompixel, 131);
  ClickOn(Named("Canvas7"));
  EXPECT_EQ(w.OctaveText().Text(), "WholeTones");
  EXPECT_EQ(w.Octave, 4);

  // A text that names no mode leaves the spacing; the button starts over.
  w.OctaveText().SetText("Ninths");
  w.ApplyIntervalModeText();
  EXPECT_EQ(w.bottompixel, 126);
  ClickOn(Named("Canvas7"));
  EXPECT_EQ(w.OctaveText().Text(), "Octaves");
  EXPECT_EQ(w.bottompixel, 136);

  // On a short pattern the mode change leaves the tail black.
  w.Meter = 3;
  w.MeterDisplay();
  ClickOn(Named("Canvas7"));
  EXPECT_EQ(Line(0, kTail), "");
}

TEST_F(PatternView, StepPointerSitsUnderTheStepPlayed) {
  auto lamp = light();
  auto strip = fw::NewPicture(512, lamp->Height(), 32);
  auto paint = [&](int beat) {
    gridtest::Fill(*strip, 0x123456);
    w.CurrentBeat = beat;
    w.PointerCanvas_Paint(w.PointerCanvas(), strip->Graphics());
  };
  paint(1);
  EXPECT_EQ(strip->Pixel(0, 0), lamp->Pixel(0, 0));
  EXPECT_EQ(strip->Pixel(lamp->Width() - 1, lamp->Height() - 1),
            lamp->Pixel(lamp->Width() - 1, lamp->Height() - 1));
  paint(32);
  EXPECT_EQ(strip->Pixel(496, 0), lamp->Pixel(0, 0));
  EXPECT_EQ(strip->Pixel(495, 0), 0x123456u);
  for (int hidden : {0, -1}) {
    paint(hidden);
    for (int x = 0; x < 512; ++x) ASSERT_EQ(strip->Pixel(x, 0), 0x123456u) << hidden;
  }
  w.CurrentBeat = 0;
}

}  // namespace
