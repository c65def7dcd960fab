// Timing of playback through the real program: the main window, the Play
// path, the playback thread and the sound output, heard by the capture sink.
//
// Row 1 of pattern 1 holds a single-sample impulse on all 32 steps. For each
// scenario the program plays for 30 s with its event loop running; every
// onset in the captured output is a step. Prints name: value lines:
//   onset_interval_error_p99_us / _max_us: each interval between two
//     consecutive onsets against the step interval Beat(step) it should last;
//   tempo_drift_ppm: the whole played time against the sum of the intervals
//     (the loop counts each interval from the moment it found the previous
//     step due, so lateness adds up);
//   playback_cpu_percent: process processor time while playing, per wall
//     time, against one core (includes the capture sink's mixing);
//   idle_cpu_percent: the same while stopped with the window open.
// Lines with a suffix are per scenario; those without are over all of them.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/measure.h"
#include "engine/window1.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound.h"
#include "platform/sound/sound_data.h"
#include "platform/ui/application.h"
#include "platform/ui/testing.h"

namespace {

using bench::Onsets;
using bench::Percentile;

constexpr double kPlaySeconds = 30.0;
constexpr double kIdleSeconds = 8.0;

double CpuMicroseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

// Runs the event loop for the given time; returns the process CPU percent.
double RunEventLoop(double seconds) {
  const double cpu0 = CpuMicroseconds(), wall0 = fw::Microseconds();
  const double until = wall0 + seconds * 1e6;
  while (fw::Microseconds() < until) fw::testing::ProcessEvents(100);
  return 100.0 * (CpuMicroseconds() - cpu0) / (fw::Microseconds() - wall0);
}

// One full-scale frame at the output rate, then silence.
fw::SoundRef Impulse() {
  auto data = std::make_shared<fw::SampleData>();
  data->sampleRate = fw::AudioOutput::SampleRate();
  data->frames = 4;
  data->samples.assign(8, 0.0f);
  data->samples[0] = data->samples[1] = 1.0f;
  return std::make_shared<fw::Sound>(data);
}

struct Result {
  std::vector<double> errors;  // |interval - Beat|, µs
  double played = 0, planned = 0;
  double cpuPercent = 0;
};

Result Play(Window1& w, const char* tempo, int swing, const char* suffix) {
  w.StaticText1().SetText(tempo);
  w.Swing = swing;
  w.CalculateSwing();
  fw::AudioOutput::StartCaptureToMemory();
  fw::testing::ProcessEvents(500);  // the capture's clock settles

  const double cpu0 = CpuMicroseconds(), wall0 = fw::Microseconds();
  w.StartPlayback();
  while (fw::Microseconds() < wall0 + kPlaySeconds * 1e6) fw::testing::ProcessEvents(100);
  w.StopPlayback();
  Result r;
  r.cpuPercent = 100.0 * (CpuMicroseconds() - cpu0) / (fw::Microseconds() - wall0);
  fw::testing::ProcessEvents(static_cast<int>(fw::AudioOutput::LatencyMicroseconds() / 1000) + 50);
  const std::vector<double> onsets = Onsets(fw::AudioOutput::TakeCapture());
  fw::AudioOutput::Stop();

  std::vector<double> signedErrors;
  for (size_t k = 1; k < onsets.size(); ++k) {
    // Onset 0 is step 1; the interval ending at onset k is that of its step.
    const double beat = w.Beat(static_cast<int>(k % 32) + 1);
    const double interval = onsets[k] - onsets[k - 1];
    signedErrors.push_back(interval - beat);
    r.errors.push_back(std::abs(interval - beat));
    r.planned += beat;
    r.played += interval;
  }
  double mean = 0;
  for (double e : signedErrors) mean += e;
  if (!signedErrors.empty()) mean /= static_cast<double>(signedErrors.size());
  const double first = onsets.empty() ? 0 : onsets[0] - fw::AudioOutput::LatencyMicroseconds();

  std::printf("steps_heard_%s: %zu\n", suffix, onsets.size());
  std::printf("first_step_after_start_us_%s: %.1f (Beat(1) %.1f)\n", suffix, first - wall0,
              w.Beat(1));
  std::printf("onset_interval_error_p50_us_%s: %.1f\n", suffix, Percentile(r.errors, 0.50));
  std::printf("onset_interval_error_p99_us_%s: %.1f\n", suffix, Percentile(r.errors, 0.99));
  std::printf("onset_interval_error_max_us_%s: %.1f\n", suffix, Percentile(r.errors, 1.0));
  std::printf("onset_interval_late_mean_us_%s: %.2f\n", suffix, mean);
  std::printf("tempo_drift_ppm_%s: %.1f\n", suffix, (r.played - r.planned) / r.planned * 1e6);
  std::printf("playback_cpu_percent_%s: %.2f\n", suffix, r.cpuPercent);
  std::fflush(stdout);
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (!fw::RuntimeInit(argc, argv)) return 1;
  const auto folder = std::filesystem::temp_directory_path() /
                      ("taktora-bench-playback-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  fw::SetApplicationFolder(folder);
  {
    Window1& w = Window1::Instance();
    fw::SoundRef impulse = Impulse();
    if (!impulse) {
      std::fprintf(stderr, "the impulse sound did not decode\n");
      return 1;
    }
    w.S(1) = impulse;
    for (int s = 1; s <= 32; ++s) {
      w.Hit(1, 1, s) = 1;
      w.SV(1, 1, s) = 100;
    }
    w.Pattern = 1;
    w.Meter = w.Hit(1, 0, 0);
    w.ClearDisplay();
    w.MeterDisplay();
    fw::testing::ProcessEvents(200);

    const double idle = RunEventLoop(kIdleSeconds);
    std::printf("idle_cpu_percent: %.3f\n", idle);
    // What the capture sink alone costs: it stands in for the sound device,
    // whose callback would do the same mixing.
    fw::AudioOutput::StartCaptureToMemory();
    std::printf("capture_sink_cpu_percent: %.2f\n", RunEventLoop(5.0));
    fw::AudioOutput::Stop();
    std::fflush(stdout);

    const Result straight = Play(w, "120", 0, "120_swing0");
    const Result swung = Play(w, "175", 4, "175_swing4");

    std::vector<double> errors = straight.errors;
    errors.insert(errors.end(), swung.errors.begin(), swung.errors.end());
    // The worse of the two scenarios.
    const double drift = std::max(std::abs(straight.played - straight.planned) / straight.planned,
                                  std::abs(swung.played - swung.planned) / swung.planned);
    std::printf("onset_interval_error_p99_us: %.1f\n", Percentile(errors, 0.99));
    std::printf("onset_interval_error_max_us: %.1f\n", Percentile(errors, 1.0));
    std::printf("tempo_drift_ppm: %.1f\n", drift * 1e6);
    std::printf("playback_cpu_percent: %.2f\n", std::max(straight.cpuPercent, swung.cpuPercent));
    std::printf("idle_cpu_percent: %.3f\n", idle);
  }
  fw::RuntimeExit();
  std::filesystem::remove_all(folder);
  return 0;
}
