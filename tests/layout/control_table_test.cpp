// The main window's control table: counts, creation order, tab order,
// pictures and event bindings, and records that agree with their entries.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "layout/main_window_table.h"
#include "tests/layout/record_reader.h"

namespace {

using layout::Art;
using layout::ControlEntry;
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

TEST(ControlTable, CountsByKind) {
  std::map<ControlKind, int> singles;
  int members = 0;
  std::map<std::string, int> arrays;
  for (const auto& e : kMainWindowControls) {
    if (e.index == kNoValue) {
      ++singles[e.kind];
    } else {
      ++members;
      ++arrays[std::string(e.name)];
    }
  }
  EXPECT_EQ(kMainWindowControls.size(), 407u);
  EXPECT_EQ(singles[ControlKind::Canvas], 26);
  EXPECT_EQ(singles[ControlKind::StaticText], 19);
  EXPECT_EQ(singles[ControlKind::BevelButton], 1);
  EXPECT_EQ(singles[ControlKind::EditField], 1);
  EXPECT_EQ(singles[ControlKind::Oval], 0);
  EXPECT_EQ(members, 360);
  EXPECT_EQ(arrays.size(), 14u);
  for (int row = 1; row <= 10; ++row) EXPECT_EQ(arrays["SR" + std::to_string(row)], 32);
  for (const char* name : {"StaticText3", "Canvas2", "CR", "Oval1"}) EXPECT_EQ(arrays[name], 10);

  // No control appears twice.
  std::set<std::pair<std::string, int>> seen;
  for (const auto& e : kMainWindowControls)
    EXPECT_TRUE(seen.insert({std::string(e.name), e.index}).second) << e.name << e.index;
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
  EXPECT_EQ(Position("StaticText3", 1) + 1, Position("StaticText4"));
  EXPECT_EQ(Position("Canvas2", 10) + 1, Position("PointerCanvas"));
  EXPECT_EQ(Position("PointerCanvas") + 1, Position("SR1", 1));
  EXPECT_EQ(Position("SR9", 32) + 1, Position("CR", 1));
  EXPECT_EQ(Position("Canvas6") + 1, Position("CR", 10));
  EXPECT_EQ(Position("StaticText25") + 1, Position("SR10", 1));
  EXPECT_EQ(Position("SR10", 32) + 1, Position("OctaveText"));
  EXPECT_EQ(Position("StaticText28") + 1, Position("Oval1", 1));
  EXPECT_EQ(Position("KitNew") + 1, Position("KitName1"));
  // Cells within a row rise by step, rows follow one another.
  for (int row = 1; row <= 10; ++row) {
    const std::string name = "SR" + std::to_string(row);
    for (int s = 1; s < 32; ++s) EXPECT_EQ(Position(name, s) + 1, Position(name, s + 1));
  }
  for (int row = 1; row < 9; ++row) {
    EXPECT_EQ(Position("SR" + std::to_string(row), 32) + 1,
              Position("SR" + std::to_string(row + 1), 1));
  }
}

TEST(ControlTable, RecordsNameTheirEntryAndTabIndexRises) {
  int lastTab = -1;
  for (const auto& e : kMainWindowControls) {
    Record r(e.record);
    ASSERT_TRUE(r.ok) << e.name << " " << e.index;
    ASSERT_TRUE(r.Has("Name") && r.Has("Index"));
    EXPECT_EQ(r.Str("Name"), e.name);
    EXPECT_EQ(r.Int("Index"), e.index) << e.name;
    EXPECT_EQ(r.Names()[0], "Name");
    if (e.kind == ControlKind::Oval) {
      EXPECT_FALSE(r.Has("TabIndex"));
      continue;
    }
    ASSERT_TRUE(r.Has("TabIndex")) << e.name;
    EXPECT_GT(r.Int("TabIndex"), lastTab) << e.name << " " << e.index;
    lastTab = r.Int("TabIndex");
  }
  EXPECT_EQ(lastTab, 410);
  EXPECT_EQ(Record(layout::FindMainWindowControl("SR3", 12)->record).Int("TabIndex"), 100);
  EXPECT_EQ(Record(layout::FindMainWindowControl("SR10", 1)->record).Int("TabIndex"), 334);
  EXPECT_EQ(Record(layout::FindMainWindowControl("Canvas12")->record).Int("TabIndex"), 404);
}

TEST(ControlTable, PicturesAndEventBindings) {
  auto entry = [](std::string_view name, int index = kNoValue) -> const ControlEntry& {
    const ControlEntry* e = layout::FindMainWindowControl(name, index);
    EXPECT_NE(e, nullptr) << name;
    static const ControlEntry none{};
    return e ? *e : none;
  };
  const ControlEntry& canvas1 = entry("Canvas1");
  EXPECT_EQ(canvas1.picture, Art::None);
  ASSERT_EQ(canvas1.eventCount, 2);
  EXPECT_EQ(canvas1.events[0].event, "Open");
  EXPECT_EQ(canvas1.events[0].handler, "Canvas1_Open");
  EXPECT_EQ(canvas1.events[1].event, "Paint");
  EXPECT_EQ(canvas1.events[1].handler, "Canvas1_Paint");

  const ControlEntry& kit = entry("KitName1");
  ASSERT_EQ(kit.eventCount, 2);
  EXPECT_EQ(kit.events[0].event, "MouseEnter");
  EXPECT_EQ(kit.events[1].event, "MouseExit");

  const ControlEntry& knob = entry("Canvas11");
  ASSERT_EQ(knob.eventCount, 2);
  EXPECT_EQ(knob.events[0].handler, "Canvas11_MouseDown");
  EXPECT_EQ(knob.events[1].event, "MouseDrag");

  EXPECT_EQ(entry("Play").picture, Art::red);
  EXPECT_EQ(entry("Play").events[0].handler, "Play_Action");
  EXPECT_EQ(entry("PointerCanvas").picture, Art::lightstrip);
  EXPECT_EQ(entry("Canvas15").picture, Art::gridoff1);

  for (const auto& e : kMainWindowControls) {
    const bool isCell = e.name.size() >= 3 && e.name.substr(0, 2) == "SR";
    if (isCell) {
      EXPECT_EQ(e.picture, Art::greenbutton);
      ASSERT_EQ(e.eventCount, 1);
      EXPECT_EQ(e.events[0].event, "MouseDown");
      EXPECT_EQ(e.events[0].handler, std::string(e.name) + "_MouseDown");
    }
    // Labels, lamps and the field get no picture; every other canvas but
    // the display gets its backdrop.
    const bool wantsPicture = (e.kind == ControlKind::Canvas && e.name != "Canvas1") ||
                              e.kind == ControlKind::BevelButton;
    EXPECT_EQ(e.picture != Art::None, wantsPicture) << e.name;
    // Only the row labels among the labels have a handler; lamps have none.
    if (e.kind == ControlKind::StaticText) {
      EXPECT_EQ(e.eventCount, e.name == "StaticText3" ? 1 : 0);
    }
    if (e.kind == ControlKind::Oval) {
      EXPECT_EQ(e.eventCount, 0);
    }
    if (e.kind == ControlKind::Canvas) {
      EXPECT_GE(e.eventCount, 1) << e.name;
    }
  }
}

TEST(ControlTable, GridGeometry) {
  const int tops[10] = {403, 384, 365, 346, 327, 303, 284, 265, 246, 228};
  const int lefts[8] = {134, 199, 263, 327, 391, 455, 519, 583};
  for (int row = 1; row <= 10; ++row) {
    for (int s = 1; s <= 32; ++s) {
      Record r(layout::FindMainWindowControl("SR" + std::to_string(row), s)->record);
      EXPECT_EQ(r.Int("Top"), tops[row - 1]);
      EXPECT_EQ(r.Int("Left"), lefts[(s - 1) / 4] + 15 * ((s - 1) % 4));
      EXPECT_EQ(r.Int("Width"), 15);
      EXPECT_EQ(r.Int("Height"), 16);
    }
    // Pad, label, lamp and clear button line up on the row.
    const int centre = tops[row - 1] + 8;
    Record clear(layout::FindMainWindowControl("CR", row)->record);
    EXPECT_EQ(clear.Int("Top"), centre - 6);
    Record pad(layout::FindMainWindowControl("Canvas2", row)->record);
    Record label(layout::FindMainWindowControl("StaticText3", row)->record);
    const int shift = row == 10 ? 1 : 0;  // row 10's pad and label sit one pixel higher
    EXPECT_EQ(pad.Int("Top"), centre - 6 - shift);
    EXPECT_EQ(label.Int("Top"), centre - 10 - shift);
    Record lamp(layout::FindMainWindowControl("Oval1", row)->record);
    EXPECT_EQ(lamp.Int("Top"), centre - 3 - (row <= 2 || row == 10 ? 1 : 0));
  }
}

}  // namespace
