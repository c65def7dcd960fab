// The menu bar the application and the main window share, the About item and
// the About window with its link label.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_window.h"
#include "app/app.h"
#include "app/assets.h"
#include "app/static_url.h"
#include "platform/application.h"
#include "platform/testing.h"
#include "platform/window.h"
#include "tests/window/window_fixture.h"

namespace {

struct ItemSpec {
  const char* name;
  const char* className;
  const char* text;
  const char* shortcut;
};

void ExpectMenu(const fw::MenuItem& menu, const std::vector<ItemSpec>& items) {
  ASSERT_EQ(menu.Count(), static_cast<int>(items.size())) << menu.Name;
  for (int i = 0; i < menu.Count(); ++i) {
    const fw::MenuItem& item = menu.Item(i);
    const ItemSpec& want = items[i];
    EXPECT_EQ(item.Name, want.name) << "item " << i << " of " << menu.Name;
    EXPECT_STREQ(item.ClassName(), want.className) << want.name;
    EXPECT_EQ(item.Text, want.text) << want.name;
    EXPECT_EQ(item.KeyboardShortcut, want.shortcut) << want.name;
    EXPECT_TRUE(item.AutoEnable) << want.name;
  }
}

TEST(MenuBar, Items) {
  StartedWindow();
  const MenuBar1& bar = MenuBar1::Instance();
  ASSERT_EQ(bar.Count(), 2);
  EXPECT_EQ(bar.Item(0).Name, "FileMenu");
  EXPECT_EQ(bar.Item(0).Text, "&File");
  EXPECT_EQ(bar.Item(1).Name, "EditMenu");
  EXPECT_EQ(bar.Item(1).Text, "&Edit");
  ExpectMenu(*bar.Child("FileMenu"), {{"FileAboutTaktora", "AppleMenuItem", "About Taktora", ""},
                                      {"FileQuit", "QuitMenuItem", "Quit", "Cmd+Q"}});
  ExpectMenu(*bar.Child("EditMenu"), {{"EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
                                      {"UntitledMenu1", "MenuItem", "-", ""},
                                      {"EditCut", "MenuItem", "Cu&t", "Cmd+X"},
                                      {"EditCopy", "MenuItem", "&Copy", "Cmd+C"},
                                      {"EditPaste", "MenuItem", "&Paste", "Cmd+V"},
                                      {"EditClear", "MenuItem", "Clear", ""},
                                      {"UntitledMenu0", "MenuItem", "-", ""},
                                      {"EditSelectAll", "MenuItem", "Select &All", "Cmd+A"}});
}

TEST(MenuBar, BuiltOnceAndSharedByApplicationAndWindow) {
  Window1& w = StartedWindow();
  MenuBar1* bar = &MenuBar1::Instance();
  EXPECT_EQ(&MenuBar1::Instance(), bar);
  EXPECT_EQ(App::Instance().GetMenuBar(), bar);
  EXPECT_EQ(w.GetMenuBar(), bar);
}

TEST(MenuBar, EditItemsLeaveThePatternsAlone) {
  Window1& w = StartedWindow();
  w.Hit(1, 2, 3) = 1;
  w.SV(1, 2, 3) = 100;
  for (const char* item : {"EditCopy", "EditPaste", "EditClear", "EditCut", "EditUndo"})
    App::Instance().ChooseMenuItem(item);
  fw::testing::ProcessEvents(10);
  EXPECT_EQ(w.OldPattern, 0) << "Cmd+C copies no pattern";
  EXPECT_EQ(w.pt(1, 2, 3), 0);
  EXPECT_EQ(w.Hit(1, 2, 3), 1);
  w.Hit(1, 2, 3) = 0;
  w.SV(1, 2, 3) = 0;
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
  EXPECT_EQ(about->Width(), 284);
  EXPECT_EQ(about->Height(), 212);
  EXPECT_EQ(about->BackColor(), 0x171717u);
  EXPECT_EQ(about->Get<fw::Canvas>("cnvIcon").Backdrop(), TKtrIcon());
  EXPECT_EQ(about->Get<fw::StaticText>("stName").Text(), "Taktora");
  EXPECT_EQ(about->Get<fw::StaticText>("stDescription").Text(), "ver 1.2ub");

  size_t windows = fw::OpenWindows().size();
  EXPECT_EQ(OpenAbout(), about) << "choosing About again shows the same window";
  EXPECT_EQ(fw::OpenWindows().size(), windows);

  fw::testing::Click(*about, 5, 5);  // the bare window, away from every control
  fw::testing::ProcessEvents(10);
  EXPECT_EQ(fw::GetImplicitWindow(AboutTaktora::kClassName), nullptr);
  EXPECT_EQ(fw::OpenWindows().size(), windows - 1);

  AboutTaktora* again = OpenAbout();
  ASSERT_NE(again, nullptr) << "the next About makes a new window";
  EXPECT_TRUE(again->Visible());
}

TEST_F(AboutWindow, LinkLabelColoursFollowThePointer) {
  AboutTaktora* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  auto& link = about->Get<stStaticURL>("stStaticURL2");
  EXPECT_EQ(link.Text(), "Email Support");
  EXPECT_EQ(link.URL.rfind("mailto:", 0), 0u) << link.URL;
  EXPECT_EQ(link.TextColor(), stStaticURL::kNormalColor);
  EXPECT_TRUE(link.Underline());

  const int cx = link.Left() + link.Width() / 2, cy = link.Top() + link.Height() / 2;
  fw::testing::MoveMouse(*about, 5, 5);
  fw::testing::ProcessEvents(10);
  fw::testing::MoveMouse(*about, cx, cy);
  EXPECT_EQ(link.TextColor(), fw::RGB(255, 255, 0));
  fw::testing::Press(*about, cx, cy);
  EXPECT_EQ(link.TextColor(), fw::RGB(255, 0, 0));
  ASSERT_NE(fw::GetImplicitWindow(AboutTaktora::kClassName), nullptr)
      << "a press on the link does not close the window";
  fw::testing::Release(*about, cx, cy);
  EXPECT_EQ(link.TextColor(), fw::RGB(0, 0, 255));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], link.URL);

