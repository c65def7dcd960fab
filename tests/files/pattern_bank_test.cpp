// Pattern bank save and load through the window's buttons.
#include "files/pattern_bank.h"

#include <sys/stat.h>

#include <algorithm>
#include <random>

#include "files/bank_format.h"
#include "platform/numbers.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

using Kind = fw::testing::DialogKind;

class PatternBank : public FilesTest {
 protected:
  bool Save() { return w.SavePattern_MouseDown(w.Get<fw::Canvas>("SavePattern"), 1, 1); }
  bool Load() { return w.LPattern_MouseDown(w.Get<fw::Canvas>("LPattern"), 1, 1); }

  void Scribble(uint32_t seed) {
    std::mt19937 rng(seed);
    for (int p = 1; p <= 50; ++p) {
      w.Hit(p, 0, 0) = 1 + int(rng() % 4);
      for (int r = 1; r <= 10; ++r)
        for (int s = 1; s <= 32; ++s) {
          const bool on = rng() % 4 == 0;
          w.Hit(p, r, s) = on;
          w.SV(p, r, s) = on ? std::array{100, 50, 10}[rng() % 3] : 0;
        }
    }
    const int pans[5][2] = {{255, 0}, {255, 150}, {255, 255}, {150, 255}, {0, 255}};
    for (int row = 1; row <= 10; ++row) {
      w.lineColor(row, 0) = pans[rng() % 5][0];
      w.lineColor(row, 1) = pans[rng() % 5][1];
    }
  }

  fs::path WriteBank(const std::string& name, const bank::BankValues& v) {
    WriteText(dir / name, bank::WriteBank(v));
    return dir / name;
  }
  static bank::BankValues StartBank() {
    bank::BankValues v;
    for (auto& c : v.colors) c = {255, 255};
    for (int p = 1; p <= 50; ++p) v.hit(p, 0, 0) = 1;
    return v;
  }
};

TEST_F(PatternBank, SaveOfTheStartStateWritesTheWholeEmptyBank) {
  Answer({(dir / "bank").string()});
  EXPECT_FALSE(Save());
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].kind, Kind::SaveAs);
  EXPECT_EQ(asked[0].suggested, "Untitled");
  const std::string text = ReadText(dir / "bank");
  EXPECT_EQ(text.size(), 72694u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '*'), 36323);
  EXPECT_EQ(text.substr(0, 22), "120*Octaves*0*255*255*");
  EXPECT_EQ(w.PatternText().Text(), "bank");
  EXPECT_TRUE(Messages().empty());

  // The next save suggests the new name.
  Answer({""});
  Save();
  EXPECT_EQ(asked.back().suggested, "bank");
}

TEST_F(PatternBank, SaveThenLoadGivesBackEveryValue) {
  Scribble(7);
  w.StaticText1().SetText("133");
  w.OctaveText().SetText("SemiTones");
  w.SwingText().SetText("3");
  const auto hit = w.Hit;
  const auto sv = w.SV;
  const auto colors = w.lineColor;
  Answer({(dir / "mine").string()});
  Save();

  Scribble(8);
  w.StaticText1().SetText("60");
  w.OctaveText().SetText("Octaves");
  w.SwingText().SetText("0");
  w.PatternText().SetText("other");
  Answer({(dir / "mine").string()});
  EXPECT_FALSE(Load());
  EXPECT_EQ(asked.back().kind, Kind::Open);
  EXPECT_TRUE(Messages().empty());
  for (int p = 1; p <= 50; ++p)
    for (int r = 0; r <= 10; ++r)
      for (int s = 0; s <= 32; ++s) {
        ASSERT_EQ(w.Hit(p, r, s), hit(p, r, s));
        ASSERT_EQ(w.SV(p, r, s), sv(p, r, s));
      }
  for (int row = 1; row <= 10; ++row) {
    EXPECT_EQ(w.lineColor(row, 0), colors(row, 0));
    EXPECT_EQ(w.lineColor(row, 1), colors(row, 1));
    EXPECT_EQ(w.Oval1(row).FillColor(), fw::RGB(colors(row, 0), colors(row, 1), 0));
  }
  EXPECT_EQ(w.StaticText1().Text(), "133");
  EXPECT_EQ(w.SwingText().Text(), "3");
  EXPECT_EQ(w.Swing, 3);
  EXPECT_DOUBLE_EQ(w.SwingNumUp, 1.2);
  EXPECT_DOUBLE_EQ(w.SixteenNote, (1000000.0 / (133 / 60.0)) / 4);
  EXPECT_EQ(w.linemodifier, 1);
  EXPECT_EQ(w.bottompixel, 125);
  EXPECT_EQ(w.PatternText().Text(), "mine");
  EXPECT_EQ(w.Pattern, 1);
  EXPECT_EQ(w.Meter, hit(1, 0, 0));
  EXPECT_EQ(w.NumBeats, 32 - 4 * (hit(1, 0, 0) - 1));
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
  EXPECT_FALSE(Load());
  EXPECT_EQ(w.Pattern, 1);
  EXPECT_EQ(w.StaticText20().Text(), "1");
  EXPECT_EQ(w.Meter, 2);
  EXPECT_EQ(w.NumBeats, 28);
  EXPECT_TRUE(w.Hit == hit);
  EXPECT_TRUE(w.SV == sv);
  EXPECT_TRUE(w.lineColor == colors);
  EXPECT_EQ(w.StaticText1().Text(), "120");
  EXPECT_EQ(w.PatternText().Text(), "Untitled");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatternBank, CancelledSaveWritesNothing) {
  EXPECT_FALSE(Save());
  EXPECT_TRUE(Listing(dir).size() == 1u);  // only "app"
  EXPECT_EQ(w.PatternText().Text(), "Untitled");
}

