// Kit save, the replace dialog, new kit and the kit-name field.
#include <sys/stat.h>

#include <cerrno>
#include <system_error>

#include "app/assets.h"
#include "files/replace_dialog.h"
#include "tests/files/files_fixture.h"
#include "tests/support/file_size_limit.h"

namespace filestest {
namespace {

using Names = std::vector<std::string>;

class KitSave : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    fs::create_directories(dir / "src");
    WriteWav(dir / "src" / "kick.wav", 300);
    WriteWav(dir / "src" / "clap.wav", 400);
  }
  void Save(const fs::path& parent) {
    Answer(parent.string());
    w.KitSave_MouseDown(w.Get<fw::Canvas>("KitSave"), 1, 1);
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

TEST_F(KitSave, AKitFolderHoldsTheKitFileAndOneCopyOfEachSound) {
  SetRow(1, dir / "src" / "kick.wav");
  SetRow(5, dir / "src" / "clap.wav");
  SetRow(7, dir / "src" / ".." / "src" / "kick.wav");  // the same file by another path
  w.KitName1().SetText("My.Rock");
  Save(dir);
  EXPECT_EQ(asked.back(), (dir / "app" / "TKTRKits").string());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Listing(dir / "My.Rock"), (Names{"My.Rock.trk", "clap.wav", "kick.wav"}));
  EXPECT_EQ(ReadText(dir / "My.Rock" / "My.Rock.trk"),
            "kick.wav*Empty*Empty*Empty*clap.wav*Empty*kick.wav*Empty*Empty*Empty*");
  EXPECT_EQ(ReadText(dir / "My.Rock" / "clap.wav"), ReadText(dir / "src" / "clap.wav"));

  // Names as long as a file name can be.
  const std::string kit(251, 'k'), sound = std::string(251, 's') + ".wav";
  WriteWav(dir / "src" / sound);
  SetRow(1, dir / "src" / sound);
  w.KitName1().SetText(kit);
  Save(dir);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Listing(dir / kit), (Names{"clap.wav", "kick.wav", kit + ".trk", sound}));
}

TEST_F(KitSave, AnExistingKitFolderIsAskedAboutAndChangedOnlyByYes) {
  const fs::path kit = dir / "Drums";
  fs::create_directories(kit);
  WriteWav(kit / "old.wav");
  const std::string oldSound = ReadText(kit / "old.wav");
  WriteText(kit / "Drums.trk", "old");
  w.KitName1().SetText("Drums");
  Save(dir);
  Save(dir);  // asked again: still one question
  EXPECT_EQ(fw::OpenWindows().size(), 2u);
  Press("PushButton2");  // "No"
  EXPECT_FALSE(Dialog());
  Save(dir);
  w.StaticText3(2).SetText("a*b");  // a name no kit file can hold, given while asked
  Press("PushButton1");
  EXPECT_TRUE(OneMessage("The kit can't be saved: the sound of row 2, \"a*b\""));
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(Listing(kit), (Names{"Drums.trk", "old.wav"}));
  EXPECT_EQ(ReadText(kit / "Drums.trk"), "old");

  // "Yes" writes the kit as it stands when pressed; a sound already in the
  // folder stays whole and older files stay.
  w.StaticText3(2).SetText("Empty");
  Save(dir);
  SetRow(1, kit / "old.wav");
  SetRow(2, dir / "src" / "clap.wav");
  Press("PushButton1");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Listing(kit), (Names{"Drums.trk", "clap.wav", "old.wav"}));
  EXPECT_EQ(ReadText(kit / "Drums.trk"),
            "old.wav*clap.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*");
  EXPECT_EQ(ReadText(kit / "old.wav"), oldSound);
}

