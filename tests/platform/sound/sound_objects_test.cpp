// Sound objects through the real output path, heard by the capture sink.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
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
  for (int64_t i = 0; i < a.Frames(); ++i) {
    const double x = a.samples[static_cast<size_t>(2 * i + channel)];
    sum += x * x;
  }
  return sum;
}

// Everything the memory capture holds from now until it has rendered the
// moment `until` (a clock reading), or whatever came within five seconds.
fw::CapturedAudio HeardUntil(double until) {
  fw::CapturedAudio all = fw::AudioOutput::TakeCapture();
  const double deadline = fw::Microseconds() + 5e6;
  auto end = [&all] {
    return all.startMicros +
           static_cast<double>(all.firstFrame + all.Frames()) * 1e6 / all.sampleRate;
  };
  while (end() < until && fw::Microseconds() < deadline) {
    std::this_thread::yield();
    fw::CapturedAudio more = fw::AudioOutput::TakeCapture();
    all.samples.insert(all.samples.end(), more.samples.begin(), more.samples.end());
  }
  return all;
}

class SoundObjects : public ::testing::Test {
 protected:
  void TearDown() override { fw::AudioOutput::Stop(); }
  const double latency = fw::AudioOutput::LatencyMicroseconds();
};

TEST_F(SoundObjects, CloneSharesTheDataAndKeepsTheSettings) {
  fw::SoundRef s = ConstantSound(0.01, 0.1f);
  s->Volume = 37;
  s->Pan = -60;
  fw::SoundRef c = s->Clone();
  EXPECT_NE(c, s);
  EXPECT_EQ(c->Data(), s->Data());
  EXPECT_EQ(c->Volume, 37);
  EXPECT_EQ(c->Pan, -60);
  c->Volume = 5;  // the settings are the clone's own
  EXPECT_EQ(s->Volume, 37);
}

TEST_F(SoundObjects, StopSilencesOnlyTheObjectsOwnVoices) {
  ASSERT_TRUE(fw::AudioOutput::StartCaptureToMemory());
  fw::SoundRef left = ConstantSound(0.5, 0.5f);
  left->Pan = -100;
  fw::SoundRef right = left->Clone();
  right->Pan = 100;
  const double start = fw::Microseconds();
  left->Play();
  right->Play();
  left->Stop();  // before either sounds: the left voice never starts
  fw::CapturedAudio heard = HeardUntil(start + latency + 100000);
  EXPECT_EQ(Energy(heard, 0), 0.0);
  EXPECT_GT(Energy(heard, 1), 0.1 * heard.sampleRate * 0.25 * 0.5);

  right->Stop();  // after a short fade, nothing more
  HeardUntil(fw::Microseconds() + latency + 20000);
  EXPECT_EQ(Energy(HeardUntil(fw::Microseconds() + 50000), 1), 0.0);
}

TEST_F(SoundObjects, AHitSoundsAtItsPlayMomentPlusTheLatency) {
  ASSERT_TRUE(fw::AudioOutput::StartCaptureToMemory());
  HeardUntil(fw::Microseconds() + 300000);  // let the clock mapping settle
  fw::SoundRef click = ConstantSound(0.001, 1.0f);
  click->Volume = 50;
  click->Pan = -100;
  const double before = fw::Microseconds();
  click->Play();
  fw::CapturedAudio heard = HeardUntil(before + latency + 50000);
  int64_t onset = -1;
  for (int64_t i = 0; i < heard.Frames() && onset < 0; ++i) {
    if (heard.samples[static_cast<size_t>(2 * i)] != 0.0f) onset = heard.firstFrame + i;
  }
  ASSERT_GE(onset, 0);
  const double at = heard.startMicros + static_cast<double>(onset) * 1e6 / heard.sampleRate;
  EXPECT_NEAR(at - before, latency, 500);
  const size_t first = static_cast<size_t>(2 * (onset - heard.firstFrame));
  EXPECT_FLOAT_EQ(heard.samples[first], 0.5f);
  EXPECT_FLOAT_EQ(heard.samples[first + 1], 0.0f);
}

TEST_F(SoundObjects, CaptureToAWavFileHoldsWhatWasPlayed) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("taktora_capture_" + std::to_string(getpid()) + ".wav"))
                               .string();
  ASSERT_TRUE(fw::AudioOutput::StartCapture(path));
  ConstantSound(0.05, 0.25f)->Play();
  // The file grows as the capture renders: wait until the sound is in it.
  const auto needed =
      static_cast<std::uintmax_t>(4096 + 8 * (latency / 1e6 + 0.1) * fw::AudioOutput::SampleRate());
  const double deadline = fw::Microseconds() + 5e6;
  std::error_code ec;
  while (std::filesystem::file_size(path, ec) < needed && fw::Microseconds() < deadline)
    std::this_thread::yield();
  fw::AudioOutput::Stop();
  SF_INFO info{};
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.samplerate, fw::AudioOutput::SampleRate());
  std::vector<float> all(static_cast<size_t>(info.frames) * 2);
  sf_readf_float(f, all.data(), info.frames);
  sf_close(f);
  std::filesystem::remove(path);
  int64_t loud = 0;
  for (size_t i = 0; i < all.size(); i += 2)
    loud += std::abs(all[i] - 0.25f * std::sqrt(0.5f)) < 1e-6;
  EXPECT_NEAR(static_cast<double>(loud), 0.05 * info.samplerate, 2);
  EXPECT_FALSE(fw::AudioOutput::StartCapture("/nonexistent-folder/x.wav"));
}

}  // namespace
