// The main volume knob: a drag along the track from y 70 (100) to y 170 (0).
#include "engine/window1.h"
#include "platform/base/numbers.h"

bool Window1::Canvas11_MouseDown(fw::Control&, int, int) { return true; }

void Window1::Canvas11_MouseDrag(fw::Control&, int, int) {
  int y = MouseY();
  if (y > 170) y = 170;
  if (y < 70) y = 70;
  MainVolume = 100 - (y - 70);
  percentvolume = MainVolume / 100.0;
  VolumeText().SetText(fw::Str(MainVolume));
  Canvas11().SetTop(y - 6);
}
