// The real main window, built headless: a click reaches the control under it.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/about_window.h"
#include "engine/window1.h"
#include "files/replace_dialog.h"
#include "platform/ui/testing.h"

namespace {

class MainWindowControls : public ::testing::Test {
 protected:
  Window1& w = Window1::Instance();
  static constexpr int kPattern = 47;

  void SetUp() override {
    w.playon = false;
    w.NoteRepeat = false;
    w.Pattern = kPattern;
    ClearPattern();
  }
  void TearDown() override { w.Pattern = 1; }
  void ClearPattern() {
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) w.Hit(kPattern, r, s) = w.SV(kPattern, r, s) = 0;
  }
  // Every step of the test pattern that is on, as (row, step) pairs.
  std::vector<std::pair<int, int>> StepsOn() const {
    std::vector<std::pair<int, int>> on;
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s)
        if (w.Hit(kPattern, r, s) != 0) on.emplace_back(r, s);
    return on;
  }
};

TEST_F(MainWindowControls, AClickReachesTheCellUnderItAndNoOtherCell) {
  struct Click {
    int x, y, row, step;  // row 0: between cells, no step turns on
  };
  // Corners of cells at the edges of the grid and of its blocks; then points
  // between beat groups, between rows 1 and 2, 5 and 6, 9 and 10, beside the grid.
  const Click clicks[] = {
      {134, 403, 1, 1},  {148, 418, 1, 1},  {628, 327, 5, 32}, {642, 342, 5, 32}, {134, 228, 10, 1},
      {628, 303, 6, 32}, {642, 299, 7, 32}, {308, 365, 3, 12}, {199, 261, 9, 5},  {193, 399, 2, 4},
      {391, 265, 8, 17}, {583, 346, 4, 29}, {327, 384, 2, 13}, {469, 284, 7, 21}, {533, 246, 9, 25},
      {194, 403, 0, 0},  {198, 410, 0, 0},  {259, 384, 0, 0},  {262, 390, 0, 0},  {140, 400, 0, 0},
      {140, 402, 0, 0},  {300, 319, 0, 0},  {300, 326, 0, 0},  {500, 244, 0, 0},  {500, 245, 0, 0},
      {643, 310, 0, 0},  {133, 310, 0, 0}};
  for (const Click& c : clicks) {
    std::vector<std::pair<int, int>> want;
    if (c.row) want.emplace_back(c.row, c.step);
    fw::testing::Click(w, c.x, c.y);
    EXPECT_EQ(StepsOn(), want) << "click at " << c.x << "," << c.y;
    fw::testing::Click(w, c.x, c.y);  // and off again
    EXPECT_TRUE(StepsOn().empty());
    ClearPattern();
  }
}

TEST_F(MainWindowControls, AClearButtonClearsItsOwnRow) {
  for (int row : {1, 9, 10}) {
    for (int r = 1; r <= 10; ++r) w.Hit(kPattern, r, 5) = 1;
    const fw::Control& clear = w.Get<fw::Canvas>("CR", row);
    fw::testing::Click(w, clear.Left() + 6, clear.Top() + 6);
    for (int r = 1; r <= 10; ++r)
      EXPECT_EQ(w.Hit(kPattern, r, 5), r == row ? 0 : 1) << "CR " << row << ", row " << r;
    ClearPattern();
  }
}

// A one-line label cuts what does not fit: each must hold, in the font it is
// drawn in, its record's text and every text the program itself puts there.
TEST(LabelTexts, EveryOneLineLabelShowsItsWholeText) {
  Window1& main = Window1::Instance();
  const std::map<std::string, std::vector<std::string>> later = {
      {"OctaveText", {"SemiTones", "5ths", "WholeTones"}},
      {"StaticText1", {"175"}},
      {"StaticText20", {"50"}},
      {"StaticText33", {"On"}},
      {"SwingText", {"8"}}};
  for (fw::Window* win : std::initializer_list<fw::Window*>{&main, &wSaveReplace::Instance(),
                                                            &AboutTaktora::Instance()}) {
    for (int i = 0; i < win->ControlCount(); ++i) {
      auto* label = dynamic_cast<fw::StaticText*>(&win->ControlAt(i));
      if (!label || fw::testing::LabelTextWidth(*label) < 0) continue;
      const std::string shown = label->Text();
      std::vector<std::string> texts = {shown};
      if (auto it = later.find(label->Name()); win == &main && it != later.end())
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
  AboutTaktora::Instance().Close();
}

}  // namespace