TEST_F(PatternBank, IntervalModeTextSetsTheSpacing) {
  auto v = StartBank();
  v.mode = "5ths";
  Answer({WriteBank("fifths", v).string()});
  Load();
  EXPECT_EQ(w.OctaveText().Text(), "5ths");
  EXPECT_EQ(w.linemodifier, 7);
  EXPECT_EQ(w.bottompixel, 131);

  v.mode = "Thirds";
  Answer({WriteBank("thirds", v).string()});
  Load();
  EXPECT_EQ(w.OctaveText().Text(), "Thirds");
  EXPECT_EQ(w.linemodifier, 7);  // as it was
  EXPECT_EQ(w.bottompixel, 131);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PatternBank, PanColoursSetLampsAndOnlyKnownColoursSetPans) {
  OwnSounds();
  w.S(3)->Pan = 33;
  w.S(4)->Pan = 33;
  auto v = StartBank();
  v.colors[2] = {255, 150};
  v.colors[3] = {200, 200};
  Answer({WriteBank("pans", v).string()});
  Load();
  EXPECT_EQ(w.Oval1(3).FillColor(), fw::RGB(255, 150, 0));
  EXPECT_EQ(w.S(3)->Pan, 60);
  EXPECT_EQ(w.Oval1(4).FillColor(), fw::RGB(200, 200, 0));
  EXPECT_EQ(w.S(4)->Pan, 33);
  EXPECT_EQ(w.S(5)->Pan, 0);
}

TEST_F(PatternBank, LengthOfPatternOneShowsAfterTheLoad) {
  auto v = StartBank();
  v.hit(1, 0, 0) = 3;
  v.hit(2, 0, 0) = 4;
  Answer({WriteBank("three", v).string()});
  Load();
  EXPECT_EQ(w.Meter, 3);
  EXPECT_EQ(w.NumBeats, 24);
  EXPECT_EQ(w.NumB().Text(), "6");
  EXPECT_FALSE(w.SRCell(1, 25).Visible());
  EXPECT_TRUE(w.SRCell(1, 24).Visible());

  v.hit(1, 0, 0) = 4;
  Answer({WriteBank("four", v).string()});
  Load();
  EXPECT_EQ(w.NumBeats, 20);
  EXPECT_EQ(w.Hit(2, 0, 0), 4);
}

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

Document Snapshot(Window1& w) {
  Document d{w.Hit, w.SV, w.lineColor, {}, {}, w.Swing, w.linemodifier};
  d.texts = {w.StaticText1().Text(), w.OctaveText().Text(), w.SwingText().Text(),
             w.PatternText().Text(), w.StaticText20().Text()};
  for (int row = 1; row <= 10; ++row) d.lamps.push_back(w.Oval1(row).FillColor());
  return d;
}

TEST_F(PatternBank, RefusedFilesChangeNothingAndSayWhyOnce) {
  Scribble(11);
  w.Hit(1, 0, 0) = 1;
  w.OctaveText().SetText("WholeTones");
  w.ApplyIntervalModeText();
  for (int row = 1; row <= 10; ++row)
    w.Oval1(row).SetFillColor(fw::RGB(w.lineColor(row, 0), w.lineColor(row, 1), 0));
  Load();  // a cancelled load: pattern 1 shown, as after every refusal
  const Document before = Snapshot(w);

  const std::string good = bank::WriteBank(StartBank());
  auto with = [&](int index, const std::string& value) {
    auto pieces = fw::Split(good, "*");
    pieces[index] = value;
    std::string out;
    for (size_t i = 0; i + 1 < pieces.size(); ++i) out += pieces[i] + "*";
    return out;
  };
  const struct {
    const char* name;
    std::string text;
  } bad[] = {
      {"short", good.substr(0, 5000)},
      {"words", "Dear diary, today I made a beat."},
      {"tempo0", with(0, "0")},
      {"pan300", with(5, "300")},
      {"meter9", with(bank::ValueIndexOfCell(4, 0, 0), "9")},
      {"vel500", with(bank::ValueIndexOfCell(9, 4, 7) + 1, "500")},
  };
  for (const auto& b : bad) {
    WriteText(dir / b.name, b.text);
    fw::testing::ClearMessages();
    Answer({(dir / b.name).string()});
    Load();
    ASSERT_EQ(Messages().size(), 1u) << b.name;
    EXPECT_EQ(Messages()[0].rfind(
                  "The pattern file \"" + std::string(b.name) + "\" can't be loaded: ", 0),
              0u)
        << Messages()[0];
    EXPECT_TRUE(Snapshot(w) == before) << b.name;
  }
  // A folder is no bank either.
  fs::create_directories(dir / "folder");
  fw::testing::ClearMessages();
  Answer({(dir / "folder").string()});
  Load();
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(Snapshot(w) == before);
  // Nor is a pipe, which would never give an end to read to.
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  fw::testing::ClearMessages();
  Answer({(dir / "pipe").string()});
  Load();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("not a regular file"), std::string::npos) << Messages()[0];
  EXPECT_TRUE(Snapshot(w) == before);
}

TEST_F(PatternBank, AFailedSaveIsReportedAndKeepsTheName) {
  Answer({(dir / "no such folder" / "bank").string()});
  Save();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].rfind("The pattern file \"bank\" could not be saved: ", 0), 0u)
      << Messages()[0];
  EXPECT_EQ(w.PatternText().Text(), "Untitled");

  // An existing bank is replaced only by a complete new one.
  WriteText(dir / "old", "keep me");
  Answer({(dir / "old").string()});
  Save();
  EXPECT_EQ(ReadText(dir / "old").size(), 72694u);
}

}  // namespace
}  // namespace filestest
