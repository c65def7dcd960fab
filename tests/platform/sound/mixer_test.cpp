// The mixer rendered offline against a clock mapping the test sets: where
// voices start, how loud, how they stop and when their data is let go.
#include "platform/sound/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/sound/sound.h"

namespace {

constexpr int kRate = 48000;
constexpr double kMicrosPerFrame = 1e6 / kRate;

std::shared_ptr<fw::SampleData> Constant(int64_t frames, float left, float right) {
  auto d = std::make_shared<fw::SampleData>();
  d->sampleRate = kRate;
  d->frames = frames;
  d->samples.resize(static_cast<size_t>(frames) * 2);
  for (int64_t i = 0; i < frames; ++i) {
    d->samples[static_cast<size_t>(2 * i)] = left;
    d->samples[static_cast<size_t>(2 * i + 1)] = right;
  }
  return d;
}

// Renders [0, frames) in blocks of `block`, frame 0 at clock moment 1e6.
std::vector<float> RenderAll(fw::Mixer& m, int64_t frames, int block = 256) {
  std::vector<float> out(static_cast<size_t>(frames) * 2);
  for (int64_t f = 0; f < frames; f += block) {
    m.SetClock(f, 1e6 + static_cast<double>(f) * kMicrosPerFrame, kMicrosPerFrame);
    m.Render(&out[static_cast<size_t>(2 * f)],
             static_cast<int>(std::min<int64_t>(block, frames - f)), f);
  }
  return out;
}

int64_t FirstNonZero(const std::vector<float>& out, int channel, int64_t from = 0) {
  for (size_t i = static_cast<size_t>(2 * from + channel); i < out.size(); i += 2) {
    if (out[i] != 0.0f) return static_cast<int64_t>(i / 2);
  }
  return -1;
}

TEST(Mixer, HitsStartAtTheirClockMomentsWhateverTheBlockSize) {
  auto click = Constant(10, 1.0f, 1.0f);
  for (int block : {64, 256, 441, 1024}) {
    SCOPED_TRACE(block);
    fw::Mixer m(kRate);
    // Both are queued before anything renders, as a burst of Play calls is.
    const double first = 1e6 + 2000.0;   // frame 96
    const double second = 1e6 + 7510.0;  // frame 360.48 -> 360
    const fw::ChannelGains g = fw::GainsFor(50, 0);
    ASSERT_TRUE(m.Start(click, 1, first, g.left, g.right));
    ASSERT_TRUE(m.Start(click, 2, second, g.left, g.right));
    std::vector<float> out = RenderAll(m, 2048, block);
    EXPECT_EQ(FirstNonZero(out, 0), 96);
    EXPECT_EQ(FirstNonZero(out, 0, 106), 360);
    EXPECT_EQ(FirstNonZero(out, 0, 370), -1);
    EXPECT_NEAR(out[2 * 96], 0.5 * std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(out[2 * 360 + 1], 0.5 * std::sqrt(0.5), 1e-6);
  }
}

TEST(Mixer, PanLawAndVolume) {
  struct Case {
    int volume, pan;
    double left, right;
  };
  const Case cases[] = {
      {50, -100, 0.5, 0.0},  {50, 0, 0.5 * std::sqrt(0.5), 0.5 * std::sqrt(0.5)},
      {50, 100, 0.0, 0.5},   {100, -60, std::cos(0.2 * M_PI / 2), std::sin(0.2 * M_PI / 2)},
      {150, -300, 1.0, 0.0},  // out-of-range settings are clamped
      {-5, 40, 0.0, 0.0},
  };
  auto stereo = Constant(100, 0.8f, -0.4f);  // the channels stay apart
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "volume " << c.volume << " pan " << c.pan);
    const fw::ChannelGains g = fw::GainsFor(c.volume, c.pan);
    EXPECT_NEAR(g.left, c.left, 1e-6);
    EXPECT_NEAR(g.right, c.right, 1e-6);
    // Equal power across the pan range (before the volume).
    if (c.volume > 0 && c.volume <= 100) {
      const double v = c.volume / 100.0;
      EXPECT_NEAR(g.left * g.left + g.right * g.right, v * v, 1e-6);
    }
    fw::Mixer m(kRate);
    m.Start(stereo, 1, 1e6, g.left, g.right);
    std::vector<float> out = RenderAll(m, 256);
    EXPECT_NEAR(out[20], 0.8 * c.left, 1e-6);
    EXPECT_NEAR(out[21], -0.4 * c.right, 1e-6);
  }
}

TEST(Mixer, ManyVoicesAddUpAndAreClipped) {
  fw::Mixer m(kRate);
  for (int i = 0; i < 200; ++i)
    m.Start(Constant(50, 0.1f, -0.1f), static_cast<uint64_t>(i), 1e6, 1, 1);
  m.Start(Constant(100, 0.003f, 0.003f), 999, 1e6 + 50 * kMicrosPerFrame, 1, 1);
  std::vector<float> out = RenderAll(m, 256);
  EXPECT_EQ(m.ActiveVoices(), 0);
  EXPECT_FLOAT_EQ(out[0], 1.0f);
  EXPECT_FLOAT_EQ(out[1], -1.0f);
  // After the loud ones end, the quiet one is heard unclipped.
  EXPECT_FLOAT_EQ(out[2 * 60], 0.003f);
}

