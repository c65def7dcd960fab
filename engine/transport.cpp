// Play and Stop, from the Play button and the space key.
#include <memory>

#include "engine/play_loop.h"
#include "engine/window1.h"
#include "platform/numbers.h"

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
  ++playGeneration;
  auto loop = std::make_shared<PlayLoop>(*this, playGeneration);
  loop->Priority = 1000;
  loop->Run();
}

void Window1::StopPlayback() {
  Play().SetCaption("Play");
  playon = false;
  for (int row = 1; row <= 10; ++row) S(row)->Stop();
  DrawBlackLines();
  enablebuttons();
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
