// The main volume knob and the tempo and swing arrows.
#include <string>

#include "tests/transport/transport_window.h"

namespace {

class KnobAndArrows : public transporttest::TransportWindow {
 protected:
  // Presses the knob where it is now and drags it to window y.
  void DragKnobTo(int y) {
    fw::Canvas& knob = w.Canvas11();
    const int x = knob.Left() + knob.Width() / 2;
    fw::testing::Press(w, x, knob.Top() + knob.Height() / 2);
    fw::testing::Drag(w, x, y);
    fw::testing::Release(w, x, y);
  }
  void ExpectVolume(int volume, int knobTop) {
    EXPECT_EQ(w.MainVolume, volume);
    EXPECT_EQ(w.percentvolume, volume / 100.0);
    EXPECT_EQ(w.VolumeText().Text(), std::to_string(volume));
    EXPECT_EQ(w.Canvas11().Top(), knobTop);
  }
  void Arrow(const char* name) { ClickOn(w.Get<fw::Canvas>(name)); }
};

TEST_F(KnobAndArrows, VolumeKnobFollowsTheDragWithinItsTrack) {
  const int top = w.Canvas11().Top();
  fw::Canvas& knob = w.Canvas11();
  fw::testing::Click(w, knob.Left() + knob.Width() / 2, knob.Top() + knob.Height() / 2);
  ExpectVolume(100, top);  // a click without movement changes nothing

  DragKnobTo(20);
  ExpectVolume(100, 64);
  DragKnobTo(300);
  ExpectVolume(0, 164);
  DragKnobTo(120);
  ExpectVolume(50, 114);
}

TEST_F(KnobAndArrows, TempoArrowsClampOnlyTheirOwnWay) {
  struct Case {
    const char* from;
    const char* arrow;
    const char* to;
  };
  for (const Case& c :
       {Case{"175", "Canvas3", "175"}, Case{"40", "Canvas4", "40"}, Case{"30", "Canvas3", "31"},
        Case{"200", "Canvas4", "199"}, Case{"200", "Canvas3", "175"}, Case{"30", "Canvas4", "40"},
        Case{"120", "Canvas3", "121"}}) {
    SetTempo(c.from);
    w.Beat(1) = 0;
    Arrow(c.arrow);
    EXPECT_EQ(w.StaticText1().Text(), c.to) << c.from << " " << c.arrow;
    EXPECT_DOUBLE_EQ(w.Beat(1), 15e6 / std::stoi(c.to)) << "intervals recomputed";
  }
}

TEST_F(KnobAndArrows, SwingArrowsClampAndKeepFactorsForAnUnknownLevel) {
  SetTempo("120");
  w.Swing = 8;
  Arrow("SwingUp");
  EXPECT_EQ(w.SwingText().Text(), "8");
  EXPECT_DOUBLE_EQ(w.Beat(2), 125000 * 1.45);
  w.Swing = 0;
  Arrow("SwingDown");
  EXPECT_EQ(w.SwingText().Text(), "0");
  EXPECT_EQ(w.Beat(2), 125000.0);

  // Level 12 can only come from a file.
  w.Swing = 3;
  w.CalculateSwing();
  w.Swing = 12;
  Arrow("SwingDown");
  EXPECT_EQ(w.Swing, 11);
  EXPECT_EQ(w.SwingText().Text(), "11");
  EXPECT_DOUBLE_EQ(w.SwingNumDown, 0.8) << "no table row for 11: the factors stay";
  EXPECT_DOUBLE_EQ(w.SwingNumUp, 1.2);
  w.Swing = 12;
  Arrow("SwingUp");
  EXPECT_EQ(w.Swing, 8);
  EXPECT_DOUBLE_EQ(w.SwingNumUp, 1.45);
}

TEST_F(KnobAndArrows, SwingArrowLeavesTheDisplayBeyondTheLengthUnshaded) {
  MarkedPattern(1, 2);
  w.Meter = 2;
  w.ClearDisplay();
  w.MeterDisplay();
  ASSERT_EQ(w.p->Pixel(480, 64), 0x141414u);
  Arrow("SwingUp");
  EXPECT_EQ(w.Swing, 1);
  EXPECT_EQ(w.p->Pixel(480, 64), 0x000000u);
}

}  // namespace
