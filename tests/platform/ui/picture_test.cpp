// Drawing into pictures: exact rectangles and pictures clipped at every edge,
// text in one colour without smoothing.
#include "platform/ui/picture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr fw::Color kRed = 0xFF0000, kBlue = 0x0000FF;
using Rows = std::vector<std::string>;

// The picture as rows of '#' (colour c) and '.' (anything else).
Rows Mask(const fw::Picture& p, fw::Color c) {
  Rows rows(p.Height());
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) rows[y] += p.Pixel(x, y) == c ? '#' : '.';
  return rows;
}

// A picture of this size with what draw drew in red.
Rows Drawn(int width, int height, const std::function<void(fw::Graphics&)>& draw) {
  auto p = fw::NewPicture(width, height, 32);
  p->Graphics().ForeColor = kRed;
  draw(p->Graphics());
  return Mask(*p, kRed);
}

TEST(Picture, FillsAndFramesExactlyTheRectangleClippedAtTheEdges) {
  EXPECT_EQ(Drawn(7, 4,
                  [](fw::Graphics& g) {
                    g.FillRect(2, 1, 3, 2);
                    g.FillRect(-2, 2, 3, 9);  // clipped left and bottom
                    g.FillRect(6, -3, 8, 4);  // clipped top and right
                    g.FillRect(2, 0, 0, 3);   // empty
                    g.FillRect(2, 0, -1, 3);
                    g.FillRect(2147483000, 0, 2147483000, 1);  // no overflow
                  }),
            (Rows{"......#", "..###..", "#.###..", "#......"}));
  EXPECT_EQ(Drawn(9, 6,
                  [](fw::Graphics& g) {
                    g.DrawRect(1, 1, 4, 4);
                    g.DrawRect(6, 1, 3, 1);   // one pixel high: a line
                    g.DrawRect(7, 3, 1, 3);   // one pixel wide: a column
                    g.DrawRect(-2, 0, 3, 9);  // left part and bottom outside
                    g.DrawRect(6, -1, 5, 2);  // top and right outside
                  }),
            (Rows{"#.....###", "#####.###", "##..#....", "##..#..#.", "#####..#.", "#......#."}));
}

TEST(Picture, PixelsOutsideReadBlackAndPicturesDrawClipped) {
  auto src = fw::NewPicture(3, 2, 32);
  EXPECT_EQ(Mask(*src, 0x000000), (Rows{"###", "###"}));
  src->Graphics().ForeColor = kRed;
  src->Graphics().FillRect(0, 0, 3, 2);
  src->SetPixel(-1, 0, kBlue);
  src->SetPixel(3, 0, kBlue);
  EXPECT_EQ(std::pair(src->Pixel(-1, 0), src->Pixel(3, 0)), std::pair(0u, 0u));
  src->SetPixel(0, 0, kBlue);  // tells which part of the picture lands
  EXPECT_EQ(Drawn(4, 3, [&](fw::Graphics& g) { g.DrawPicture(src, 2, 2); }),
            (Rows{"....", "....", "...#"}));
  auto p = fw::NewPicture(4, 3, 32);
  p->Graphics().DrawPicture(src, -1, -1);
  p->Graphics().DrawPicture(nullptr, 0, 0);
  EXPECT_EQ(Mask(*p, kRed), (Rows{"##..", "....", "...."}));
}

TEST(Picture, DrawStringIsOneColourOnTheBaseline) {
  auto p = fw::NewPicture(60, 20, 32);
  auto& g = p->Graphics();
  g.ForeColor = 0xFFFF00;
  g.TextSize = 9;
  g.DrawString("Kick 12", 2, 12);
  int lit = 0, lowest = -1;
  for (int y = 0; y < p->Height(); ++y)
    for (int x = 0; x < p->Width(); ++x) {
      const fw::Color c = p->Pixel(x, y);
      ASSERT_TRUE(c == 0 || c == 0xFFFF00) << "smoothed pixel at " << x << "," << y;
      if (c) ++lit, lowest = y;
    }
  EXPECT_GT(lit, 20);
  EXPECT_TRUE(lowest >= 10 && lowest <= 12) << "no descenders: nothing below the baseline";
  EXPECT_GT(g.StringWidth("WWWW"), g.StringWidth("iiii"));
}

}  // namespace
