// Row labels, row pads and pan bars on the real window.
#include <sndfile.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/assets.h"
#include "platform/base/files.h"
#include "tests/grid/grid_window.h"
#include "tests/support/unwritten_pipe.h"

namespace {

using gridtest::kBlack;
using gridtest::kYellow;
namespace fs = std::filesystem;

// A short WAV file of the default kit, copied under a new name.
void CopyWav(const fs::path& path) {
  fs::copy_file(fw::ApplicationFolder()->Path() / "TKTRKits" / "Default Kit" / "Kick.wav", path);
}

class RowsAndPans : public gridtest::GridWindow {
 protected:
  fs::path dir = fs::temp_directory_path() / ("taktora_grid_" + std::to_string(::getpid()));
  std::string labelText[11];
  fw::SoundRef sound[11];
  fw::FolderItemRef item[11];

  void SetUp() override {
    GridWindow::SetUp();
    fs::create_directories(dir);
    for (int r = 1; r <= 10; ++r) {
      labelText[r] = w.StaticText3(r).Text();
      sound[r] = w.S(r);
      item[r] = w.SoundItem(r);
      w.SoundEditFlag(r) = 0;
    }
  }
  void TearDown() override {
    fw::testing::ClearDialogAnswerer();
    for (int r = 1; r <= 10; ++r) {
      w.StaticText3(r).SetText(labelText[r]);
      w.S(r) = sound[r];
      w.SoundItem(r) = item[r];
    }
    w.MainVolume = 100;
    w.percentvolume = 1.0;
    w.playon = false;
    w.CurrentBeat = 0;
    fs::remove_all(dir);
  }
  void Answer(const std::string& path) {
    fw::testing::SetDialogAnswerer(
        [path](fw::testing::DialogKind, const std::string&) { return path; });
  }
};

TEST_F(RowsAndPans, ContextualLabelClickLoadsASoundOrRefusesClearly) {
  Answer("");  // cancelled
  ClickOn(w.StaticText3(2), true);
  EXPECT_EQ(w.StaticText3(2).Text(), labelText[2]);
  EXPECT_TRUE(fw::testing::Messages().empty());

  // Every refusal says why, keeps the row as it was, and never hangs.
  std::ofstream(dir / "notes.wav") << "not a sound at all";
  SF_INFO info{0, 8000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 0, 0};
  SNDFILE* longFile = sf_open((dir / "long.wav").c_str(), SFM_WRITE, &info);
  const std::vector<short> silence(61 * 8000);
  sf_write_short(longFile, silence.data(), static_cast<sf_count_t>(silence.size()));
  sf_close(longFile);
  testsupport::UnwrittenPipe pipe(dir / "pipe.wav");
  const std::string refused = "\" is not a sound file Taktora can play: ";
  for (const auto& [name, why] : {std::pair<std::string, std::string>{"notes.wav", "its format "},
                                  {"long.wav", "longer than 60 seconds."},
                                  {"pipe.wav", "it is not a regular file."}}) {
    fw::testing::ClearMessages();
    Answer((dir / name).string());
    ClickOn(w.StaticText3(2), true);
    EXPECT_EQ(w.StaticText3(2).Text(), labelText[2]);
    EXPECT_EQ(w.S(2), sound[2]);
    EXPECT_EQ(w.SoundItem(2), item[2]);
    ASSERT_EQ(fw::testing::Messages().size(), 1u);
    EXPECT_EQ(fw::testing::Messages()[0].substr(0, name.size() + refused.size() + why.size() + 1),
              "\"" + name + refused + why);
  }
  EXPECT_FALSE(pipe.BlockedAReader());

  CopyWav(dir / "Tom.wav");
  Answer((dir / "Tom.wav").string());
  ClickOn(w.StaticText3(2), true);
  EXPECT_EQ(w.StaticText3(2).Text(), "Tom.wav");
  EXPECT_EQ(w.StaticText3(2).TextColor(), 0xB4686Eu);
  EXPECT_NE(w.S(2), sound[2]);
  EXPECT_EQ(w.SoundItem(2)->Name(), "Tom.wav");
  EXPECT_EQ(w.SoundEditFlag(2), 0);  // loading does not select
}

TEST_F(RowsAndPans, PadAuditionsWhileStopped) {
  CopyWav(dir / "Kick.wav");
  auto kick = fw::Sound::OpenFile((dir / "Kick.wav").string());
  ASSERT_NE(kick, nullptr);
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
  w.lineColor(2, 0) = 255;
  w.lineColor(2, 1) = 0;
  w.playon = true;
  w.CurrentBeat = 5;
  ClickOn(Named("Canvas2", 2));
  EXPECT_EQ(std::pair(w.Hit(1, 2, 5), w.SV(1, 2, 5)), std::pair(1, 100));
  EXPECT_EQ(Face(2, 5), bluebuttonon());
  EXPECT_EQ(Line(123, 0xFF0000), "64..78");

  // Before the first step and after a stop a press records nothing.
  w.Meter = 4;
  w.MeterDisplay();
  for (int beat : {0, -1, 33}) {
    w.CurrentBeat = beat;
    ClickOn(Named("Canvas2", 2));
  }
  for (int s = 1; s <= 32; ++s) EXPECT_EQ(w.Hit(1, 2, s), s == 5 ? 1 : 0) << s;
  EXPECT_EQ(Line(123, 0xFF0000), "64..78");

  // Beyond a just-shortened length the hit lands on the hidden step, drawn in
  // the shaded tail.
  w.CurrentBeat = 25;
  ClickOn(Named("Canvas2", 2));
  EXPECT_EQ(std::pair(w.Hit(1, 2, 25), w.SV(1, 2, 25)), std::pair(1, 100));
  EXPECT_EQ(Line(123, 0xFF0000), "64..78,384..398");
}

TEST_F(RowsAndPans, EveryPanBarPansTheSelectedRowAndShowsItsColour) {
  w.S(4) = blank()->Clone();
  ClickCell(4, 1);
  ClickCell(4, 3);
  ClickCell(4, 3, true);  // velocity 50: half the pen
  w.StaticText3(4).SetText("Hat.wav");
  const struct {
    const char* bar;
    int pan;
    fw::Color lamp, halfPen;
  } bars[] = {{"GreenBar", -100, 0x00FF00, 0x008000},
              {"Limebar", -60, 0x96FF00, 0x4B8000},
              {"Yellowbar", 0, 0xFFFF00, 0x808000},
              {"OrangeBar", 60, 0xFF9600, 0x804B00},
              {"RedBar", 100, 0xFF0000, 0x800000}};
  for (const auto& b : bars) {
    ClickOn(w.StaticText3(3));
    ClickOn(w.StaticText3(4));  // a plain label click selects that row alone
    EXPECT_EQ(w.DrumName().Text(), "Hat.wav");
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(w.SoundEditFlag(r), r == 4 ? 1 : 0);
    ClickOn(Named(b.bar));
    EXPECT_EQ(w.S(4)->Pan, b.pan) << b.bar;
    EXPECT_EQ(w.Oval1(4).FillColor(), b.lamp) << b.bar;
    EXPECT_EQ(Line(88, b.lamp), "0..14") << b.bar;
    EXPECT_EQ(Line(88, b.halfPen), "32..46") << b.bar;
    EXPECT_EQ(w.DrumName().Text(), "");
    EXPECT_EQ(w.SoundEditFlag(4), 0) << "the selection is used up";
  }
  // With nothing selected a bar changes no row.
  ClickOn(Named("GreenBar"));
  EXPECT_EQ(w.Oval1(4).FillColor(), 0xFF0000u);

  // Reset: centre colours and pans, lines redrawn, selection kept.
  ClickOn(w.StaticText3(4));
  ClickOn(Named("Canvas8"));
  EXPECT_EQ(w.S(4)->Pan, 0);
  EXPECT_EQ(w.Oval1(4).FillColor(), 0xFFFF00u);
  EXPECT_EQ(Line(88, kYellow), "0..14");
  EXPECT_EQ(w.SoundEditFlag(4), 1);
}

}  // namespace
