// The document right after start-up when no default file exists, and the
// operations that derive its timing values and row colours.
#include <gtest/gtest.h>

#include <cmath>

#include "app/assets.h"
#include "platform/color.h"
#include "tests/window/window_fixture.h"

namespace {

TEST(StartValues, DocumentWithoutDefaultFiles) {
  Window1& w = StartedWindow();
  EXPECT_EQ(w.Pattern, 1);
  EXPECT_EQ(w.StaticText20().Text(), "1");
  EXPECT_FALSE(w.playon);
  EXPECT_EQ(w.NumBeats, 32);
  EXPECT_EQ(w.Meter, 1);
  EXPECT_EQ(w.Octave, 1);
  EXPECT_EQ(w.linemodifier, 12);
  EXPECT_EQ(w.bottompixel, 136);
  EXPECT_EQ(w.MainVolume, 100);
  EXPECT_EQ(w.percentvolume, 1.0);
  EXPECT_EQ(w.xlineMOD2, 15);
  EXPECT_EQ(w.RepeatSteps, 16);
  EXPECT_EQ(w.CurrentBeat, 0);
  EXPECT_EQ(w.StaticText1().Text(), "120");

  for (int pattern = 1; pattern <= 50; ++pattern) {
    EXPECT_EQ(w.Hit(pattern, 0, 0), 1) << "meter cell of pattern " << pattern;
    for (int row = 1; row <= 10; ++row)
      for (int step = 1; step <= 32; ++step)
        ASSERT_EQ(w.Hit(pattern, row, step) + w.SV(pattern, row, step), 0);
  }

  fw::SoundRef silence = blank();
  ASSERT_NE(silence, nullptr);
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(w.S(row), silence) << "row " << row << " shares the one silent sound";
    EXPECT_EQ(w.SoundItem(row), nullptr);
    EXPECT_EQ(w.lineColor(row, 0), 255);
    EXPECT_EQ(w.lineColor(row, 1), 255);
    EXPECT_EQ(w.Oval1(row).FillColor(), 0xFFFF00u);
  }
  EXPECT_EQ(w.S(0), nullptr);
  EXPECT_EQ(w.S(11), nullptr);

  EXPECT_EQ(w.KitName1().Text(), "Untitled Kit");
  EXPECT_FALSE(w.KitName1().Enabled()) << "typed keys must reach the window";
}

TEST(StartValues, DisplayPictureIsBlackAndExact) {
  Window1& w = StartedWindow();
  ASSERT_NE(w.p, nullptr);
  EXPECT_EQ(w.p->Width(), 512);
  EXPECT_EQ(w.p->Height(), 128);
  EXPECT_TRUE(w.p->Graphics().UseOldRenderer);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x) ASSERT_EQ(w.p->Pixel(x, y), 0u) << x << "," << y;
}

TEST(StartValues, WindowRecordAndSkin) {
  Window1& w = StartedWindow();
  EXPECT_EQ(w.Width(), 670);
  EXPECT_EQ(w.Height(), 478);
  EXPECT_EQ(w.Title(), "Taktora 1.2ub");
  EXPECT_EQ(w.BackColor(), 0x402527u);
  EXPECT_EQ(w.Backdrop(), TKDrumscopy1());
  EXPECT_TRUE(w.Visible());
}

// Sets tempo text and swing level, then recomputes as the swing arrows do;
// puts the start values back afterwards.
class Timing : public ::testing::Test {
 protected:
  void Apply(const char* tempo, int swing) {
    w.StaticText1().SetText(tempo);
    w.Swing = swing;
    w.CalculateSwing();
  }
  void TearDown() override { Apply("120", 0); }
  Window1& w = StartedWindow();
};

TEST_F(Timing, StraightAt120) {
  Apply("120", 0);
  EXPECT_EQ(w.SixteenNote, 125000.0);
  for (int i = 1; i <= 32; ++i) EXPECT_EQ(w.Beat(i), 125000.0) << "step " << i;
}

