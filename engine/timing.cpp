// Step intervals from the tempo text and the swing level, and the row colours'
// reset.
#include "engine/window1.h"
#include "platform/base/numbers.h"
#include "platform/ui/color.h"

namespace {

struct SwingFactors {
  double down;  // odd steps
  double up;    // even steps
};

// Each pair sums to 2.0: swing delays the even steps, the odd ones stay on
// the straight grid.
constexpr SwingFactors kSwingTable[9] = {
    {1.0, 1.0}, {0.9, 1.1},   {0.85, 1.15}, {0.8, 1.2},   {0.75, 1.25},
    {0.7, 1.3}, {0.65, 1.35}, {0.6, 1.4},   {0.55, 1.45},
};

}  // namespace

void Window1::CalculateInterval() {
  int tempo = fw::ToInteger(fw::Val(StaticText1().Text()));
  // The arrows keep the tempo in 40..175, but a pattern bank file can carry
  // any text. A tempo below 1 would make the intervals infinite or negative,
  // so it counts as 1 here.
  if (tempo < 1) tempo = 1;
  double beatsPerSecond = static_cast<double>(tempo) / 60.0;
  double microsecondsPerBeat = 1000000.0 / beatsPerSecond;
  SixteenNote = microsecondsPerBeat / 4.0;
  for (int i = 1; i <= 31; i += 2) Beat(i) = SixteenNote * SwingNumDown;
  for (int i = 2; i <= 32; i += 2) Beat(i) = SixteenNote * SwingNumUp;
}

void Window1::CalculateSwing() {
  // A level outside the table (only a file can bring one) keeps the factors.
  if (Swing >= 0 && Swing <= 8) {
    SwingNumDown = kSwingTable[Swing].down;
    SwingNumUp = kSwingTable[Swing].up;
  }
  CalculateInterval();
}

void Window1::ResetColors() {
  for (int row = 1; row <= 10; ++row) {
    lineColor(row, 0) = 255;
    lineColor(row, 1) = 255;
    Oval1(row).SetFillColor(fw::RGB(lineColor(row, 0), lineColor(row, 1), 0));
  }
}
