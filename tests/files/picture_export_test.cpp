// Picture export: the caption, the saved picture, and the display afterwards.
#include "files/picture_export.h"

#include "platform/ui/picture.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

std::array<std::string, 10> TenEmpty() {
  std::array<std::string, 10> n;
  n.fill("Empty");
  return n;
}

TEST(PictureCaption, ThirteenFieldsJoinedByBars) {
  EXPECT_EQ(files::PictureCaption("120", 32, TenEmpty(), "Octaves"),
            "120|512|Empty|Empty|Empty|Empty|Empty|Empty|Empty|Empty|Empty|Empty|Octaves");
  auto names = TenEmpty();
  names[0] = "snare808";        // exactly eight: whole
  names[1] = "kickdrum01.wav";  // cut to eight
  names[2] = "a|b";             // a bar in a name stays
  EXPECT_EQ(files::PictureCaption("96", 20, names, "5ths"),
            "96|320|snare808|kickdrum|a|b|Empty|Empty|Empty|Empty|Empty|Empty|Empty|5ths");
  // Names are cut by characters, never inside one.
  names = TenEmpty();
  names[0] = "Übergang.wav";  // Ü takes two bytes
  names[1] = "abcdefg\u2014x.wav";
  EXPECT_EQ(files::PictureCaption("96", 32, names, "5ths"),
            "96|512|Übergang|abcdefg\u2014|Empty|Empty|Empty|Empty|Empty|Empty|Empty|Empty|5ths");
}

class PictureExport : public FilesTest {
 protected:
  void Export(const std::string& path) {
    Answer(path);
    EXPECT_FALSE(w.SavePicture_MouseDown(w.Get<fw::Canvas>("SavePicture"), 1, 1));
  }
  // The display as its pixels.
  static std::vector<fw::Color> Pixels(const fw::Picture& pic) {
    std::vector<fw::Color> px;
    for (int y = 0; y < pic.Height(); ++y)
      for (int x = 0; x < pic.Width(); ++x) px.push_back(pic.Pixel(x, y));
    return px;
  }
  void ShowPattern(int meter) {
    w.Hit(1, 0, 0) = meter;
    w.Meter = meter;
    w.Hit(1, 1, 2) = 1;  // row 1, step 2: a line at x 16..30, y 124
    w.SV(1, 1, 2) = 100;
    w.MeterDisplay();
  }
};

TEST_F(PictureExport, SavedPictureHasColumnsAndCaptionAndTheDisplayIsRestored) {
  ShowPattern(1);
  const auto before = Pixels(*w.p);
  ASSERT_EQ(w.p->Pixel(16, 124), fw::RGB(255, 255, 0));
  Export((dir / "shot.png").string());
  EXPECT_EQ(asked.at(0).kind, fw::testing::DialogKind::SaveAs);
  EXPECT_TRUE(Messages().empty());

  auto shot = fw::Picture::Load((dir / "shot.png").string());
  ASSERT_TRUE(shot);
  EXPECT_EQ(std::pair(shot->Width(), shot->Height()), std::pair(512, 128));
  for (int x : {15, 16, 31, 32, 495, 496, 511})
    for (int y : {20, 64, 124, 127}) EXPECT_EQ(shot->Pixel(x, y), 0x000000u) << x << "," << y;
  EXPECT_EQ(shot->Pixel(20, 124), fw::RGB(255, 255, 0));  // the step line beside the column
  int blue = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 512; ++x) blue += shot->Pixel(x, y) == fw::RGB(0, 0, 255);
  EXPECT_GT(blue, 100);

  // Nothing of the export stays on screen.
  EXPECT_EQ(Pixels(*w.p), before);
  EXPECT_TRUE(w.p->Graphics().UseOldRenderer);
  EXPECT_EQ(w.Hit(1, 1, 2), 1);
  EXPECT_EQ(w.NumBeats, 32);

  // A cancel writes nothing and still redraws: columns showing from a stop go.
  w.DrawBlackLines();
  Export("");
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"app", "shot.png"}));
  EXPECT_EQ(Pixels(*w.p), before);
  // A failed save is reported.
  Export((dir / "missing" / "shot.png").string());
  EXPECT_TRUE(OneMessage("The picture \"shot.png\" could not be saved"));
}

TEST_F(PictureExport, ShortPatternKeepsItsShadedTail) {
  ShowPattern(4);
  Export((dir / "short.png").string());
  auto shot = fw::Picture::Load((dir / "short.png").string());
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->Width(), 512);
  EXPECT_EQ(shot->Pixel(319, 64), 0x000000u);  // the last column
  EXPECT_EQ(shot->Pixel(335, 64), fw::RGB(20, 20, 20));
  EXPECT_EQ(shot->Pixel(400, 64), fw::RGB(20, 20, 20));
}

}  // namespace
}  // namespace filestest
