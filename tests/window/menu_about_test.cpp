// The menu bar the application and the main window share, and the About
// window with its link label.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_window.h"
#include "app/app.h"
#include "app/static_url.h"
#include "platform/ui/application.h"
#include "platform/ui/testing.h"
#include "platform/ui/window.h"
#include "tests/window/window_fixture.h"

namespace {

TEST(MenuBar, ShowsTheMenusAndTheEditItemsLeaveThePatternsAlone) {
  Window1& w = StartedWindow();
  EXPECT_EQ(fw::testing::DescribeMenuBar(w),
            "&File[About Taktora|Quit(Ctrl+Q)] &Edit[&Undo(Ctrl+Z)|-|Cu&t(Ctrl+X)|&Copy(Ctrl+C)|"
            "&Paste(Ctrl+V)|Clear|-|Select &All(Ctrl+A)]");
  w.Hit(1, 2, 3) = 1;
  w.SV(1, 2, 3) = 100;
  for (const char* item : {"EditCopy", "EditPaste", "EditClear", "EditCut", "EditUndo"})
    App::Instance().ChooseMenuItem(item);
  fw::testing::ProcessEvents(10);
  EXPECT_EQ(w.OldPattern, 0) << "Cmd+C copies no pattern";
  EXPECT_EQ(w.Hit(1, 2, 3), 1);
  w.Hit(1, 2, 3) = w.SV(1, 2, 3) = 0;
}

AboutTaktora* OpenAbout() {
  App::Instance().ChooseMenuItem("FileAboutTaktora");
  fw::testing::ProcessEvents(10);
  return static_cast<AboutTaktora*>(fw::GetImplicitWindow(AboutTaktora::kClassName));
}

class AboutWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    StartedWindow();
    fw::testing::SetURLOpener([this](const std::string& a) { opened.push_back(a); });
  }
  void TearDown() override {
    fw::testing::SetURLOpener(nullptr);
    if (auto* about = fw::GetImplicitWindow(AboutTaktora::kClassName)) about->Close();
    fw::testing::ProcessEvents(10);
  }
  std::vector<std::string> opened;
};

TEST_F(AboutWindow, MenuItemShowsOneWindowAndAPressClosesIt) {
  AboutTaktora* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->Visible());
  EXPECT_EQ(about->Get<fw::StaticText>("stName").Text(), "Taktora");
  const size_t windows = fw::OpenWindows().size();
  EXPECT_EQ(OpenAbout(), about) << "choosing About again shows the same window";
  EXPECT_EQ(fw::OpenWindows().size(), windows);

  fw::testing::Click(*about, 5, 5);  // the bare window, away from every control
  fw::testing::ProcessEvents(10);
  EXPECT_EQ(fw::GetImplicitWindow(AboutTaktora::kClassName), nullptr);
  EXPECT_EQ(fw::OpenWindows().size(), windows - 1);
  ASSERT_NE(OpenAbout(), nullptr) << "the next About makes a new window";
}

TEST_F(AboutWindow, LinkLabelColoursFollowThePointerAndOnlyAClickInsideOpens) {
  AboutTaktora* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  auto& link = about->Get<stStaticURL>("stStaticURL2");
  EXPECT_EQ(link.Text(), "Email Support");
  EXPECT_EQ(link.URL.rfind("mailto:", 0), 0u) << link.URL;
  const fw::Color normal = link.TextColor(), hover = 0xFFFF00, pressed = 0xFF0000,
                  visited = 0x0000FF;
  const int cx = link.Left() + link.Width() / 2, cy = link.Top() + link.Height() / 2;
  fw::testing::MoveMouse(*about, 5, 5);
  fw::testing::MoveMouse(*about, cx, cy);
  EXPECT_EQ(link.TextColor(), hover);
  fw::testing::Press(*about, cx, cy);
  EXPECT_EQ(link.TextColor(), pressed);
  ASSERT_NE(fw::GetImplicitWindow(AboutTaktora::kClassName), nullptr)
      << "a press on the link does not close the window";
  fw::testing::Release(*about, cx, cy);
  EXPECT_EQ(link.TextColor(), visited);
  EXPECT_EQ(opened, std::vector<std::string>{link.URL});
  fw::testing::MoveMouse(*about, 5, 5);
  EXPECT_EQ(link.TextColor(), normal);

  // Pressed on the label, dragged off and released elsewhere: nothing opens,
  // and the label stays blue until the pointer next enters or leaves it.
  fw::testing::MoveMouse(*about, cx, cy);
  fw::testing::Press(*about, cx, cy);
  fw::testing::Drag(*about, 5, 5);
  EXPECT_EQ(link.TextColor(), normal);
  fw::testing::Release(*about, 5, 5);
  EXPECT_EQ(link.TextColor(), visited);
  EXPECT_EQ(opened.size(), 1u);
  // A release on the label's very edge is outside it.
  const int w = link.Width(), h = link.Height();
  for (auto [x, y] : {std::pair{0, h / 2}, {w / 2, 0}, {w, h / 2}, {w / 2, h}})
    link.Event_MouseUp(x, y);
  EXPECT_EQ(opened.size(), 1u);
  link.URL.clear();  // without an address the label text is opened
  link.Event_MouseUp(1, 1);
  EXPECT_EQ(opened.back(), "Email Support");
}

}  // namespace
