// The real main window, built headless: its controls stand where the table
// puts them, in creation order, and clicks reach the right handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/window1.h"
#include "layout/main_window_table.h"
#include "platform/testing.h"

namespace {

using layout::ControlKind;
using layout::kMainWindowControls;

const char* ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Canvas:
      return "Canvas";
    case ControlKind::StaticText:
      return "StaticText";
    case ControlKind::BevelButton:
      return "BevelButton";
    case ControlKind::EditField:
      return "EditField";
    case ControlKind::Oval:
      return "Oval";
  }
  return "";
}

class MainWindowControls : public ::testing::Test {
 protected:
  Window1& w = Window1::Instance();
  static constexpr int kPattern = 47;

  void SetUp() override {
    w.playon = false;
    w.NoteRepeat = false;
    w.Pattern = kPattern;
    ClearPattern();
  }
  void TearDown() override {
    ClearPattern();
    w.Pattern = 1;
  }
  void ClearPattern() {
    for (int r = 1; r <= 10; ++r) {
      for (int s = 1; s <= 32; ++s) {
        w.Hit(kPattern, r, s) = 0;
        w.SV(kPattern, r, s) = 0;
      }
    }
  }
  // Every step of the test pattern that is on, as (row, step) pairs.
  std::vector<std::pair<int, int>> StepsOn() const {
    std::vector<std::pair<int, int>> on;
    for (int r = 1; r <= 10; ++r) {
      for (int s = 1; s <= 32; ++s) {
        if (w.Hit(kPattern, r, s) != 0) on.emplace_back(r, s);
      }
    }
    return on;
  }
};

TEST_F(MainWindowControls, TheWindowHoldsTheTableInCreationOrder) {
  ASSERT_EQ(w.ControlCount(), 407);
  for (int i = 0; i < w.ControlCount(); ++i) {
    const fw::Control& c = w.ControlAt(i);
    const auto& e = kMainWindowControls[i];
    ASSERT_EQ(c.Name(), e.name) << i;
    ASSERT_EQ(c.Index(), e.index == layout::kNoValue ? fw::kNoIndex : e.index) << e.name;
    ASSERT_STREQ(c.ClassName(), ClassOf(e.kind)) << e.name;
  }

  fw::Canvas& cell = w.Get<fw::Canvas>("SR7", 32);
  EXPECT_EQ(cell.Index(), 32);
  EXPECT_EQ(cell.Left(), 628);
  EXPECT_EQ(cell.Top(), 284);
  EXPECT_EQ(cell.Width(), 15);
  EXPECT_EQ(cell.Height(), 16);
  EXPECT_NE(cell.Backdrop(), nullptr);

  fw::Canvas& display = w.Get<fw::Canvas>("Canvas1");
  EXPECT_EQ(display.Left(), 133);
  EXPECT_EQ(display.Top(), 68);
  EXPECT_EQ(display.Width(), 512);
  EXPECT_EQ(display.Height(), 128);
  EXPECT_EQ(display.Backdrop(), nullptr);

  EXPECT_FALSE(w.PointerCanvas().Enabled());
  EXPECT_FALSE(w.PointerCanvas().EraseBackground());
  EXPECT_NE(w.PointerCanvas().Backdrop(), nullptr);
  EXPECT_NE(w.Play().Icon(), nullptr);
  EXPECT_EQ(w.Oval1(3).Top(), 370);
  EXPECT_EQ(w.Oval1(3).TabIndex(), fw::kNoIndex);
  EXPECT_EQ(w.Get<fw::Canvas>("CR", 10).TabIndex(), 329);
  EXPECT_EQ(w.StaticText3(1).TextSize(), 9);
  EXPECT_TRUE(w.StaticText3(1).Bold());
}

TEST_F(MainWindowControls, AClickOnACellReachesItsRowHandlerWithItsStep) {
  struct Cell {
    int row, step, x, y;
  };
  // Corners of cells at the edges of the grid and of its blocks.
  const Cell cells[] = {
      {1, 1, 134, 403},  {1, 1, 148, 418},  {5, 32, 628, 327}, {5, 32, 642, 342},
      {10, 1, 134, 228}, {6, 32, 628, 303}, {7, 32, 642, 299}, {3, 12, 308, 365},
      {9, 5, 199, 261},  {2, 4, 193, 399},  {8, 17, 391, 265}, {4, 29, 583, 346},
  };
  for (const Cell& c : cells) {
    fw::testing::Click(w, c.x, c.y);
    EXPECT_EQ(StepsOn(), (std::vector<std::pair<int, int>>{{c.row, c.step}}))
        << "click at " << c.x << "," << c.y;
    fw::testing::Click(w, c.x, c.y);  // and off again
    EXPECT_TRUE(StepsOn().empty());
  }
}

TEST_F(MainWindowControls, AClickBetweenCellsReachesNoCell) {
  const std::pair<int, int> gaps[] = {
      {194, 403}, {198, 410}, {259, 384}, {262, 390},  // between beat groups
      {140, 400}, {140, 402},                          // between rows 1 and 2
      {300, 319}, {300, 326},                          // between rows 5 and 6
      {500, 244}, {500, 245},                          // between rows 9 and 10
      {643, 310}, {133, 310},                          // beside the grid
  };
  for (const auto& [x, y] : gaps) {
    fw::testing::Click(w, x, y);
    EXPECT_TRUE(StepsOn().empty()) << "click at " << x << "," << y;
    ClearPattern();
  }
}

TEST_F(MainWindowControls, AClearButtonClearsItsOwnRow) {
  for (int row : {1, 9, 10}) {
    for (int r = 1; r <= 10; ++r) w.Hit(kPattern, r, 5) = 1;
    const fw::Control& clear = w.Get<fw::Canvas>("CR", row);
    fw::testing::Click(w, clear.Left() + 6, clear.Top() + 6);
    for (int r = 1; r <= 10; ++r) {
      EXPECT_EQ(w.Hit(kPattern, r, 5), r == row ? 0 : 1) << "CR " << row << ", row " << r;
    }
    ClearPattern();
  }
}

}  // namespace
