// The small windows' records through the real record setter: every name is
// one the setter knows, and the replace dialog's reversed records give the
// same controls as the same entries in forward order.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "app/static_url.h"
#include "layout/window_records.h"
#include "platform/design_record.h"
#include "platform/window.h"
#include "tests/layout/record_reader.h"

namespace {

// Applies a record to a control, and the same entries in forward order to a
// twin of it; both must take it and stand at the same place.
template <class T>
std::pair<T&, T&> ApplyBothWays(fw::Window& win, const char* name, std::string_view record) {
  layout_test::Record r(record);
  std::string forward, error;
  for (auto it = r.entries.rbegin(); it != r.entries.rend(); ++it)
    forward += it->name + " " + it->value;
  T& a = win.New<T>(name);
  T& b = win.New<T>(name);
  EXPECT_TRUE(fw::TryApplyRecord(a, record, &error)) << name << ": " << error;
  EXPECT_TRUE(fw::TryApplyRecord(b, forward, &error)) << name << ": " << error;
  auto state = [](const T& c) {
    return std::tuple(c.Left(), c.Top(), c.Width(), c.Height(), c.TabIndex(), c.Visible(),
                      c.Enabled());
  };
  EXPECT_EQ(state(a), state(b)) << name;
  return {a, b};
}

TEST(SmallWindowRecords, TheReplaceDialogsRecordsApplyInEitherOrder) {
  fw::Window win;
  std::string error;
  ASSERT_TRUE(fw::TryApplyRecord(win, kSaveReplaceRecord, &error)) << error;
  EXPECT_EQ(std::tuple(win.Width(), win.Height(), win.Title()), std::tuple(365, 94, "Replace"));

  auto [yes, yes2] = ApplyBothWays<fw::PushButton>(win, "PushButton1", kReplacePushButton1Record);
  EXPECT_EQ(std::tuple(yes.Caption(), yes.Left(), yes.TabIndex()), std::tuple("Yes", 251, 1));
  EXPECT_EQ(yes2.Caption(), "Yes");
  auto [no, no2] = ApplyBothWays<fw::PushButton>(win, "PushButton2", kReplacePushButton2Record);
  EXPECT_EQ(std::tuple(no.Caption(), no.Left(), no2.Caption()), std::tuple("No", 119, "No"));
  auto [text, text2] = ApplyBothWays<fw::StaticText>(win, "StaticText1", kReplaceStaticText1Record);
  EXPECT_EQ(text.Text(), "The Drum Kit already exists.  Do you want me to replace it?");
  EXPECT_EQ(std::tuple(text2.Text(), text2.TextColor()), std::tuple(text.Text(), text.TextColor()));
  auto& icon = ApplyBothWays<fw::Canvas>(win, "Canvas1", kReplaceCanvas1Record).first;
  EXPECT_EQ(icon.Width(), 64);
  EXPECT_TRUE(icon.EraseBackground());
}

TEST(SmallWindowRecords, TheAboutWindowsRecordsApply) {
  fw::Window win;
  std::string error;
  ASSERT_TRUE(fw::TryApplyRecord(win, kAboutTaktoraRecord, &error)) << error;
  EXPECT_EQ(std::tuple(win.Width(), win.Height(), win.BackColor()),
            std::tuple(284, 212, 0x171717u));
  ASSERT_TRUE(fw::TryApplyRecord(win.New<fw::Canvas>("cnvIcon"), kAboutCnvIconRecord, &error))
      << error;
  auto& name = win.New<fw::StaticText>("stName");
  ASSERT_TRUE(fw::TryApplyRecord(name, kAboutStNameRecord, &error)) << error;
  EXPECT_EQ(std::tuple(name.Text(), name.Bold(), name.TextAlign()), std::tuple("Taktora", true, 1));
  for (auto [n, record] : {std::pair("stDescription", kAboutStDescriptionRecord),
                           std::pair("StaticText2", kAboutStaticText2Record)})
    ASSERT_TRUE(fw::TryApplyRecord(win.New<fw::StaticText>(n), record, &error)) << error;
  auto& link = win.New<stStaticURL>("stStaticURL2");
  ASSERT_TRUE(fw::TryApplyRecord(link, kAboutStStaticURL2Record, &error)) << error;
  EXPECT_EQ(link.Text(), "Email Support");
  EXPECT_TRUE(link.Underline());
  EXPECT_EQ(link.URL.rfind("mailto:", 0), 0u);
}

}  // namespace
