// The frame <-> clock mapping under jittery block times and a drifting clock.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "platform/audio_clock.h"

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
      worst = std::max(worst, std::abs(tracker.MicrosAt(frame) - truth - maxLateMicros / 2));
    }
  }
  return worst;
}

TEST(ClockTracker, SmoothsJitterAndFollowsDrift) {
  EXPECT_LT(WorstErrorAfterSettling(0, 0, 0), 0.01);
  EXPECT_LT(WorstErrorAfterSettling(0, 200, 0), 20);    // jitter of 200 us shrinks tenfold
  EXPECT_LT(WorstErrorAfterSettling(100, 200, 0), 25);  // and a drift of 100 ppm is followed
  EXPECT_LT(WorstErrorAfterSettling(0, 100, 97), 40);   // rare stalls move it little
}

TEST(ClockTracker, RestartsAfterAGrossBreak) {
  fw::ClockTracker tracker(48000);
  tracker.Update(1e6, 0);
  tracker.Update(1e6 + 256 * 1e6 / 48000, 256);
  tracker.Update(9e6, 512);  // the device stalled for seconds
  EXPECT_DOUBLE_EQ(tracker.MicrosAt(512), 9e6);
  EXPECT_DOUBLE_EQ(tracker.MicrosPerFrame(), 1e6 / 48000);
}

}  // namespace
