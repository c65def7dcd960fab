#include "tests/support/started_window.h"

#include <unistd.h>

#include <filesystem>
#include <memory>

#include "app/app.h"
#include "app/startup.h"
#include "platform/base/files.h"
#include "platform/base/thread.h"

namespace {

class StartedProgram : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("taktora-started-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    fw::SetApplicationFolder(folder_);
    app_ = startup::MakeApplication();
    startup::MakeDefaultView();
  }
  void TearDown() override {
    startup::Finalize();
    app_.reset();
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<App> app_;
};

[[maybe_unused]] auto* const kProgram = ::testing::AddGlobalTestEnvironment(new StartedProgram);

}  // namespace

Window1& StartedWindow() { return Window1::Instance(); }

void StartedTest::SetUp() {
  if (w.playon) w.StopPlayback();
  w.playon = false;  // some tests only pretend to play
  fw::JoinAllThreads();
  w.CurrentBeat = 0;
  w.NoteRepeat = false;
  w.StaticText33().SetText("Off");
  w.Swing = 0;
  w.SwingText().SetText("0");
  w.StaticText1().SetText("120");
  w.CalculateSwing();
  w.MainVolume = 100;
  w.percentvolume = 1.0;
  w.VolumeText().SetText("100");
  w.OctaveText().SetText("Octaves");
  w.ApplyIntervalModeText();
  w.ResetColors();
  for (int p = 1; p <= 50; ++p) {
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) w.Hit(p, r, s) = w.SV(p, r, s) = 0;
    w.Hit(p, 0, 0) = 1;
  }
  w.Pattern = w.Meter = 1;
  w.OldPattern = 0;  // nothing copied yet
  w.StaticText20().SetText("1");
  w.ClearDisplay();
  w.MeterDisplay();
  w.DrumName().SetText("");
  for (int r = 1; r <= 10; ++r) {
    sound_[r] = w.S(r);
    item_[r] = w.SoundItem(r);
    w.SoundEditFlag(r) = 0;
  }
  fw::testing::ClearMessages();
}

void StartedTest::TearDown() {
  fw::testing::ClearDialogAnswerer();
  for (int r = 1; r <= 10; ++r) {
    w.S(r) = sound_[r];
    w.SoundItem(r) = item_[r];
    w.StaticText3(r).SetText("Empty");
    w.StaticText3(r).SetTextColor(0x63393D);
  }
}

void StartedTest::ClickOn(const fw::Control& c, bool contextual) {
  fw::testing::Click(w, c.Left() + c.Width() / 2, c.Top() + c.Height() / 2,
                     contextual ? fw::testing::Button::Right : fw::testing::Button::Left);
}
