// Pattern bank save and load through the window's buttons.
#include "files/pattern_bank.h"

#include <sys/stat.h>

#include <tuple>

#include "files/bank_format.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

using Kind = fw::testing::DialogKind;

// Everything a refused load must leave as it was.
struct Document {
  BoundedArray<int, 51, 11, 33> hit;
  BoundedArray<int, 101, 11, 33> sv;
  BoundedArray<int, 11, 2> colors;
  std::vector<std::string> texts;
  std::vector<fw::Color> lamps;
  int swing, linemodifier;
  bool operator==(const Document&) const = default;
};

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
  fs::path WriteBank(const std::string& name, const bank::BankValues& v) {
    WriteText(dir / name, bank::WriteBank(v));
    return dir / name;
  }
  // A random bank's steps, velocities, lengths and pan colours straight into
  // the window.
  void Scribble(uint32_t seed) {
    const bank::BankValues v = RandomBank(seed);
    for (int p = 1; p <= 50; ++p)
      for (int r = 0; r <= 10; ++r)
        for (int s = 0; s <= 32; ++s) {
          w.Hit(p, r, s) = v.hit(p, r, s);
          w.SV(p, r, s) = v.velocity(p, r, s);
        }
    for (int row = 1; row <= 10; ++row)
      for (int i : {0, 1}) w.lineColor(row, i) = v.colors[row - 1][i];
  }
  Document Snapshot() {
    Document d{w.Hit, w.SV, w.lineColor, {}, {}, w.Swing, w.linemodifier};
    d.texts = Texts();
    d.texts.push_back(w.StaticText20().Text());
    for (int row = 1; row <= 10; ++row) d.lamps.push_back(w.Oval1(row).FillColor());
    return d;
  }
};

TEST_F(PatternBank, SaveWritesTheWholeBankUnderTheChosenName) {
  Save("");  // cancelled: nothing written
  EXPECT_EQ(Listing(dir), std::vector<std::string>{"app"});
  EXPECT_EQ(w.PatternText().Text(), "Untitled");

  Save(dir / "bank");
  EXPECT_EQ(asked.back().kind, Kind::SaveAs);
  EXPECT_EQ(asked.back().suggested, "Untitled");
  EXPECT_EQ(ReadText(dir / "bank"), bank::WriteBank(StartupBank()));
  EXPECT_EQ(w.PatternText().Text(), "bank");
  EXPECT_TRUE(Messages().empty());
  Save("");
  EXPECT_EQ(asked.back().suggested, "bank");  // the next save suggests the new name
}

TEST_F(PatternBank, SaveThenLoadGivesBackEveryValue) {
  Scribble(7);
  w.StaticText1().SetText("133");
  w.OctaveText().SetText("SemiTones");
  w.SwingText().SetText("3");
  const auto hit = w.Hit;
  const auto sv = w.SV;
  const auto colors = w.lineColor;
  Save(dir / "mine");

  Scribble(8);
  w.StaticText1().SetText("60");
  w.OctaveText().SetText("Octaves");
  w.SwingText().SetText("0");
  w.PatternText().SetText("other");
  Load(dir / "mine");
  EXPECT_EQ(asked.back().kind, Kind::Open);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(w.Hit == hit && w.SV == sv && w.lineColor == colors);
  for (int row = 1; row <= 10; ++row)
    EXPECT_EQ(w.Oval1(row).FillColor(), fw::RGB(colors(row, 0), colors(row, 1), 0));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Untitled Kit", "mine", "133", "SemiTones", "3"}));
  // Swing, interval spacing, and pattern 1 shown with its length.
  EXPECT_DOUBLE_EQ(w.SwingNumUp, 1.2);
  EXPECT_DOUBLE_EQ(w.SixteenNote, (1000000.0 / (133 / 60.0)) / 4);
  EXPECT_EQ(std::tuple(w.Swing, w.linemodifier, w.bottompixel, w.Pattern, w.Meter, w.NumBeats),
            std::tuple(3, 1, 125, 1, hit(1, 0, 0), 32 - 4 * (hit(1, 0, 0) - 1)));
}

