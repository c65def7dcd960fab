// Pattern selection by key and by arrow, and the backspace command.
#include <string>
#include <tuple>

#include "app/assets.h"
#include "platform/base/files.h"
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
  EXPECT_EQ(std::pair(w.Pattern, w.StaticText20().Text()), std::pair(50, std::string("50")));
  EXPECT_EQ(At(100), kBlack) << "the display is cleared all the same";
  Type(",");
  EXPECT_EQ(std::pair(w.Pattern, w.StaticText20().Text()), std::pair(49, std::string("49")));
  Show(1);
  Type(",");
  EXPECT_EQ(std::pair(w.Pattern, w.StaticText20().Text()), std::pair(1, std::string("1")));
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
  EXPECT_EQ(std::pair(w.Pattern, w.StaticText20().Text()), std::pair(3, std::string("3")));
  EXPECT_EQ(At(480), kTail);

  Type(".");  // a different code: the new length is applied
  EXPECT_EQ(std::tuple(w.Pattern, w.Meter, w.NumBeats), std::tuple(4, 3, 24));
  EXPECT_EQ(std::pair(At(380), At(400)), std::pair(kBlack, kTail));
  EXPECT_TRUE(w.SRCell(1, 24).Visible() && !w.SRCell(1, 25).Visible());

  ClickOn(w.Get<fw::Canvas>("Canvas6"));
  EXPECT_EQ(std::tuple(w.Pattern, w.Meter, w.NumBeats), std::tuple(3, 2, 28));
}

TEST_F(Keys, CopyAndPasteKeysCarryAPatternAcross) {
  w.Hit(1, 4, 9) = 1;
  w.SV(1, 4, 9) = 50;
  w.Hit(1, 0, 0) = 3;
  Show(1);
  Type("c");
  Type(".");
  Type("v");
  EXPECT_EQ(std::tuple(w.Pattern, w.Hit(2, 4, 9), w.SV(2, 4, 9), w.NumBeats),
            std::tuple(2, 1, 50, 24));
}

TEST_F(Keys, BackspaceEmptiesOnlyTheFirstRowNamedBySelection) {
  const fw::SoundRef row2 = w.S(2), row5 = w.S(5);
  w.StaticText3(2).SetText("Snare.wav");
  w.StaticText3(5).SetText("Snare.wav");

  Type("\b");                        // nothing selected
  w.DrumName().SetText("Gone.wav");  // names no row
  Type("\b");
  EXPECT_EQ(w.DrumName().Text(), "Gone.wav");
  EXPECT_EQ(std::pair(w.StaticText3(2).Text(), w.S(2)), std::pair(std::string("Snare.wav"), row2));

  w.DrumName().SetText("Snare.wav");
  Type("\b");
  EXPECT_EQ(std::tuple(w.StaticText3(2).Text(), w.StaticText3(2).TextColor(), w.DrumName().Text()),
            std::tuple("Empty", 0x63393Du, ""));
  EXPECT_EQ(std::pair(w.S(2), w.SoundItem(2)), std::pair(blank(), fw::FolderItemRef()));
  EXPECT_EQ(std::pair(w.StaticText3(5).Text(), w.S(5)), std::pair(std::string("Snare.wav"), row5));
}

}  // namespace
