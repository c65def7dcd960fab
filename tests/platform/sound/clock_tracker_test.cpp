// The frame <-> clock mapping under jittery block times and a drifting clock.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "platform/sound/audio_clock.h"

namespace {

// Blocks of 256 frames at 48 kHz whose true moments drift by `ppm` against
// the clock; each reading comes late by a random 0..maxLateMicros.
double WorstErrorAfterSettling(double ppm, double maxLateMicros, int lateSpikeEvery) {
  fw::ClockTracker tracker(48000);
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> late(0, maxLateMicros);
  const double truePerFrame = 1e6 / 48000 * (1 + ppm * 1e-6);
  double worst = 0;
  for (int block = 0; block < 3000; ++block) {
    const int64_t frame = int64_t{block} * 256;
    const double truth = 5e6 + static_cast<double>(frame) * truePerFrame;
    double reading = truth + late(rng);
    if (lateSpikeEvery && block % lateSpikeEvery == 0) reading += 2500;  // a stalled wake-up
    tracker.Update(reading, frame);
    if (block > 1000) {
      worst = std::max(worst, std::abs(tracker.MicrosAt(frame) - truth));
    }
  }
  return worst;
}

TEST(ClockTracker, SmoothsJitterAndFollowsDrift) {
  EXPECT_LT(WorstErrorAfterSettling(0, 0, 0), 0.01);
  EXPECT_LT(WorstErrorAfterSettling(0, 200, 0), 25);    // jitter of 200 us shrinks eightfold
  EXPECT_LT(WorstErrorAfterSettling(100, 200, 0), 25);  // and a drift of 100 ppm is followed
  EXPECT_LT(WorstErrorAfterSettling(0, 100, 97), 40);   // rare stalls move it little
}

TEST(ClockTracker, RestartsAfterABreak) {
  fw::ClockTracker tracker(48000);
  const double block = 256 * 1e6 / 48000;
  int64_t frame = 0;
  double now = 1e6;
  for (int i = 0; i < 400; ++i, frame += 256, now += block) tracker.Update(now, frame);
  // The device stopped for seconds and goes on where it was.
  now += 8e6;
  for (int i = 0; i < fw::ClockTracker::kWindow + 2; ++i, frame += 256, now += block) {
    tracker.Update(now, frame);
  }
  EXPECT_NEAR(tracker.MicrosAt(frame), now, 1.0);
  EXPECT_NEAR(tracker.MicrosPerFrame(), 1e6 / 48000, 1e-3);
}

}  // namespace
