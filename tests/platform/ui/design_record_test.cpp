// Design records read by width and applied by name, in any order.
#include "platform/ui/design_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"

namespace {

// Builds a record entry by entry, in the byte format of the records.
class Rec {
 public:
  Rec& I(const std::string& name, int32_t v) { return Add(name, Be32(static_cast<uint32_t>(v))); }
  Rec& B(const std::string& name, bool v) { return Add(name, std::string(1, v ? '\1' : '\0')); }
  Rec& C(const std::string& name, uint32_t rgb) { return Add(name, Be32(rgb).substr(1)); }
  Rec& S(const std::string& name, const std::string& s) {
    return Add(name, Be32(static_cast<uint32_t>(s.size())) + s);
  }
  std::string Forward() const {
    std::string r;
    for (const auto& e : entries_) r += e;
    return r;
  }
  std::string Reversed() const {
    std::string r;
    for (auto e = entries_.rbegin(); e != entries_.rend(); ++e) r += *e;
    return r;
  }

 private:
  static std::string Be32(uint32_t v) {
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
  }
  Rec& Add(const std::string& name, const std::string& value) {
    entries_.push_back(name + " " + value);
    return *this;
  }
  std::vector<std::string> entries_;
};

Rec Label(const std::string& name, const std::string& text) {
  Rec r;
  r.S("Name", name).I("Index", int32_t(0x80000000u)).I("Left", 35).I("Top", 401).I("Width", 86);
  r.I("Height", 20).B("LockLeft", false).I("TabIndex", 4).S("Text", text).C("TextColor", 0x63393D);
  r.B("Bold", true).S("TextFont", "System").I("TextSize", 9).S("InitialParent", "");
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
  fw::Window w;
};

TEST_F(DesignRecordTest, EitherOrderGivesTheSameStateAndTextsKeepEveryByte) {
  auto& a = w.New<fw::StaticText>("x");
  auto& b = w.New<fw::StaticText>("y");
  const Rec rec = Label("StaticText3", "Untitled\r");
  fw::ApplyRecord(a, rec.Forward());
  fw::ApplyRecord(b, rec.Reversed());
  for (fw::StaticText* t : {&a, &b}) {
    EXPECT_EQ(t->Name(), "StaticText3");
    EXPECT_EQ(t->Index(), fw::kNoIndex);
    EXPECT_EQ(t->Text(), "Untitled\r");
    EXPECT_EQ(t->TextColor(), 0x63393Du);  // colours red first
    EXPECT_TRUE(t->Bold());
    EXPECT_EQ(std::pair(t->Top(), t->TabIndex()), std::pair(401, 4));
  }
  fw::ApplyRecord(a, Rec().S("Text", "Note Repeat 2 ").Forward());
  EXPECT_EQ(a.Text(), "Note Repeat 2 ");
}

TEST_F(DesignRecordTest, BadRecordsAreRefusedAndChangeNothing) {
  auto& t = w.New<fw::StaticText>("Label");
  t.SetLeft(7);
  std::string error;
  // An unknown name in the middle: nothing before it is applied either.
  EXPECT_FALSE(fw::TryApplyRecord(t, Rec().I("Left", 99).I("Bogus", 1).Forward(), &error));
  EXPECT_NE(error.find("\"Bogus\""), std::string::npos) << error;
  EXPECT_EQ(t.Left(), 7);
  // Cut short inside a value, or a string count past the end.
  const std::string whole = Rec().I("Left", 99).S("Text", "abc").Forward();
  for (size_t cut : {whole.size() - 1, size_t{5}, size_t{7}})
    EXPECT_FALSE(fw::TryApplyRecord(t, whole.substr(0, cut), &error)) << cut;
  EXPECT_FALSE(fw::TryApplyRecord(
      t, Rec().I("Left", 99).Forward() + "Text \xFF\xFF\xFF\xF0" + "abc", &error));
  EXPECT_EQ(std::pair(t.Left(), t.Text()), std::pair(7, std::string()));
  // A name of another kind of control, a value out of range, an empty name.
  const int size = t.TextSize();
  for (const Rec& bad :
       {Rec().B("EraseBackground", true), Rec().I("TextSize", -5), Rec().S("Name", "")})
    EXPECT_FALSE(fw::TryApplyRecord(t, bad.Forward(), &error));
  EXPECT_EQ(std::pair(t.TextSize(), t.Name()), std::pair(size, std::string("Label")));
}

TEST_F(DesignRecordTest, SubclassPropertyIsFoundThroughTheObject) {
  const std::string record = Label("stStaticURL2", "Email").S("URL", "mailto:a@b.c").Forward();
  auto& link = w.New<LinkLabel>("stStaticURL2");
  std::string error;
  EXPECT_TRUE(fw::TryApplyRecord(link, record, &error)) << error;
  EXPECT_EQ(link.url + " " + link.Text(), "mailto:a@b.c Email");
  EXPECT_FALSE(fw::TryApplyRecord(w.New<fw::StaticText>("plain"), record, &error));
  EXPECT_NE(error.find("URL"), std::string::npos) << error;
}

TEST_F(DesignRecordTest, ApplyRecordStopsTheProgramOnABrokenRecord) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto& t = w.New<fw::StaticText>("Broken");
  EXPECT_DEATH(fw::ApplyRecord(t, Rec().I("Bogus", 1).Forward()),
               "StaticText \"Broken\".*unknown property name \"Bogus\"");
}

}  // namespace
