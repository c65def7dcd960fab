// The main window's controls in creation order: for each, its kind, name,
// index, picture, design record and event bindings. Window1::CreateControls
// walks this table from the first entry to the last.
#pragma once
#include <array>
#include <string_view>

#include "layout/control_def.h"
#include "layout/main_window_defs.h"

namespace layout {

struct ControlEntry {
  ControlKind kind;
  std::string_view name;
  int index;  // kNoValue outside a control array
  Art picture;
  std::string_view record;
  std::array<EventBinding, 2> events;
  int eventCount;
};

extern const std::array<ControlEntry, main_window::kControlCount> kMainWindowControls;

// The entry of a control by name and index (kNoValue for a single control);
// nullptr when there is none.
const ControlEntry* FindMainWindowControl(std::string_view name, int index = kNoValue);

}  // namespace layout