TEST_F(KitSave, YesAsksAgainWhenTheNameNowLeadsToAnotherExistingKit) {
  for (const char* kit : {"Drums", "Other"}) {
    fs::create_directories(dir / kit);
    WriteText(dir / kit / (std::string(kit) + ".trk"),
              "Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*");
  }
  SetRow(1, dir / "src" / "kick.wav");
  w.KitName1().SetText("Drums");
  Save(dir);
  w.KitName1().SetText("Other");  // typed while the question is open
  Press("PushButton1");
  EXPECT_TRUE(Dialog()) << "asked again, about the other kit";
  EXPECT_EQ(Listing(dir / "Other"), Names{"Other.trk"});
  Press("PushButton1");
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(Listing(dir / "Other"), (Names{"Other.trk", "kick.wav"}));

  // A kit loaded while the question is open names its own folder.
  Save(dir);
  LoadKit(dir / "Drums" / "Drums.trk");
  SetRow(2, dir / "src" / "clap.wav");
  Press("PushButton1");
  EXPECT_TRUE(Dialog());
  EXPECT_EQ(Listing(dir / "Drums"), Names{"Drums.trk"});
  // A name that leads to no kit yet is written at once, as a new folder.
  w.KitName1().SetText("Fresh");
  Press("PushButton1");
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(Listing(dir / "Fresh"), (Names{"Fresh.trk", "clap.wav"}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(KitSave, ASoundGoneSinceTheKitWasLoadedIsNamedAndTheRestIsSaved) {
  const fs::path src = dir / "Src";
  fs::create_directories(src);
  WriteWav(src / "kick.wav", 300);
  WriteWav(src / "snare.wav", 350);
  WriteWav(src / "hat.wav", 400);
  const std::string kitText =
      "kick.wav*Empty*snare.wav*Empty*hat.wav*Empty*Empty*Empty*Empty*Empty*";
  WriteText(src / "Src.trk", kitText);
  LoadKit(src / "Src.trk");
  ASSERT_TRUE(Messages().empty());
  fs::remove(src / "snare.wav");

  // Saved as a new kit, and by "Yes" over an existing one whose own snare stays.
  fs::create_directories(dir / "Old");
  WriteText(dir / "Old" / "snare.wav", "an older snare");
  for (const std::string name : {"New", "Old"}) {
    w.KitName1().SetText(name);
    Save(dir);
    if (Dialog()) Press("PushButton1");
    EXPECT_TRUE(OneMessage("The kit \"" + name + "\" was saved without these sounds",
                           "can't be read: row 3, \"snare.wav\"."));
    EXPECT_EQ(ReadText(dir / name / (name + ".trk")), kitText);
    for (const char* sound : {"kick.wav", "hat.wav"})
      EXPECT_TRUE(ReadText(dir / name / sound) == ReadText(src / sound)) << name << sound;
  }
  EXPECT_EQ(Listing(dir / "New"), (Names{"New.trk", "hat.wav", "kick.wav"}));
  EXPECT_EQ(ReadText(dir / "Old" / "snare.wav"), "an older snare");

  // Loaded again, only the row of the missing sound is emptied.
  LoadKit(dir / "New" / "New.trk");
  EXPECT_TRUE(OneMessage("I can't find snare.wav!"));
  ExpectEmpty(3);
  EXPECT_EQ(w.SoundItem(5)->Path(), dir / "New" / "hat.wav");
  EXPECT_EQ(w.SoundItem(1)->Path(), dir / "New" / "kick.wav");
}

TEST_F(KitSave, AKitNameThatIsNotUtf8IsSavedUnderItsOwnBytes) {
  // Loaded from "Caf\xE9.trk" and saved back: the same kit folder, so asked first.
  const fs::path kit = dir / "Caf\xE9";
  fs::create_directories(kit);
  WriteText(kit / "Caf\xE9.trk", "Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*");
  LoadKit(kit / "Caf\xE9.trk");
  EXPECT_EQ(w.KitName1().Text(), "Caf\xE9");
  Save(dir);
  EXPECT_TRUE(Dialog());
  EXPECT_EQ(Listing(dir), (Names{"Caf\xE9", "app", "src"}));
}

TEST_F(KitSave, RefusedSavesSayWhyAndWriteNothing) {
  fs::create_directories(dir / "other");
  WriteWav(dir / "other" / "kick.wav", 500);
  WriteWav(dir / "src" / "hat*open.wav");
  WriteWav(dir / "src" / "Drums.trk");
  fs::create_symlink("Loop", dir / "Loop");
  const struct {
    std::string kit;
    int row;  // given `sound` besides row 1's kick
    const char* sound;
    std::string message;
  } cases[] = {
      {"a/b", 0, "", "The kit name \"a/b\" can't be used"},
      {std::string(252, 'k'), 0, "", "The kit name is too long"},
      {"Loop", 0, "", "The kit folder \"Loop\" could not be created"},
      {"Star", 4, "src/hat*open.wav", "The kit can't be saved: the sound of row 4, \"hat*open"},
      {"Drums", 3, "src/Drums.trk",
       "The kit can't be saved: the sound of row 3, \"Drums.trk\", has the name of the kit file"},
      {"Twins", 7, "other/kick.wav",
       "The kit can't be saved: rows 1 and 7 hold different sound files named \"kick.wav\""},
  };
  for (const auto& c : cases) {
    w.KitNew_MouseDown(w.Get<fw::Canvas>("KitNew"), 1, 1);
    SetRow(1, dir / "src" / "kick.wav");
    if (c.row) SetRow(c.row, dir / c.sound);
    w.KitName1().SetText(c.kit);
    Save(dir);
    EXPECT_TRUE(OneMessage(c.message)) << c.kit;
    EXPECT_FALSE(Dialog());
  }
  EXPECT_EQ(Listing(dir), (Names{"Loop", "app", "other", "src"}));
}

TEST_F(KitSave, AFailedWriteLeavesNoNewFolderAndAReplacedOneAsItWas) {
  // A folder where nothing may be made: the reason is the one mkdir gives.
  ASSERT_NE(::mkdir("/sys/Untitled Kit", 0777), 0);
  const std::string reason = std::generic_category().message(errno);
  ASSERT_NE(errno, ENOENT);
  Save("/sys");
  EXPECT_TRUE(OneMessage("The kit folder \"Untitled Kit\" could not be created: " + reason));

  // A file where the kit folder should go: "Yes" cannot make the folder.
  WriteText(dir / "Untitled Kit", "a file");
  Save(dir);
  Press("PushButton1");
  EXPECT_TRUE(OneMessage("The kit folder \"Untitled Kit\" could not be created: "));
  EXPECT_EQ(ReadText(dir / "Untitled Kit"), "a file");

  // The disk fills while the sounds are copied.
  fs::create_directories(dir / "Full");
  WriteText(dir / "Full" / "Full.trk", "old");
  WriteWav(dir / "src" / "long.wav", 20000);
  SetRow(3, dir / "src" / "long.wav");
  for (const char* name : {"New", "Full"}) {
    w.KitName1().SetText(name);
    testsupport::FileSizeLimit limit(4000);
    Save(dir);
    if (Dialog()) Press("PushButton1");
    EXPECT_TRUE(OneMessage("The kit \"" + std::string(name) + "\" could not be saved: "));
  }
  EXPECT_EQ(Listing(dir), (Names{"Full", "Untitled Kit", "app", "src"}));
  EXPECT_EQ(Listing(dir / "Full"), Names{"Full.trk"});
  EXPECT_EQ(ReadText(dir / "Full" / "Full.trk"), "old");
}

TEST_F(KitSave, NewKitEmptiesEveryRowAndKeepsThePatterns) {
  w.Hit(1, 2, 3) = 1;
  SetRow(2, dir / "src" / "kick.wav");
  w.S(2) = blank()->Clone();
  w.Oval1(2).SetFillColor(fw::RGB(0, 255, 0));
  w.KitName1().SetText("Rock");
  w.KitNew_MouseDown(w.Get<fw::Canvas>("KitNew"), 1, 1);
  for (int row = 1; row <= 10; ++row) {
    ExpectEmpty(row, 0x402527);
    EXPECT_EQ(w.Oval1(row).FillColor(), fw::RGB(255, 255, 0));
  }
  EXPECT_EQ(std::pair(w.KitName1().Text(), w.Hit(1, 2, 3)),
            std::pair(std::string("Untitled Kit"), 1));
}

}  // namespace
}  // namespace filestest
