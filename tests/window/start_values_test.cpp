// The main window as the user first sees it when no default file exists, the
// pictures it shows, and the step intervals its tempo and swing give.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/ui/picture.h"
#include "platform/ui/resources.h"
#include "platform/ui/testing.h"
#include "tests/window/window_fixture.h"

namespace {

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

// Whether the window shows the picture of this resource number with its
// top-left corner at (x, y).
bool ShowsAt(const fw::Picture& shot, int x, int y, int number) {
  const fw::PictureRef pic = fw::GetPicture(number);
  if (!pic) return false;
  for (int py = 0; py < pic->Height(); ++py)
    for (int px = 0; px < pic->Width(); ++px)
      if (shot.Pixel(x + px, y + py) != pic->Pixel(px, py)) return false;
  return true;
}

TEST(StartValues, EachPictureIsDrawnOnItsControl) {
  Window1& w = StartedWindow();
  auto click = [&w](int step, bool contextual) {
    fw::testing::Click(w, w.SRCell(2, step).Left() + 7, w.SRCell(2, step).Top() + 8,
                       contextual ? fw::testing::Button::Right : fw::testing::Button::Left);
  };
  click(3, false);  // velocity 100
  click(2, false);
  click(2, true);
  click(2, true);  // 100 -> 50 -> 10
  click(4, true);  // off -> 50
  fw::testing::ProcessEvents(20);
  const auto shot = fw::testing::Grab(w);
  const struct {
    const char* name;
    int index, number;
  } shown[] = {
      {"SavePattern", 0, 168},   {"LPattern", 0, 169},
      {"Canvas8", 0, 169},       {"Canvas5", 0, 171},
      {"SwingDown", 0, 172},     {"PClear", 0, 175},
      {"SR2", 1, 176},           {"SR2", 3, 179},
      {"SR2", 2, 173},           {"SR2", 4, 170},
      {"PointerCanvas", 0, 181}, {"Canvas2", 3, 184},
      {"Limebar", 0, 188},       {"OrangeBar", 0, 189},
      {"RedBar", 0, 190},        {"Yellowbar", 0, 191},
      {"GreenBar", 0, 192},      {"SavePicture", 0, 193},
      {"Canvas10", 0, 194},      {"Canvas7", 0, 195},
      {"KitLoad", 0, 198},       {"KitNew", 0, 199},
      {"KitSave", 0, 200},       {"Canvas11", 0, 201},
      {"Canvas12", 0, 202},      {"CR", 7, 203},
      {"Canvas15", 0, 206},
  };
  for (const auto& s : shown) {
    const fw::Control* c =
        s.index ? w.ControlByNameIndex(s.name, s.index) : w.ControlByName(s.name);
    ASSERT_TRUE(c) << s.name;
    EXPECT_TRUE(ShowsAt(*shot, c->Left(), c->Top(), s.number)) << s.name << " " << s.index;
  }
  // The display shows the step line of row 2, step 3.
  const fw::Control& display = w.Canvas1();
  EXPECT_EQ(shot->Pixel(display.Left() + 32, display.Top() + 112), 0xFFFF00u);
  const fw::PictureRef skin = fw::GetPicture(205);
  EXPECT_EQ(shot->Pixel(3, 3), skin->Pixel(3, 3));
  EXPECT_EQ(shot->Pixel(660, 470), skin->Pixel(660, 470));
  for (int step : {2, 3, 4}) w.Hit(1, 2, step) = w.SV(1, 2, step) = 0;
  w.PatternDraw();
  w.ClearDisplay();
}

// Sets the tempo text, then clicks the swing arrows from level 0 up to level.
class Timing : public ::testing::Test {
 protected:
  void Apply(const char* tempo, int level) {
    w.StaticText1().SetText(tempo);
    w.Swing = 0;
    w.CalculateSwing();
    auto& up = w.Get<fw::Canvas>("SwingUp");
    for (int i = 0; i < level; ++i) fw::testing::Click(w, up.Left() + 6, up.Top() + 4);
  }
  void TearDown() override { Apply("120", 0); }
  Window1& w = StartedWindow();
};

TEST_F(Timing, EverySwingLevelDelaysTheEvenSteps) {
  const double down[] = {1.0, 0.9, 0.85, 0.8, 0.75, 0.7, 0.65, 0.6, 0.55};
  for (int level = 0; level <= 8; ++level) {
    Apply("120", level);
    EXPECT_EQ(w.SwingText().Text(), std::to_string(level));
    for (int i = 1; i <= 31; i += 2) {
      EXPECT_EQ(w.Beat(i), 125000.0 * down[level]) << "level " << level << " step " << i;
      EXPECT_EQ(w.Beat(i + 1), 125000.0 * (2.0 - down[level])) << "level " << level;
    }
  }
}

TEST_F(Timing, TempoTextGivesTheInterval) {
  const std::pair<const char*, double> tempos[] = {
      {"40", 375000.0}, {"175", 15e6 / 175}, {"119.6", 125000.0},  // rounds to the nearest
      {"0", 15e6},      {"-20", 15e6},       {"abc", 15e6}};       // below 1 counts as 1
  for (const auto& [text, interval] : tempos) {
    Apply(text, 0);
    for (int i = 1; i <= 32; ++i) ASSERT_DOUBLE_EQ(w.Beat(i), interval) << "tempo " << text;
  }
}

}  // namespace
