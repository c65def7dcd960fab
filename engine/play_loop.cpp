#include "engine/play_loop.h"

#include "engine/window1.h"
#include "platform/base/clock.h"
#include "platform/base/numbers.h"

bool PlayLoop::Current() const { return w_.playon && w_.playGeneration == generation_; }

void PlayLoop::SoundStep() {
  for (int row = 1; row <= 10; ++row) {
    if (w_.Hit(w_.Pattern, row, w_.CurrentBeat) != 1) continue;
    fw::SoundRef& sound = w_.S(row);
    sound->Volume = fw::ToInteger(w_.percentvolume * w_.SV(w_.Pattern, row, w_.CurrentBeat));
    sound->Clone()->Play();
  }
}

void PlayLoop::Event_Run() {
  // A newer start may have run its loop before this one got going: that loop
  // owns the position now, and this one must not reset it.
  if (w_.playGeneration != generation_) return;
  fw::Canvas& pointer = w_.PointerCanvas();
  w_.LastBeat = fw::Microseconds();
  w_.CurrentBeat = 1;
  while (Current()) {
    const double now = fw::Microseconds();
    const double interval = w_.Beat(w_.CurrentBeat);
    if (now - w_.LastBeat < interval) {
      // Not due yet: let the other thread run, and sleep until just before
      // the step is due instead of spinning on the clock.
      fw::YieldToNextThreadUntil(w_.LastBeat + interval);
      continue;
    }
    SoundStep();
    w_.LastBeat = now;
    pointer.Refresh(true);
    w_.CurrentBeat = w_.CurrentBeat + 1;
    if (w_.CurrentBeat > w_.NumBeats) w_.CurrentBeat = 1;
    fw::YieldToNextThread();
  }
  // A loop that a newer start has replaced leaves the position to the new one.
  if (w_.playGeneration != generation_) return;
  w_.CurrentBeat = -1;
  pointer.Refresh(true);
}
