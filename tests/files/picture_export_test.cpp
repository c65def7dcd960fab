// Picture export: the caption, the saved picture, and the display afterwards.
#include "files/picture_export.h"

#include "platform/ui/picture.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

TEST(PictureCaption, ThirteenFieldsJoinedByBarsWithNamesCutToEightCharacters) {
  std::array<std::string, 10> names;
  names.fill("Empty");
  names[0] = "snare808";        // exactly eight: whole
  names[1] = "kickdrum01.wav";  // cut to eight
  names[3] = "Übergang.wav";    // cut by characters, never inside one
  names[4] = "abcdefg\u2014x.wav";
  EXPECT_EQ(
      files::PictureCaption("96", 20, names, "5ths"),
      "96|320|snare808|kickdrum|Empty|Übergang|abcdefg\u2014|Empty|Empty|Empty|Empty|Empty|5ths");
}

class PictureExport : public FilesTest {
 protected:
  std::shared_ptr<fw::Picture> Export(const fs::path& path) {
    Answer(path.string());
    w.SavePicture_MouseDown(w.Get<fw::Canvas>("SavePicture"), 1, 1);
    return path.empty() ? nullptr : fw::Picture::Load(path.string());
  }
  // The display as its pixels.
  std::vector<fw::Color> Shown() const {
    std::vector<fw::Color> px;
    for (int y = 0; y < w.p->Height(); ++y)
      for (int x = 0; x < w.p->Width(); ++x) px.push_back(w.p->Pixel(x, y));
    return px;
  }
  void ShowPattern(int meter) {
    w.Hit(1, 0, 0) = w.Meter = meter;
    w.Hit(1, 1, 2) = 1;  // row 1, step 2: a line at x 16..30, y 124
    w.SV(1, 1, 2) = 100;
    w.MeterDisplay();
  }
};

TEST_F(PictureExport, SavedPictureHasColumnsAndCaptionAndTheDisplayIsRestored) {
  ShowPattern(1);
  const auto before = Shown();
  auto shot = Export(dir / "shot.png");
  EXPECT_TRUE(Messages().empty());
  ASSERT_TRUE(shot);
  EXPECT_EQ(std::pair(shot->Width(), shot->Height()), std::pair(512, 128));
  for (int x : {15, 16, 31, 32, 495, 496, 511})
    for (int y : {20, 64, 124, 127}) EXPECT_EQ(shot->Pixel(x, y), 0x000000u) << x << "," << y;
  EXPECT_EQ(shot->Pixel(20, 124), fw::RGB(255, 255, 0));  // the step line beside the column
  int blue = 0;                                           // the caption
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 512; ++x) blue += shot->Pixel(x, y) == fw::RGB(0, 0, 255);
  EXPECT_GT(blue, 100);
  // Nothing of the export stays on screen, even after a cancel.
  EXPECT_EQ(Shown(), before);
  w.DrawBlackLines();
  Export("");
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"app", "shot.png"}));
  EXPECT_EQ(Shown(), before);
  Export(dir / "missing" / "shot.png");
  EXPECT_TRUE(OneMessage("The picture \"shot.png\" could not be saved"));

  // A short pattern keeps its shaded tail.
  ShowPattern(4);
  shot = Export(dir / "short.png");
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->Pixel(319, 64), 0x000000u);  // the last column
  EXPECT_EQ(shot->Pixel(400, 64), fw::RGB(20, 20, 20));
}

}  // namespace
}  // namespace filestest
