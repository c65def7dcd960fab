// Kit load through the window's button, and the default files at start-up.
#include "app/assets.h"
#include "files/file_types.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

constexpr fw::Color kEmptyColor = 0x63393D;
constexpr fw::Color kNamedColor = 0xB4686E;

class KitLoad : public FilesTest {
 protected:
  bool Load(const fs::path& kitFile) {
    Answer({kitFile.string()});
    return w.KitLoad_MouseDown(w.Get<fw::Canvas>("KitLoad"), 1, 1);
  }
  // A kit folder "Rock" with the named sounds and the kit file's text.
  fs::path MakeKit(const std::string& fileName, const std::string& text,
                   std::initializer_list<const char*> sounds) {
    const fs::path folder = dir / "Rock";
    fs::create_directories(folder);
    for (const char* s : sounds) WriteWav(folder / s);
    WriteText(folder / fileName, text);
    return folder / fileName;
  }
};

TEST_F(KitLoad, LoadsNamesSoundsColoursKitNameAndPans) {
  w.lineColor(1, 0) = 255;
  w.lineColor(1, 1) = 0;
  w.lineColor(2, 0) = 200;  // no pan position: the sound keeps its own pan
  w.lineColor(2, 1) = 200;
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
  EXPECT_EQ(w.SoundItem(1)->Path(), dir / "Rock" / "kick.wav");
  EXPECT_NE(w.S(1), w.S(10));  // two rows, two sounds of the same file
  EXPECT_EQ(w.S(1)->Pan, 100);
  EXPECT_EQ(w.S(2)->Pan, 0);
  for (int row = 3; row <= 9; ++row) {
    EXPECT_EQ(w.StaticText3(row).Text(), "Empty");
    EXPECT_EQ(w.StaticText3(row).TextColor(), kEmptyColor);
    EXPECT_EQ(w.S(row), blank());
    EXPECT_FALSE(w.SoundItem(row));
  }
  EXPECT_EQ(w.DrumName().Text(), "Empty");
}

TEST_F(KitLoad, MissingSoundsAreReportedInRowOrderAndEmptied) {
  OwnSounds();
  const auto old = w.S(2);
  const auto file = MakeKit(
      "Rock.trk", "Empty*gone.wav*kick.wav*Empty*lost.aif*Empty*Empty*notasound.wav*Empty*Empty*",
      {"kick.wav"});
  WriteText(dir / "Rock" / "notasound.wav", "this is text");
  Load(file);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"I can't find gone.wav!", "I can't find lost.aif!",
                                      "I can't find notasound.wav!"}));
  for (int row : {2, 5, 8}) {
    EXPECT_EQ(w.StaticText3(row).Text(), "Empty");
    EXPECT_EQ(w.StaticText3(row).TextColor(), kEmptyColor);
    EXPECT_EQ(w.S(row), blank());
    EXPECT_FALSE(w.SoundItem(row));
  }
  EXPECT_NE(old, w.S(2));
  EXPECT_EQ(w.StaticText3(3).Text(), "kick.wav");
  // An "Empty" row loses the sound it had.
  EXPECT_EQ(w.S(1), blank());
}

TEST_F(KitLoad, NamesLeadingOutOfTheKitFolderAreNotFollowed) {
  WriteWav(dir / "outside.wav");
  const auto file =
      MakeKit("Rock.trk", "../outside.wav*/etc/passwd*..*kick.wav**Empty*Empty*Empty*Empty*Empty*",
              {"kick.wav"});
  Load(file);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"I can't find ../outside.wav!", "I can't find /etc/passwd!",
                                      "I can't find ..!", "I can't find !"}));
  for (int row : {1, 2, 3, 5}) {
    EXPECT_EQ(w.S(row), blank()) << row;
    EXPECT_FALSE(w.SoundItem(row)) << row;
  }
  EXPECT_TRUE(w.SoundItem(4));
}

TEST_F(KitLoad, UnusableKitFilesChangeNothing) {
  const auto good = MakeKit(
      "Good.trk", "kick.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty", {"kick.wav"});
  Load(good);
  ASSERT_TRUE(Messages().empty());
  const auto sound = w.S(1);
  const auto item = w.SoundItem(1);

  WriteText(dir / "Rock" / "Short.trk", "kick.wav*Empty*Empty*");
  fs::create_directories(dir / "Rock" / "Folder.trk");
  for (const char* bad : {"Short.trk", "Folder.trk"}) {
    fw::testing::ClearMessages();
    Load(dir / "Rock" / bad);
    ASSERT_EQ(Messages().size(), 1u) << bad;
    EXPECT_EQ(Messages()[0].rfind("The kit file \"" + std::string(bad) + "\" can't be loaded: ", 0),
              0u)
        << Messages()[0];
    EXPECT_EQ(w.KitName1().Text(), "Good");
    EXPECT_EQ(w.StaticText3(1).Text(), "kick.wav");
    EXPECT_EQ(w.StaticText3(2).Text(), "Empty");
    EXPECT_EQ(w.S(1), sound);
    EXPECT_EQ(w.SoundItem(1), item);
  }

  // A cancelled dialog: nothing read, nothing said.
  fw::testing::ClearMessages();
  Answer({""});
  w.KitLoad_MouseDown(w.Get<fw::Canvas>("KitLoad"), 1, 1);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(w.S(1), sound);
}

