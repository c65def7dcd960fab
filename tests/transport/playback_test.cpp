// The playback loop as heard: which steps sound, in what order, and when a
// change made between two steps is heard.
#include <algorithm>
#include <functional>
#include <tuple>

#include "platform/base/clock.h"
#include "tests/transport/transport_window.h"

namespace {

using transporttest::ContentOf;
using transporttest::HeardStep;
using transporttest::MaskOf;
using transporttest::StepOf;
using Steps = std::vector<HeardStep>;

// How much earlier than its interval a step may seem to come: onsets fall on
// whole output frames, and the time from finding a step due to starting its
// sounds varies a little. Timing itself is the playback benchmark's business.
constexpr double kSlack = 1000.0;

class Playback : public transporttest::TransportWindow {
 protected:
  void SetUp() override {
#if defined(__SANITIZE_THREAD__)
    // The thread sanitizer slows every thread many times over, so what is heard
    // when says nothing about the program; the other transport tests still run
    // the loop against the event handlers under it.
    GTEST_SKIP() << "timing of heard steps is not meaningful under the thread sanitizer";
#endif
    TransportWindow::SetUp();
  }
  // Every heard step decodes and comes at least one step interval after the
  // one before it (a second loop would squeeze steps in between); the step
  // numbers from steps[from] on count up from first, wrapping at length.
  void ExpectOneLoop(const Steps& steps) {
    for (size_t i = 0; i < steps.size(); ++i)
      EXPECT_NE(MaskOf(steps[i]), -1) << "step " << i << " level " << steps[i].level;
    for (size_t i = 1; i < steps.size(); ++i)
      EXPECT_GE(steps[i].playMicros - steps[i - 1].playMicros, w.Beat(1) - kSlack) << i;
  }
  void ExpectCounting(const Steps& steps, size_t from, size_t to, int first, int length) {
    for (size_t i = from; i < to; ++i, first = first % length + 1)
      EXPECT_EQ(StepOf(MaskOf(steps[i])), first) << "heard step " << i;
  }
  // Index of the first step heard after the moment at.
  static size_t FirstAfter(const Steps& steps, double at) {
    return static_cast<size_t>(
        std::find_if(steps.begin(), steps.end(),
                     [at](const HeardStep& s) { return s.playMicros > at; }) -
        steps.begin());
  }
  // What one run heard around a change: the steps, the index of the first
  // step after the change, and the step the loop was about to play then.
  struct Run {
    Steps steps;
    size_t after = 0;
    int next = 0;
  };
  // Plays; once the loop has reached step `from`, makes `change` between two
  // steps, plays on for `ms` and stops.
  Run PlayAroundAChange(int from, const std::function<void()>& change, int ms) {
    Run run;
    ClickOn(w.Play());
    EXPECT_TRUE(RunUntil([&] { return w.CurrentBeat >= from; }, 2000));
    run.next = w.CurrentBeat;
    const double at = ChangeBetweenSteps(change);
    fw::testing::ProcessEvents(ms);
    ClickOn(w.Play());
    run.steps = Heard();
    run.after = FirstAfter(run.steps, at);
    return run;
  }
};

TEST_F(Playback, SoundsTheStepsThatAreOnAndWrapsAtTheLength) {
  MarkedPattern(1, 4);  // 20 steps
  w.Hit(1, 1, 1) = w.Hit(1, 1, 20) = 1;
  w.SV(1, 1, 1) = w.SV(1, 1, 20) = w.SV(1, 2, 3) = 100;
  w.Hit(1, 2, 3) = 2;  // only 1 means on
  w.Meter = 4;
  w.MeterDisplay();
  const double start = fw::Microseconds();
  ClickOn(w.Play());
  fw::testing::ProcessEvents(1100);
  ClickOn(w.Play());
  const Steps steps = Heard();
  ASSERT_GE(steps.size(), 30u);
  EXPECT_GE(steps[0].playMicros - start, w.Beat(1) - kSlack) << "nothing sounds at the start";
  ExpectOneLoop(steps);
  ExpectCounting(steps, 0, steps.size(), 1, 20);
  for (const HeardStep& s : steps) {
    const int step = StepOf(MaskOf(s));
    EXPECT_EQ(ContentOf(MaskOf(s)), step == 1 || step == 20 ? 1 : 0) << "step " << step;
  }
}

TEST_F(Playback, APatternChangeIsHeardFromTheNextStepWithoutRestarting) {
  for (int s = 1; s <= 32; ++s) {
    w.Hit(1, 1, s) = w.Hit(2, 2, s) = 1;
    w.SV(1, 1, s) = w.SV(2, 2, s) = 100;
  }
  const auto [steps, after, next] = PlayAroundAChange(
      6, [&] { Type("."); }, 200);
  EXPECT_EQ(w.Pattern, 2);
  ASSERT_GE(after, 4u);
  ASSERT_GE(steps.size() - after, 4u);
  ExpectOneLoop(steps);
  ExpectCounting(steps, 0, after, 1, 32);
  ExpectCounting(steps, after, steps.size(), next, 32);
  for (size_t i = 0; i < steps.size(); ++i)
    EXPECT_EQ(ContentOf(MaskOf(steps[i])), i < after ? 1 : 2) << "heard step " << i;
}

// Row 2 plays every step at velocity 50: at the main volume's gain it sounds
// as row 1 at full velocity would, whatever the volume.
TEST_F(Playback, AVolumeChangeIsHeardFromTheNextStepTimesTheVelocity) {
  for (int s = 1; s <= 32; ++s) {
    w.Hit(1, 2, s) = 1;
    w.SV(1, 2, s) = 50;
  }
  const auto [steps, after, next] = PlayAroundAChange(
      4, [&] { DragKnobTo(130); }, 150);
  ASSERT_EQ(w.MainVolume, 40);
  ASSERT_GE(after, 3u);
  ASSERT_GE(steps.size() - after, 3u);
  for (size_t i = 0; i < steps.size(); ++i) {
    const int mask = MaskOf(steps[i], i < after ? 1.0 : 0.4);
    ASSERT_NE(mask, -1) << "heard step " << i << " level " << steps[i].level;
    EXPECT_EQ(ContentOf(mask), 1) << "heard step " << i;
  }
  EXPECT_EQ(StepOf(MaskOf(steps[after], 0.4)), next);
}

TEST_F(Playback, AShorterLengthStillSoundsTheDueStepThenStartsOver) {
  // Straight into the document: the length button redraws the pattern,
  // which lets the loop run in between, so it could not be one change.
  const auto [steps, after, next] = PlayAroundAChange(
      22,
      [&] {
        w.Hit(1, 0, 0) = w.Meter = 4;
        w.NumBeats = 20;
      },
      200);
  ASSERT_GE(steps.size() - after, 3u);
  ExpectOneLoop(steps);
  ExpectCounting(steps, 0, after, 1, 32);
  EXPECT_EQ(StepOf(MaskOf(steps[after])), next);
  ExpectCounting(steps, after + 1, steps.size(), 1, 20);
}

TEST_F(Playback, APatternWithALengthCodeNoButtonGivesPlaysAtTheLengthBefore) {
  MarkedPattern(1, 4);  // 20 steps
  MarkedPattern(2, 7);  // a code only a file brings
  w.Meter = 4;
  w.MeterDisplay();
  ClickOn(w.Play());
  ASSERT_TRUE(RunUntil([&] { return w.CurrentBeat >= 3; }, 2000));
  Type(".");
  fw::testing::ProcessEvents(1100);
  ClickOn(w.Play());
  EXPECT_EQ(std::tuple(w.Pattern, w.NumBeats), std::tuple(2, 20));
  const Steps steps = Heard();
  ASSERT_GE(steps.size(), 40u);
  ExpectOneLoop(steps);
  ExpectCounting(steps, 0, steps.size(), 1, 20);
}

TEST_F(Playback, AStopIsSeenByTheLoopWhichThenLeavesTheStepAtMinusOne) {
  Type(" ");
  ASSERT_TRUE(RunUntil([&] { return w.CurrentBeat >= 3; }, 2000));
  Type(" ");
  const double stopped = fw::Microseconds();
  EXPECT_GE(w.CurrentBeat, 3) << "the loop has not run since the stop";
  ASSERT_TRUE(RunUntil([&] { return w.CurrentBeat == -1; }, 200));
  const Steps steps = Heard();
  ASSERT_FALSE(steps.empty());
  EXPECT_LT(steps.back().playMicros, stopped);
}

TEST_F(Playback, AStartRightAfterAStopLeavesOneLoopPlaying) {
  for (int i = 0; i < 3; ++i) Type(" ");  // start, stop, start before any loop has run
  EXPECT_TRUE(w.playon);
  fw::testing::ProcessEvents(300);
  // Stop and start again between two steps of the running loop.
  const double restart = ChangeBetweenSteps([&] {
    ClickOn(w.Play());
    ClickOn(w.Play());
  });
  EXPECT_EQ(w.Play().Caption(), "Stop");
  int lowest = 1;
  RunUntil([&] { return (lowest = std::min(lowest, w.CurrentBeat)) < 1; }, 300);
  EXPECT_GE(lowest, 1) << "a replaced loop must not end the new one's position";
  Type(" ");
  const Steps steps = Heard();
  const size_t after = FirstAfter(steps, restart);
  ASSERT_GE(after, 4u);
  ASSERT_GE(steps.size() - after, 4u);
  ExpectOneLoop(steps);
  ExpectCounting(steps, 0, after, 1, 32);
  ExpectCounting(steps, after, steps.size(), 1, 32);
  EXPECT_GE(steps[after].playMicros - restart, w.Beat(1) - kSlack);
}

}  // namespace