TEST_F(PatternBank, CancelledLoadShowsPatternOneAndChangesNoData) {
  Scribble(3);
  w.Hit(1, 0, 0) = 2;
  w.Pattern = 7;
  w.StaticText20().SetText("7");
  w.Meter = w.Hit(7, 0, 0);
  const auto hit = w.Hit;
  const auto sv = w.SV;
  const auto colors = w.lineColor;
  Load("");
  EXPECT_EQ(std::tuple(w.Pattern, w.StaticText20().Text(), w.Meter, w.NumBeats),
            std::tuple(1, "1", 2, 28));
  EXPECT_TRUE(w.Hit == hit && w.SV == sv && w.lineColor == colors);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Untitled Kit", "Untitled", "120", "Octaves", "0"}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatternBank, LoadedModeLengthAndPansShowInTheWindow) {
  OwnSounds();
  w.S(3)->Pan = 33;
  w.S(4)->Pan = 33;
  auto v = StartupBank();
  v.mode = "5ths";
  v.colors[2] = {255, 150};
  v.colors[3] = {200, 200};  // no pan position: the sound keeps its pan
  v.hit(1, 0, 0) = 3;
  v.hit(2, 0, 0) = 4;
  Load(WriteBank("first", v));
  EXPECT_EQ(std::tuple(w.OctaveText().Text(), w.linemodifier, w.bottompixel),
            std::tuple("5ths", 7, 131));
  EXPECT_EQ(w.Oval1(3).FillColor(), fw::RGB(255, 150, 0));
  EXPECT_EQ(w.Oval1(4).FillColor(), fw::RGB(200, 200, 0));
  EXPECT_EQ(std::tuple(w.S(3)->Pan, w.S(4)->Pan, w.S(5)->Pan), std::tuple(60, 33, 0));
  EXPECT_EQ(std::tuple(w.Meter, w.NumBeats, w.NumB().Text()), std::tuple(3, 24, "6"));
  EXPECT_TRUE(w.SRCell(1, 24).Visible() && !w.SRCell(1, 25).Visible());

  v.mode = "Thirds";  // an unknown mode keeps the spacing it had
  v.hit(1, 0, 0) = 4;
  Load(WriteBank("second", v));
  EXPECT_EQ(std::tuple(w.OctaveText().Text(), w.linemodifier, w.bottompixel, w.NumBeats),
            std::tuple("Thirds", 7, 131, 20));
  EXPECT_EQ(w.Hit(2, 0, 0), 4);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatternBank, RefusedFilesChangeNothingAndSayWhyOnce) {
  Scribble(11);
  w.Hit(1, 0, 0) = 1;
  w.OctaveText().SetText("WholeTones");
  w.ApplyIntervalModeText();
  for (int row = 1; row <= 10; ++row)
    w.Oval1(row).SetFillColor(fw::RGB(w.lineColor(row, 0), w.lineColor(row, 1), 0));
  Load("");  // a cancelled load: pattern 1 shown, as after every refusal
  const Document before = Snapshot();

  const std::string good = bank::WriteBank(StartupBank());
  const std::pair<const char*, std::string> files[] = {
      {"short", good.substr(0, 5000)},
      {"words", "Dear diary, today I made a beat."},
      {"tempo0", WithValue(good, 0, "0")},
      {"pan300", WithValue(good, 5, "300")},
      {"meter9", WithValue(good, bank::ValueIndexOfCell(4, 0, 0), "9")},
      {"vel500", WithValue(good, bank::ValueIndexOfCell(9, 4, 7) + 1, "500")}};
  for (const auto& [name, text] : files) WriteText(dir / name, text);
  // A good bank with blanks after it reads, but not when that makes it too large.
  WriteText(dir / "huge", good);
  fs::resize_file(dir / "huge", (16u << 20) + 1);
  fs::create_directories(dir / "folder");                // a folder is no bank either
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);  // nor a pipe, which never ends
  for (const char* name :
       {"short", "words", "tempo0", "pan300", "meter9", "vel500", "folder", "pipe", "huge"}) {
    Load(dir / name);
    const std::string n = name;
    EXPECT_TRUE(OneMessage("The pattern file \"" + n + "\" can't be loaded: ",
                           n == "pipe"   ? "not a regular file"
                           : n == "huge" ? "too large"
                                         : ""));
    EXPECT_TRUE(Snapshot() == before) << name;
  }
}

TEST_F(PatternBank, AFailedSaveIsReportedAndKeepsTheName) {
  Save(dir / "no such folder" / "bank");
  EXPECT_TRUE(OneMessage("The pattern file \"bank\" could not be saved: "));
  EXPECT_EQ(w.PatternText().Text(), "Untitled");

  // An existing bank is replaced only by a complete new one.
  WriteText(dir / "old", "keep me");
  Save(dir / "old");
  EXPECT_EQ(ReadText(dir / "old").size(), 72694u);
}

}  // namespace
}  // namespace filestest