  fw::testing::MoveMouse(*about, 5, 5);
  EXPECT_EQ(link.TextColor(), stStaticURL::kNormalColor);

  // Pressed on the label, dragged off and released elsewhere: nothing opens,
  // and the label stays blue until the pointer next enters or leaves it.
  fw::testing::MoveMouse(*about, cx, cy);
  fw::testing::Press(*about, cx, cy);
  fw::testing::Drag(*about, 5, 5);
  EXPECT_EQ(link.TextColor(), stStaticURL::kNormalColor);
  fw::testing::Release(*about, 5, 5);
  fw::testing::ProcessEvents(10);
  EXPECT_EQ(link.TextColor(), fw::RGB(0, 0, 255));
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_NE(fw::GetImplicitWindow(AboutTaktora::kClassName), nullptr);
  fw::testing::MoveMouse(*about, cx, cy);
  EXPECT_EQ(link.TextColor(), fw::RGB(255, 255, 0));
  fw::testing::MoveMouse(*about, 5, 5);
  EXPECT_EQ(link.TextColor(), stStaticURL::kNormalColor);
}

TEST_F(AboutWindow, ReleaseCountsOnlyStrictlyInside) {
  AboutTaktora* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  auto& link = about->Get<stStaticURL>("stStaticURL2");
  const int w = link.Width(), h = link.Height();
  for (auto [x, y] : {std::pair{0, h / 2}, {w / 2, 0}, {w, h / 2}, {w / 2, h}, {-3, 4}}) {
    link.Event_MouseUp(x, y);
    EXPECT_EQ(link.TextColor(), fw::RGB(0, 0, 255));
  }
  EXPECT_TRUE(opened.empty());
  link.Event_MouseUp(1, 1);
  link.Event_MouseUp(w - 1, h - 1);
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(AboutWindow, EmptyURLOpensTheLabelText) {
  AboutTaktora* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  auto& link = about->Get<stStaticURL>("stStaticURL2");
  std::string saved = link.URL;
  link.URL.clear();
  link.Event_MouseUp(2, 2);
  link.URL = saved;
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "Email Support");
}

}  // namespace
