// Sound objects through the real output path, heard by the capture sink.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "platform/base/clock.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound.h"
#include "platform/sound/sound_data.h"

namespace {

fw::SoundRef ConstantSound(double seconds, float level) {
  auto d = std::make_shared<fw::SampleData>();
  d->sampleRate = fw::AudioOutput::SampleRate();
  d->frames = static_cast<int64_t>(seconds * d->sampleRate);
  d->samples.assign(static_cast<size_t>(d->frames) * 2, level);
  return std::make_shared<fw::Sound>(d);
}

double Energy(const fw::CapturedAudio& a, int channel) {
  double sum = 0;
  for (size_t i = static_cast<size_t>(channel); i < a.samples.size(); i += 2)
    sum += a.samples[i] * a.samples[i];
  return sum;
}

// Everything the memory capture holds from now until it has rendered the
// moment `until` (a clock reading), or whatever came within five seconds.
fw::CapturedAudio HeardUntil(double until) {
  fw::CapturedAudio all = fw::AudioOutput::TakeCapture();
  const double deadline = fw::Microseconds() + 5e6;
  while (all.startMicros +
                 static_cast<double>(all.firstFrame + all.Frames()) * 1e6 / all.sampleRate <
             until &&
         fw::Microseconds() < deadline) {
    std::this_thread::yield();
    fw::CapturedAudio more = fw::AudioOutput::TakeCapture();
    all.samples.insert(all.samples.end(), more.samples.begin(), more.samples.end());
  }
  return all;
}

class SoundObjects : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(fw::AudioOutput::StartCaptureToMemory()); }
  void TearDown() override { fw::AudioOutput::Stop(); }
  const double latency = fw::AudioOutput::LatencyMicroseconds();
};

// A hit sounds at its play moment plus the latency, with its own volume and
// pan; stopping a sound silences only its own voices, before they start or
// after a short fade.
TEST_F(SoundObjects, AHitSoundsAtItsMomentWithItsOwnSettingsUntilItsOwnStop) {
  HeardUntil(fw::Microseconds() + 300000);  // let the clock mapping settle
  fw::SoundRef left = ConstantSound(0.5, 1.0f);
  left->Volume = 50;
  left->Pan = -100;
  fw::SoundRef right = left->Clone();
  EXPECT_EQ(right->Data(), left->Data());
  right->Pan = 100;
  const double before = fw::Microseconds();
  left->Play();
  right->Play();
  right->Stop();  // before it sounds: the right voice never starts
  fw::CapturedAudio heard = HeardUntil(before + latency + 100000);
  EXPECT_EQ(Energy(heard, 1), 0.0);
  size_t i = 0;
  while (i < heard.samples.size() && heard.samples[i] == 0.0f) i += 2;
  ASSERT_LT(i, heard.samples.size());
  const double at =
      heard.startMicros + static_cast<double>(heard.firstFrame + i / 2) * 1e6 / heard.sampleRate;
  EXPECT_NEAR(at - before, latency, 500);
  EXPECT_EQ(std::pair(heard.samples[i], heard.samples[i + 1]), std::pair(0.5f, 0.0f));

  left->Stop();
  HeardUntil(fw::Microseconds() + latency + 20000);
  EXPECT_EQ(Energy(HeardUntil(fw::Microseconds() + 50000), 0), 0.0);
}

}  // namespace
