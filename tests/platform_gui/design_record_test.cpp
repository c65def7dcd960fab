// Design records read by width and applied by name, in any order.
#include "platform/design_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/testing.h"
#include "platform/window.h"

namespace {

// Builds a record entry by entry, in the byte format of the records.
class Rec {
 public:
  Rec& I(const std::string& name, int32_t v) { return Add(name, Be32(static_cast<uint32_t>(v))); }
  Rec& NoValue(const std::string& name) { return Add(name, Be32(0x80000000u)); }
  Rec& B(const std::string& name, bool v) { return Add(name, std::string(1, v ? '\1' : '\0')); }
  Rec& C(const std::string& name, uint32_t rgb) {
    return Add(name, std::string{static_cast<char>(rgb >> 16), static_cast<char>(rgb >> 8),
                                 static_cast<char>(rgb)});
  }
  Rec& S(const std::string& name, const std::string& s) {
    return Add(name, Be32(static_cast<uint32_t>(s.size())) + s);
  }
  std::string Forward() const { return Joined(entries_.begin(), entries_.end()); }
  std::string Reversed() const { return Joined(entries_.rbegin(), entries_.rend()); }

 private:
  static std::string Be32(uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 8), static_cast<char>(v)};
  }
  template <class It>
  static std::string Joined(It from, It to) {
    std::string r;
    for (; from != to; ++from) r += *from;
    return r;
  }
  Rec& Add(const std::string& name, const std::string& value) {
    entries_.push_back(name + " " + value);
    return *this;
  }
  std::vector<std::string> entries_;
};

Rec Common(const std::string& name, int left, int top, int width, int height) {
  Rec r;
  r.S("Name", name).NoValue("Index").I("Left", left).I("Top", top).I("Width", width);
  r.I("Height", height).B("LockLeft", false).B("LockTop", false).B("LockRight", false);
  r.B("LockBottom", false).I("TabPanelIndex", 0);
  return r;
}

// The step cell SR3, step 12.
Rec StepCell() {
  Rec r;
  r.S("Name", "SR3").I("Index", 12).I("Left", 0x134).I("Top", 0x16D).I("Width", 15);
  r.I("Height", 16).B("LockLeft", false).B("LockTop", false).B("LockRight", false);
  r.B("LockBottom", false).I("TabPanelIndex", 0).I("TabIndex", 100).B("Visible", true);
  r.S("HelpTag", "").B("AutoDeactivate", true).B("Enabled", true).B("UseFocusRing", true);
  r.B("AcceptFocus", false).B("AcceptTabs", false).B("EraseBackground", false);
  r.S("InitialParent", "");
  return r;
}

// The kit-name field.
Rec KitNameField() {
  Rec r = Common("KitName1", 12, 40, 100, 14);
  r.I("TabIndex", 200).B("Border", false).B("Multiline", false);
  r.B("ScrollbarHorizontal", false).B("ScrollbarVertical", false).B("Styled", false);
  r.B("Password", false).B("UseFocusRing", false).C("TextColor", 0xB4686E);
  r.C("BackColor", 0x301C1D).B("Enabled", true).S("Format", "").B("Visible", true);
  r.S("HelpTag", "").B("AutoDeactivate", true).S("TextFont", "System").I("TextSize", 9);
  r.B("Bold", false).B("Italic", false).B("Underline", false).S("Text", "").S("Mask", "");
  r.B("ReadOnly", false).I("LimitText", 0).B("AcceptTabs", false).I("Alignment", 2);
  r.S("DataSource", "").S("DataField", "").S("InitialParent", "");
  return r;
}

Rec Label(const std::string& name, const std::string& text) {
  Rec r = Common(name, 35, 401, 86, 20);
  r.I("TabIndex", 4).S("Text", text).I("TextAlign", 0).C("TextColor", 0x63393D);
  r.B("Multiline", false).B("Enabled", true).B("Visible", true).S("HelpTag", "");
  r.B("AutoDeactivate", true).S("TextFont", "System").I("TextSize", 9).B("Bold", true);
  r.B("Italic", false).B("Underline", false).S("DataSource", "").S("DataField", "");
  r.S("InitialParent", "");
  return r;
}

Rec MainWindowRecord() {
  Rec r;
  r.I("Placement", 0).I("Width", 670).I("Height", 478).NoValue("MinWidth").I("MinHeight", 64);
  r.I("MaxWidth", 32000).I("MaxHeight", 32000).I("Frame", 0).B("Composite", false);
  r.B("HasBackColor", true).C("BackColor", 0x402527).S("Title", "Taktora 1.2ub");
  r.B("Visible", true).B("FullScreen", false).B("MenuBarVisible", true);
  r.B("CloseButton", true).B("Resizeable", false).B("LiveResize", false);
  r.B("MaximizeButton", false).B("MinimizeButton", true).S("BalloonHelp", "");
  r.I("MacProcID", 0);
  return r;
}

// The link label: a StaticText with a URL of its own.
class LinkLabel : public fw::StaticText {
 public:
  std::string url;
  bool SetProperty(std::string_view name, const fw::PropertyValue& v) override {
    if (name == "URL" && v.type == fw::PropertyValue::Type::String) {
      url = v.string;
      return true;
    }
    return StaticText::SetProperty(name, v);
  }
};

class DesignRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { w = new fw::Window; }
  void TearDown() override { delete w; }
  fw::Window* w = nullptr;
};

