#include "layout/main_window_table.h"

#include "layout/record_encoder.h"

namespace layout {
namespace {

using main_window::kControlCount;

constexpr std::array<ControlDef, kControlCount> kDefs = main_window::MainWindowDefs();

constexpr auto kEntriesOf = [](const ControlDef& d) { return RecordEntries(d); };
constexpr std::size_t kTotalBytes = TotalSize(kDefs, kEntriesOf);
constexpr RecordBlock<kTotalBytes, kControlCount> kRecords =
    EncodeBlock<kTotalBytes>(kDefs, kEntriesOf);

constexpr std::array<ControlEntry, kControlCount> MakeTable() {
  std::array<ControlEntry, kControlCount> t{};
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlDef& d = kDefs[i];
    t[i] = ControlEntry{d.kind,   d.name,        d.index, d.picture, kRecords.Record(i),
                        d.events, d.EventCount()};
  }
  return t;
}

}  // namespace

constinit const std::array<ControlEntry, kControlCount> kMainWindowControls = MakeTable();

const ControlEntry* FindMainWindowControl(std::string_view name, int index) {
  for (const ControlEntry& e : kMainWindowControls) {
    if (e.name == name && e.index == index) return &e;
  }
  return nullptr;
}

}  // namespace layout
