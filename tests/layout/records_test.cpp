// Byte-exact checks of the design records the layout encodes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/main_window_table.h"
#include "layout/record_encoder.h"
#include "layout/window_records.h"
#include "tests/layout/record_reader.h"

namespace {

using layout::FindMainWindowControl;
using layout::kNoValue;
using layout_test::Record;

std::string Hex(std::string_view hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    i += 2;
  }
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
  EXPECT_EQ(RecordOf("SR10", 1).size(), 254u);
  EXPECT_EQ(RecordOf("SR10", 32).size(), 254u);
  EXPECT_EQ(RecordOf("SR9", 32).size(), 253u);
  EXPECT_EQ(RecordOf("Play").size(), 433u);
  EXPECT_EQ(RecordOf("KitName1").size(), 484u);
  // Every record of the main window lies between the lamps' 230 bytes and
  // the kit-name field's 484.
  for (const auto& e : layout::kMainWindowControls) {
    EXPECT_GE(e.record.size(), 230u) << e.name;
    EXPECT_LE(e.record.size(), 484u) << e.name;
  }
  EXPECT_EQ(RecordOf("Oval1", 1).size(), 230u);
}

TEST(DesignRecords, ValuesAreReadByWidthNotBySearching) {
  // Top 365 ends in the byte of the letter "m", directly followed by Width.
  const std::string_view r = RecordOf("SR3", 1);
  const auto top = r.find("Top ");
  ASSERT_NE(top, std::string_view::npos);
  EXPECT_EQ(r.substr(top + 4, 4), Hex("00 00 01 6D"));
  EXPECT_EQ(r.substr(top + 8, 6), "Width ");
}

TEST(DesignRecords, LabelTextsColoursAndSizes) {
  Record pattern(RecordOf("PatternText"));
  ASSERT_TRUE(pattern.ok);
  EXPECT_EQ(pattern.Str("Text"), "Untitled\r");
  EXPECT_EQ(pattern.Int("TextAlign"), 2);

  Record tempo(RecordOf("StaticText1"));
  EXPECT_EQ(tempo.Str("Text"), "120");
  EXPECT_EQ(tempo.Int("TextSize"), 16);
  // Colour bytes are red first.
  const auto* colour = tempo.Find("TextColor");
  ASSERT_NE(colour, nullptr);
  EXPECT_EQ(colour->value, Hex("DB D2 00"));

  for (int row = 1; row <= 10; ++row) {
    Record label(RecordOf("StaticText3", row));
    EXPECT_EQ(label.Str("Text"), "Empty");
    EXPECT_TRUE(label.Bool("Bold"));
    EXPECT_EQ(label.Colour("TextColor"), 0x63393Du);
  }
  EXPECT_EQ(Record(RecordOf("StaticText28")).Str("Text"), "Rst Pan");
  EXPECT_EQ(Record(RecordOf("StaticText32")).Str("Text"), "Note Repeat");
  EXPECT_EQ(Record(RecordOf("DrumName")).Str("Text"), "");
  EXPECT_EQ(Record(RecordOf("StaticText27")).Colour("TextColor"), 0xFF0000u);

  Record kit(RecordOf("KitName1"));
  EXPECT_EQ(kit.Colour("TextColor"), 0xB4686Eu);
  EXPECT_EQ(kit.Colour("BackColor"), 0x301C1Du);
  EXPECT_EQ(kit.Int("Alignment"), 2);

  Record play(RecordOf("Play"));
  EXPECT_EQ(play.Str("Caption"), "Play");
  EXPECT_EQ(play.Names()[12], "InitialParent");
}

TEST(DesignRecords, FlagsOfTheExceptionalCanvases) {
  Record pointer(RecordOf("PointerCanvas"));
  EXPECT_FALSE(pointer.Bool("AutoDeactivate"));
  EXPECT_FALSE(pointer.Bool("Enabled"));
  EXPECT_FALSE(pointer.Bool("UseFocusRing"));
  EXPECT_FALSE(pointer.Bool("EraseBackground"));

  for (const char* name :
       {"LPattern", "SavePattern", "Canvas7", "Canvas8", "Canvas10", "KitLoad", "KitSave"}) {
    EXPECT_FALSE(Record(RecordOf(name)).Bool("EraseBackground")) << name;
  }
  for (const char* name : {"Canvas1", "PClear", "Canvas3", "Canvas12", "Canvas15", "KitNew",
                           "SavePicture", "Canvas11"}) {
    EXPECT_TRUE(Record(RecordOf(name)).Bool("EraseBackground")) << name;
  }
  EXPECT_TRUE(Record(RecordOf("Canvas2", 4)).Bool("EraseBackground"));
  EXPECT_TRUE(Record(RecordOf("CR", 10)).Bool("EraseBackground"));

  // Among the 320 cells only the top-left one does not auto-deactivate.
  int inactive = 0;
  for (const auto& e : layout::kMainWindowControls) {
    if (e.name.substr(0, 2) != "SR") continue;
    Record r(e.record);
    EXPECT_FALSE(r.Bool("EraseBackground"));
    if (!r.Bool("AutoDeactivate")) {
      ++inactive;
      EXPECT_EQ(e.name, "SR10");
      EXPECT_EQ(e.index, 1);
    }
  }
  EXPECT_EQ(inactive, 1);
}

