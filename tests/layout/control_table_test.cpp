// The main window's control table: counts, creation order, tab order,
// pictures and event bindings, and records that agree with their entries.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

#include "layout/main_window_table.h"
#include "tests/layout/record_reader.h"

namespace {

using layout::Art;
using layout::ControlKind;
using layout::kMainWindowControls;
using layout::kNoValue;
using layout_test::Record;

// Position of a control in the creation order, -1 when absent.
int Position(std::string_view name, int index = kNoValue) {
  for (std::size_t i = 0; i < kMainWindowControls.size(); ++i) {
    const auto& e = kMainWindowControls[i];
    if (e.name == name && e.index == index) return static_cast<int>(i);
  }
  return -1;
}
int TabIndexOf(std::string_view name, int index = kNoValue) {
  return Record(layout::FindMainWindowControl(name, index)->record).Int("TabIndex");
}

TEST(ControlTable, CountsByKindWithNoControlTwice) {
  std::array<int, 5> singles{};  // by kind: Canvas, StaticText, BevelButton, EditField, Oval
  std::map<std::string, int> arrays;
  std::set<std::pair<std::string, int>> seen;
  for (const auto& e : kMainWindowControls) {
    if (e.index == kNoValue)
      ++singles[int(e.kind)];
    else
      ++arrays[std::string(e.name)];
    EXPECT_TRUE(seen.insert({std::string(e.name), e.index}).second) << e.name << e.index;
  }
  EXPECT_EQ(kMainWindowControls.size(), 407u);
  EXPECT_EQ(singles, (std::array{26, 19, 1, 1, 0}));
  EXPECT_EQ(arrays.size(), 14u);
  for (int row = 1; row <= 10; ++row) EXPECT_EQ(arrays["SR" + std::to_string(row)], 32);
  for (const char* name : {"StaticText3", "Canvas2", "CR", "Oval1"}) EXPECT_EQ(arrays[name], 10);
}

TEST(ControlTable, CreationOrder) {
  EXPECT_EQ(Position("Canvas1"), 0);
  EXPECT_EQ(Position("Play"), 1);
  EXPECT_EQ(Position("StaticText33"), 406);
  // Row labels come in pairs, the higher row first; each pair of pads after.
  for (int row = 1; row <= 9; row += 2) {
    EXPECT_LT(Position("StaticText3", row + 1), Position("StaticText3", row));
    EXPECT_LT(Position("StaticText3", row), Position("Canvas2", row));
    EXPECT_EQ(Position("Canvas2", row) + 1, Position("Canvas2", row + 1));
  }
  const std::pair<int, int> follows[] = {
      {Position("StaticText3", 1), Position("StaticText4")},
      {Position("Canvas2", 10), Position("PointerCanvas")},
      {Position("PointerCanvas"), Position("SR1", 1)},
      {Position("SR9", 32), Position("CR", 1)},
      {Position("Canvas6"), Position("CR", 10)},
      {Position("StaticText25"), Position("SR10", 1)},
      {Position("SR10", 32), Position("OctaveText")},
      {Position("StaticText28"), Position("Oval1", 1)},
      {Position("KitNew"), Position("KitName1")},
  };
  for (const auto& [before, after] : follows) EXPECT_EQ(before + 1, after) << before;
  // Cells of rows 1 to 9 follow one another by step, then by row; row 10's by step.
  for (int row = 1; row <= 10; ++row)
    for (int s = 1; s <= 32; ++s) {
      const int first = row == 10 ? Position("SR10", 1) : Position("SR1", 1) + 32 * (row - 1);
      EXPECT_EQ(Position("SR" + std::to_string(row), s), first + s - 1) << row << "/" << s;
    }
}

TEST(ControlTable, RecordsNameTheirEntryAndTabIndexRises) {
  int lastTab = -1;
  for (const auto& e : kMainWindowControls) {
    Record r(e.record);
    ASSERT_TRUE(r.ok) << e.name << " " << e.index;
    EXPECT_EQ(r.Names()[0], "Name");
    EXPECT_EQ(r.Str("Name"), e.name);
    EXPECT_EQ(r.Int("Index"), e.index) << e.name;
    // Lamps carry no tab index.
    ASSERT_EQ(r.Has("TabIndex"), e.kind != ControlKind::Oval) << e.name;
    if (e.kind == ControlKind::Oval) continue;
    EXPECT_GT(r.Int("TabIndex"), lastTab) << e.name << " " << e.index;
    lastTab = r.Int("TabIndex");
  }
  EXPECT_EQ(lastTab, 410);
  EXPECT_EQ(TabIndexOf("SR3", 12), 100);
  EXPECT_EQ(TabIndexOf("SR10", 1), 334);
  EXPECT_EQ(TabIndexOf("Canvas12"), 404);
}

TEST(ControlTable, PicturesAndEventBindings) {
  for (const auto& e : kMainWindowControls) {
    if (e.name.size() >= 3 && e.name.substr(0, 2) == "SR") {
      EXPECT_EQ(e.picture, Art::greenbutton);
      ASSERT_EQ(e.eventCount, 1);
      EXPECT_EQ(e.events[0].event, "MouseDown");
      EXPECT_EQ(e.events[0].handler, std::string(e.name) + "_MouseDown");
    }
    // Labels, lamps and the field get no picture; every other canvas but the
    // display gets its backdrop. Only the row labels among the labels have a
    // handler, lamps none, every canvas at least one.
    const bool wantsPicture = (e.kind == ControlKind::Canvas && e.name != "Canvas1") ||
                              e.kind == ControlKind::BevelButton;
    EXPECT_EQ(e.picture != Art::None, wantsPicture) << e.name;
    if (e.kind == ControlKind::StaticText || e.kind == ControlKind::Oval) {
      EXPECT_EQ(e.eventCount, e.name == "StaticText3" ? 1 : 0) << e.name;
    } else if (e.kind == ControlKind::Canvas) {
      EXPECT_GE(e.eventCount, 1) << e.name;
    }
  }
  const auto& kit = *layout::FindMainWindowControl("KitName1");
  ASSERT_EQ(kit.eventCount, 2);
  EXPECT_EQ(kit.events[0].event, "MouseEnter");
  EXPECT_EQ(kit.events[1].event, "MouseExit");
  EXPECT_EQ(layout::FindMainWindowControl("Play")->picture, Art::red);
}

TEST(ControlTable, PadLabelLampAndClearButtonLineUpWithTheirRowOfCells) {
  for (int row = 1; row <= 10; ++row) {
    auto top = [row](std::string_view name) {
      return Record(layout::FindMainWindowControl(name, row)->record).Int("Top");
    };
    const int centre = top("SR" + std::to_string(row)) + 8;
    const int shift = row == 10 ? 1 : 0;  // row 10's pad and label sit one pixel higher
    EXPECT_EQ(top("CR"), centre - 6) << row;
    EXPECT_EQ(top("Canvas2"), centre - 6 - shift) << row;
    EXPECT_EQ(top("StaticText3"), centre - 10 - shift) << row;
    EXPECT_EQ(top("Oval1"), centre - 3 - (row <= 2 || row == 10 ? 1 : 0)) << row;
  }
}

}  // namespace
