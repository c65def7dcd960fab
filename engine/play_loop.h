// The playback thread: steps through the current pattern at the step
// intervals, playing a copy of each row's sound where its step is on.
#pragma once
#include "platform/base/thread.h"

class Window1;

class PlayLoop : public fw::Thread {
 public:
  PlayLoop(Window1& window, unsigned generation) : w_(window), generation_(generation) {}
  void Event_Run() override;

 private:
  bool Current() const;
  void SoundStep();

  Window1& w_;  // the main window outlives every loop: it joins them on exit
  unsigned generation_;
};
