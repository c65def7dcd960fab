// The sound device as a sink of the mixer (SDL2 audio underneath).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/audio_clock.h"
#include "platform/mixer.h"

namespace fw {

class AudioDevice {
 public:
  static constexpr int kBlockFrames = MixerPuller::kBlockFrames;

  AudioDevice() = default;
  ~AudioDevice() { Close(); }
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // The default device's own rate, or 0 when it does not say.
  static int PreferredRate();

  // Opens the default device, float stereo at the mixer's rate, and starts
  // pulling. False with the reason in *why.
  bool Open(Mixer* mixer, std::string* why);
  void Close();
  bool IsOpen() const { return device_ != 0; }

 private:
  static void Callback(void* user, uint8_t* stream, int len);

  uint32_t device_ = 0;
  std::optional<MixerPuller> puller_;
};

}  // namespace fw
