// The main window's skin, 670 x 478: the plates behind the control groups, the
// headings no control shows, the scales and the beat groups of the step grid.
#pragma once
#include <QImage>

namespace tools {

QImage PaintSkin();

// Window geometry the skin is drawn around (window coordinates).
namespace layout {
inline constexpr int kRowTops[11] = {0, 403, 384, 365, 346, 327, 303, 284, 265, 246, 228};
inline constexpr int kLampTops[11] = {0, 407, 388, 370, 351, 332, 308, 289, 270, 251, 232};
inline constexpr int kLabelTops[11] = {0, 401, 382, 363, 344, 325, 301, 282, 263, 244, 225};
inline constexpr int kPadTops[11] = {0, 405, 386, 367, 348, 329, 305, 286, 267, 248, 229};
inline constexpr int kClearTops[11] = {0, 405, 386, 367, 348, 329, 305, 286, 267, 248, 230};
// Left edge of the step cell of step s (1..32).
constexpr int StepLeft(int s) {
  const int g = (s - 1) / 4, p = (s - 1) % 4;
  return g == 0 ? 134 + 15 * p : 135 + 64 * g + 15 * p;
}
}  // namespace layout

}  // namespace tools
