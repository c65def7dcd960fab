// The mixer rendered offline against a clock mapping the test sets: where
// voices start, how loud and how they stop.
#include "platform/sound/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/sound/sound.h"

namespace {

constexpr int kRate = 48000;
constexpr double kFrame = 1e6 / kRate;  // microseconds

std::shared_ptr<fw::SampleData> Constant(int64_t frames, float left, float right) {
  auto d = std::make_shared<fw::SampleData>();
  d->sampleRate = kRate;
  d->frames = frames;
  for (int64_t i = 0; i < frames; ++i) d->samples.insert(d->samples.end(), {left, right});
  return d;
}

// Renders `frames` frames from frame `from` in blocks of `block`, frame f at
// clock moment 1e6 + f * kFrame.
std::vector<float> Render(fw::Mixer& m, int64_t frames, int block = 256, int64_t from = 0) {
  std::vector<float> out(static_cast<size_t>(frames) * 2);
  for (int64_t f = 0; f < frames; f += block) {
    m.SetClock(from + f, 1e6 + static_cast<double>(from + f) * kFrame, kFrame);
    m.Render(&out[static_cast<size_t>(2 * f)],
             static_cast<int>(std::min<int64_t>(block, frames - f)), from + f);
  }
  return out;
}

int64_t FirstNonZero(const std::vector<float>& out, int64_t from = 0) {
  for (size_t i = static_cast<size_t>(2 * from); i < out.size(); i += 2)
    if (out[i] != 0.0f) return static_cast<int64_t>(i / 2);
  return -1;
}

TEST(Mixer, HitsStartAtTheirClockMomentsUnderTheMappingOfTheirBlock) {
  auto click = Constant(10, 1.0f, 1.0f);
  for (int block : {64, 256, 441, 1024}) {
    SCOPED_TRACE(block);
    fw::Mixer m(kRate);
    // Both are queued before anything renders, as a burst of Play calls is.
    m.Start(click, 1, 1e6 + 2000.0, 1, 1);  // frame 96
    m.Start(click, 2, 1e6 + 7510.0, 1, 1);  // frame 360.48 -> 360
    std::vector<float> out = Render(m, 2048, block);
    EXPECT_EQ(FirstNonZero(out), 96);
    EXPECT_EQ(FirstNonZero(out, 106), 360);
    EXPECT_EQ(FirstNonZero(out, 370), -1);
  }
  fw::Mixer m(kRate);
  m.SetClock(0, 1e6, kFrame);
  m.Start(Constant(1, 1, 1), 1, 1e6 + 10000, 1, 1);  // frame 480 under this mapping
  std::vector<float> out(2 * 256);
  m.Render(out.data(), 256, 0);
  // The clock turns out to run 1 ms ahead of what was thought.
  m.SetClock(256, 1e6 + 256 * kFrame + 1000, kFrame);
  m.Render(out.data(), 256, 256);
  EXPECT_EQ(FirstNonZero(out), 480 - 48 - 256);
  // A voice whose moment passed before its block starts at once and whole.
  m.Start(Constant(3, 0.25f, 0.25f), 1, 1e6, 1, 1);
  out = Render(m, 64, 64, 1000);
  EXPECT_EQ(FirstNonZero(out), 0);
  EXPECT_EQ(FirstNonZero(out, 3), -1);
}

TEST(Mixer, PanLawAndVolume) {
  const struct {
    int volume, pan;
    double left, right;
  } cases[] = {
      {50, -100, 0.5, 0.0},
      {50, 0, 0.5 * std::sqrt(0.5), 0.5 * std::sqrt(0.5)},
      {100, -60, std::cos(0.2 * M_PI / 2), std::sin(0.2 * M_PI / 2)},
      {150, -300, 1.0, 0.0},  // out-of-range settings are clamped
      {-5, 40, 0.0, 0.0},
  };
  auto stereo = Constant(100, 0.8f, -0.4f);  // the channels stay apart
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "volume " << c.volume << " pan " << c.pan);
    const fw::ChannelGains g = fw::GainsFor(c.volume, c.pan);
    fw::Mixer m(kRate);
    m.Start(stereo, 1, 1e6, g.left, g.right);
    std::vector<float> out = Render(m, 256);
    EXPECT_NEAR(out[20], 0.8 * c.left, 1e-6);
    EXPECT_NEAR(out[21], -0.4 * c.right, 1e-6);
  }
}

TEST(Mixer, ManyVoicesAddUpAndAreClipped) {
  fw::Mixer m(kRate);
  for (int i = 0; i < 200; ++i) m.Start(Constant(50, 0.1f, -0.1f), uint64_t(i), 1e6, 1, 1);
  m.Start(Constant(100, 0.003f, 0.003f), 999, 1e6 + 50 * kFrame, 1, 1);
  std::vector<float> out = Render(m, 256);
  EXPECT_EQ(m.ActiveVoices(), 0);
  EXPECT_EQ(std::pair(out[0], out[1]), std::pair(1.0f, -1.0f));
  EXPECT_FLOAT_EQ(out[2 * 60], 0.003f);  // heard unclipped after the loud ones end
}

// Voice i sounds at level 2^i / 1024, so the mix of a frame names the voices
// heard in it. The pool's slots are reused out of starting order once a voice
// ends, so the oldest voice need not stand first.
TEST(Mixer, AFullPoolDropsTheOldestVoice) {
  fw::Mixer m(kRate, 4);
  auto start = [&m](int voice, int64_t frames = 4096) {
    const float level = std::ldexp(1.0f, voice) / 1024;
    m.Start(Constant(frames, level, level), uint64_t(voice), 1e6, 1, 1);
  };
  auto heard = [&m](int64_t from) { return std::lround(Render(m, 256, 256, from)[0] * 1024); };
  start(0, 100);
  for (int voice : {1, 2, 3}) start(voice);
  EXPECT_EQ(heard(0), 0b1111);
  start(4);  // voice 0 has ended: its place is free
  EXPECT_EQ(heard(256), 0b11110);
  start(5);
  EXPECT_EQ(heard(512), 0b111100);
  start(6);
  EXPECT_EQ(heard(768), 0b1111000);
  EXPECT_EQ(m.ActiveVoices(), 4);
}

TEST(Mixer, StopEndsOnlyThatOwnersVoicesWithAShortFade) {
  fw::Mixer m(kRate);
  auto d = Constant(48000, 0.5f, 0.5f);
  m.Start(d, 1, 1e6, 1, 0);        // owner 1, left
  m.Start(d, 2, 1e6, 0, 1);        // owner 2, right
  m.Start(d, 1, 1e6 + 1e5, 1, 0);  // owner 1 again, not yet sounding
  Render(m, 512);
  EXPECT_EQ(m.ActiveVoices(), 3);
  m.Stop(1);
  std::vector<float> out = Render(m, 512, 512, 512);
  EXPECT_EQ(m.ActiveVoices(), 1);
  EXPECT_NEAR(out[0], 0.5, 1e-6);  // a fade from full level, no click
  EXPECT_EQ(out[2 * fw::Mixer::kStopFadeFrames], 0.0f);
  EXPECT_EQ(out[2 * 511 + 1], 0.5f);
  m.StopAll();
  Render(m, 512, 512, 1024);
  EXPECT_EQ(m.ActiveVoices(), 0);
}

}  // namespace
