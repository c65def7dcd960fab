// A fixture over the real main window: a known, empty pattern 1 in "Octaves"
// with swing off, note repeat off and every row at the centre colour; clicks
// go through the window like real mouse presses.
#pragma once
#include <gtest/gtest.h>

#include "engine/window1.h"
#include "platform/ui/testing.h"
#include "tests/grid/grid_pixels.h"

namespace gridtest {

constexpr fw::Color kBlack = 0x000000;
constexpr fw::Color kYellow = 0xFFFF00;

class GridWindow : public ::testing::Test {
 protected:
  Window1& w = Window1::Instance();

  void SetUp() override {
    w.playon = false;
    w.CurrentBeat = 0;
    w.NoteRepeat = false;
    w.StaticText33().SetText("Off");
    w.Swing = 0;
    w.SwingNumDown = 1.0;
    w.SwingNumUp = 1.0;
    w.OctaveText().SetText("Octaves");
    w.ApplyIntervalModeText();
    w.ResetColors();
    for (int pattern : {1, 2, 3, 4, 9}) EmptyPattern(pattern);
    w.Pattern = 1;
    w.Meter = 1;
    w.ClearDisplay();
    w.MeterDisplay();
    fw::testing::ClearMessages();
  }

  void EmptyPattern(int pattern) {
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) {
        w.Hit(pattern, r, s) = 0;
        w.SV(pattern, r, s) = 0;
      }
    w.Hit(pattern, 0, 0) = 1;
  }

  void ClickOn(fw::Control& c, bool contextual = false) {
    fw::testing::Click(w, c.Left() + c.Width() / 2, c.Top() + c.Height() / 2,
                       contextual ? fw::testing::Button::Right : fw::testing::Button::Left);
  }
  void ClickCell(int row, int step, bool contextual = false) {
    ClickOn(w.SRCell(row, step), contextual);
  }
  fw::Canvas& Named(const char* name) const { return w.Get<fw::Canvas>(name); }
  fw::Canvas& Named(const char* name, int index) const { return w.Get<fw::Canvas>(name, index); }

  // The colour runs of one pixel row of the display.
  std::string Line(int y, fw::Color c) const { return Runs(*w.p, y, c); }
  const fw::PictureRef& Face(int row, int step) const { return w.SRCell(row, step).Backdrop(); }
};

}  // namespace gridtest
