// Design records: the bytes the layout writes, checked against the worked
// example and the lengths they must have, and how the platform reads them (a
// broken record is a fault of the program: it stops).
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "layout/main_window_table.h"
#include "layout/record_encoder.h"
#include "layout/window_records.h"
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

std::string_view RecordOf(std::string_view name, int index = kNoValue) {
  const auto* e = FindMainWindowControl(name, index);
  EXPECT_NE(e, nullptr) << name << " " << index;
  return e ? e->record : std::string_view();
}

std::string Encode(const EntryList& list) {
  std::string out(EncodedSize(list), '\0');
  EncodeInto(list, out, 0);
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
  EXPECT_EQ(std::string(RecordOf("SR3", 12)), expected);
}

TEST(DesignRecords, LengthsOrderAndTheWidthOfEachType) {
  const std::tuple<std::string_view, std::size_t> sizes[] = {{RecordOf("SR10", 1), 254},
                                                             {RecordOf("SR9", 32), 253},
                                                             {RecordOf("Play"), 433},
                                                             {RecordOf("KitName1"), 484},
                                                             {RecordOf("Oval1", 1), 230}};
  for (const auto& [record, size] : sizes) EXPECT_EQ(record.size(), size) << record.substr(0, 20);
  // The replace dialog's records stand in reverse, with the tab index last.
  for (std::string_view r :
       {kReplacePushButton1Record, kReplaceStaticText1Record, kReplaceCanvas1Record}) {
    EXPECT_EQ(r.substr(0, 14), "InitialParent ");
    EXPECT_EQ(r.substr(r.size() - 13, 9), "TabIndex ");
  }
  EXPECT_EQ(kReplaceCanvas1Record.substr(kReplaceCanvas1Record.size() - 4), Hex("00 00 00 03"));
  EXPECT_EQ(Encode(EntryList()
                       .Add(Int("Left", -2))
                       .Add(NoValue("Index"))
                       .Add(Bool("Visible", true))
                       .Add(Colour("TextColor", 0x0A0B0C))
                       .Add(Str("Text", ""))),
            "Left " + Hex("FF FF FF FE") + "Index " + Hex("80 00 00 00") + "Visible " + Hex("01") +
                "TextColor " + Hex("0A 0B 0C") + "Text " + Hex("00 00 00 00"));
}

EntryList Label(std::string_view name, std::string_view text) {
  EntryList l;
  l.Add(Str("Name", name)).Add(NoValue("Index")).Add(Int("Left", 35)).Add(Int("Top", 401));
  l.Add(Int("Width", 86))
      .Add(Int("Height", 20))
      .Add(Bool("LockLeft", false))
      .Add(Int("TabIndex", 4));
  l.Add(Str("Text", text)).Add(Colour("TextColor", 0x63393D)).Add(Bool("Bold", true));
  return l.Add(Str("TextFont", "System")).Add(Int("TextSize", 9)).Add(Str("InitialParent", ""));
}

class ReadRecords : public ::testing::Test {
 protected:
  fw::Window w;
};

TEST_F(ReadRecords, EitherOrderGivesTheSameStateAndTextsKeepEveryByte) {
  auto& a = w.New<fw::StaticText>("x");
  auto& b = w.New<fw::StaticText>("y");
  fw::ApplyRecord(a, Encode(Label("StaticText3", "Untitled\r")));
  fw::ApplyRecord(b, Encode(ReversedTabIndexLast(Label("StaticText3", "Untitled\r"))));
  for (fw::StaticText* t : {&a, &b}) {
    EXPECT_EQ(std::tuple(t->Name(), t->Index(), t->Text(), t->TextColor(), t->Bold()),
              std::tuple("StaticText3", fw::kNoIndex, "Untitled\r", 0x63393Du, true));
    EXPECT_EQ(std::pair(t->Top(), t->TabIndex()), std::pair(401, 4));
  }
}

TEST_F(ReadRecords, ApplyRecordStopsTheProgramOnABrokenRecord) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto& t = w.New<fw::StaticText>("Broken");
  EXPECT_DEATH(fw::ApplyRecord(t, Encode(EntryList().Add(Int("Bogus", 1)))),
               "StaticText \"Broken\".*unknown property name \"Bogus\"");
}

}  // namespace
