#include "platform/ui/picture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr fw::Color kRed = 0xFF0000;
constexpr fw::Color kBlue = 0x0000FF;

// The picture as rows of '#' (colour c) and '.' (anything else).
std::vector<std::string> Mask(const fw::Picture& p, fw::Color c) {
  std::vector<std::string> rows;
  for (int y = 0; y < p.Height(); ++y) {
    std::string row;
    for (int x = 0; x < p.Width(); ++x) row += p.Pixel(x, y) == c ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

using Rows = std::vector<std::string>;

TEST(Picture, StartsBlackAndReadsZeroOutside) {
  auto p = fw::NewPicture(3, 2, 32);
  EXPECT_EQ(Mask(*p, 0x000000), (Rows{"###", "###"}));
  p->SetPixel(1, 1, 0x123456);
  EXPECT_EQ(p->Pixel(1, 1), 0x123456u);
  p->SetPixel(-1, 0, kRed);  // ignored
  p->SetPixel(3, 0, kRed);
  EXPECT_EQ(p->Pixel(-1, 0), 0u);
  EXPECT_EQ(p->Pixel(3, 0), 0u);
}

TEST(Picture, FillRectSetsExactlyTheRectangle) {
  auto p = fw::NewPicture(6, 4, 32);
  auto& g = p->Graphics();
  g.ForeColor = kRed;
  g.FillRect(1, 1, 3, 2);
  EXPECT_EQ(Mask(*p, kRed), (Rows{"......", ".###..", ".###..", "......"}));
  g.ForeColor = kBlue;
  g.FillRect(-2, 2, 4, 9);  // clipped at the left and bottom edges
  g.FillRect(5, -3, 8, 4);  // clipped at the top and right edges
  g.FillRect(2, 0, 0, 3);   // empty: nothing
  g.FillRect(2, 0, -1, 3);
  EXPECT_EQ(Mask(*p, kBlue), (Rows{".....#", "......", "##....", "##...."}));
  g.FillRect(2147483000, 0, 2147483000, 1);  // far outside, no overflow
}

TEST(Picture, DrawRectFramesExactlyTheRectangleClippedAtTheEdges) {
  auto p = fw::NewPicture(7, 6, 32);
  auto& g = p->Graphics();
  g.ForeColor = kRed;
  g.DrawRect(1, 1, 5, 4);
  EXPECT_EQ(Mask(*p, kRed),
            (Rows{".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}));

  auto q = fw::NewPicture(6, 3, 32);
  auto& h = q->Graphics();
  h.ForeColor = kRed;
  h.DrawRect(0, 1, 4, 1);  // one pixel high: a full line
  h.DrawRect(5, 0, 1, 3);  // one pixel wide: a full column
  EXPECT_EQ(Mask(*q, kRed), (Rows{".....#", "####.#", ".....#"}));

  auto r = fw::NewPicture(5, 4, 32);
  auto& k = r->Graphics();
  k.ForeColor = kRed;
  k.DrawRect(-2, 1, 4, 5);  // left part and bottom edge outside
  k.ForeColor = kBlue;
  k.DrawRect(3, -1, 5, 3);  // top and right edges outside
  EXPECT_EQ(Mask(*r, kRed), (Rows{".....", "##...", ".#...", ".#..."}));
  EXPECT_EQ(Mask(*r, kBlue), (Rows{"...#.", "...##", ".....", "....."}));
}

TEST(Picture, DrawPictureAtItsOwnSizeClipped) {
  auto src = fw::NewPicture(3, 2, 32);
  src->Graphics().ForeColor = kRed;
  src->Graphics().FillRect(0, 0, 3, 2);
  src->SetPixel(0, 0, kBlue);

  auto dst = fw::NewPicture(4, 3, 32);
  dst->Graphics().DrawPicture(src, 2, 2);  // only the top-left 2x1 part lands
  EXPECT_EQ(Mask(*dst, kRed), (Rows{"....", "....", "...#"}));
  EXPECT_EQ(dst->Pixel(2, 2), kBlue);

  auto dst2 = fw::NewPicture(4, 3, 32);
  dst2->Graphics().DrawPicture(src, -1, -1);  // the bottom-right 2x1 part lands
  EXPECT_EQ(Mask(*dst2, kRed), (Rows{"##..", "....", "...."}));

  dst2->Graphics().DrawPicture(nullptr, 0, 0);  // nothing happens
  dst2->Graphics().DrawPicture(dst2, 1, 1);     // a picture onto itself reads the old pixels
  EXPECT_EQ(Mask(*dst2, kRed), (Rows{"##..", ".##.", "...."}));
}

TEST(Picture, DrawStringIsOneColourOnTheBaseline) {
  auto p = fw::NewPicture(60, 20, 32);
  auto& g = p->Graphics();
  g.ForeColor = 0xFFFF00;
  g.TextSize = 9;
  g.DrawString("Kick 12", 2, 12);
  int lit = 0, lowest = -1;
  for (int y = 0; y < p->Height(); ++y) {
    for (int x = 0; x < p->Width(); ++x) {
      const fw::Color c = p->Pixel(x, y);
      ASSERT_TRUE(c == 0 || c == 0xFFFF00) << "smoothed pixel at " << x << "," << y;
      if (c) ++lit, lowest = y;
    }
  }
  EXPECT_GT(lit, 20);
  EXPECT_LE(lowest, 12);  // no descenders in this text: nothing below the baseline
  EXPECT_GE(lowest, 10);
  EXPECT_GT(g.StringWidth("WWWW"), g.StringWidth("iiii"));
}

TEST(Picture, SavesAndLoadsPng) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("pic_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  auto p = fw::NewPicture(5, 3, 32);
  p->SetPixel(4, 2, 0x80FF01);
  const std::string path = (dir / "a.png").string();
  { std::ofstream(path, std::ios::binary) << p->EncodePNG(); }
  auto back = fw::Picture::Load(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Width(), 5);
  EXPECT_EQ(back->Pixel(4, 2), 0x80FF01u);
  EXPECT_EQ(back->Pixel(0, 0), 0u);

  { std::ofstream(dir / "not.png") << "text"; }
  EXPECT_EQ(fw::Picture::Load((dir / "not.png").string()), nullptr);
  EXPECT_EQ(fw::Picture::Load((dir / "none.png").string()), nullptr);
  std::filesystem::remove_all(dir);
}

}  // namespace
