// Kit save, the replace dialog, new kit and the kit-name field.
#include "app/assets.h"
#include "files/replace_dialog.h"
#include "tests/files/files_fixture.h"
#include "tests/support/file_size_limit.h"

namespace filestest {
namespace {

using Kind = fw::testing::DialogKind;
const std::string kTenEmpty = "Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*";

class KitSave : public FilesTest {
 protected:
  void Save(const fs::path& parent) {
    Answer(parent.string());
    EXPECT_FALSE(w.KitSave_MouseDown(w.Get<fw::Canvas>("KitSave"), 1, 1));
  }
  void SetRow(int row, const fs::path& file) {
    w.SoundItem(row) = std::make_shared<fw::FolderItem>(file);
    w.StaticText3(row).SetText(file.filename().string());
  }
  static wSaveReplace* Dialog() {
    return static_cast<wSaveReplace*>(fw::GetImplicitWindow("wSaveReplace"));
  }
  void Press(const char* button) {
    auto& b = Dialog()->Get<fw::PushButton>(button);
    fw::testing::Click(*Dialog(), b.Left() + b.Width() / 2, b.Top() + b.Height() / 2);
    fw::testing::ProcessEvents(0);
  }
};

TEST_F(KitSave, AKitFileWithTheSoundsOfItsRowsBesideIt) {
  fs::create_directories(dir / "kits");
  Save(dir / "kits");
  EXPECT_EQ(asked.back().kind, Kind::SelectFolder);
  EXPECT_EQ(asked.back().suggested, (dir / "app" / "TKTRKits").string());
  EXPECT_EQ(Listing(dir / "kits" / "Untitled Kit"), std::vector<std::string>{"Untitled Kit.trk"});
  EXPECT_EQ(ReadText(dir / "kits" / "Untitled Kit" / "Untitled Kit.trk"), kTenEmpty);
  ASSERT_TRUE(w.SaveTo);
  EXPECT_EQ(w.SaveTo->Path(), dir / "kits");

  fs::create_directories(dir / "src");
  WriteWav(dir / "src" / "kick.wav", 300);
  WriteWav(dir / "src" / "clap.wav", 400);
  SetRow(1, dir / "src" / "kick.wav");
  SetRow(5, dir / "src" / "clap.wav");
  w.KitName1().SetText("My.Rock");
  Save(dir);
  const fs::path kit = dir / "My.Rock";
  EXPECT_EQ(Listing(kit), (std::vector<std::string>{"My.Rock.trk", "clap.wav", "kick.wav"}));
  EXPECT_EQ(ReadText(kit / "My.Rock.trk"),
            "kick.wav*Empty*Empty*Empty*clap.wav*Empty*Empty*Empty*Empty*Empty*");
  EXPECT_EQ(ReadText(kit / "clap.wav"), ReadText(dir / "src" / "clap.wav"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(Dialog());
}

TEST_F(KitSave, ExistingKitFolderAsksFirstAndNoKeepsItAsItWas) {
  fs::create_directories(dir / "Untitled Kit");
  WriteText(dir / "Untitled Kit" / "Untitled Kit.trk", "old");
  Save(dir);
  ASSERT_TRUE(Dialog());
  EXPECT_EQ(Dialog()->Title(), "Replace");
  EXPECT_EQ(ReadText(dir / "Untitled Kit" / "Untitled Kit.trk"), "old");
  // A second save onto the existing folder shows the same dialog.
  wSaveReplace* first = Dialog();
  Save(dir);
  EXPECT_EQ(Dialog(), first);
  EXPECT_EQ(fw::OpenWindows().size(), 2u);

  Press("PushButton2");  // "No"
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(Listing(dir / "Untitled Kit"), std::vector<std::string>{"Untitled Kit.trk"});
  EXPECT_EQ(ReadText(dir / "Untitled Kit" / "Untitled Kit.trk"), "old");
  ASSERT_TRUE(w.SaveTo);  // "No" leaves the chosen folder

  // The close box writes nothing either.
  Save(dir);
  ASSERT_TRUE(Dialog());
  Dialog()->Close();
  fw::testing::ProcessEvents(0);
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(ReadText(dir / "Untitled Kit" / "Untitled Kit.trk"), "old");

  // Nor does "Yes" once a later save was cancelled: it only closes.
  Save(dir);
  Save("");
  EXPECT_FALSE(w.SaveTo);
  Press("PushButton1");
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(ReadText(dir / "Untitled Kit" / "Untitled Kit.trk"), "old");
}

TEST_F(KitSave, YesWritesTheKitAsItStandsWhenPressed) {
  fs::create_directories(dir / "Drums");
  WriteWav(dir / "Drums" / "old.wav");
  WriteText(dir / "Drums" / "Drums.trk", "old");
  w.KitName1().SetText("Drums");
  Save(dir);
  ASSERT_TRUE(Dialog());
  // Changed while the dialog is open: these are what "Yes" writes.
  fs::create_directories(dir / "src");
  WriteWav(dir / "src" / "new.wav");
  SetRow(2, dir / "src" / "new.wav");
  w.KitName1().SetText("Drums2");
  Press("PushButton1");  // "Yes"
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(Listing(dir / "Drums2"), (std::vector<std::string>{"Drums2.trk", "new.wav"}));
  EXPECT_EQ(ReadText(dir / "Drums2" / "Drums2.trk"),
            "Empty*new.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*");

  // Into the existing folder itself: older files stay, the kit file is new,
  // and a sound already in the folder is kept whole.
  const std::string old = ReadText(dir / "Drums" / "old.wav");
  SetRow(1, dir / "Drums" / "old.wav");
  w.KitName1().SetText("Drums");
  Save(dir);
  Press("PushButton1");
  EXPECT_EQ(Listing(dir / "Drums"), (std::vector<std::string>{"Drums.trk", "new.wav", "old.wav"}));
  EXPECT_EQ(ReadText(dir / "Drums" / "Drums.trk"),
            "old.wav*new.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*");
  EXPECT_EQ(ReadText(dir / "Drums" / "old.wav"), old);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(KitSave, AKitNameThatIsNotUtf8IsSavedUnderItsOwnBytes) {
  // Loaded from "Caf\xE9.trk" and saved back: the same kit folder, so asked first.
  const fs::path kit = dir / "Caf\xE9";
  fs::create_directories(kit);
  WriteText(kit / "Caf\xE9.trk", kTenEmpty);
  Answer((kit / "Caf\xE9.trk").string());
  w.KitLoad_MouseDown(w.Get<fw::Canvas>("KitLoad"), 1, 1);
  EXPECT_EQ(w.KitName1().Text(), "Caf\xE9");
  Save(dir);
  EXPECT_TRUE(Dialog());
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"Caf\xE9", "app"}));
  Press("PushButton2");
}

TEST_F(KitSave, NamesThatLeaveTheFolderAreRefused) {
  fs::create_directories(dir / "kits");
  for (const char* name : {"", ".", "..", "a/b", "../escape"}) {
    w.KitName1().SetText(name);
    Save(dir / "kits");
    EXPECT_TRUE(OneMessage("The kit name \"" + std::string(name) + "\" can't be used"));
    EXPECT_FALSE(Dialog());
  }
  EXPECT_TRUE(Listing(dir / "kits").empty());
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"app", "kits"}));
}

