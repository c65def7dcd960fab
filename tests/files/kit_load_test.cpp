// Kit load through the window's button, and the default files at start-up.
#include "app/assets.h"
#include "tests/files/files_fixture.h"
#include "tests/support/unwritten_pipe.h"

namespace filestest {
namespace {

constexpr fw::Color kNamedColor = 0xB4686E;

class KitLoad : public FilesTest {
 protected:
  bool Load(const fs::path& kitFile) {
    Answer(kitFile.string());
    return w.KitLoad_MouseDown(w.Get<fw::Canvas>("KitLoad"), 1, 1);
  }
  // A kit folder "Elsewhere" (so not named after its kit) with the named
  // sounds and the kit file's text.
  fs::path MakeKit(const std::string& fileName, const std::string& text,
                   std::initializer_list<const char*> sounds) {
    const fs::path folder = dir / "Elsewhere";
    fs::create_directories(folder);
    for (const char* s : sounds) WriteWav(folder / s);
    WriteText(folder / fileName, text);
    return folder / fileName;
  }
};

TEST_F(KitLoad, LoadsNamesSoundsColoursKitNameAndPans) {
  w.lineColor(1, 0) = 255;  // row 1 panned right
  w.lineColor(1, 1) = 0;
  w.lineColor(2, 0) = w.lineColor(2, 1) = 200;  // row 2: no pan position
  w.DrumName().SetText("Empty");
  const auto file =
      MakeKit("Rock.trk", "kick.wav*snare.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*kick.wav*",
              {"kick.wav", "snare.wav"});
  EXPECT_FALSE(Load(file));
  EXPECT_EQ(asked.at(0).kind, fw::testing::DialogKind::Open);
  EXPECT_EQ(asked.at(0).suggested, (dir / "app" / "TKTRKits").string());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(w.KitName1().Text(), "Rock");
  for (int row : {1, 2, 10}) {
    EXPECT_EQ(w.StaticText3(row).TextColor(), kNamedColor);
    ASSERT_TRUE(w.SoundItem(row));
    EXPECT_NE(w.S(row), blank());
  }
  EXPECT_EQ(w.StaticText3(1).Text(), "kick.wav");
  EXPECT_EQ(w.SoundItem(1)->Path(), dir / "Elsewhere" / "kick.wav");
  EXPECT_NE(w.S(1), w.S(10));  // two rows, two sounds of the same file
  EXPECT_EQ(std::pair(w.S(1)->Pan, w.S(2)->Pan), std::pair(100, 0));  // row 2 keeps its own
  for (int row = 3; row <= 9; ++row) ExpectEmpty(row);
  EXPECT_EQ(w.DrumName().Text(), "Empty");
}

TEST_F(KitLoad, SoundsNotFoundInTheKitFolderAreReportedInRowOrderAndEmptied) {
  // Missing, unreadable, a pipe that must not hang the load, and names
  // leading out of the kit folder, which are not followed.
  OwnSounds();
  const auto old = w.S(2);
  WriteWav(dir / "outside.wav");
  const auto file = MakeKit(
      "Rock.trk",
      "Empty*gone.wav*kick.wav*../outside.wav*lost.aif*/etc/passwd*..*notasound.wav**pipe.wav*",
      {"kick.wav"});
  WriteText(dir / "Elsewhere" / "notasound.wav", "this is text");
  testsupport::UnwrittenPipe pipe(dir / "Elsewhere" / "pipe.wav");
  Load(file);
  std::vector<std::string> expected;
  for (const char* name : {"gone.wav", "../outside.wav", "lost.aif", "/etc/passwd", "..",
                           "notasound.wav", "", "pipe.wav"})
    expected.push_back("I can't find " + std::string(name) + "!");
  EXPECT_EQ(Messages(), expected);
  EXPECT_FALSE(pipe.BlockedAReader());
  for (int row : {1, 2, 4, 5, 6, 7, 8, 9, 10}) ExpectEmpty(row);  // "Empty" loses the sound it had
  EXPECT_NE(old, w.S(2));
  EXPECT_EQ(w.StaticText3(3).Text(), "kick.wav");
  EXPECT_TRUE(w.SoundItem(3));
}

TEST_F(KitLoad, UnusableKitFilesChangeNothing) {
  const auto good = MakeKit(
      "Good.trk", "kick.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty", {"kick.wav"});
  Load(good);
  ASSERT_TRUE(Messages().empty());
  const auto sound = w.S(1);
  const auto item = w.SoundItem(1);

  WriteText(dir / "Elsewhere" / "Short.trk", "kick.wav*Empty*Empty*");
  fs::create_directories(dir / "Elsewhere" / "Folder.trk");
  for (const char* bad : {"Short.trk", "Folder.trk"}) {
    Load(dir / "Elsewhere" / bad);
    EXPECT_TRUE(OneMessage("The kit file \"" + std::string(bad) + "\" can't be loaded: "));
    EXPECT_EQ(w.KitName1().Text() + " " + w.StaticText3(1).Text(), "Good kick.wav");
    EXPECT_EQ(w.S(1), sound);
    EXPECT_EQ(w.SoundItem(1), item);
  }

  // A cancelled dialog: nothing read, nothing said.
  Load("");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(w.S(1), sound);
}

// ---- Default files

using DefaultFiles = KitLoad;

TEST_F(DefaultFiles, DefaultKitAndBankAreReadAtStartUp) {
  // As recorded by the program's real start, before any test ran.
  EXPECT_EQ(StartupMessages(), std::vector<std::string>{"I can't find missing.wav!"});
  fw::SetApplicationFolder(StartupFolder());
  w.Event_Open();  // the start as the program makes it
  EXPECT_EQ(Messages(), std::vector<std::string>{"I can't find missing.wav!"});
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Default Kit", "My Pattern", "96", "Octaves", "2"}));
  EXPECT_EQ(w.StaticText3(1).Text() + " " + w.StaticText3(5).Text(), "kick.wav hat.wav");
  EXPECT_EQ(w.StaticText3(1).TextColor(), kNamedColor);
  ExpectEmpty(4);
  // The bank's row 5 colour, on the kit's sound.
  EXPECT_EQ(std::pair(w.S(5)->Pan, w.S(1)->Pan), std::pair(-100, 0));
  EXPECT_EQ(w.Oval1(5).FillColor(), fw::RGB(0, 255, 0));
  EXPECT_EQ(w.Swing, 2);
  EXPECT_EQ(w.NumBeats, 20);
  EXPECT_EQ(w.Hit(1, 1, 1), 1);
}

TEST_F(DefaultFiles, StartWithoutDefaultFilesIsQuiet) {
  // The fixture started from an empty folder; add the folders without files.
  for (const char* sub : {"TKTRKits", "TKTRKits/Default Kit", "Patterns"}) {
    w.Event_Open();
    EXPECT_TRUE(Messages().empty()) << sub;
    fs::create_directories(dir / "app" / sub);
  }
  w.Event_Open();
  EXPECT_TRUE(Messages().empty());
  for (int row = 1; row <= 10; ++row) {
    ExpectEmpty(row);
    EXPECT_EQ(w.Oval1(row).FillColor(), fw::RGB(255, 255, 0));
  }
  EXPECT_EQ(blank()->Pan, 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Untitled Kit", "Untitled", "120", "Octaves", "0"}));
  EXPECT_EQ(std::pair(w.Pattern, w.NumBeats), std::pair(1, 32));
}

}  // namespace
}  // namespace filestest
