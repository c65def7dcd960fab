// Byte-exact checks of the design records the layout encodes.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "layout/main_window_table.h"
#include "layout/record_encoder.h"
#include "layout/window_records.h"
#include "tests/layout/record_reader.h"

namespace {

using layout::FindMainWindowControl;
using layout::kNoValue;
using layout_test::Record;

// Bytes from hex pairs separated by single blanks, "00 0C".
std::string Hex(std::string_view hex) {
  std::string out;
  for (std::size_t i = 0; i < hex.size(); i += 3)
    out.push_back(char(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return out;
}

std::string_view RecordOf(std::string_view name, int index = kNoValue) {
  const auto* e = FindMainWindowControl(name, index);
  EXPECT_NE(e, nullptr) << name << " " << index;
  return e ? e->record : std::string_view();
}

TEST(DesignRecords, StepCellMatchesTheWorkedExampleByteForByte) {
  // Name and value bytes of SR3 step 12, one entry at a time.
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
  ASSERT_EQ(expected.size(), 253u);
  EXPECT_EQ(std::string(RecordOf("SR3", 12)), expected);
}

TEST(DesignRecords, LengthsOfTheLongAndTheOddRecords) {
  const std::tuple<const char*, int, std::size_t> sizes[] = {
      {"SR10", 1, 254},        {"SR10", 32, 254},           {"SR9", 32, 253},
      {"Play", kNoValue, 433}, {"KitName1", kNoValue, 484}, {"Oval1", 1, 230}};
  for (const auto& [name, index, size] : sizes)
    EXPECT_EQ(RecordOf(name, index).size(), size) << name;
  // Every record of the main window lies between the lamps' 230 bytes and
  // the kit-name field's 484.
  for (const auto& e : layout::kMainWindowControls) {
    EXPECT_GE(e.record.size(), 230u) << e.name;
    EXPECT_LE(e.record.size(), 484u) << e.name;
  }
}

TEST(DesignRecords, TextsColoursAndFlags) {
  Record pattern(RecordOf("PatternText"));
  ASSERT_TRUE(pattern.ok);
  EXPECT_EQ(pattern.Str("Text"), "Untitled\r");
  EXPECT_EQ(pattern.Int("TextAlign"), 2);
  Record tempo(RecordOf("StaticText1"));
  EXPECT_EQ(std::tuple(tempo.Str("Text"), tempo.Int("TextSize")), std::tuple("120", 16));
  EXPECT_EQ(tempo.Find("TextColor")->value, Hex("DB D2 00"));  // red first
  for (int row = 1; row <= 10; ++row) {
    Record label(RecordOf("StaticText3", row));
    EXPECT_EQ(std::tuple(label.Str("Text"), label.Bool("Bold"), label.Colour("TextColor")),
              std::tuple("Empty", true, 0x63393Du));
  }
  Record kit(RecordOf("KitName1"));
  EXPECT_EQ(std::tuple(kit.Colour("TextColor"), kit.Colour("BackColor"), kit.Int("Alignment")),
            std::tuple(0xB4686Eu, 0x301C1Du, 2));
  Record play(RecordOf("Play"));
  EXPECT_EQ(play.Str("Caption"), "Play");
  EXPECT_EQ(play.Names()[12], "InitialParent");

  Record pointer(RecordOf("PointerCanvas"));
  for (const char* flag : {"AutoDeactivate", "Enabled", "UseFocusRing", "EraseBackground"})
    EXPECT_FALSE(pointer.Bool(flag)) << flag;
  // Among the 320 cells only the top-left one does not auto-deactivate.
  int inactive = 0;
  for (const auto& e : layout::kMainWindowControls) {
    if (e.name.substr(0, 2) != "SR") continue;
    Record r(e.record);
    EXPECT_FALSE(r.Bool("EraseBackground"));
    if (!r.Bool("AutoDeactivate")) {
      ++inactive;
      EXPECT_EQ(std::pair(std::string(e.name), e.index), std::pair(std::string("SR10"), 1));
    }
  }
  EXPECT_EQ(inactive, 1);
}

TEST(DesignRecords, WindowRecordsShareOneEntryOrder) {
  Record main(kWindow1Record);
  ASSERT_TRUE(main.ok);
  EXPECT_EQ(main.entries.size(), 22u);
  EXPECT_EQ(std::tuple(main.Int("Width"), main.Int("Height")), std::tuple(670, 478));
  EXPECT_EQ(main.Find("MinWidth")->value, Hex("80 00 00 00"));
  EXPECT_EQ(main.Colour("BackColor"), 0x402527u);
  EXPECT_EQ(main.Str("Title"), "Taktora 1.2ub");
  EXPECT_EQ(main.Names().front() + " " + main.Names().back(), "Placement MacProcID");
  Record about(kAboutTaktoraRecord);
  Record replace(kSaveReplaceRecord);
  EXPECT_EQ(about.Names(), main.Names());
  EXPECT_EQ(replace.Names(), main.Names());
  EXPECT_FALSE(about.Bool("Composite"));
  EXPECT_TRUE(replace.Bool("Composite"));
  EXPECT_EQ(replace.Colour("BackColor"), 0x171717u);
  for (auto record : {kAboutCnvIconRecord, kAboutStNameRecord, kAboutStDescriptionRecord,
                      kAboutStaticText2Record, kAboutStStaticURL2Record}) {
    ASSERT_TRUE(Record(record).ok);
    EXPECT_EQ(Record(record).Names().front(), "Name");
  }
  EXPECT_EQ(Record(kAboutStStaticURL2Record).Names().back(), "URL");
}

TEST(DesignRecords, ReplaceDialogRecordsStandInReverseWithTabIndexLast) {
  const std::vector<std::string> pushButtonOrder = {
      "InitialParent", "Underline", "Italic",  "Bold",     "TextSize", "TextFont", "AutoDeactivate",
      "HelpTag",       "Visible",   "Enabled", "Cancel",   "Default",  "Caption",  "TabPanelIndex",
      "LockBottom",    "LockRight", "LockTop", "LockLeft", "Height",   "Width",    "Top",
      "Left",          "Index",     "Name",    "TabIndex"};
  EXPECT_EQ(Record(kReplacePushButton1Record).Names(), pushButtonOrder);
  EXPECT_EQ(Record(kReplacePushButton2Record).Names(), pushButtonOrder);
  for (auto record : {kReplaceStaticText1Record, kReplaceCanvas1Record}) {
    Record r(record);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.Names().front(), "InitialParent");
    EXPECT_EQ(r.Names()[r.entries.size() - 2], "Name");
    EXPECT_EQ(r.Names().back(), "TabIndex");
  }
  Record icon(kReplaceCanvas1Record);
  EXPECT_EQ(icon.Int("TabIndex"), 3);
  EXPECT_EQ(icon.Find("Index")->value, Hex("80 00 00 00"));
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
  constexpr auto bytes = layout::kEncoded<kList>;
  static_assert(bytes.size() == 5 + 4 + 6 + 4 + 8 + 1 + 10 + 3 + 5 + 4);
  EXPECT_EQ(std::string(layout::AsView(bytes)),
            "Left " + Hex("FF FF FF FE") + "Index " + Hex("80 00 00 00") + "Visible " + Hex("01") +
                "TextColor " + Hex("0A 0B 0C") + "Text " + Hex("00 00 00 00"));
}

}  // namespace