TEST_F(KitSave, ARowNameWithAStarStopsTheSaveBeforeAnythingIsWritten) {
  // Written, it would split into two names and shift the rows after it.
  fs::create_directories(dir / "src");
  WriteWav(dir / "src" / "kick.wav");
  WriteWav(dir / "src" / "hat*open.wav");
  SetRow(1, dir / "src" / "kick.wav");
  SetRow(4, dir / "src" / "hat*open.wav");
  w.KitName1().SetText("Star");
  Save(dir);
  EXPECT_TRUE(OneMessage("The kit can't be saved: the sound of row 4, \"hat*open.wav\""));
  EXPECT_FALSE(fs::exists(dir / "Star"));

  // Onto an existing folder: no question is asked; and a name that gains a
  // "*" while the dialog is open is caught when "Yes" is pressed.
  fs::create_directories(dir / "Star");
  Save(dir);
  EXPECT_TRUE(OneMessage("The kit can't be saved"));
  EXPECT_FALSE(Dialog());
  SetRow(4, dir / "src" / "kick.wav");
  Save(dir);
  ASSERT_TRUE(Dialog());
  w.StaticText3(2).SetText("a*b");
  Press("PushButton1");
  EXPECT_TRUE(OneMessage(""));
  EXPECT_FALSE(Dialog());
  EXPECT_TRUE(Listing(dir / "Star").empty());
}

