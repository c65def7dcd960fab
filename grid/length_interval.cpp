// The pattern length button and the interval mode of the step-line display.
#include <string_view>

#include "engine/window1.h"
#include "platform/base/numbers.h"

namespace {

struct IntervalMode {
  int octave;
  std::string_view name;
  int linemodifier;
  int bottompixel;
};
constexpr IntervalMode kModes[] = {{1, "Octaves", 12, 136},
                                   {2, "SemiTones", 1, 125},
                                   {3, "5ths", 7, 131},
                                   {4, "WholeTones", 2, 126}};

const IntervalMode* ModeNamed(std::string_view text) {
  for (const IntervalMode& m : kModes)
    if (fw::TextEquals(m.name, text)) return &m;
  return nullptr;
}

}  // namespace

bool Window1::Canvas10_MouseDown(fw::Control&, int, int) {
  // 1, 2, 3, 4, 1, ...; a code from a file outside 1..4 restarts at 1.
  Meter = (Meter >= 1 && Meter < 4) ? Meter + 1 : 1;
  Hit(Pattern, 0, 0) = Meter;
  MeterDisplay();
  return false;
}

bool Window1::Canvas7_MouseDown(fw::Control&, int, int) {
  // The next mode follows the one shown, so a mode loaded from a pattern bank
  // advances like one chosen here; a text that names no mode starts over.
  const IntervalMode* shown = ModeNamed(OctaveText().Text());
  const IntervalMode& next = shown ? kModes[shown->octave % 4] : kModes[0];
  Octave = next.octave;
  bottompixel = next.bottompixel;
  linemodifier = next.linemodifier;
  OctaveText().SetText(next.name);
  ClearDisplay();
  PatternDraw();
  return false;
}

void Window1::ApplyIntervalModeText() {
  if (const IntervalMode* m = ModeNamed(OctaveText().Text())) {
    Octave = m->octave;
    linemodifier = m->linemodifier;
    bottompixel = m->bottompixel;
  }
}
