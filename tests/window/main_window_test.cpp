// The main window as the user first sees it when no default file exists, the
// pictures it shows, the menu bar, the About window with its link label, and
// the labels of every window.
#include <map>
#include <string>
#include <vector>

#include "app/about_window.h"
#include "app/app.h"
#include "app/static_url.h"
#include "files/replace_dialog.h"
#include "platform/ui/picture.h"
#include "platform/ui/resources.h"
#include "platform/ui/window.h"
#include "tests/support/started_window.h"

namespace {

// First in this program: it sees the window as the program started it.
TEST(StartValues, WindowAndDocumentWithoutDefaultFiles) {
  Window1& w = StartedWindow();
  EXPECT_EQ(w.Title(), "Taktora 1.2ub");
  EXPECT_EQ(std::pair(w.Width(), w.Height()), std::pair(670, 478));
  EXPECT_EQ(w.StaticText20().Text() + " " + w.StaticText1().Text(), "1 120");
  EXPECT_EQ(w.KitName1().Text(), "Untitled Kit");
  EXPECT_FALSE(w.KitName1().Enabled()) << "typed keys must reach the window";
  for (int pattern = 1; pattern <= 50; ++pattern)
    for (int row = 1; row <= 10; ++row)
      for (int step = 1; step <= 32; ++step)
        ASSERT_EQ(w.Hit(pattern, row, step) + w.SV(pattern, row, step), 0);
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(w.StaticText3(row).Text(), "Empty");
    EXPECT_EQ(w.Oval1(row).FillColor(), 0xFFFF00u);
  }
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x) ASSERT_EQ(w.p->Pixel(x, y), 0u) << x << "," << y;
}

class MainWindow : public StartedTest {
 protected:
  void SetUp() override {
    StartedTest::SetUp();
    fw::testing::SetURLOpener([this](const std::string& a) { opened.push_back(a); });
  }
  void TearDown() override {
    fw::testing::SetURLOpener(nullptr);
    if (auto* about = fw::GetImplicitWindow(AboutTaktora::kClassName)) about->Close();
    fw::testing::ProcessEvents(10);
    StartedTest::TearDown();
  }
  AboutTaktora* OpenAbout() {
    App::Instance().ChooseMenuItem("FileAboutTaktora");
    fw::testing::ProcessEvents(10);
    return static_cast<AboutTaktora*>(fw::GetImplicitWindow(AboutTaktora::kClassName));
  }
  std::vector<std::string> opened;
};

TEST_F(MainWindow, EachPictureIsDrawnOnItsControl) {
  ClickOn(w.SRCell(2, 3));  // velocity 100
  ClickOn(w.SRCell(2, 2));
  ClickOn(w.SRCell(2, 2), true);
  ClickOn(w.SRCell(2, 2), true);  // 100 -> 50 -> 10
  ClickOn(w.SRCell(2, 4), true);  // off -> 50
  fw::testing::ProcessEvents(20);
  const auto shot = fw::testing::Grab(w);
  const struct {
    const char* name;
    int index, number;
  } shown[] = {{"SavePattern", 0, 168}, {"LPattern", 0, 169},
               {"Canvas5", 0, 171},     {"SwingDown", 0, 172},
               {"PClear", 0, 175},      {"SR2", 1, 176},
               {"SR2", 3, 179},         {"SR2", 2, 173},
               {"SR2", 4, 170},         {"PointerCanvas", 0, 181},
               {"Canvas2", 3, 184},     {"Limebar", 0, 188},
               {"OrangeBar", 0, 189},   {"RedBar", 0, 190},
               {"Yellowbar", 0, 191},   {"GreenBar", 0, 192},
               {"SavePicture", 0, 193}, {"Canvas10", 0, 194},
               {"Canvas7", 0, 195},     {"KitLoad", 0, 198},
               {"KitNew", 0, 199},      {"KitSave", 0, 200},
               {"Canvas11", 0, 201},    {"Canvas12", 0, 202},
               {"CR", 7, 203},          {"Canvas15", 0, 206}};
  for (const auto& s : shown) {
    const fw::Control* c =
        s.index ? w.ControlByNameIndex(s.name, s.index) : w.ControlByName(s.name);
    ASSERT_TRUE(c) << s.name;
    const fw::PictureRef pic = fw::GetPicture(s.number);
    ASSERT_TRUE(pic) << s.number;
    for (int y = 0; y < pic->Height(); ++y)
      for (int x = 0; x < pic->Width(); ++x)
        ASSERT_EQ(shot->Pixel(c->Left() + x, c->Top() + y), pic->Pixel(x, y))
            << s.name << " " << s.index << " at " << x << "," << y;
  }
  // The display shows the step line of row 2, step 3, on the window's skin.
  EXPECT_EQ(shot->Pixel(w.Canvas1().Left() + 32, w.Canvas1().Top() + 112), 0xFFFF00u);
  for (auto [x, y] : {std::pair{3, 3}, {660, 470}})
    EXPECT_EQ(shot->Pixel(x, y), fw::GetPicture(205)->Pixel(x, y));
}

