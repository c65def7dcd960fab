// The sound device as a sink of the mixer (SDL2 audio underneath).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/sound/audio_clock.h"
#include "platform/sound/mixer.h"

namespace fw {

// What the output needs of a device: open it, pulling the mixer from then on,
// and tell when it has gone away (unplugged). Destroying it closes it, after
// which it pulls no more.
class OutputDevice {
 public:
  virtual ~OutputDevice() = default;
  // False with the reason in *why.
  virtual bool Open(Mixer* mixer, std::string* why) = 0;
  virtual bool IsLost() const = 0;
};

class AudioDevice : public OutputDevice {
 public:
  static constexpr int kBlockFrames = MixerPuller::kBlockFrames;

  AudioDevice() = default;
  ~AudioDevice() override { Close(); }
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // The default device's own rate, or 0 when it does not say.
  static int PreferredRate();

  // Opens the default device, float stereo at the mixer's rate, and starts
  // pulling.
  bool Open(Mixer* mixer, std::string* why) override;
  bool IsLost() const override;
  void Close();

 private:
  static void Callback(void* user, uint8_t* stream, int len);

  uint32_t device_ = 0;
  std::optional<MixerPuller> puller_;
};

}  // namespace fw
