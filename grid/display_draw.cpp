#include "grid/display_draw.h"

#include "grid/step_look.h"
#include "platform/base/numbers.h"

namespace grid {

namespace {
constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kYellow = fw::RGB(255, 255, 0);
constexpr fw::Color kTail = fw::RGB(20, 20, 20);

// Pixel width of the swing gaps by swing level 0..8; any other level has none.
int SwingGapWidth(int swing) {
  constexpr double kWidths[9] = {0.0, 3.0, 4.0, 5.0, 6.0, 7.3, 8.5, 10.0, 11.0};
  return swing >= 0 && swing <= 8 ? fw::ToInteger(kWidths[swing]) : 0;
}
}  // namespace

void DrawStepLine(fw::Picture& pic, int x, int y, int length, int red, int green) {
  fw::Graphics& g = pic.Graphics();
  g.ForeColor = fw::RGB(red, green, 0);
  g.DrawRect(x, y, length, 1);
}

void EraseStepLine(fw::Picture& pic, int x, int y) {
  fw::Graphics& g = pic.Graphics();
  g.ForeColor = kBlack;
  g.DrawRect(x - 1, y, kStepWidth, 1);
}

void EraseRowBand(fw::Picture& pic, int y) {
  fw::Graphics& g = pic.Graphics();
  g.ForeColor = kBlack;
  g.FillRect(0, y, kDisplayWidth, 1);
}

void DrawSeparators(fw::Picture& pic, int numBeats) {
  fw::Graphics& g = pic.Graphics();
  g.ForeColor = kBlack;
  for (int x = 15; x <= numBeats * kStepWidth; x += kStepWidth) g.DrawRect(x, 0, 2, kDisplayHeight);
}

void DrawSwingGaps(fw::Picture& pic, int swing, int numBeats) {
  fw::Graphics& g = pic.Graphics();
  g.ForeColor = kBlack;
  const int w = SwingGapWidth(swing);
  if (w <= 0) return;
  for (int x = 15; x <= numBeats * kStepWidth; x += 2 * kStepWidth)
    g.FillRect(x, 0, w, kDisplayHeight);
}

void ClearToBlack(fw::Picture& pic, int width, int height) {
  fw::Graphics& g = pic.Graphics();
  g.ForeColor = kBlack;
  g.FillRect(0, 0, width, height);
  g.ForeColor = kYellow;
}

void ShadeTail(fw::Picture& pic, int numBeats) {
  const int x = numBeats * kStepWidth;
  if (x >= kDisplayWidth) return;
  fw::Graphics& g = pic.Graphics();
  g.ForeColor = kTail;
  g.FillRect(x, 0, kDisplayWidth - x, kDisplayHeight);
}

}  // namespace grid