TEST_F(MainWindow, MenuBarShowsTheMenusAndTheEditItemsLeaveThePatternsAlone) {
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
}

TEST_F(MainWindow, AboutShowsOneWindowAndAPressClosesIt) {
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
  EXPECT_NE(OpenAbout(), nullptr) << "the next About makes a new window";
}

TEST_F(MainWindow, LinkLabelColoursFollowThePointerAndOnlyAClickInsideOpens) {
  AboutTaktora* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  auto& link = about->Get<stStaticURL>("stStaticURL2");
  EXPECT_EQ(link.Text(), "Email Support");
  EXPECT_EQ(link.URL.rfind("mailto:", 0), 0u) << link.URL;
  const fw::Color normal = link.TextColor();
  const int cx = link.Left() + link.Width() / 2, cy = link.Top() + link.Height() / 2;
  std::vector<fw::Color> seen;
  fw::testing::MoveMouse(*about, 5, 5);
  fw::testing::MoveMouse(*about, cx, cy);
  seen.push_back(link.TextColor());  // hover
  fw::testing::Press(*about, cx, cy);
  seen.push_back(link.TextColor());  // pressed; the window stays open
  ASSERT_NE(fw::GetImplicitWindow(AboutTaktora::kClassName), nullptr);
  fw::testing::Release(*about, cx, cy);
  seen.push_back(link.TextColor());  // visited
  fw::testing::MoveMouse(*about, 5, 5);
  seen.push_back(link.TextColor());
  EXPECT_EQ(seen, (std::vector<fw::Color>{0xFFFF00, 0xFF0000, 0x0000FF, normal}));
  EXPECT_EQ(opened, std::vector<std::string>{link.URL});

  // Pressed on the label, dragged off and released on the first pixel beside
  // it: nothing opens, and the label stays blue until the pointer next enters
  // or leaves it.
  const int beside = link.Left() + link.Width();
  fw::testing::MoveMouse(*about, cx, cy);
  fw::testing::Press(*about, cx, cy);
  fw::testing::Drag(*about, beside, cy);
  EXPECT_EQ(link.TextColor(), normal);
  fw::testing::Release(*about, beside, cy);
  EXPECT_EQ(link.TextColor(), 0x0000FFu);
  EXPECT_EQ(opened.size(), 1u);
}

// A one-line label cuts what does not fit: each must hold, in the font it is
// drawn in, its record's text and every text the program itself puts there.
TEST_F(MainWindow, EveryOneLineLabelShowsItsWholeText) {
  const std::map<std::string, std::vector<std::string>> later = {
      {"OctaveText", {"SemiTones", "5ths", "WholeTones"}},
      {"StaticText1", {"175"}},
      {"StaticText20", {"50"}},
      {"StaticText33", {"On"}},
      {"SwingText", {"8"}}};
  for (fw::Window* win : std::initializer_list<fw::Window*>{&w, &wSaveReplace::Instance(),
                                                            &AboutTaktora::Instance()}) {
    for (int i = 0; i < win->ControlCount(); ++i) {
      auto* label = dynamic_cast<fw::StaticText*>(&win->ControlAt(i));
      if (!label || fw::testing::LabelTextWidth(*label) < 0) continue;
      const std::string shown = label->Text();
      std::vector<std::string> texts = {shown};
      if (auto it = later.find(label->Name()); win == &w && it != later.end())
        texts.insert(texts.end(), it->second.begin(), it->second.end());
      for (const std::string& text : texts) {
        label->SetText(text);
        EXPECT_LE(fw::testing::LabelTextWidth(*label), label->Width())
            << label->Name() << " \"" << text << "\"";
      }
      label->SetText(shown);
    }
  }
  wSaveReplace::Instance().Close();
}

}  // namespace
