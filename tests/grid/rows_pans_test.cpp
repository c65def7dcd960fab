// Row labels, row pads and pan bars on the real window.
#include <sndfile.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "tests/grid/grid_window.h"
#include "tests/support/unwritten_pipe.h"

namespace {

using gridtest::kYellow;
namespace fs = std::filesystem;

class RowsAndPans : public gridtest::GridWindow {
 protected:
  void Answer(const fs::path& path) {
    fw::testing::SetDialogAnswerer(
        [path](fw::testing::DialogKind, const std::string&) { return path.string(); });
  }
};

TEST_F(RowsAndPans, ContextualLabelClickLoadsASoundOrRefusesClearly) {
  const fs::path dir = fs::temp_directory_path() / ("taktora_rows_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fw::SoundRef before = w.S(2);
  Answer("");  // cancelled
  ClickOn(w.StaticText3(2), true);
  {
    testsupport::UnwrittenPipe pipe(dir / "pipe.wav");
    Answer(dir / "pipe.wav");
    ClickOn(w.StaticText3(2), true);
    EXPECT_FALSE(pipe.BlockedAReader());
  }
  EXPECT_EQ(std::tuple(w.StaticText3(2).Text(), w.S(2), w.SoundItem(2)),
            std::tuple("Empty", before, fw::FolderItemRef()));
  EXPECT_EQ(fw::testing::Messages(),
            std::vector<std::string>{
                "\"pipe.wav\" is not a sound file Taktora can play: it is not a regular file."});

  SF_INFO info{0, 8000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
  SNDFILE* f = sf_open((dir / "Tom.wav").c_str(), SFM_WRITE, &info);
  const std::vector<short> tone(800, 1000);
  sf_write_short(f, tone.data(), static_cast<sf_count_t>(tone.size()));
  sf_close(f);
  Answer(dir / "Tom.wav");
  ClickOn(w.StaticText3(2), true);
  EXPECT_EQ(std::pair(w.StaticText3(2).Text(), w.StaticText3(2).TextColor()),
            std::pair(std::string("Tom.wav"), 0xB4686Eu));
  EXPECT_NE(w.S(2), before);
  EXPECT_EQ(w.SoundItem(2)->Name(), "Tom.wav");
  EXPECT_EQ(w.SoundEditFlag(2), 0);  // loading does not select
  fs::remove_all(dir);
}

TEST_F(RowsAndPans, PadAuditionsWhileStoppedAtTheMainVolume) {
  auto kick = blank()->Clone();
  w.S(1) = kick;
  w.StaticText3(1).SetText("Kick.wav");
  w.MainVolume = 50;
  w.percentvolume = 0.5;
  ClickOn(Named("Canvas2", 1));
  EXPECT_EQ(kick->Volume, 25);
  kick->Volume = 80;
  w.StaticText3(1).SetText("EMPTY");  // the one text equality ignores case
  ClickOn(Named("Canvas2", 1));
  EXPECT_EQ(kick->Volume, 80);
  EXPECT_EQ(w.Hit(1, 1, 1), 0);
}

TEST_F(RowsAndPans, PadRecordsAtThePlayingStepLikeAClick) {
  ClickOn(Named("Canvas7"));  // "SemiTones"
  w.lineColor(2, 1) = 0;      // red
  w.playon = true;            // as the loop has it; no loop runs
  w.Meter = 4;
  w.MeterDisplay();
  // Before the first step and after a stop a press records nothing; beyond a
  // just-shortened length the hit lands on the hidden step, in the shaded tail.
  for (int beat : {5, 0, -1, 33, 25}) {
    w.CurrentBeat = beat;
    ClickOn(Named("Canvas2", 2));
  }
  for (int s = 1; s <= 32; ++s) {
    const bool on = s == 5 || s == 25;
    EXPECT_EQ(std::pair(w.Hit(1, 2, s), w.SV(1, 2, s)), std::pair(on ? 1 : 0, on ? 100 : 0)) << s;
  }
  EXPECT_EQ(Face(2, 5), bluebuttonon());
  EXPECT_EQ(Line(123, 0xFF0000), "64..78,384..398");
}

TEST_F(RowsAndPans, EveryPanBarPansTheSelectedRowAndShowsItsColour) {
  w.S(4) = blank()->Clone();
  ClickCell(4, 1);
  ClickCell(4, 3);
  ClickCell(4, 3, true);  // velocity 50: half the pen
  w.StaticText3(4).SetText("Hat.wav");
  const std::tuple<const char*, int, fw::Color, fw::Color> bars[] = {
      {"GreenBar", -100, 0x00FF00, 0x008000},
      {"Limebar", -60, 0x96FF00, 0x4B8000},
      {"Yellowbar", 0, 0xFFFF00, 0x808000},
      {"OrangeBar", 60, 0xFF9600, 0x804B00},
      {"RedBar", 100, 0xFF0000, 0x800000}};
  for (const auto& [bar, pan, lamp, halfPen] : bars) {
    ClickOn(w.StaticText3(3));
    ClickOn(w.StaticText3(4));  // a plain label click selects that row alone
    EXPECT_EQ(w.DrumName().Text(), "Hat.wav");
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(w.SoundEditFlag(r), r == 4 ? 1 : 0);
    ClickOn(Named(bar));
    EXPECT_EQ(std::pair(w.S(4)->Pan, w.Oval1(4).FillColor()), std::pair(pan, lamp)) << bar;
    EXPECT_EQ(Line(88, lamp) + " " + Line(88, halfPen), "0..14 32..46") << bar;
    EXPECT_EQ(std::pair(w.DrumName().Text(), w.SoundEditFlag(4)), std::pair(std::string(), 0))
        << "the selection is used up";
  }
  ClickOn(Named("GreenBar"));  // with nothing selected a bar changes no row
  EXPECT_EQ(w.Oval1(4).FillColor(), 0xFF0000u);

  // Reset: centre colours and pans, lines redrawn, selection kept.
  ClickOn(w.StaticText3(4));
  ClickOn(Named("Canvas8"));
  EXPECT_EQ(std::pair(w.S(4)->Pan, w.Oval1(4).FillColor()), std::pair(0, kYellow));
  EXPECT_EQ(Line(88, kYellow), "0..14");
  EXPECT_EQ(w.SoundEditFlag(4), 1);
}

}  // namespace
