// The small windows' records through the real record setter: every name is
// one the setter knows, and the replace dialog's reversed records give the
// same controls as the same entries in forward order.
#include <gtest/gtest.h>

#include <string>

#include "app/static_url.h"
#include "layout/window_records.h"
#include "platform/design_record.h"
#include "platform/window.h"
#include "tests/layout/record_reader.h"

namespace {

// The entries of a record in the opposite order, re-encoded.
std::string Reversed(std::string_view record) {
  layout_test::Record r(record);
  std::string out;
  for (auto it = r.entries.rbegin(); it != r.entries.rend(); ++it)
    out += it->name + " " + it->value;
  return out;
}

template <class T>
void ExpectSameGeometry(const T& a, const T& b) {
  EXPECT_EQ(a.Left(), b.Left());
  EXPECT_EQ(a.Top(), b.Top());
  EXPECT_EQ(a.Width(), b.Width());
  EXPECT_EQ(a.Height(), b.Height());
  EXPECT_EQ(a.TabIndex(), b.TabIndex());
  EXPECT_EQ(a.Visible(), b.Visible());
  EXPECT_EQ(a.Enabled(), b.Enabled());
}

TEST(SmallWindowRecords, TheReplaceDialogsRecordsApplyInEitherOrder) {
  fw::Window win;
  std::string error;
  ASSERT_TRUE(fw::TryApplyRecord(win, kSaveReplaceRecord, &error)) << error;
  EXPECT_EQ(win.Width(), 365);
  EXPECT_EQ(win.Height(), 94);
  EXPECT_EQ(win.Title(), "Replace");

  auto& yes = win.New<fw::PushButton>("PushButton1");
  auto& yesForward = win.New<fw::PushButton>("PushButton1");
  ASSERT_TRUE(fw::TryApplyRecord(yes, kReplacePushButton1Record, &error)) << error;
  ASSERT_TRUE(fw::TryApplyRecord(yesForward, Reversed(kReplacePushButton1Record), &error)) << error;
  EXPECT_EQ(yes.Caption(), "Yes");
  EXPECT_EQ(yes.Left(), 251);
  EXPECT_EQ(yes.TabIndex(), 1);
  EXPECT_EQ(yes.Caption(), yesForward.Caption());
  ExpectSameGeometry(yes, yesForward);

  auto& no = win.New<fw::PushButton>("PushButton2");
  ASSERT_TRUE(fw::TryApplyRecord(no, kReplacePushButton2Record, &error)) << error;
  EXPECT_EQ(no.Caption(), "No");
  EXPECT_EQ(no.Left(), 119);

  auto& text = win.New<fw::StaticText>("StaticText1");
  auto& textForward = win.New<fw::StaticText>("StaticText1");
  ASSERT_TRUE(fw::TryApplyRecord(text, kReplaceStaticText1Record, &error)) << error;
  ASSERT_TRUE(fw::TryApplyRecord(textForward, Reversed(kReplaceStaticText1Record), &error))
      << error;
  EXPECT_EQ(text.Text(), "The Drum Kit already exists.  Do you want me to replace it?");
  EXPECT_EQ(text.Text(), textForward.Text());
  EXPECT_EQ(text.TextColor(), textForward.TextColor());
  ExpectSameGeometry(text, textForward);

  auto& icon = win.New<fw::Canvas>("Canvas1");
  ASSERT_TRUE(fw::TryApplyRecord(icon, kReplaceCanvas1Record, &error)) << error;
  EXPECT_EQ(icon.Width(), 64);
  EXPECT_TRUE(icon.EraseBackground());
}

TEST(SmallWindowRecords, TheAboutWindowsRecordsApply) {
  fw::Window win;
  std::string error;
  ASSERT_TRUE(fw::TryApplyRecord(win, kAboutTaktoraRecord, &error)) << error;
  EXPECT_EQ(win.Width(), 284);
  EXPECT_EQ(win.Height(), 212);
  EXPECT_EQ(win.BackColor(), 0x171717u);

  ASSERT_TRUE(fw::TryApplyRecord(win.New<fw::Canvas>("cnvIcon"), kAboutCnvIconRecord, &error))
      << error;
  auto& name = win.New<fw::StaticText>("stName");
  ASSERT_TRUE(fw::TryApplyRecord(name, kAboutStNameRecord, &error)) << error;
  EXPECT_EQ(name.Text(), "Taktora");
  EXPECT_TRUE(name.Bold());
  EXPECT_EQ(name.TextAlign(), 1);
  ASSERT_TRUE(fw::TryApplyRecord(win.New<fw::StaticText>("stDescription"),
                                 kAboutStDescriptionRecord, &error))
      << error;
  ASSERT_TRUE(
      fw::TryApplyRecord(win.New<fw::StaticText>("StaticText2"), kAboutStaticText2Record, &error))
      << error;
  auto& link = win.New<stStaticURL>("stStaticURL2");
  ASSERT_TRUE(fw::TryApplyRecord(link, kAboutStStaticURL2Record, &error)) << error;
  EXPECT_EQ(link.Text(), "Email Support");
  EXPECT_TRUE(link.Underline());
  EXPECT_EQ(link.URL.rfind("mailto:", 0), 0u);
}

}  // namespace
