#include "tests/transport/transport_window.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>

#include "platform/audio_output.h"
#include "platform/clock.h"
#include "platform/sound_data.h"
#include "platform/thread.h"

namespace transporttest {

int MaskOf(const HeardStep& step, double gain) {
  const double units = step.level / gain * 1024.0;
  const long mask = std::lround(units);
  if (std::abs(units - static_cast<double>(mask)) > 0.05 || mask < 512 || mask > 1023) return -1;
  return static_cast<int>(mask);
}

void TransportWindow::SetUp() {
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

void TransportWindow::TearDown() {
  if (w.playon) w.StopPlayback();
  EXPECT_TRUE(RunUntil([&] { return w.CurrentBeat <= 0; }, 1000));
  fw::AudioOutput::Stop();
  StartedTest::TearDown();
}

void TransportWindow::MarkedPattern(int pattern, int lengthCode) {
  for (int r = 1; r <= 10; ++r)
    for (int s = 1; s <= 32; ++s) {
      const bool on = r == 10 || (r >= 5 && (((s - 1) >> (r - 5)) & 1));
      w.Hit(pattern, r, s) = on ? 1 : 0;
      w.SV(pattern, r, s) = on ? 100 : 0;
    }
  w.Hit(pattern, 0, 0) = lengthCode;
}

void TransportWindow::DragKnobTo(int y) {
  const fw::Canvas& knob = w.Canvas11();
  const int x = knob.Left() + knob.Width() / 2;
  fw::testing::Press(w, x, knob.Top() + knob.Height() / 2);
  fw::testing::Drag(w, x, y);
  fw::testing::Release(w, x, y);
}

bool TransportWindow::RunUntil(const std::function<bool()>& done, int ms) {
  const double deadline = fw::Microseconds() + ms * 1000.0;
  while (!done()) {
    if (fw::Microseconds() > deadline) return false;
    fw::testing::ProcessEvents(1);
  }
  return true;
}

double TransportWindow::ChangeBetweenSteps(const std::function<void()>& change) {
  // Holding the baton, this thread keeps the loop from sounding anything.
  EXPECT_TRUE(fw::Baton::HeldByThisThread());
  const double at = fw::Microseconds();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  change();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  return at + 2000.0;
}

std::vector<HeardStep> TransportWindow::Heard() {
  fw::testing::ProcessEvents(static_cast<int>(fw::AudioOutput::LatencyMicroseconds() / 1000) + 30);
  const fw::CapturedAudio heard = fw::AudioOutput::TakeCapture();
  // The sounds of one step lie within 1 ms.
  std::vector<HeardStep> steps;
  const int64_t gapFrames = heard.sampleRate / 1000;
  for (int64_t i = 0, last = -gapFrames - 1; i < heard.Frames(); ++i) {
    const float left = heard.samples[static_cast<size_t>(2 * i)];
    if (left == 0.0f) continue;
    if (i - last > gapFrames)
      steps.push_back({heard.startMicros +
                           static_cast<double>(heard.firstFrame + i) * 1e6 / heard.sampleRate -
                           fw::AudioOutput::LatencyMicroseconds(),
                       0.0});
    steps.back().level += left;
    last = i;
  }
  return steps;
}

}  // namespace transporttest
