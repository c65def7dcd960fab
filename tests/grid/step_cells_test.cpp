// Clicking step cells of the real window: the pattern store, the cell faces
// and the exact pixels of the step-line display.
#include <atomic>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/base/thread.h"
#include "tests/grid/grid_window.h"

namespace {

using gridtest::kBlack;
using gridtest::kYellow;

class StepCells : public gridtest::GridWindow {
 protected:
  std::vector<std::pair<int, int>> StepsOn() const {
    std::vector<std::pair<int, int>> on;
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s)
        if (w.Hit(1, r, s)) on.emplace_back(r, s);
    return on;
  }
};

TEST_F(StepCells, AClickReachesTheCellUnderItAndNoOtherCell) {
  // Corners of cells at the edges of the grid and of its blocks; then points
  // between beat groups, between rows 1 and 2, 5 and 6, 9 and 10, beside the grid.
  const struct {
    int x, y, row, step;  // row 0: no step turns on
  } clicks[] = {{134, 403, 1, 1},  {148, 418, 1, 1},  {628, 327, 5, 32}, {642, 342, 5, 32},
                {134, 228, 10, 1}, {628, 303, 6, 32}, {642, 299, 7, 32}, {391, 265, 8, 17},
                {583, 346, 4, 29}, {194, 403, 0, 0},  {259, 384, 0, 0},  {140, 402, 0, 0},
                {300, 319, 0, 0},  {500, 245, 0, 0},  {643, 310, 0, 0},  {133, 310, 0, 0}};
  for (const auto& c : clicks) {
    std::vector<std::pair<int, int>> want;
    if (c.row) want.emplace_back(c.row, c.step);
    fw::testing::Click(w, c.x, c.y);
    EXPECT_EQ(StepsOn(), want) << "click at " << c.x << "," << c.y;
    fw::testing::Click(w, c.x, c.y);  // and off again
    EXPECT_TRUE(StepsOn().empty());
  }
}

TEST_F(StepCells, PlainClicksToggleAndContextualClicksCycleTheVelocity) {
  w.lineColor(3, 1) = 150;  // orange: the pen shows the velocity
  ClickCell(3, 2);
  EXPECT_EQ(std::pair(w.Hit(1, 3, 2), w.SV(1, 3, 2)), std::pair(1, 100));
  EXPECT_EQ(Line(100, 0xFF9600), "16..30");
  for (const auto& [velocity, pen] : {std::pair{50, 0x804B00}, {10, 0x402600}, {50, 0x804B00}}) {
    ClickCell(3, 2, true);
    EXPECT_EQ(std::pair(w.Hit(1, 3, 2), w.SV(1, 3, 2)), std::pair(1, velocity));
    EXPECT_EQ(Line(100, fw::Color(pen)), "16..30");
  }
  ClickCell(3, 2);  // a plain click on any velocity turns it off
  EXPECT_EQ(w.Hit(1, 3, 2) + w.SV(1, 3, 2), 0);
  for (int y = 0; y < 128; ++y) ASSERT_EQ(Line(y, kBlack), "0..511") << y;
  ClickCell(3, 4, true);  // off -> 50
  EXPECT_EQ(w.SV(1, 3, 4), 50);
  EXPECT_EQ(Line(100, 0x804B00), "48..62");
}

TEST_F(StepCells, RowsOneAndTenInEveryIntervalMode) {
  const std::pair<const char*, int> modes[] = {
      {"SemiTones", 115}, {"5ths", 61}, {"WholeTones", 106}, {"Octaves", 16}};
  ClickCell(1, 3);
  ClickCell(10, 3);
  for (const auto& [name, row10] : modes) {
    ClickOn(Named("Canvas7"));
    EXPECT_EQ(w.OctaveText().Text(), name);
    EXPECT_EQ(Line(124, kYellow), "32..46") << name;
    ClickCell(10, 7);  // a click in this mode lands on the same line
    EXPECT_EQ(Line(row10, kYellow), "32..46,96..110") << name;
    ClickCell(10, 7);
    EXPECT_EQ(Line(row10, kYellow), "32..46") << name;
  }
  EXPECT_EQ(w.Hit(1, 10, 3), 1);  // the mode changes no step
}

