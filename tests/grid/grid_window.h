// Step-grid tests on the started window: what the step-line display and the
// step cells show after clicks that go through the window like real presses.
#pragma once
#include <string>

#include "app/assets.h"
#include "tests/support/started_window.h"

namespace gridtest {

constexpr fw::Color kBlack = 0x000000, kYellow = 0xFFFF00, kTail = 0x141414;

// The x positions of pixel row y whose colour is c, as "a..b,c..d" runs.
inline std::string Runs(const fw::Picture& p, int y, fw::Color c) {
  std::string out;
  for (int x = 0, start = -1; x <= p.Width(); ++x) {
    const bool in = x < p.Width() && p.Pixel(x, y) == c;
    if (in && start < 0) start = x;
    if (in || start < 0) continue;
    out += (out.empty() ? "" : ",") + std::to_string(start) + ".." + std::to_string(x - 1);
    start = -1;
  }
  return out;
}

class GridWindow : public StartedTest {
 protected:
  fw::Canvas& Named(const char* name) const { return w.Get<fw::Canvas>(name); }
  fw::Canvas& Named(const char* name, int index) const { return w.Get<fw::Canvas>(name, index); }
  void ClickCell(int row, int step, bool contextual = false) {
    ClickOn(w.SRCell(row, step), contextual);
  }
  std::string Line(int y, fw::Color c) const { return Runs(*w.p, y, c); }
  const fw::PictureRef& Face(int row, int step) const { return w.SRCell(row, step).Backdrop(); }
};

}  // namespace gridtest
