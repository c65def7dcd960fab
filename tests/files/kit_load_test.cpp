// Kit load through the window's button.
#include "app/assets.h"
#include "tests/files/files_fixture.h"
#include "tests/support/unwritten_pipe.h"

namespace filestest {
namespace {

constexpr fw::Color kNamedColor = 0xB4686E;

class KitLoad : public FilesTest {
 protected:
  // A kit file in a folder not named after its kit, beside the named sounds.
  fs::path MakeKit(const std::string& fileName, const std::string& text,
                   std::initializer_list<const char*> sounds) {
    fs::create_directories(dir / "Elsewhere");
    for (const char* s : sounds) WriteWav(dir / "Elsewhere" / s);
    WriteText(dir / "Elsewhere" / fileName, text);
    return dir / "Elsewhere" / fileName;
  }
};

TEST_F(KitLoad, LoadsNamesSoundsKitNameAndPansAndRefusesUnusableKitFiles) {
  w.lineColor(1, 0) = 255;  // row 1 panned right
  w.lineColor(1, 1) = 0;
  w.lineColor(2, 0) = w.lineColor(2, 1) = 200;  // row 2: no pan position
  LoadKit(MakeKit("Rock.trk",
                  "kick.wav*snare.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*kick.wav*more*",
                  {"kick.wav", "snare.wav"}));
  EXPECT_EQ(asked.at(0), (dir / "app" / "TKTRKits").string());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(w.KitName1().Text(), "Rock");
  for (int row : {1, 2, 10}) {
    EXPECT_EQ(w.StaticText3(row).TextColor(), kNamedColor);
    EXPECT_NE(w.S(row), blank());
  }
  EXPECT_EQ(w.StaticText3(2).Text(), "snare.wav");
  EXPECT_EQ(w.SoundItem(1)->Path(), dir / "Elsewhere" / "kick.wav");
  EXPECT_NE(w.S(1), w.S(10));  // two rows, two sounds of the same file
  EXPECT_EQ(std::pair(w.S(1)->Pan, w.S(2)->Pan), std::pair(100, 0));
  for (int row = 3; row <= 9; ++row) ExpectEmpty(row);

  const auto sound = w.S(1);
  WriteText(dir / "Elsewhere" / "Short.trk", "kick.wav*Empty*Empty*");
  LoadKit(dir / "Elsewhere" / "Short.trk");
  EXPECT_TRUE(OneMessage("The kit file \"Short.trk\" can't be loaded: "));
  EXPECT_EQ(w.KitName1().Text() + " " + w.StaticText3(1).Text(), "Rock kick.wav");
  EXPECT_EQ(w.S(1), sound);
}

TEST_F(KitLoad, SoundsNotFoundInTheKitFolderAreReportedInRowOrderAndEmptied) {
  // Missing, unreadable, a pipe that must not hang the load, and names
  // leading out of the kit folder, which are not followed.
  for (int row = 1; row <= 10; ++row) w.S(row) = blank()->Clone();
  WriteWav(dir / "outside.wav");
  const auto file = MakeKit(
      "Rock.trk",
      "Empty*gone.wav*kick.wav*../outside.wav*lost.aif*/etc/passwd*..*notasound.wav**pipe.wav*",
      {"kick.wav"});
  WriteText(dir / "Elsewhere" / "notasound.wav", "this is text");
  testsupport::UnwrittenPipe pipe(dir / "Elsewhere" / "pipe.wav");
  LoadKit(file);
  std::vector<std::string> expected;
  for (const char* name : {"gone.wav", "../outside.wav", "lost.aif", "/etc/passwd", "..",
                           "notasound.wav", "", "pipe.wav"})
    expected.push_back("I can't find " + std::string(name) + "!");
  EXPECT_EQ(Messages(), expected);
  EXPECT_FALSE(pipe.BlockedAReader());
  for (int row : {1, 2, 4, 5, 6, 7, 8, 9, 10}) ExpectEmpty(row);  // "Empty" loses the sound it had
  EXPECT_EQ(w.StaticText3(3).Text(), "kick.wav");
}

}  // namespace
}  // namespace filestest
