// Whether loading a kit of long sounds during playback holds up the steps.
//
// Ten 60 s stereo files at 44.1 kHz (each starts with one full-scale sample,
// then silence) form a kit. Row 1 plays that first sound on all 32 steps at
// 120; after a few seconds the kit is loaded through a real click on the kit
// load button, which decodes and converts all ten. Every onset in the
// captured output is a step. Prints name: value lines:
//   kit_load_ms: how long the click took to handle;
//   step_late_max_us_quiet / _loading: the worst amount by which an interval
//     between two consecutive steps outlasted its Beat, before the load and
//     over the intervals that overlap it;
//   step_gap_max_us: the longest interval between two steps, against
//   beat_us: the interval every step should last.
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/measure.h"
#include "engine/window1.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound.h"
#include "platform/ui/application.h"
#include "platform/ui/testing.h"

namespace {

using bench::Onsets;

namespace fs = std::filesystem;

constexpr int kFileRate = 44100;
constexpr int kFileSeconds = 60;

// A 16-bit stereo WAV: one full-scale frame, then silence.
void WriteLongSound(const fs::path& path) {
  SF_INFO info{};
  info.samplerate = kFileRate;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) {
    std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
    std::exit(1);
  }
  std::vector<short> frames(static_cast<size_t>(kFileRate) * kFileSeconds * 2, 0);
  frames[0] = frames[1] = 32767;
  sf_writef_short(file, frames.data(), static_cast<sf_count_t>(frames.size() / 2));
  sf_close(file);
}

void RunFor(double seconds) {
  const double until = fw::Microseconds() + seconds * 1e6;
  while (fw::Microseconds() < until) fw::testing::ProcessEvents(50);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (!fw::RuntimeInit(argc, argv)) return 1;
  const fs::path folder =
      fs::temp_directory_path() / ("taktora-bench-kitload-" + std::to_string(::getpid()));
  fs::create_directories(folder / "Long");
  fw::SetApplicationFolder(folder);
  std::string kitText;
  for (int row = 1; row <= 10; ++row) {
    const std::string name = "long" + std::to_string(row) + ".wav";
    WriteLongSound(folder / "Long" / name);
    kitText += name + "*";
  }
  std::ofstream(folder / "Long" / "Long.trk") << kitText;
  int status = 0;
  {
    Window1& w = Window1::Instance();
    // Row 1 plays the kit's first sound before the load as after it, so each
    // step sounds alike.
    w.S(1) = fw::Sound::OpenFile((folder / "Long" / "long1.wav").string());
    for (int s = 1; s <= 32; ++s) {
      w.Hit(1, 1, s) = 1;
      w.SV(1, 1, s) = 100;
    }
    w.Pattern = 1;
    w.Meter = w.Hit(1, 0, 0);
    w.StaticText1().SetText("120");
    w.Swing = 0;
    w.CalculateSwing();
    fw::testing::ProcessEvents(200);

    fw::AudioOutput::StartCaptureToMemory();
    fw::testing::ProcessEvents(500);
    w.StartPlayback();
    RunFor(4.0);

    const std::string kit = (folder / "Long" / "Long.trk").string();
    fw::testing::SetDialogAnswerer(
        [kit](fw::testing::DialogKind, const std::string&) { return kit; });
    fw::Control& button = w.Get<fw::Canvas>("KitLoad");
    const double loadStart = fw::Microseconds();
    fw::testing::Click(w, button.Left() + button.Width() / 2, button.Top() + button.Height() / 2);
    const double loadEnd = fw::Microseconds();
    fw::testing::ClearDialogAnswerer();
    RunFor(3.0);
    w.StopPlayback();
    fw::testing::ProcessEvents(static_cast<int>(fw::AudioOutput::LatencyMicroseconds() / 1000) +
                               50);
    const std::vector<double> onsets = Onsets(fw::AudioOutput::TakeCapture());
    fw::AudioOutput::Stop();

    if (w.KitName1().Text() != "Long" || !fw::testing::Messages().empty()) {
      std::fprintf(stderr, "the kit did not load\n");
      status = 1;
    }
    const double beat = w.Beat(1);
    const double latency = fw::AudioOutput::LatencyMicroseconds();
    double lateQuiet = 0, lateLoading = 0, gapMax = 0;
    for (size_t k = 1; k < onsets.size(); ++k) {
      const double interval = onsets[k] - onsets[k - 1];
      const double late = interval - beat;
      gapMax = std::max(gapMax, interval);
      // Onsets sound one output latency after their step was played.
      const bool overlaps = onsets[k] - latency >= loadStart && onsets[k - 1] - latency <= loadEnd;
      double& worst = overlaps ? lateLoading : lateQuiet;
      worst = std::max(worst, late);
    }
    std::printf("steps_heard: %zu\n", onsets.size());
    std::printf("kit_load_ms: %.1f\n", (loadEnd - loadStart) / 1e3);
    std::printf("beat_us: %.1f\n", beat);
    std::printf("step_gap_max_us: %.1f\n", gapMax);
    std::printf("step_late_max_us_quiet: %.1f\n", lateQuiet);
    std::printf("step_late_max_us_loading: %.1f\n", lateLoading);
  }
  fw::RuntimeExit();
  fs::remove_all(folder);
  return status;
}
