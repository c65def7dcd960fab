// The pictures embedded in the program look like what they stand for.
#include "platform/ui/resources.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(Resources, PicturesShowWhatTheirNumbersStandFor) {
  // The step faces: off, velocity 10, 50, 100, all told apart, 100 the brightest.
  const fw::PictureRef faces[] = {fw::GetPicture(176), fw::GetPicture(173), fw::GetPicture(170),
                                  fw::GetPicture(179)};
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      EXPECT_GT(Mean(*faces[i], faces[j].get()), 12.0) << i << " vs " << j;
  EXPECT_LT(Mean(*faces[2]), Mean(*faces[3]));
  // The lamp of the step pointer and the note-repeat switch when on stand out.
  EXPECT_GT(Mean(*fw::GetPicture(182)), Mean(*fw::GetPicture(181)) + 10);
  EXPECT_GT(Mean(*fw::GetPicture(207)), Mean(*fw::GetPicture(206)) + 10);
  // The pan bars, at their centres.
  const std::pair<int, fw::Color> bars[] = {
      {190, 0xFF0000}, {189, 0xFF9600}, {191, 0xFFFF00}, {188, 0x96FF00}, {192, 0x00FF00}};
  for (const auto& [number, colour] : bars)
    EXPECT_EQ(fw::GetPicture(number)->Pixel(5, 4), colour) << "pan bar " << number;
}

}  // namespace
