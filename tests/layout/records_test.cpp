// Design records: the bytes the layout writes, checked against the worked
// example, and a broken record, which is a fault of the program: it stops.
#include <gtest/gtest.h>

#include <string>

#include "layout/main_window_table.h"
#include "layout/record_encoder.h"
#include "platform/ui/controls.h"
#include "platform/ui/design_record.h"
#include "platform/ui/window.h"

namespace {

using namespace layout;

// Bytes from hex pairs separated by single blanks, "00 0C".
std::string Hex(std::string_view hex) {
  std::string out;
  for (std::size_t i = 0; i < hex.size(); i += 3)
    out.push_back(char(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return out;
}

TEST(DesignRecords, StepCellMatchesTheWorkedExampleByteForByte) {
  // Each entry's name, then its value's bytes in hex.
  const std::string example =
      "Name:00 00 00 03 53 52 33|Index:00 00 00 0C|Left:00 00 01 34|Top:00 00 01 6D|"
      "Width:00 00 00 0F|Height:00 00 00 10|LockLeft:00|LockTop:00|LockRight:00|LockBottom:00|"
      "TabPanelIndex:00 00 00 00|TabIndex:00 00 00 64|Visible:01|HelpTag:00 00 00 00|"
      "AutoDeactivate:01|Enabled:01|UseFocusRing:01|AcceptFocus:00|AcceptTabs:00|"
      "EraseBackground:00|InitialParent:00 00 00 00|";
  std::string expected;
  for (size_t at = 0, colon, bar; (colon = example.find(':', at)) != std::string::npos;
       at = bar + 1) {
    bar = example.find('|', colon);
    expected +=
        example.substr(at, colon - at) + " " + Hex(example.substr(colon + 1, bar - colon - 1));
  }
  const auto *cell = FindMainWindowControl("SR3", 12),
             *play = FindMainWindowControl("Play", kNoValue);
  ASSERT_TRUE(cell && play);
  EXPECT_EQ(cell->record, expected);
  EXPECT_EQ(play->record.size(), 433u);
}

TEST(DesignRecords, ApplyRecordStopsTheProgramOnABrokenRecord) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  fw::Window w;
  auto& t = w.New<fw::StaticText>("Broken");
  const EntryList list = EntryList().Add(Int("Bogus", 1));
  std::string record(EncodedSize(list), '\0');
  EncodeInto(list, record, 0);
  EXPECT_DEATH(fw::ApplyRecord(t, record),
               "StaticText \"Broken\".*unknown property name \"Bogus\"");
}

}  // namespace
