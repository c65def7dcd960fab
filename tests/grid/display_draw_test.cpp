// The drawing primitives of the step-line display, on a plain picture of the
// display's size.
#include "grid/display_draw.h"

#include <gtest/gtest.h>

#include "grid/step_look.h"
#include "tests/grid/grid_pixels.h"

namespace {

using gridtest::Runs;
constexpr fw::Color kBlack = 0x000000;
constexpr fw::Color kWhite = 0xFFFFFF;

fw::PictureRef WhiteDisplay() {
  auto p = fw::NewPicture(512, 128, 32);
  gridtest::Fill(*p, kWhite);
  return p;
}

TEST(StepLines, DrawAndEraseExactlyTheirOwnPixels) {
  auto p = WhiteDisplay();
  grid::DrawStepLine(*p, grid::StepX(1), 124, 15, 255, 255);
  EXPECT_EQ(Runs(*p, 124, 0xFFFF00), "0..14");
  EXPECT_EQ(Runs(*p, 124, kWhite), "15..511");

  // Erasing takes the gap column left of the line as well.
  grid::EraseStepLine(*p, grid::StepX(5), 124);
  grid::EraseStepLine(*p, grid::StepX(1), 124);
  EXPECT_EQ(Runs(*p, 124, kBlack), "0..14,63..78");
  grid::EraseRowBand(*p, 16);
  EXPECT_EQ(Runs(*p, 16, kBlack), "0..511");
  for (int y : {15, 17, 123, 125}) EXPECT_EQ(Runs(*p, y, kWhite), "0..511") << y;
}

TEST(Separators, OnePairPerStepUpToThePatternLength) {
  auto p = WhiteDisplay();
  grid::DrawSeparators(*p, 20);
  std::string expected;
  for (int s = 1; s <= 20; ++s)
    expected += (s > 1 ? "," : "") + std::to_string(16 * s - 1) + ".." + std::to_string(16 * s);
  for (int y : {0, 64, 127}) EXPECT_EQ(Runs(*p, y, kBlack), expected) << y;

  auto q = WhiteDisplay();
  grid::DrawSeparators(*q, 32);
  EXPECT_EQ(Runs(*q, 127, kBlack, 480, 511), "480..480,495..496,511..511");
}

TEST(SwingGaps, CutOddStepGapsOfTheLevelsWidthUpToTheLength) {
  auto p = WhiteDisplay();
  grid::DrawSwingGaps(*p, 8, 32);
  std::string expected;
  for (int s = 1; s <= 31; s += 2)
    expected += (s > 1 ? "," : "") + std::to_string(16 * s - 1) + ".." + std::to_string(16 * s + 9);
  EXPECT_EQ(Runs(*p, 0, kBlack), expected);
  EXPECT_EQ(Runs(*p, 127, kBlack), expected);

  // An even step's line keeps only its pixels 10..14 under a level-8 gap.
  auto q = fw::NewPicture(512, 128, 32);
  grid::DrawStepLine(*q, grid::StepX(2), 124, 15, 255, 255);
  grid::DrawSwingGaps(*q, 8, 32);
  EXPECT_EQ(Runs(*q, 124, 0xFFFF00), "26..30");

  auto r = WhiteDisplay();
  grid::DrawSwingGaps(*r, 6, 20);  // 8.5 pixels wide, rounded to 9
  EXPECT_EQ(Runs(*r, 50, kBlack, 280, 511), "303..311");

  for (int none : {0, -1, 9}) {
    auto n = WhiteDisplay();
    grid::DrawSwingGaps(*n, none, 32);
    EXPECT_EQ(Runs(*n, 0, kBlack), "") << none;
  }
}

}  // namespace
