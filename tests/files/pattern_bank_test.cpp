// Pattern bank save and load through the window's buttons.
#include "files/pattern_bank.h"

#include <tuple>

#include "app/assets.h"
#include "tests/files/files_fixture.h"
#include "tests/support/unwritten_pipe.h"

namespace filestest {
namespace {

class PatternBank : public FilesTest {
 protected:
  void Save(const fs::path& path) {
    Answer(path.string());
    w.SavePattern_MouseDown(w.Get<fw::Canvas>("SavePattern"), 1, 1);
  }
  void Load(const fs::path& path) {
    Answer(path.string());
    w.LPattern_MouseDown(w.Get<fw::Canvas>("LPattern"), 1, 1);
  }
  // Everything a refused load must leave as it was.
  auto Document() {
    std::vector<fw::Color> lamps;
    for (int row = 1; row <= 10; ++row) lamps.push_back(w.Oval1(row).FillColor());
    return std::tuple(files::CollectBank(w), lamps, w.PatternText().Text(), w.linemodifier);
  }
};

TEST_F(PatternBank, SaveWritesTheWholeBankUnderTheChosenName) {
  Save(dir / "bank");
  EXPECT_EQ(asked.back(), "Untitled");
  EXPECT_EQ(ReadText(dir / "bank"), bank::WriteBank(StartupBank()));
  EXPECT_EQ(w.PatternText().Text(), "bank");
  Save("");
  EXPECT_EQ(asked.back(), "bank");  // the next save suggests the new name

  // Only a complete new bank replaces an existing one; a failed save says so.
  WriteText(dir / "old", "keep me");
  Save(dir / "old");
  EXPECT_EQ(ReadText(dir / "old").size(), 72694u);
  Save(dir / "no such folder" / "bank");
  EXPECT_TRUE(OneMessage("The pattern file \"bank\" could not be saved: "));
  EXPECT_EQ(w.PatternText().Text(), "old");
}

TEST_F(PatternBank, SaveThenLoadGivesBackEveryValue) {
  bank::BankValues saved = RandomBank(7);
  saved.tempo = "133";
  saved.swing = "3";
  files::ApplyBank(w, saved);
  Save(dir / "mine");
  files::ApplyBank(w, RandomBank(8));
  w.Pattern = 7;
  Load(dir / "mine");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(files::CollectBank(w), saved);
  EXPECT_EQ(w.Oval1(2).FillColor(), fw::RGB(saved.colors[1][0], saved.colors[1][1], 0));
  // Played at the bank's tempo and swing, from pattern 1 with its length.
  EXPECT_EQ(std::tuple(w.PatternText().Text(), w.Swing, w.Pattern, w.NumBeats),
            std::tuple("mine", 3, 1, 32 - 4 * (saved.hit(1, 0, 0) - 1)));
}

TEST_F(PatternBank, LoadedModeLengthAndPansShowInTheWindow) {
  for (int row = 1; row <= 10; ++row) w.S(row) = blank()->Clone();
  w.S(3)->Pan = w.S(4)->Pan = 33;
  auto v = StartupBank();
  v.mode = "5ths";
  v.colors[2] = {255, 150};
  v.colors[3] = {200, 200};  // no pan position: the sound keeps its pan
  v.hit(1, 0, 0) = 3;
  WriteText(dir / "first", bank::WriteBank(v));
  Load(dir / "first");
  EXPECT_EQ(std::tuple(w.OctaveText().Text(), w.linemodifier, w.bottompixel),
            std::tuple("5ths", 7, 131));
  EXPECT_EQ(w.Oval1(4).FillColor(), fw::RGB(200, 200, 0));
  EXPECT_EQ(std::tuple(w.S(3)->Pan, w.S(4)->Pan, w.S(5)->Pan), std::tuple(60, 33, 0));
  EXPECT_EQ(std::tuple(w.Meter, w.NumBeats, w.NumB().Text()), std::tuple(3, 24, "6"));
  EXPECT_TRUE(w.SRCell(1, 24).Visible() && !w.SRCell(1, 25).Visible());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatternBank, LengthCodesNoButtonGivesLoadAndKeepTheLengthShown) {
  auto v = RandomBank(5);
  v.hit(1, 0, 0) = 3;  // 24 steps
  const int odd[] = {0, 5, 7, -3};
  for (int i = 0; i < 4; ++i) v.hit(2 + i, 0, 0) = odd[i];
  WriteText(dir / "odd", bank::WriteBank(v));
  Load(dir / "odd");
  EXPECT_TRUE(Messages().empty());
  for (int i = 0; i < 4; ++i) {
    fw::testing::TypeKey(w, ".");
    EXPECT_EQ(std::tuple(w.Pattern, w.Meter, w.NumBeats, w.NumB().Text()),
              std::tuple(2 + i, odd[i], 24, "6"));
    EXPECT_TRUE(w.SRCell(10, 24).Visible() && !w.SRCell(10, 25).Visible()) << odd[i];
  }
  // One press of the length button gives 32 steps from any such code.
  const fw::Canvas& length = w.Get<fw::Canvas>("Canvas10");
  fw::testing::Click(w, length.Left() + 1, length.Top() + 1);
  EXPECT_EQ(std::tuple(w.Hit(5, 0, 0), w.NumBeats, w.NumB().Text()), std::tuple(1, 32, "8"));
  EXPECT_TRUE(w.SRCell(1, 32).Visible());
  // The codes left alone travel through a save and a load as they were.
  v.hit(5, 0, 0) = 1;
  Save(dir / "again");
  Load(dir / "again");
  Save(dir / "third");
  EXPECT_EQ(ReadText(dir / "third"), bank::WriteBank(v));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatternBank, RefusedFilesChangeNothingAndSayWhyOnce) {
  files::ApplyBank(w, RandomBank(11));
  w.Hit(1, 0, 0) = 2;
  w.OctaveText().SetText("WholeTones");
  w.Pattern = 7;
  Load("");  // a cancelled load reads nothing, and shows pattern 1 as after every refusal
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(std::tuple(w.Pattern, w.StaticText20().Text(), w.NumBeats), std::tuple(1, "1", 28));
  const auto before = Document();

  const std::string good = bank::WriteBank(StartupBank());
  WriteText(dir / "vel500", WithValue(good, bank::ValueIndexOfCell(9, 4, 7) + 1, "500"));
  // A good bank with blanks after it reads, but not when that makes it too large.
  WriteText(dir / "huge", good);
  fs::resize_file(dir / "huge", (16u << 20) + 1);
  fs::create_directories(dir / "folder");
  testsupport::UnwrittenPipe pipe(dir / "pipe");  // a pipe never ends
  const std::pair<const char*, const char*> files[] = {{"vel500", "step 7 is 500"},
                                                       {"huge", "too large"},
                                                       {"folder", ""},
                                                       {"pipe", "not a regular file"}};
  for (const auto& [name, why] : files) {
    Load(dir / name);
    EXPECT_TRUE(
        OneMessage("The pattern file \"" + std::string(name) + "\" can't be loaded: ", why));
    EXPECT_TRUE(Document() == before) << name;
  }
}

}  // namespace
}  // namespace filestest
