// A fixture over the real main window for playback: the row sounds are
// single-sample impulses whose levels name their rows, so every step the loop
// sounds can be read back from the captured output.
//
// Row r's impulse has level 2^(r-1) / 1024 and its pan is hard left, so the
// left channel of one step is the sum of the rows it sounded (times the main
// volume and the velocity): a bit mask. Rows 5..9 mark the step number in
// binary and row 10 sounds on every step, so each heard step tells which step
// it was; rows 1..4 are free for the tests.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/window1.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound.h"
#include "platform/ui/testing.h"

namespace transporttest {

// One step as heard: when its sounds were started (the clock reading of the
// Play calls) and the summed left level of its impulses.
struct HeardStep {
  double playMicros = 0;
  double level = 0;
};

// The rows of a heard step as a mask (bit r-1 for row r), given the gain all
// of its sounds played at; -1 when the level is no sum of whole row levels
// (two loops sounding one step, say) or the every-step row is missing.
int MaskOf(const HeardStep& step, double gain = 1.0);
inline int StepOf(int mask) { return ((mask >> 4) & 31) + 1; }
inline int ContentOf(int mask) { return mask & 15; }

// Groups the non-zero frames of a capture into steps.
std::vector<HeardStep> StepsIn(const fw::CapturedAudio& heard);

// A short sound at the output rate whose first frame has this level.
fw::SoundRef ImpulseSound(double level);

class TransportWindow : public ::testing::Test {
 protected:
  Window1& w = Window1::Instance();

  void SetUp() override;
  void TearDown() override;

  // Stops playback (if any) and waits until the loop has ended.
  void StopAndSettle();
  // Empty pattern with the step-number rows and the every-step row on.
  void MarkedPattern(int pattern, int lengthCode = 1);
  void SetTempo(const std::string& text);

  // Runs the event loop in short waits until done() holds or ms passed.
  bool RunUntil(const std::function<bool()>& done, int ms);
  // The main window keeps the loop waiting while this runs, so every step
  // is heard either before or after the change; returns the moment that
  // separates them.
  double ChangeBetweenSteps(const std::function<void()>& change);
  // Everything heard so far (after the output latency has passed).
  std::vector<HeardStep> Heard();

  void ClickOn(const fw::Control& c);
  void Type(const std::string& key) { fw::testing::TypeKey(w, key); }

  fw::SoundRef saved_[11];
};

}  // namespace transporttest