TEST_F(Timing, SwingLevelsKeepEveryPairAtTwoSteps) {
  struct Level {
    int swing;
    double down, up;
  } levels[] = {{4, 0.75, 1.25}, {8, 0.55, 1.45}, {1, 0.9, 1.1}, {0, 1.0, 1.0}};
  for (const Level& l : levels) {
    Apply("120", l.swing);
    EXPECT_EQ(w.SwingNumDown, l.down);
    EXPECT_EQ(w.SwingNumUp, l.up);
    for (int i = 1; i <= 31; i += 2) {
      EXPECT_EQ(w.Beat(i), 125000.0 * l.down) << "swing " << l.swing << " step " << i;
      EXPECT_EQ(w.Beat(i + 1), 125000.0 * l.up) << "swing " << l.swing << " step " << i + 1;
      EXPECT_DOUBLE_EQ(w.Beat(i) + w.Beat(i + 1), 250000.0);
    }
  }
}

TEST_F(Timing, LevelOutsideTableKeepsFactorsButFollowsTempo) {
  Apply("120", 4);
  Apply("60", 12);
  EXPECT_EQ(w.SwingNumDown, 0.75);
  EXPECT_EQ(w.SwingNumUp, 1.25);
  EXPECT_EQ(w.Beat(1), 250000.0 * 0.75);
  EXPECT_EQ(w.Beat(2), 250000.0 * 1.25);
}

TEST_F(Timing, TempoRangeEnds) {
  Apply("40", 0);
  EXPECT_EQ(w.SixteenNote, 375000.0);
  EXPECT_EQ(w.Beat(32), 375000.0);

  Apply("175", 0);
  double beatsPerSecond = 175.0 / 60.0;
  double expected = (1000000.0 / beatsPerSecond) / 4.0;
  EXPECT_EQ(w.SixteenNote, expected);
  EXPECT_NEAR(w.SixteenNote, 85714.2857, 0.001);
  for (int i = 1; i <= 32; ++i) EXPECT_EQ(w.Beat(i), expected);
}

TEST_F(Timing, TempoTextFromAFileNeverGivesBadIntervals) {
  for (const char* text : {"0", "-20", "abc", "", "0.4"}) {
    Apply(text, 3);
    for (int i = 1; i <= 32; ++i) {
      ASSERT_TRUE(std::isfinite(w.Beat(i))) << "tempo text '" << text << "'";
      ASSERT_GT(w.Beat(i), 0.0) << "tempo text '" << text << "'";
    }
    EXPECT_EQ(w.SixteenNote, 15000000.0) << "a tempo below 1 counts as 1";
  }
  Apply("119.6", 0);
  EXPECT_EQ(w.SixteenNote, 125000.0) << "a fractional tempo rounds to the nearest whole";
}

TEST(RowColors, ResetPutsEveryRowToCentreAndLeavesPans) {
  Window1& w = StartedWindow();
  fw::SoundRef own = blank()->Clone();
  own->Pan = 60;
  w.S(3) = own;
  w.lineColor(3, 0) = 150;
  w.lineColor(3, 1) = 255;
  w.Oval1(3).SetFillColor(fw::RGB(150, 255, 0));
  w.lineColor(10, 0) = 0;

  w.ResetColors();

  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(w.lineColor(row, 0), 255);
    EXPECT_EQ(w.lineColor(row, 1), 255);
    EXPECT_EQ(w.Oval1(row).FillColor(), fw::RGB(255, 255, 0));
  }
  EXPECT_EQ(own->Pan, 60);
  EXPECT_EQ(blank()->Pan, 0);
  w.S(3) = blank();
}

TEST(Window1Instance, OneWindowForEveryCaller) {
  Window1& a = StartedWindow();
  EXPECT_EQ(&Window1::Instance(), &a);
  EXPECT_EQ(&Window1::Instance(), &a);
}

}  // namespace
