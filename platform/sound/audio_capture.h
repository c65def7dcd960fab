// A sink of our own: pulls the mixer on an absolute clock schedule, block by
// block, exactly as a device would, and keeps what it gets in memory. Tests
// and benchmarks hear through it what a listener would.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/sound/audio_clock.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/mixer.h"

namespace fw {

class CaptureSink {
 public:
  static constexpr int kBlockFrames = MixerPuller::kBlockFrames;

  CaptureSink() = default;
  ~CaptureSink() { Stop(); }
  CaptureSink(const CaptureSink&) = delete;
  CaptureSink& operator=(const CaptureSink&) = delete;

  void Start(Mixer* mixer);
  void Stop();
  bool IsRunning() const { return thread_.joinable(); }
  CapturedAudio Take();

 private:
  void Run();

  Mixer* mixer_ = nullptr;
  std::thread thread_;
  std::atomic<bool> running_{false};
  int64_t startNanos_ = 0;

  std::mutex takeMutex_;
  std::vector<float> kept_;
  int64_t keptFirstFrame_ = 0;
};

}  // namespace fw