TEST(DesignRecords, LampsCarryNoTabIndex) {
  for (int row = 1; row <= 10; ++row) {
    Record lamp(RecordOf("Oval1", row));
    ASSERT_TRUE(lamp.ok);
    EXPECT_FALSE(lamp.Has("TabIndex"));
    EXPECT_EQ(lamp.Colour("FillColor"), 0xFFFF00u);
    EXPECT_EQ(lamp.entries.size(), 19u);
  }
}

TEST(DesignRecords, WindowRecords) {
  Record main(kWindow1Record);
  ASSERT_TRUE(main.ok);
  EXPECT_EQ(main.entries.size(), 22u);
  EXPECT_EQ(main.Int("Width"), 670);
  EXPECT_EQ(main.Int("Height"), 478);
  EXPECT_EQ(main.Find("MinWidth")->value, Hex("80 00 00 00"));
  EXPECT_EQ(main.Colour("BackColor"), 0x402527u);
  EXPECT_EQ(main.Str("Title"), "Taktora 1.2ub");
  EXPECT_EQ(main.Names().front(), "Placement");
  EXPECT_EQ(main.Names().back(), "MacProcID");

  Record about(kAboutTaktoraRecord);
  Record replace(kSaveReplaceRecord);
  ASSERT_TRUE(about.ok && replace.ok);
  EXPECT_EQ(about.Names(), main.Names());
  EXPECT_EQ(replace.Names(), main.Names());
  EXPECT_EQ(about.Str("Title"), "");
  EXPECT_FALSE(about.Bool("Composite"));
  EXPECT_TRUE(replace.Bool("Composite"));
  EXPECT_EQ(replace.Str("Title"), "Replace");
  EXPECT_EQ(replace.Int("Width"), 365);
  EXPECT_EQ(replace.Int("Height"), 94);
  EXPECT_EQ(replace.Colour("BackColor"), 0x171717u);
}

TEST(DesignRecords, AboutWindowControls) {
  Record icon(kAboutCnvIconRecord);
  Record name(kAboutStNameRecord);
  Record version(kAboutStDescriptionRecord);
  Record credits(kAboutStaticText2Record);
  Record link(kAboutStStaticURL2Record);
  for (const Record* r : {&icon, &name, &version, &credits, &link}) ASSERT_TRUE(r->ok);
  EXPECT_EQ(icon.Str("Name"), "cnvIcon");
  EXPECT_EQ(icon.Names().front(), "Name");
  EXPECT_EQ(name.Str("Text"), "Taktora");
  EXPECT_TRUE(name.Bool("Bold"));
  EXPECT_EQ(name.Int("TextSize"), 14);
  EXPECT_EQ(version.Str("Text"), "ver 1.2ub");
  EXPECT_TRUE(version.Bool("Multiline"));
  EXPECT_TRUE(credits.Bool("Multiline"));
  EXPECT_FALSE(credits.Str("Text").empty());
  EXPECT_EQ(link.Str("Text"), "Email Support");
  EXPECT_TRUE(link.Bool("Underline"));
  EXPECT_EQ(link.Names().back(), "URL");
  EXPECT_EQ(link.Str("URL").rfind("mailto:", 0), 0u);
}

TEST(DesignRecords, ReplaceDialogRecordsStandInReverseWithTabIndexLast) {
  const std::vector<std::string> pushButtonOrder = {
      "InitialParent", "Underline", "Italic",  "Bold",     "TextSize", "TextFont", "AutoDeactivate",
      "HelpTag",       "Visible",   "Enabled", "Cancel",   "Default",  "Caption",  "TabPanelIndex",
      "LockBottom",    "LockRight", "LockTop", "LockLeft", "Height",   "Width",    "Top",
      "Left",          "Index",     "Name",    "TabIndex"};
  Record yes(kReplacePushButton1Record);
  Record no(kReplacePushButton2Record);
  ASSERT_TRUE(yes.ok && no.ok);
  EXPECT_EQ(yes.Names(), pushButtonOrder);
  EXPECT_EQ(yes.Str("Caption"), "Yes");
  EXPECT_EQ(yes.Int("Left"), 251);
  EXPECT_EQ(yes.Int("TabIndex"), 1);
  EXPECT_EQ(no.Str("Caption"), "No");
  EXPECT_EQ(no.Int("Left"), 119);

  Record text(kReplaceStaticText1Record);
  Record icon(kReplaceCanvas1Record);
  ASSERT_TRUE(text.ok && icon.ok);
  EXPECT_EQ(text.Str("Text"), "The Drum Kit already exists.  Do you want me to replace it?");
  for (const Record* r : {&text, &icon}) {
    EXPECT_EQ(r->Names().front(), "InitialParent");
    EXPECT_EQ(r->Names()[r->entries.size() - 2], "Name");
    EXPECT_EQ(r->Names().back(), "TabIndex");
  }
  EXPECT_EQ(icon.Int("TabIndex"), 3);
  EXPECT_TRUE(icon.Bool("EraseBackground"));
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