TEST_F(StepCells, NoteRepeatSetsTheStepSixteenToTheRightToo) {
  ClickOn(Named("Canvas15"));
  ASSERT_EQ(w.StaticText33().Text(), "On");
  w.Hit(1, 2, 21) = 1;
  w.SV(1, 2, 21) = 10;
  ClickCell(2, 5);
  EXPECT_EQ(std::pair(w.SV(1, 2, 5), w.SV(1, 2, 21)), std::pair(100, 100));
  EXPECT_EQ(Line(112, kYellow), "64..78,320..334");
  ClickCell(2, 21);  // nothing lies 16 steps to the right of step 21
  EXPECT_EQ(std::pair(w.Hit(1, 2, 5), w.Hit(1, 2, 21)), std::pair(1, 0));
  ClickCell(2, 5);  // off for both, decided by step 5
  EXPECT_EQ(Line(112, kBlack), "0..511");
  ClickCell(2, 17);
  EXPECT_EQ(std::pair(w.Hit(1, 2, 17), w.Hit(1, 2, 1)), std::pair(1, 0));

  // Contextual from 50 gives 10 on every target, whatever it held.
  w.Hit(1, 4, 3) = 1;
  w.SV(1, 4, 3) = 50;
  ClickCell(4, 3, true);
  EXPECT_EQ(std::tuple(w.SV(1, 4, 3), w.Hit(1, 4, 19), w.SV(1, 4, 19)), std::tuple(10, 1, 10));
  ClickOn(Named("Canvas15"));
  EXPECT_EQ(std::pair(w.NoteRepeat, w.StaticText33().Text()), std::pair(false, std::string("Off")));
}

// The last target may be the pattern's last step: at 32 steps and at 20.
TEST_F(StepCells, NoteRepeatReachesThePatternsLastStep) {
  ClickOn(Named("Canvas15"));
  ClickCell(2, 16);
  EXPECT_EQ(std::tuple(w.SV(1, 2, 16), w.SV(1, 2, 32), Face(2, 32)),
            std::tuple(100, 100, bluebuttonon()));
  EXPECT_EQ(Line(112, kYellow), "240..254,496..510");
  for (int i = 0; i < 3; ++i) ClickOn(Named("Canvas10"));
  ASSERT_EQ(w.NumBeats, 20);
  ClickCell(6, 4);
  EXPECT_EQ(std::tuple(w.SV(1, 6, 4), w.SV(1, 6, 20), Face(6, 20)),
            std::tuple(100, 100, bluebuttonon()));
  EXPECT_EQ(Line(64, kYellow), "48..62,304..318");
}

// The playback thread may run wherever a click yields (between note-repeat
// targets); it must never find a step whose Hit and SV disagree.
TEST_F(StepCells, AnotherThreadNeverSeesAHalfWrittenStep) {
  w.NoteRepeat = true;
  std::atomic<bool> stop{false};
  std::atomic<int> looks{0}, torn{0};
  std::thread observer([&] {
    while (!stop) {
      fw::BatonGuard hold;
      for (int r = 1; r <= 10; ++r)
        for (int s = 1; s <= 32; ++s) {
          const int hit = w.Hit(1, r, s), sv = w.SV(1, r, s);
          torn += !(hit == 0 ? sv == 0 : hit == 1 && (sv == 100 || sv == 50 || sv == 10));
        }
      ++looks;
    }
  });
  // The observer's first look comes before the clicks, however late its thread starts.
  fw::Baton::Release();
  while (looks == 0) std::this_thread::yield();
  fw::Baton::Acquire();
  // Counted from here: while this thread waited, the observer may have looked
  // many times, before any click.
  const int before = looks;
  for (int i = 0; i < 400 && looks < before + 50; ++i) {
    ClickCell(1 + i % 10, 1 + i % 16, i % 3 == 1);
    std::this_thread::yield();
  }
  stop = true;
  fw::Baton::Release();
  observer.join();
  fw::Baton::Acquire();
  EXPECT_EQ(torn, 0);
}

}  // namespace
