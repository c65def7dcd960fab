// Playback tests on the started window: the row sounds are single-sample
// impulses whose levels name their rows, so every step the loop sounds can be
// read back from the captured output.
//
// Row r's impulse has level 2^(r-1) / 1024 and its pan is hard left, so the
// left channel of one step is the sum of the rows it sounded (times the main
// volume and the velocity): a bit mask. Rows 5..9 mark the step number in
// binary and row 10 sounds on every step, so each heard step tells which step
// it was; rows 1..4 are free for the tests.
#pragma once
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

#include "platform/base/clock.h"
#include "platform/base/thread.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound_data.h"
#include "tests/support/started_window.h"

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
inline int MaskOf(const HeardStep& step, double gain = 1.0) {
  const double units = step.level / gain * 1024.0;
  const long mask = std::lround(units);
  return std::abs(units - mask) > 0.05 || mask < 512 || mask > 1023 ? -1 : int(mask);
}
inline int StepOf(int mask) { return ((mask >> 4) & 31) + 1; }
inline int ContentOf(int mask) { return mask & 15; }

class TransportWindow : public StartedTest {
 protected:
  void SetUp() override {
    StartedTest::SetUp();
    for (int r = 1; r <= 10; ++r) {
      auto d = std::make_shared<fw::SampleData>();
      d->sampleRate = fw::AudioOutput::SampleRate();
      d->frames = 4;
      d->samples.assign(8, 0.0f);
      d->samples[0] = d->samples[1] = static_cast<float>(std::ldexp(1.0, r - 1) / 1024.0);
      w.S(r) = std::make_shared<fw::Sound>(d);
      w.S(r)->Pan = -100;  // left only, at full level
    }
    w.StaticText1().SetText("600");  // a step every 25 ms
    w.CalculateInterval();
    for (int pattern = 1; pattern <= 4; ++pattern) MarkedPattern(pattern);
    w.MeterDisplay();
    ASSERT_TRUE(fw::AudioOutput::StartCaptureToMemory());
  }
  void TearDown() override {
    if (w.playon) w.StopPlayback();
    EXPECT_TRUE(RunUntil([&] { return w.CurrentBeat <= 0; }, 1000));
    fw::AudioOutput::Stop();
    StartedTest::TearDown();
  }

  // Empty pattern with the step-number rows and the every-step row on.
  void MarkedPattern(int pattern, int lengthCode = 1) {
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) {
        const bool on = r == 10 || (r >= 5 && (((s - 1) >> (r - 5)) & 1));
        w.Hit(pattern, r, s) = on ? 1 : 0;
        w.SV(pattern, r, s) = on ? 100 : 0;
      }
    w.Hit(pattern, 0, 0) = lengthCode;
  }
  // Presses the volume knob where it is now and drags it to window y.
  void DragKnobTo(int y) {
    const fw::Canvas& knob = w.Canvas11();
    const int x = knob.Left() + knob.Width() / 2;
    fw::testing::Press(w, x, knob.Top() + knob.Height() / 2);
    fw::testing::Drag(w, x, y);
    fw::testing::Release(w, x, y);
  }
  // Runs the event loop in short waits until done() holds or ms passed.
  bool RunUntil(const std::function<bool()>& done, int ms) {
    for (const double end = fw::Microseconds() + ms * 1e3; !done(); fw::testing::ProcessEvents(1))
      if (fw::Microseconds() > end) return false;
    return true;
  }
  // The main window keeps the loop waiting while this runs (this thread holds
  // the baton), so every step is heard either before or after the change;
  // returns the moment that separates them.
  double ChangeBetweenSteps(const std::function<void()>& change) {
    EXPECT_TRUE(fw::Baton::HeldByThisThread());
    const double at = fw::Microseconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    change();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return at + 2000.0;
  }
  // Everything heard so far (after the output latency has passed), grouped
  // into steps: the sounds of one step lie within 1 ms.
  std::vector<HeardStep> Heard() {
    fw::testing::ProcessEvents(int(fw::AudioOutput::LatencyMicroseconds() / 1000) + 30);
    const fw::CapturedAudio heard = fw::AudioOutput::TakeCapture();
    std::vector<HeardStep> steps;
    const int64_t gap = heard.sampleRate / 1000;
    for (int64_t i = 0, last = -gap - 1; i < heard.Frames(); ++i) {
      const float left = heard.samples[static_cast<size_t>(2 * i)];
      if (left == 0.0f) continue;
      if (i - last > gap)
        steps.push_back({heard.startMicros + double(heard.firstFrame + i) * 1e6 / heard.sampleRate -
                             fw::AudioOutput::LatencyMicroseconds(),
                         0.0});
      steps.back().level += left;
      last = i;
    }
    return steps;
  }
};

}  // namespace transporttest
