// The Play button and the space key, the pattern keys and arrows, the
// backspace command, the main volume knob and the tempo and swing arrows.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "app/assets.h"
#include "tests/transport/transport_window.h"

namespace {

constexpr fw::Color kBlack = 0x000000, kTail = 0x141414;

class TransportControls : public transporttest::TransportWindow {
 protected:
  void ExpectPlaying(bool playing) {
    EXPECT_EQ(w.playon, playing);
    EXPECT_EQ(w.Play().Caption(), playing ? "Stop" : "Play");
    for (const char* name :
         {"SavePattern", "LPattern", "StaticText24", "StaticText25", "SavePicture"})
      EXPECT_EQ(w.ControlByName(name)->Enabled(), !playing) << name;
  }
  void Show(int pattern) {
    w.Pattern = pattern;
    w.Meter = w.Hit(pattern, 0, 0);
    w.ClearDisplay();
    w.MeterDisplay();
  }
  // A pixel on the line of row 1, which no marked pattern uses.
  fw::Color At(int x) const { return w.p->Pixel(x, 124); }
  std::pair<int, std::string> Shown() const { return {w.Pattern, w.StaticText20().Text()}; }
  void Arrow(const char* name) { ClickOn(w.Get<fw::Canvas>(name)); }
};

TEST_F(TransportControls, ButtonAndSpaceKeyStartAndStopAlike) {
  ExpectPlaying(false);
  ClickOn(w.Play());
  ExpectPlaying(true);
  w.p->Graphics().ForeColor = 0xFFFF00;
  w.p->Graphics().FillRect(0, 0, 512, 128);
  Type(" ");
  ExpectPlaying(false);
  EXPECT_EQ(std::pair(At(15), At(31)), std::pair(kBlack, kBlack)) << "step separators drawn";
  EXPECT_EQ(At(8), 0xFFFF00u);
  Type(" ");
  fw::testing::ProcessEvents(60);  // the loop runs meanwhile
  ExpectPlaying(true);
  // A click on the disabled save control asks for no file while playing.
  int dialogs = 0;
  fw::testing::SetDialogAnswerer([&](fw::testing::DialogKind, const std::string&) {
    ++dialogs;
    return std::string();
  });
  ClickOn(*w.ControlByName("SavePattern"));
  EXPECT_EQ(dialogs, 0);
  ClickOn(w.Play());
  ExpectPlaying(false);
}

TEST_F(TransportControls, PatternKeysStopAtTheFirstAndLastPattern) {
  Show(50);
  w.p->SetPixel(100, 124, 0xFFFFFF);
  Type(".");
  EXPECT_EQ(Shown(), std::pair(50, std::string("50")));
  EXPECT_EQ(At(100), kBlack) << "the display is cleared all the same";
  Type(",");
  EXPECT_EQ(Shown(), std::pair(49, std::string("49")));
  Show(1);
  Type(",");
  EXPECT_EQ(Shown(), std::pair(1, std::string("1")));
}

TEST_F(TransportControls, KeysApplyTheLengthOnlyWhenItDiffersButArrowsAlways) {
  for (int pattern : {1, 2, 3}) w.Hit(pattern, 0, 0) = 2;  // 28 steps
  w.Hit(4, 0, 0) = 3;                                      // 24 steps
  Show(1);
  ASSERT_EQ(At(480), kTail);
  Type(".");  // same length code: the display is cleared and not shaded again
  EXPECT_EQ(std::tuple(w.Pattern, At(480), w.NumBeats), std::tuple(2, kBlack, 28));
  Arrow("Canvas5");  // the arrow always re-applies the length
  EXPECT_EQ(Shown(), std::pair(3, std::string("3")));
  EXPECT_EQ(At(480), kTail);
  Type(".");  // a different code: the new length is applied
  EXPECT_EQ(std::tuple(w.Pattern, w.Meter, w.NumBeats), std::tuple(4, 3, 24));
  EXPECT_EQ(std::pair(At(380), At(400)), std::pair(kBlack, kTail));
  EXPECT_TRUE(w.SRCell(1, 24).Visible() && !w.SRCell(1, 25).Visible());
  Arrow("Canvas6");
  EXPECT_EQ(std::tuple(w.Pattern, w.Meter, w.NumBeats), std::tuple(3, 2, 28));
}

TEST_F(TransportControls, BackspaceEmptiesOnlyTheFirstRowNamedBySelection) {
  const fw::SoundRef row2 = w.S(2), row5 = w.S(5);
  w.StaticText3(2).SetText("Snare.wav");
  w.StaticText3(5).SetText("Snare.wav");
  Type("\b");                        // nothing selected
  w.DrumName().SetText("Gone.wav");  // names no row
  Type("\b");
  EXPECT_EQ(w.DrumName().Text(), "Gone.wav");
  EXPECT_EQ(w.S(2), row2);
  w.DrumName().SetText("Snare.wav");
  Type("\b");
  EXPECT_EQ(std::tuple(w.StaticText3(2).Text(), w.StaticText3(2).TextColor(), w.DrumName().Text()),
            std::tuple("Empty", 0x63393Du, ""));
  EXPECT_EQ(std::pair(w.S(2), w.SoundItem(2)), std::pair(blank(), fw::FolderItemRef()));
  EXPECT_EQ(std::pair(w.StaticText3(5).Text(), w.S(5)), std::pair(std::string("Snare.wav"), row5));
}

TEST_F(TransportControls, VolumeKnobFollowsTheDragWithinItsTrack) {
  const int top = w.Canvas11().Top();
  for (const auto& [y, volume, knobTop] :
       {std::tuple{-1, 100, top}, {20, 100, 64}, {300, 0, 164}, {120, 50, 114}}) {
    y < 0 ? ClickOn(w.Canvas11()) : DragKnobTo(y);  // a click without movement changes nothing
    EXPECT_EQ(std::tuple(w.MainVolume, w.percentvolume, w.VolumeText().Text(), w.Canvas11().Top()),
              std::tuple(volume, volume / 100.0, std::to_string(volume), knobTop));
  }
}

// The text rounds to the nearest whole tempo and below 1 counts as 1; each
// arrow clamps only its own way.
TEST_F(TransportControls, TempoTextAndArrowsGiveTheInterval) {
  const std::tuple<const char*, const char*, const char*, double> cases[] = {
      {"119.6", nullptr, "119.6", 125000.0}, {"0", nullptr, "0", 15e6},
      {"-20", nullptr, "-20", 15e6},         {"abc", nullptr, "abc", 15e6},
      {"175", "Canvas3", "175", 15e6 / 175}, {"40", "Canvas4", "40", 375000.0},
      {"30", "Canvas3", "31", 15e6 / 31},    {"200", "Canvas4", "199", 15e6 / 199},
      {"200", "Canvas3", "175", 15e6 / 175}, {"30", "Canvas4", "40", 375000.0},
      {"120", "Canvas3", "121", 15e6 / 121}};
  for (const auto& [from, arrow, to, interval] : cases) {
    w.StaticText1().SetText(from);
    w.Beat(1) = 0;
    arrow ? Arrow(arrow) : w.CalculateSwing();
    EXPECT_EQ(w.StaticText1().Text(), to) << from << " " << (arrow ? arrow : "");
    for (int i = 1; i <= 32; ++i) ASSERT_DOUBLE_EQ(w.Beat(i), interval) << from << " step " << i;
  }
}

TEST_F(TransportControls, EverySwingLevelDelaysTheEvenStepsAndTheArrowsClamp) {
  const double down[] = {1.0, 0.9, 0.85, 0.8, 0.75, 0.7, 0.65, 0.6, 0.55};
  w.StaticText1().SetText("120");
  Arrow("SwingDown");  // level 0 stays
  for (int clicks = 0; clicks <= 9; ++clicks, Arrow("SwingUp")) {
    const int level = std::min(clicks, 8);  // and so does level 8
    EXPECT_EQ(w.SwingText().Text(), std::to_string(level));
    for (int i = 1; i <= 31; i += 2) {
      EXPECT_EQ(w.Beat(i), 125000.0 * down[level]) << "level " << level << " step " << i;
      EXPECT_EQ(w.Beat(i + 1), 125000.0 * (2.0 - down[level])) << "level " << level;
    }
  }
  // Level 12 can only come from a file: no table row for 11, the factors stay.
  w.Swing = 3;
  w.CalculateSwing();
  w.Swing = 12;
  Arrow("SwingDown");
  EXPECT_EQ(std::tuple(w.Swing, w.SwingText().Text(), w.SwingNumDown, w.SwingNumUp),
            std::tuple(11, "11", 0.8, 1.2));
  w.Swing = 12;
  Arrow("SwingUp");
  EXPECT_EQ(std::pair(w.Swing, w.SwingNumUp), std::pair(8, 1.45));
  // The arrow's redraw leaves the display beyond the length unshaded.
  w.Hit(1, 0, 0) = 2;
  Show(1);
  ASSERT_EQ(At(480), kTail);
  Arrow("SwingUp");
  EXPECT_EQ(At(480), kBlack);
}

}  // namespace
