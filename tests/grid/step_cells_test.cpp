// Clicking step cells of the real window: the pattern store, the cell faces
// and the exact pixels of the step-line display.
#include <atomic>
#include <thread>

#include "app/assets.h"
#include "platform/base/thread.h"
#include "tests/grid/grid_window.h"

namespace {

using gridtest::kBlack;
using gridtest::kYellow;

class StepCells : public gridtest::GridWindow {};

TEST_F(StepCells, PlainClickTurnsAStepOnAndOff) {
  ClickCell(1, 5);
  EXPECT_EQ(w.Hit(1, 1, 5), 1);
  EXPECT_EQ(w.SV(1, 1, 5), 100);
  EXPECT_EQ(Face(1, 5), bluebuttonon());
  EXPECT_EQ(Line(124, kYellow), "64..78");

  ClickCell(1, 1);
  EXPECT_EQ(Line(124, kYellow), "0..14,64..78");
  ClickCell(1, 5);
  ClickCell(1, 1);
  EXPECT_EQ(w.Hit(1, 1, 5) + w.SV(1, 1, 5), 0);
  EXPECT_EQ(Face(1, 5), greenbutton());
  for (int y = 0; y < 128; ++y) ASSERT_EQ(Line(y, kBlack), "0..511") << y;
}

TEST_F(StepCells, ContextualClicksAlternateHalfAndQuarterStrength) {
  w.lineColor(3, 0) = 255;
  w.lineColor(3, 1) = 150;
  ClickCell(3, 2);  // on at 100 first
  EXPECT_EQ(Line(100, 0xFF9600), "16..30");
  struct Step {
    int velocity;
    fw::PictureRef face;
    fw::Color pen;
  };
  for (Step expect : {Step{50, twothirdsvolume(), 0x804B00}, Step{10, halfvolume(), 0x402600},
                      Step{50, twothirdsvolume(), 0x804B00}}) {
    ClickCell(3, 2, true);
    EXPECT_EQ(w.Hit(1, 3, 2), 1);
    EXPECT_EQ(w.SV(1, 3, 2), expect.velocity);
    EXPECT_EQ(Face(3, 2), expect.face);
    EXPECT_EQ(Line(100, expect.pen), "16..30");
  }
  ClickCell(3, 2);  // a plain click on any velocity turns it off
  EXPECT_EQ(w.Hit(1, 3, 2), 0);
  EXPECT_EQ(Line(100, kBlack), "0..511");

  ClickCell(3, 4, true);  // off -> 50
  EXPECT_EQ(w.SV(1, 3, 4), 50);
  EXPECT_EQ(Line(100, 0x804B00), "48..62");
}

TEST_F(StepCells, RowsOneAndTenInEveryIntervalMode) {
  const char* names[] = {"SemiTones", "5ths", "WholeTones", "Octaves"};
  const int row10[] = {115, 61, 106, 16};
  ClickCell(1, 3);
  ClickCell(10, 3);
  EXPECT_EQ(Line(16, kYellow), "32..46");
  for (int m = 0; m < 4; ++m) {
    ClickOn(Named("Canvas7"));
    EXPECT_EQ(w.OctaveText().Text(), names[m]);
    EXPECT_EQ(Line(124, kYellow), "32..46") << names[m];
    EXPECT_EQ(Line(row10[m], kYellow), "32..46") << names[m];
    // A click in this mode lands on the same rows.
    ClickCell(10, 7);
    EXPECT_EQ(Line(row10[m], kYellow), "32..46,96..110") << names[m];
    ClickCell(10, 7);
    EXPECT_EQ(Line(row10[m], kYellow), "32..46") << names[m];
  }
  EXPECT_EQ(w.Octave, 1);
  EXPECT_EQ(w.Hit(1, 10, 3), 1);  // the mode changes no step
}

TEST_F(StepCells, NoteRepeatAtFullLength) {
  ClickOn(Named("Canvas15"));
  ASSERT_TRUE(w.NoteRepeat);
  w.Hit(1, 2, 21) = 1;
  w.SV(1, 2, 21) = 10;
  ClickCell(2, 5);
  EXPECT_EQ(w.SV(1, 2, 5), 100);
  EXPECT_EQ(w.SV(1, 2, 21), 100);
  EXPECT_EQ(Face(2, 21), bluebuttonon());
  EXPECT_EQ(Line(112, kYellow), "64..78,320..334");

  ClickCell(2, 21);  // step 21 alone: nothing lies 16 steps to its right
  EXPECT_EQ(w.Hit(1, 2, 21), 0);
  EXPECT_EQ(w.Hit(1, 2, 5), 1);
  ClickCell(2, 5);  // off for both, decided by step 5
  EXPECT_EQ(w.Hit(1, 2, 5), 0);
  EXPECT_EQ(w.Hit(1, 2, 21), 0);
  EXPECT_EQ(Line(112, kBlack), "0..511");

  ClickCell(2, 17);
  EXPECT_EQ(w.Hit(1, 2, 17), 1);
  EXPECT_EQ(w.Hit(1, 2, 1), 0);

  // Contextual from 50 gives 10 on every target, whatever it held.
  w.Hit(1, 4, 3) = 1;
  w.SV(1, 4, 3) = 50;
  ClickCell(4, 3, true);
  EXPECT_EQ(w.SV(1, 4, 3), 10);
  EXPECT_EQ(w.SV(1, 4, 19), 10);
  EXPECT_EQ(w.Hit(1, 4, 19), 1);
  EXPECT_EQ(Face(4, 19), halfvolume());

  // At 20 steps nothing lies 16 steps to the right of step 5.
  w.Meter = 4;
  w.MeterDisplay();
  ClickCell(6, 4);
  ClickCell(6, 5);
  EXPECT_EQ(Line(64, kYellow), "48..62,64..78,304..318");
  EXPECT_EQ(w.Hit(1, 6, 21), 0);

  ClickOn(Named("Canvas15"));
  EXPECT_FALSE(w.NoteRepeat);
  EXPECT_EQ(w.StaticText33().Text(), "Off");
}

// The playback thread may run wherever a click yields (between note-repeat
// targets); it must never find a step whose Hit and SV disagree.
TEST_F(StepCells, AnotherThreadNeverSeesAHalfWrittenStep) {
  ASSERT_TRUE(fw::Baton::HeldByThisThread());
  w.NoteRepeat = true;
  std::atomic<bool> stop{false};
  std::atomic<int> looks{0}, torn{0};
  std::thread observer([&] {
    while (!stop) {
      fw::BatonGuard hold;
      for (int r = 1; r <= 10; ++r)
        for (int s = 1; s <= 32; ++s) {
          const int hit = w.Hit(1, r, s), sv = w.SV(1, r, s);
          const bool ok = hit == 0 ? sv == 0 : hit == 1 && (sv == 100 || sv == 50 || sv == 10);
          if (!ok) ++torn;
        }
      ++looks;
    }
  });
  // Let the observer have its first look before the clicks start, however late
  // its thread comes up.
  fw::Baton::Release();
  while (looks == 0) std::this_thread::yield();
  fw::Baton::Acquire();
  for (int i = 0; i < 400 && looks < 50; ++i) {
    const int row = 1 + i % 10, step = 1 + i % 16;
    ClickCell(row, step, i % 3 == 1);
    std::this_thread::yield();
  }
  stop = true;
  fw::Baton::Release();
  observer.join();
  fw::Baton::Acquire();
  EXPECT_EQ(torn, 0);
}

}  // namespace
