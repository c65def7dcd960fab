// Byte-exact checks of the design records the layout encodes, against the
// worked example and the record lengths they must have.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "layout/main_window_table.h"
#include "layout/record_encoder.h"
#include "layout/window_records.h"

namespace {

using layout::kNoValue;

// Bytes from hex pairs separated by single blanks, "00 0C".
std::string Hex(std::string_view hex) {
  std::string out;
  for (std::size_t i = 0; i < hex.size(); i += 3)
    out.push_back(char(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return out;
}

std::string_view RecordOf(std::string_view name, int index = kNoValue) {
  const auto* e = layout::FindMainWindowControl(name, index);
  EXPECT_NE(e, nullptr) << name << " " << index;
  return e ? e->record : std::string_view();
}

TEST(DesignRecords, StepCellMatchesTheWorkedExampleByteForByte) {
  const std::vector<std::pair<std::string, std::string>> example = {
      {"Name", "00 00 00 03 53 52 33"},
      {"Index", "00 00 00 0C"},
      {"Left", "00 00 01 34"},
      {"Top", "00 00 01 6D"},
      {"Width", "00 00 00 0F"},
      {"Height", "00 00 00 10"},
      {"LockLeft", "00"},
      {"LockTop", "00"},
      {"LockRight", "00"},
      {"LockBottom", "00"},
      {"TabPanelIndex", "00 00 00 00"},
      {"TabIndex", "00 00 00 64"},
      {"Visible", "01"},
      {"HelpTag", "00 00 00 00"},
      {"AutoDeactivate", "01"},
      {"Enabled", "01"},
      {"UseFocusRing", "01"},
      {"AcceptFocus", "00"},
      {"AcceptTabs", "00"},
      {"EraseBackground", "00"},
      {"InitialParent", "00 00 00 00"},
  };
  std::string expected;
  for (const auto& [name, hex] : example) expected += name + " " + Hex(hex);
  EXPECT_EQ(std::string(RecordOf("SR3", 12)), expected);
}

TEST(DesignRecords, LengthsOfTheLongAndTheOddRecords) {
  const std::tuple<std::string_view, std::size_t> sizes[] = {{RecordOf("SR10", 1), 254},
                                                             {RecordOf("SR9", 32), 253},
                                                             {RecordOf("Play"), 433},
                                                             {RecordOf("KitName1"), 484},
                                                             {RecordOf("Oval1", 1), 230}};
  for (const auto& [record, size] : sizes) EXPECT_EQ(record.size(), size) << record.substr(0, 20);
}

TEST(DesignRecords, ReplaceDialogRecordsStandInReverseWithTabIndexLast) {
  for (std::string_view r :
       {kReplacePushButton1Record, kReplaceStaticText1Record, kReplaceCanvas1Record}) {
    EXPECT_EQ(r.substr(0, 14), "InitialParent ");
    EXPECT_EQ(r.substr(r.size() - 13, 9), "TabIndex ");
  }
  EXPECT_EQ(kReplaceCanvas1Record.substr(kReplaceCanvas1Record.size() - 4), Hex("00 00 00 03"));
}

TEST(RecordEncoder, EncodesEachTypeAtItsWidth) {
  static constexpr layout::EntryList kList = [] {
    layout::EntryList l;
    l.Add(layout::Int("Left", -2))
        .Add(layout::NoValue("Index"))
        .Add(layout::Bool("Visible", true))
        .Add(layout::Colour("TextColor", 0x0A0B0C))
        .Add(layout::Str("Text", ""));
    return l;
  }();
  EXPECT_EQ(std::string(layout::AsView(layout::kEncoded<kList>)),
            "Left " + Hex("FF FF FF FE") + "Index " + Hex("80 00 00 00") + "Visible " + Hex("01") +
                "TextColor " + Hex("0A 0B 0C") + "Text " + Hex("00 00 00 00"));
}

}  // namespace