TEST_F(KitLoad, AMovedKitFolderStillLoads) {
  const auto file = MakeKit(
      "Rock.trk", "kick.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*", {"kick.wav"});
  fs::rename(dir / "Rock", dir / "Elsewhere");
  Load(dir / "Elsewhere" / "Rock.trk");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(w.SoundItem(1)->Path(), dir / "Elsewhere" / "kick.wav");
}

// ---- Default files

TEST(DefaultFiles, StartUpReportsTheMissingDefaultSound) {
  // Recorded by the program's real start, before any test ran.
  EXPECT_EQ(StartupMessages(), std::vector<std::string>{"I can't find missing.wav!"});
}

class DefaultFilesTest : public FilesTest {};

TEST_F(DefaultFilesTest, DefaultKitAndBankAreReadAtStartUp) {
  fw::SetApplicationFolder(StartupFolder());
  w.Event_Open();  // the start as the program makes it
  EXPECT_EQ(Messages(), std::vector<std::string>{"I can't find missing.wav!"});
  EXPECT_EQ(w.KitName1().Text(), "Default Kit");
  EXPECT_EQ(w.StaticText3(1).Text(), "kick.wav");
  EXPECT_EQ(w.StaticText3(1).TextColor(), kNamedColor);
  EXPECT_EQ(w.StaticText3(4).Text(), "Empty");
  EXPECT_EQ(w.StaticText3(4).TextColor(), kEmptyColor);
  EXPECT_EQ(w.StaticText3(5).Text(), "hat.wav");
  EXPECT_EQ(w.S(5)->Pan, -100);  // the bank's row 5 colour, on the kit's sound
  EXPECT_EQ(w.S(1)->Pan, 0);
  EXPECT_EQ(w.Oval1(5).FillColor(), fw::RGB(0, 255, 0));
  EXPECT_EQ(w.PatternText().Text(), "My Pattern");
  EXPECT_EQ(w.StaticText1().Text(), "96");
  EXPECT_EQ(w.Swing, 2);
  EXPECT_EQ(w.NumBeats, 20);
  EXPECT_EQ(w.Hit(1, 1, 1), 1);
}

TEST_F(DefaultFilesTest, StartWithoutDefaultFilesIsQuiet) {
  // The fixture started from an empty folder; add the folders without files.
  for (const char* sub : {"TKTRKits", "TKTRKits/Default Kit", "Patterns"}) {
    w.Event_Open();
    EXPECT_TRUE(Messages().empty()) << sub;
    fs::create_directories(dir / "app" / sub);
  }
  w.Event_Open();
  EXPECT_TRUE(Messages().empty());
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(w.StaticText3(row).Text(), "Empty");
    EXPECT_EQ(w.S(row), blank());
    EXPECT_EQ(w.Oval1(row).FillColor(), fw::RGB(255, 255, 0));
  }
  EXPECT_EQ(blank()->Pan, 0);
  EXPECT_EQ(w.KitName1().Text(), "Untitled Kit");
  EXPECT_EQ(w.PatternText().Text(), "Untitled");
  EXPECT_EQ(w.StaticText1().Text(), "120");
  EXPECT_EQ(w.OctaveText().Text(), "Octaves");
  EXPECT_EQ(w.SwingText().Text(), "0");
  EXPECT_EQ(w.Pattern, 1);
  EXPECT_EQ(w.NumBeats, 32);
}

TEST(FileTypes, SixTypesWithTheirFields) {
  struct Row {
    const fw::FileType* (*get)();
    const char *name, *ext, *type, *creator;
  };
  const Row rows[] = {{FileTypes1::pText, "Text", "", "trTK", "trTK"},
                      {FileTypes1::pTRKit, "TRKit", ".trk", "trTK", "trTK"},
                      {FileTypes1::pWav, "wav", ".wav", "WAVE", "TVOD"},
                      {FileTypes1::pAiff, "aiff", ".aiff", "AIFC", "TVOD"},
                      {FileTypes1::pAny, "any", "", "????", "????"},
                      {FileTypes1::pSd2, "sd2", ".sd2", "sd2f", "sd2f"}};
  for (const auto& r : rows) {
    const fw::FileType* t = r.get();
    ASSERT_TRUE(t) << r.name;
    EXPECT_EQ(t->Name, r.name);
    EXPECT_EQ(t->Extensions, r.ext);
    EXPECT_EQ(t->MacType, r.type);
    EXPECT_EQ(t->MacCreator, r.creator);
  }
  FileTypes1::Finalize();
  for (const auto& r : rows) EXPECT_FALSE(r.get()) << r.name;
  FileTypes1::Initialize();  // the program's teardown releases them again
  for (const auto& r : rows) EXPECT_TRUE(r.get());
}

}  // namespace
}  // namespace filestest
