// The pictures and the silent sound embedded in the program look and sound
// like what they stand for.
#include "platform/ui/resources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/sound/sound.h"
#include "platform/sound/sound_data.h"
#include "platform/ui/picture.h"

namespace {

// Mean colour-channel distance of picture a from b, or its mean brightness
// without b.
double Mean(const fw::Picture& a, const fw::Picture* b = nullptr) {
  double sum = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const fw::Color p = a.Pixel(x, y), q = b ? b->Pixel(x, y) : 0;
      sum += std::abs(fw::RedOf(p) - fw::RedOf(q)) + std::abs(fw::GreenOf(p) - fw::GreenOf(q)) +
             std::abs(fw::BlueOf(p) - fw::BlueOf(q));
    }
  return sum / (a.Width() * a.Height() * 3);
}

TEST(Resources, StepFacesTellOffAndTheThreeVelocitiesApart) {
  // off, velocity 10, 50, 100
  const fw::PictureRef faces[] = {fw::GetPicture(176), fw::GetPicture(173), fw::GetPicture(170),
                                  fw::GetPicture(179)};
  for (const auto& f : faces) ASSERT_TRUE(f);
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      EXPECT_GT(Mean(*faces[i], faces[j].get()), 12.0) << i << " vs " << j;
  EXPECT_LT(Mean(*faces[2]), Mean(*faces[3]));
  // The lamp of the step pointer stands out from the unlit strip under it.
  const fw::PictureRef strip = fw::GetPicture(181), lamp = fw::GetPicture(182);
  ASSERT_TRUE(strip && lamp);
  EXPECT_GT(Mean(*lamp), Mean(*strip) + 10);
}

TEST(Resources, ColouredButtonsShowTheColourTheirNamesSay) {
  // The pan bars, by resource number, at their centres.
  const struct {
    int number;
    fw::Color color;
  } bars[] = {{190, 0xFF0000}, {189, 0xFF9600}, {191, 0xFFFF00}, {188, 0x96FF00}, {192, 0x00FF00}};
  for (const auto& b : bars) {
    const fw::PictureRef pic = fw::GetPicture(b.number);
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->Pixel(5, 4), b.color) << "pan bar " << b.number;
  }
  // The round buttons: red, green, brown, blue at their centres.
  auto dominant = [](int number) {
    const fw::Color c = fw::GetPicture(number)->Pixel(6, 6);
    const int r = fw::RedOf(c), g = fw::GreenOf(c), b = fw::BlueOf(c);
    return r > g && r > b ? 'r' : g > r && g > b ? 'g' : b > r && b > g ? 'b' : '?';
  };
  EXPECT_EQ(std::string() + dominant(168) + dominant(169) + dominant(194) + dominant(195), "rgrb");
  // The note-repeat switch lights up when on.
  EXPECT_GT(Mean(*fw::GetPicture(207)), Mean(*fw::GetPicture(206)) + 10);
}

TEST(Resources, TheSilentSoundIsPresentAndShort) {
  const fw::SoundRef blank = fw::GetSound(168);
  ASSERT_TRUE(blank);
  EXPECT_GT(blank->DurationSeconds(), 0.0);
  EXPECT_LT(blank->DurationSeconds(), 0.5);
  ASSERT_TRUE(blank->Data());
  for (float v : blank->Data()->samples)
    ASSERT_EQ(v, 0.0f) << "the empty row's sound is not silent";
  EXPECT_FALSE(fw::GetSound(169));
}

}  // namespace
