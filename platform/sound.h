// Sounds: shared, immutable sample data at the output rate plus per-object
// Volume and Pan. Play starts a new voice through the mixer.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Sound;
using SoundRef = std::shared_ptr<Sound>;

struct SampleData;  // interleaved stereo float frames at the output rate

class Sound : public std::enable_shared_from_this<Sound> {
 public:
  explicit Sound(std::shared_ptr<const SampleData> data);
  ~Sound();

  int Volume = 100;  // 0..100, a linear gain of Volume / 100 (clamped at Play)
  int Pan = 0;       // -100 (left) .. +100 (right), equal-power (clamped at Play)

  // Starts a voice at the moment of this call (plus the fixed output latency).
  void Play();
  // Stops the voices this object started (not those of its clones).
  void Stop();
  // A new object with the same data, Volume and Pan.
  SoundRef Clone() const;

  double DurationSeconds() const;
  const std::shared_ptr<const SampleData>& Data() const { return data_; }

  // Opens a sound file (WAV, AIFF/AIFC, FLAC, OGG, SD2 ...); nullptr when it is
  // not a readable sound, is empty or too long. whyNot, when given, receives
  // a short reason.
  static SoundRef OpenFile(const std::string& path, std::string* whyNot = nullptr);
  // Decodes a sound file held in memory (the program's own resources).
  static SoundRef FromMemory(const void* bytes, size_t size, std::string* whyNot = nullptr);

 private:
  std::shared_ptr<const SampleData> data_;
  unsigned long long id_;  // tags the voices this object started
};

}  // namespace fw