TEST_F(KitSave, FailuresAreReportedNotHidden) {
  // A file where the kit folder should go: it "exists", so the dialog asks,
  // and "Yes" cannot make the folder.
  WriteText(dir / "Untitled Kit", "a file");
  Save(dir);
  Press("PushButton1");
  EXPECT_TRUE(OneMessage("The kit folder \"Untitled Kit\" could not be created: "));
  EXPECT_EQ(ReadText(dir / "Untitled Kit"), "a file");
  fs::remove(dir / "Untitled Kit");

  // Names the file system refuses, and a name that is a link to itself.
  fs::create_directories(dir / "src");
  WriteWav(dir / "src" / "kick.wav");
  SetRow(1, dir / "src" / "kick.wav");
  fs::create_symlink("Loop", dir / "Loop");
  for (const std::string& name :
       {std::string(300, 'k'), std::string(252, 'k'), std::string("Loop")}) {
    w.KitName1().SetText(name);
    Save(dir);
    EXPECT_TRUE(OneMessage("The kit ")) << name.size();
    EXPECT_EQ(Listing(dir), (std::vector<std::string>{"Loop", "app", "src"}));
  }
  fs::remove(dir / "Loop");

  // A row whose sound file has gone, and a copy that fails when the disk
  // fills: nothing of the save stays, a kit folder it replaces is kept as it was.
  SetRow(3, dir / "vanished.wav");
  w.KitName1().SetText("Lost");
  Save(dir);
  EXPECT_TRUE(OneMessage("The kit can't be saved: ", "row 3, \"vanished.wav\""));
  fs::create_directories(dir / "Full");
  WriteText(dir / "Full" / "Full.trk", "old");
  WriteWav(dir / "src" / "long.wav", 20000);
  SetRow(3, dir / "src" / "long.wav");
  for (const char* name : {"Lost", "Full"}) {
    w.KitName1().SetText(name);
    testsupport::FileSizeLimit limit(4000);
    Save(dir);
    if (Dialog()) Press("PushButton1");
    EXPECT_TRUE(OneMessage("The kit \"" + std::string(name) + "\" could not be saved: "));
  }
  EXPECT_EQ(Listing(dir), (std::vector<std::string>{"Full", "app", "src"}));
  EXPECT_EQ(Listing(dir / "Full"), std::vector<std::string>{"Full.trk"});
  EXPECT_EQ(ReadText(dir / "Full" / "Full.trk"), "old");
}

TEST_F(KitSave, NamesAsLongAsAFileNameCanBeAreSaved) {
  const std::string sound = std::string(251, 's') + ".wav";
  fs::create_directories(dir / "src");
  WriteWav(dir / "src" / sound);
  SetRow(1, dir / "src" / sound);
  w.KitName1().SetText(std::string(251, 'k'));
  Save(dir);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Listing(dir / std::string(251, 'k')),
            (std::vector<std::string>{std::string(251, 'k') + ".trk", sound}));
}

TEST_F(KitSave, TwoDifferentSoundsOfOneNameAreRefused) {
  // The kit folder holds one file of a name: the second would replace the first.
  for (const char* folder : {"a", "b"}) {
    fs::create_directories(dir / folder);
    WriteWav(dir / folder / "kick.wav", folder[0] == 'a' ? 300 : 400);
  }
  SetRow(2, dir / "a" / "kick.wav");
  SetRow(7, dir / "b" / "kick.wav");
  w.KitName1().SetText("Twins");
  Save(dir);
  EXPECT_TRUE(OneMessage("The kit can't be saved: ",
                         "rows 2 and 7 hold different sound files named \"kick.wav\""));
  EXPECT_FALSE(fs::exists(dir / "Twins"));
  // One file in two rows, by two spellings of its path, is one sound.
  SetRow(7, dir / "b" / ".." / "a" / "kick.wav");
  Save(dir);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Listing(dir / "Twins"), (std::vector<std::string>{"Twins.trk", "kick.wav"}));
}

TEST_F(KitSave, NewKitEmptiesEveryRowAndKeepsThePatterns) {
  OwnSounds();
  w.Hit(1, 2, 3) = 1;
  w.SV(1, 2, 3) = 100;
  SetRow(2, dir / "x.wav");
  w.lineColor(2, 0) = 0;
  w.Oval1(2).SetFillColor(fw::RGB(0, 255, 0));
  w.KitName1().SetText("Rock");
  blank()->Pan = 40;
  EXPECT_FALSE(w.KitNew_MouseDown(w.Get<fw::Canvas>("KitNew"), 1, 1));
  for (int row = 1; row <= 10; ++row) {
    ExpectEmpty(row, 0x402527);
    EXPECT_EQ(std::pair(w.lineColor(row, 0), w.lineColor(row, 1)), std::pair(255, 255));
    EXPECT_EQ(w.Oval1(row).FillColor(), fw::RGB(255, 255, 0));
  }
  EXPECT_EQ(blank()->Pan, 0);
  EXPECT_EQ(w.KitName1().Text(), "Untitled Kit");
  EXPECT_EQ(std::pair(w.Hit(1, 2, 3), w.SV(1, 2, 3)), std::pair(1, 100));
}

TEST_F(KitSave, KitNameFieldIsEnabledOnlyUnderThePointer) {
  auto& field = w.KitName1();
  EXPECT_FALSE(field.Enabled());
  fw::testing::MoveMouse(w, field.Left() + field.Width() + 40, field.Top() + 5);  // arrive nearby
  fw::testing::MoveMouse(w, field.Left() + 5, field.Top() + 5);
  EXPECT_TRUE(field.Enabled());
  fw::testing::MoveMouse(w, field.Left() + field.Width() + 40, field.Top() + 5);
  EXPECT_FALSE(field.Enabled());
}

}  // namespace
}  // namespace filestest
