// The main window's life cycle: creation, layout, the start values of the
// document, closing.
#include "engine/window1.h"

#include <string>

#include "app/app.h"
#include "app/assets.h"
#include "layout/window_records.h"
#include "platform/base/numbers.h"
#include "platform/base/thread.h"
#include "platform/ui/application.h"
#include "platform/ui/design_record.h"

Window1::Window1() = default;

Window1::~Window1() {
  // A playback loop still running reads this document: end it and wait for it
  // before the document goes.
  playon = false;
  fw::JoinAllThreads();
}

Window1& Window1::Instance() { return fw::ImplicitInstance<Window1>("Window1"); }

void Window1::Layout() {
  SetBackdrop(TKDrumscopy1());
  SetMenuBar(&MenuBar1::Instance());
  fw::ApplyRecord(*this, kWindow1Record);
}

void Window1::Event_Open() {
  Pattern = 1;
  playon = false;
  StaticText20().SetText(fw::Str(Pattern));
  linemodifier = 12;
  bottompixel = 136;
  Octave = 1;
  NumBeats = 32;
  Meter = 1;
  SwingNumDown = 1.0;
  SwingNumUp = 1.0;
  CalculateInterval();
  MainVolume = 100;
  percentvolume = MainVolume / 100.0;
  re = 255;
  gre = 255;
  for (int pattern = 1; pattern <= 50; ++pattern) Hit(pattern, 0, 0) = 1;
  for (int row = 1; row <= 10; ++row) S(row) = blank();
  ResetColors();
  p->Graphics().UseOldRenderer = true;
  xlineMOD2 = 15;
  KitName1().SetText("Untitled Kit");
  KitName1().SetEnabled(false);
  RepeatSteps = 16;
  OpenDefaultKit();
  OpenDefaultPattern();
}

void Window1::Event_Close() {
  // Nothing is saved or asked; a running playback ends with the window.
  fw::Quit(0);
}

fw::Canvas& Window1::SRCell(int row, int step) const {
  return Get<fw::Canvas>("SR" + std::to_string(row), step);
}
