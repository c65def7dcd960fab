// Where hits land, and what mixing costs.
//
// onset_*: 1000 single-sample hits played from a thread at irregular moments
// through the real path (Sound::Play -> hand-over queue -> mixer), heard by
// the capture sink that pulls the mixer on an absolute clock schedule. The
// error of a hit is where it starts in the output minus (the clock moment of
// its Play call + the fixed output latency).
// mix_*: 64 voices mixed offline in device-sized blocks.
#include <pthread.h>
#include <sys/prctl.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "bench/measure.h"
#include "platform/base/clock.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/mixer.h"
#include "platform/sound/sound.h"
#include "platform/sound/sound_data.h"

namespace {

using bench::Percentile;

void SleepUntilMicros(double micros) {
  const auto nanos = static_cast<int64_t>(micros * 1000.0);
  timespec ts{static_cast<time_t>(nanos / 1000000000), static_cast<long>(nanos % 1000000000)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) != 0) {
  }
}

void MeasureOnsets() {
  constexpr int kHits = 1000;
  auto impulse = std::make_shared<fw::SampleData>();
  impulse->sampleRate = fw::AudioOutput::SampleRate();
  impulse->frames = 1;
  impulse->samples = {1.0f, 1.0f};
  auto sound = std::make_shared<fw::Sound>(impulse);

  fw::AudioOutput::StartCaptureToMemory();
  std::this_thread::sleep_for(std::chrono::seconds(1));  // the clock mapping settles

  std::vector<double> planned(kHits), called(kHits);
  std::thread player([&] {
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> gap(3000.0, 12000.0);
    double at = fw::Microseconds() + 10000;
    for (int i = 0; i < kHits; ++i) {
      at += gap(rng);
      planned[static_cast<size_t>(i)] = at;
      SleepUntilMicros(at);
      called[static_cast<size_t>(i)] = fw::Microseconds();
      sound->Play();
    }
  });
  player.join();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  fw::CapturedAudio heard = fw::AudioOutput::TakeCapture();
  fw::AudioOutput::Stop();

  std::vector<double> onsets;  // clock moments of the hits in the output
  for (int64_t i = 0; i < heard.Frames(); ++i) {
    if (heard.samples[static_cast<size_t>(2 * i)] != 0.0f) {
      onsets.push_back(heard.startMicros +
                       static_cast<double>(heard.firstFrame + i) * 1e6 / heard.sampleRate);
    }
  }
  const double latency = fw::AudioOutput::LatencyMicroseconds();
  std::vector<double> errors, callDelays;
  int missing = 0;
  size_t next = 0;
  for (int i = 0; i < kHits; ++i) {
    const double expected = called[static_cast<size_t>(i)] + latency;
    while (next + 1 < onsets.size() &&
           std::abs(onsets[next + 1] - expected) < std::abs(onsets[next] - expected)) {
      ++next;
    }
    if (next >= onsets.size() || std::abs(onsets[next] - expected) > 1500) {
      ++missing;
      continue;
    }
    errors.push_back(std::abs(onsets[next] - expected));
    callDelays.push_back(called[static_cast<size_t>(i)] - planned[static_cast<size_t>(i)]);
  }
  std::printf("onset_hits_found: %zu\n", errors.size());
  std::printf("onset_hits_missing: %d\n", missing);
  std::printf("onset_extra_onsets: %lld\n",
              static_cast<long long>(onsets.size()) - static_cast<long long>(errors.size()));
  if (errors.empty()) return;
  std::printf("onset_error_max_us: %.1f\n", *std::max_element(errors.begin(), errors.end()));
  std::printf("onset_error_p99_us: %.1f\n", Percentile(errors, 0.99));
  std::printf("onset_error_median_us: %.1f\n", Percentile(errors, 0.5));
  // How late the calling thread itself woke for each hit (not the mixer's doing).
  std::printf("play_call_delay_p99_us: %.1f\n", Percentile(callDelays, 0.99));
}

double ThreadCpuNanos() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

void MeasureMixing() {
  constexpr int kRate = 48000, kVoices = 64, kBlock = 256;
  constexpr int64_t kFrames = int64_t{kRate} * 30;  // 30 s of output
  auto noise = std::make_shared<fw::SampleData>();
  noise->sampleRate = kRate;
  noise->frames = kFrames + kBlock;
  noise->samples.resize(static_cast<size_t>(noise->frames) * 2);
  std::mt19937 rng(1);
  std::uniform_real_distribution<float> dist(-0.02f, 0.02f);
  for (float& x : noise->samples) x = dist(rng);

  fw::Mixer mixer(kRate, 256);
  const double perFrame = 1e6 / kRate;
  for (int v = 0; v < kVoices; ++v) {
    mixer.Start(noise, static_cast<uint64_t>(v), v * 10 * perFrame, 0.7f, 0.7f);
  }
  std::vector<float> out(2 * kBlock);
  volatile float sink = 0;
  const double t0 = ThreadCpuNanos();
  for (int64_t f = 0; f < kFrames; f += kBlock) {
    mixer.SetClock(f, static_cast<double>(f) * perFrame, perFrame);
    mixer.Render(out.data(), kBlock, f);
    sink = sink + out[0];
  }
  const double nanos = ThreadCpuNanos() - t0;
  const double voiceFrames = static_cast<double>(kVoices) * static_cast<double>(kFrames);
  std::printf("mix_ns_per_voice_frame: %.3f\n", nanos / voiceFrames);
  std::printf("mix_cpu_percent_64_voices_48k: %.3f\n",
              100.0 * nanos / (static_cast<double>(kFrames) / kRate * 1e9));
}

}  // namespace

int main() {
  MeasureMixing();
  MeasureOnsets();
  return 0;
}
