// Play and Stop, from the Play button and the space key.
#include <memory>

#include "engine/play_loop.h"
#include "engine/window1.h"
#include "platform/base/numbers.h"

void Window1::Play_Action(fw::Control&) {
  if (fw::TextEquals(Play().Caption(), "Play")) {
    StartPlayback();
  } else {
    StopPlayback();
  }
}

void Window1::StartPlayback() {
  Play().SetCaption("Stop");
  playon = true;
  disablebuttons();
  RunPlayLoop();
}

void Window1::StopPlayback() {
  Play().SetCaption("Play");
  playon = false;
  StopRowSounds();
  DrawBlackLines();
  enablebuttons();
}

void Window1::RunPlayLoop() {
  ++playGeneration;
  auto loop = std::make_shared<PlayLoop>(*this, playGeneration);
  loop->Priority = 1000;
  loop->Run();  // the platform keeps the loop alive until it returns
}

void Window1::StopRowSounds() {
  // Only the row sounds themselves; copies already playing ring out.
  for (int row = 1; row <= 10; ++row) S(row)->Stop();
}

namespace {
const char* const kFileControls[] = {"SavePattern", "LPattern", "StaticText24", "StaticText25",
                                     "SavePicture"};
}

void Window1::disablebuttons() {
  for (const char* name : kFileControls) ControlByName(name)->SetEnabled(false);
}

void Window1::enablebuttons() {
  for (const char* name : kFileControls) ControlByName(name)->SetEnabled(true);
}
