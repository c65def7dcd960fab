// Sounds: shared, immutable sample data at the output rate plus per-object
// Volume and Pan. Play starts a new voice through the mixer.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Sound;
struct ChannelGains {
  float left = 0;
  float right = 0;
};
// The gains a voice plays with: Volume / 100 times the pan law (at Sound::Pan
// below), with Volume clamped to 0..100 and Pan to -100..100.
ChannelGains GainsFor(int volume, int pan);

using SoundRef = std::shared_ptr<Sound>;

struct SampleData;  // interleaved stereo float frames at the output rate

class Sound : public std::enable_shared_from_this<Sound> {
 public:
  explicit Sound(std::shared_ptr<const SampleData> data);
  ~Sound();

  int Volume = 100;  // 0..100, a linear gain of Volume / 100 (clamped at Play)
  int Pan = 0;       // -100 (left) .. +100 (right), equal-power (clamped at Play)
  // The pan law (GainsFor): with theta = (Pan + 100) / 200 * pi / 2,
  // the left channel is scaled by cos(theta) and the right by sin(theta), so
  // the power is the same at every position and a sound is never louder than
  // its file: Pan -100 is left only at full level, Pan 0 is sqrt(1/2) (-3 dB)
  // in each channel, Pan +100 right only. A stereo file gets the same two
  // gains on its own two channels; a mono file feeds both.

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
  // a short reason. The baton is let go while the file decodes, so other
  // threads may have run program code by the time it returns.
  static SoundRef OpenFile(const std::string& path, std::string* whyNot = nullptr);
  // Decodes a sound file held in memory (the program's own resources).
  static SoundRef FromMemory(const void* bytes, size_t size, std::string* whyNot = nullptr);

 private:
  std::shared_ptr<const SampleData> data_;
  unsigned long long id_;  // tags the voices this object started
};

// A sound the program carries among its resources; nullptr when it carries
// none of that number.
SoundRef GetSound(int number);

}  // namespace fw