TEST(Mixer, AFullPoolDropsTheOldestVoice) {
  fw::Mixer m(kRate, 4);
  auto d = Constant(1000, 0.01f, 0.01f);
  for (int i = 0; i < 4; ++i) m.Start(d, static_cast<uint64_t>(i), 1e6, 1, 1);
  std::vector<float> out(512);
  m.SetClock(0, 1e6, kMicrosPerFrame);
  m.Render(out.data(), 256, 0);
  EXPECT_EQ(m.ActiveVoices(), 4);
  EXPECT_NEAR(out[0], 0.04, 1e-6);
  m.Start(d, 9, 1e6, 1, 1);
  m.Stop(0);  // the oldest is gone already: stopping it changes nothing
  m.Render(out.data(), 256, 256);
  EXPECT_EQ(m.ActiveVoices(), 4);
  EXPECT_NEAR(out[0], 0.04, 1e-6);
}

TEST(Mixer, StopEndsOnlyThatOwnersVoicesWithAShortFade) {
  fw::Mixer m(kRate);
  auto d = Constant(48000, 0.5f, 0.5f);
  m.Start(d, 1, 1e6, 1, 0);        // owner 1, left
  m.Start(d, 2, 1e6, 0, 1);        // owner 2, right
  m.Start(d, 1, 1e6 + 1e5, 1, 0);  // owner 1 again, not yet sounding
  std::vector<float> first = RenderAll(m, 512);
  EXPECT_EQ(m.ActiveVoices(), 3);
  m.Stop(1);
  std::vector<float> out(2 * 512);
  m.SetClock(512, 1e6 + 512 * kMicrosPerFrame, kMicrosPerFrame);
  m.Render(out.data(), 512, 512);
  EXPECT_EQ(m.ActiveVoices(), 1);
  EXPECT_NEAR(out[0], 0.5, 1e-6);                              // fade starts at full level
  EXPECT_LT(out[2 * (fw::Mixer::kStopFadeFrames - 1)], 0.02);  // and ends near zero
  EXPECT_EQ(out[2 * fw::Mixer::kStopFadeFrames], 0.0f);
  for (int i = 0; i < 512; ++i) ASSERT_FLOAT_EQ(out[static_cast<size_t>(2 * i + 1)], 0.5f);
  m.StopAll();
  m.Render(out.data(), 512, 1024);
  EXPECT_EQ(m.ActiveVoices(), 0);
}

TEST(Mixer, APendingVoiceFollowsALaterClockMapping) {
  fw::Mixer m(kRate);
  std::vector<float> out(2 * 256);
  m.SetClock(0, 1e6, kMicrosPerFrame);
  m.Start(Constant(1, 1, 1), 1, 1e6 + 10000, 1, 1);  // frame 480 under this mapping
  m.Render(out.data(), 256, 0);
  // The clock turns out to run 1 ms ahead of what was thought.
  m.SetClock(256, 1e6 + 256 * kMicrosPerFrame + 1000, kMicrosPerFrame);
  m.Render(out.data(), 256, 256);
  EXPECT_EQ(FirstNonZero(out, 0), 480 - 48 - 256);
}

TEST(Mixer, ALateVoiceStartsAtOnceAndWhole) {
  fw::Mixer m(kRate);
  auto d = Constant(3, 0.25f, 0.25f);
  m.SetClock(1000, 1e6, kMicrosPerFrame);
  m.Start(d, 1, 1e6 - 5000, 1, 1);  // its moment passed before this block
  std::vector<float> out(2 * 64);
  m.Render(out.data(), 64, 1000);
  EXPECT_EQ(FirstNonZero(out, 0), 0);
  EXPECT_EQ(FirstNonZero(out, 0, 3), -1);
}

TEST(Mixer, SampleDataLivesWhileAVoicePlaysItAndIsReleasedAfter) {
  fw::Mixer m(kRate);
  auto d = Constant(300, 0.1f, 0.1f);
  std::weak_ptr<fw::SampleData> watch = d;
  m.Start(std::move(d), 1, 1e6, 1, 1);
  std::vector<float> out(2 * 256);
  m.SetClock(0, 1e6, kMicrosPerFrame);
  m.Render(out.data(), 256, 0);
  EXPECT_FALSE(watch.expired());  // only the mixer holds it now
  m.Render(out.data(), 256, 256);
  EXPECT_FALSE(watch.expired());  // finished, but freeing is not the renderer's job
  m.Reclaim();
  EXPECT_TRUE(watch.expired());

  auto e = Constant(300, 0.1f, 0.1f);
  std::weak_ptr<fw::SampleData> pending = e;
  m.Start(std::move(e), 1, 1e6, 1, 1);
  m.Reset();
  EXPECT_TRUE(pending.expired());
}

}  // namespace
