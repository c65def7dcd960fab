// Pattern selection by key and by arrow, and the backspace command.
#include "app/assets.h"
#include "tests/transport/transport_window.h"

namespace {

constexpr fw::Color kBlack = 0x000000;
constexpr fw::Color kTail = 0x141414;  // the shading beyond the pattern length

class Keys : public transporttest::TransportWindow {
 protected:
  void SetUp() override {
    TransportWindow::SetUp();
    for (int r = 1; r <= 10; ++r) labels_[r] = w.StaticText3(r).Text();
    for (int pattern : {1, 2, 3, 4, 49, 50}) EmptyPattern(pattern, 1);
  }
  void TearDown() override {
    for (int r = 1; r <= 10; ++r) w.StaticText3(r).SetText(labels_[r]);
    TransportWindow::TearDown();
  }
  void EmptyPattern(int pattern, int lengthCode) {
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) w.Hit(pattern, r, s) = w.SV(pattern, r, s) = 0;
    w.Hit(pattern, 0, 0) = lengthCode;
  }
  void Show(int pattern) {
    w.Pattern = pattern;
    w.Meter = w.Hit(pattern, 0, 0);
    w.ClearDisplay();
    w.MeterDisplay();
  }
  fw::Color At(int x) const { return w.p->Pixel(x, 64); }

  std::string labels_[11];
};

TEST_F(Keys, PatternKeysStopAtTheFirstAndLastPattern) {
  Show(50);
  w.p->SetPixel(100, 64, 0xFFFFFF);
  Type(".");
  EXPECT_EQ(w.Pattern, 50);
  EXPECT_EQ(w.StaticText20().Text(), "50");
  EXPECT_EQ(At(100), kBlack) << "the display is cleared all the same";
  Type(",");
  EXPECT_EQ(w.Pattern, 49);
  EXPECT_EQ(w.StaticText20().Text(), "49");

  Show(1);
  Type(",");
  EXPECT_EQ(w.Pattern, 1);
  EXPECT_EQ(w.StaticText20().Text(), "1");
}

TEST_F(Keys, KeysApplyTheLengthOnlyWhenItDiffersButArrowsAlways) {
  for (int pattern : {1, 2, 3}) EmptyPattern(pattern, 2);  // 28 steps
  EmptyPattern(4, 3);                                      // 24 steps
  Show(1);
  ASSERT_EQ(At(480), kTail);

  Type(".");  // same length code: the display is cleared and not shaded again
  EXPECT_EQ(w.Pattern, 2);
  EXPECT_EQ(At(480), kBlack);
  EXPECT_EQ(w.NumBeats, 28);

  ClickOn(w.Get<fw::Canvas>("Canvas5"));  // the arrow always re-applies the length
  EXPECT_EQ(w.Pattern, 3);
  EXPECT_EQ(w.StaticText20().Text(), "3");
  EXPECT_EQ(At(480), kTail);

  Type(".");  // a different code: the new length is applied
  EXPECT_EQ(w.Pattern, 4);
  EXPECT_EQ(w.Meter, 3);
  EXPECT_EQ(w.NumBeats, 24);
  EXPECT_EQ(At(400), kTail);
  EXPECT_EQ(At(380), kBlack);
  EXPECT_TRUE(w.SRCell(1, 24).Visible());
  EXPECT_FALSE(w.SRCell(1, 25).Visible());

  ClickOn(w.Get<fw::Canvas>("Canvas6"));
  EXPECT_EQ(w.Pattern, 3);
  EXPECT_EQ(w.Meter, 2);
  EXPECT_EQ(w.NumBeats, 28);
  EXPECT_TRUE(w.SRCell(1, 28).Visible());
}

TEST_F(Keys, CopyAndPasteKeysCarryAPatternAcross) {
  w.Hit(1, 4, 9) = 1;
  w.SV(1, 4, 9) = 50;
  w.Hit(1, 0, 0) = 3;
  Show(1);
  Type("c");
  Type(".");
  Type("v");
  EXPECT_EQ(w.Pattern, 2);
  EXPECT_EQ(w.Hit(2, 4, 9), 1);
  EXPECT_EQ(w.SV(2, 4, 9), 50);
  EXPECT_EQ(w.Meter, 3);
  EXPECT_EQ(w.NumBeats, 24);
}

TEST_F(Keys, BackspaceEmptiesOnlyTheFirstRowNamedBySelection) {
  const fw::SoundRef row2 = w.S(2), row5 = w.S(5);
  w.StaticText3(2).SetText("Snare.wav");
  w.StaticText3(5).SetText("Snare.wav");

  Type("\b");  // nothing selected
  EXPECT_EQ(w.StaticText3(2).Text(), "Snare.wav");
  EXPECT_EQ(w.S(2), row2);

  w.DrumName().SetText("Gone.wav");  // names no row
  Type("\b");
  EXPECT_EQ(w.DrumName().Text(), "Gone.wav");
  EXPECT_EQ(w.S(2), row2);

  w.DrumName().SetText("Snare.wav");
  Type("\b");
  EXPECT_EQ(w.StaticText3(2).Text(), "Empty");
  EXPECT_EQ(w.StaticText3(2).TextColor(), 0x63393Du);
  EXPECT_EQ(w.S(2), blank());
  EXPECT_EQ(w.SoundItem(2), nullptr);
  EXPECT_EQ(w.DrumName().Text(), "");
  EXPECT_EQ(w.StaticText3(5).Text(), "Snare.wav");
  EXPECT_EQ(w.S(5), row5);
}

}  // namespace