TEST_F(DesignRecordTest, WorkedExampleSetsTheStepCell) {
  std::string record = StepCell().Forward();
  ASSERT_EQ(record.size(), 253u);
  EXPECT_EQ(record[record.find("Top ") + 7], 'm');  // Top 365 ends in the letter "m"
  auto& cell = w->New<fw::Canvas>("SR3");
  fw::ApplyRecord(cell, record);
  EXPECT_EQ(w->ControlByNameIndex("SR3", 12), &cell);
  EXPECT_EQ(cell.Left(), 308);
  EXPECT_EQ(cell.Top(), 365);
  EXPECT_EQ(cell.Height(), 16);
  EXPECT_EQ(cell.TabIndex(), 100);
  EXPECT_TRUE(cell.AutoDeactivate());
  EXPECT_FALSE(cell.EraseBackground());
}

TEST_F(DesignRecordTest, ReverseOrderGivesTheSameState) {
  auto& a = w->New<fw::StaticText>("x");
  auto& b = w->New<fw::StaticText>("y");
  Rec rec = Label("StaticText3", "Rst Pan");
  fw::ApplyRecord(a, rec.Forward());
  fw::ApplyRecord(b, rec.Reversed());
  for (fw::StaticText* t : {&a, &b}) {
    EXPECT_EQ(t->Name(), "StaticText3");
    EXPECT_EQ(t->Index(), fw::kNoIndex);
    EXPECT_EQ(t->Text(), "Rst Pan");
    EXPECT_EQ(t->TextColor(), 0x63393Du);
    EXPECT_TRUE(t->Bold());
    EXPECT_EQ(t->Top(), 401);
  }
}

TEST_F(DesignRecordTest, LongRecordsAreReadToTheEndWithSpacesAndCarriageReturns) {
  std::string field = KitNameField().Forward();
  ASSERT_EQ(field.size(), 484u);
  auto& kit = w->New<fw::EditField>("KitName1");
  fw::ApplyRecord(kit, field);
  EXPECT_EQ(kit.TextColor(), 0xB4686Eu);  // colours red first
  EXPECT_EQ(kit.BackColor(), 0x301C1Du);
  EXPECT_EQ(kit.TabIndex(), 200);

  auto& t = w->New<fw::StaticText>("PatternText");
  fw::ApplyRecord(t, Label("PatternText", "Untitled\r").Forward());
  EXPECT_EQ(t.Text(), "Untitled\r");
  fw::ApplyRecord(t, Rec().S("Text", "Note Repeat 2 ").Forward());
  EXPECT_EQ(t.Text(), "Note Repeat 2 ");
}

TEST_F(DesignRecordTest, WindowRecord) {
  w->ApplyRecord(MainWindowRecord().Forward());
  EXPECT_EQ(w->Width(), 670);
  EXPECT_EQ(w->Height(), 478);
  EXPECT_EQ(w->BackColor(), 0x402527u);
  EXPECT_EQ(w->Title(), "Taktora 1.2ub");
  EXPECT_EQ(w->OwnGraphics().Height(), 478);
}

TEST_F(DesignRecordTest, BadRecordsAreRefusedAndChangeNothing) {
  auto& t = w->New<fw::StaticText>("Label");
  t.SetLeft(7);
  std::string error;
  // An unknown name in the middle: nothing before it is applied either.
  std::string unknown = Rec().I("Left", 99).I("Bogus", 1).S("Text", "x").Forward();
  EXPECT_FALSE(fw::TryApplyRecord(t, unknown, &error));
  EXPECT_NE(error.find("\"Bogus\""), std::string::npos) << error;
  EXPECT_EQ(t.Left(), 7);
  // Cut short inside a value, or a string count past the end.
  std::string whole = Rec().I("Left", 99).S("Text", "abc").Forward();
  for (size_t cut : {whole.size() - 1, size_t{5}, size_t{7}}) {
    EXPECT_FALSE(fw::TryApplyRecord(t, whole.substr(0, cut), &error)) << cut;
    EXPECT_EQ(t.Left(), 7);
  }
  std::string huge = Rec().I("Left", 99).Forward() + "Text \xFF\xFF\xFF\xF0" + "abc";
  EXPECT_FALSE(fw::TryApplyRecord(t, huge, &error));
  // A name that belongs to another kind of control.
  EXPECT_FALSE(fw::TryApplyRecord(t, Rec().B("EraseBackground", true).Forward(), &error));
  EXPECT_NE(error.find("EraseBackground"), std::string::npos) << error;
  EXPECT_EQ(t.Text(), "");
  // A value out of range is refused and not stored.
  int size = t.TextSize();
  EXPECT_FALSE(fw::TryApplyRecord(t, Rec().I("TextSize", -5).Forward(), &error));
  EXPECT_EQ(t.TextSize(), size);
  // The record never changes its object's name to nothing.
  EXPECT_FALSE(fw::TryApplyRecord(t, Rec().S("Name", "").Forward(), &error));
  EXPECT_EQ(t.Name(), "Label");
}

TEST_F(DesignRecordTest, SubclassPropertyIsFoundThroughTheObject) {
  std::string record = Label("stStaticURL2", "Email Support").S("URL", "mailto:a@b.c").Forward();
  auto& link = w->New<LinkLabel>("stStaticURL2");
  std::string error;
  EXPECT_TRUE(fw::TryApplyRecord(link, record, &error)) << error;
  EXPECT_EQ(link.url, "mailto:a@b.c");
  EXPECT_EQ(link.Text(), "Email Support");
  auto& plain = w->New<fw::StaticText>("plain");
  EXPECT_FALSE(fw::TryApplyRecord(plain, record, &error));
  EXPECT_NE(error.find("URL"), std::string::npos) << error;
}

TEST_F(DesignRecordTest, ApplyRecordStopsTheProgramOnABrokenRecord) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto& t = w->New<fw::StaticText>("Broken");
  EXPECT_DEATH(fw::ApplyRecord(t, Rec().I("Bogus", 1).Forward()),
               "StaticText \"Broken\".*unknown property name \"Bogus\"");
}

}  // namespace
