#include "platform/sound/sound.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>

#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/thread.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/decode.h"
#include "platform/sound/sound_data.h"
#include "platform/sound/voices.h"

namespace fw {
namespace {

std::atomic<unsigned long long> nextSoundId{1};

}  // namespace

ChannelGains GainsFor(int volume, int pan) {
  const double gain = std::clamp(volume, 0, 100) / 100.0;
  const int p = std::clamp(pan, -100, 100);
  const double theta = (p + 100) / 200.0 * (std::numbers::pi / 2);
  ChannelGains g;
  g.left = p == 100 ? 0.0f : static_cast<float>(gain * std::cos(theta));
  g.right = p == -100 ? 0.0f : static_cast<float>(gain * std::sin(theta));
  return g;
}

Sound::Sound(std::shared_ptr<const SampleData> data) : data_(std::move(data)), id_(nextSoundId++) {}

Sound::~Sound() = default;

void Sound::Play() {
  const double now = Microseconds();
  if (!data_ || data_->frames <= 0) return;
  const ChannelGains g = GainsFor(Volume, Pan);
  audio::PlayVoice(data_, id_, now + AudioOutput::LatencyMicroseconds(), g.left, g.right);
}

void Sound::Stop() { audio::StopVoices(id_); }

SoundRef Sound::Clone() const {
  auto copy = std::make_shared<Sound>(data_);
  copy->Volume = Volume;
  copy->Pan = Pan;
  return copy;
}

double Sound::DurationSeconds() const {
  if (!data_ || data_->sampleRate <= 0) return 0.0;
  return static_cast<double>(data_->frames) / data_->sampleRate;
}

SoundRef Sound::OpenFile(const std::string& path, std::string* whyNot) {
  const int rate = AudioOutput::SampleRate();
  std::string why;
  std::shared_ptr<const SampleData> data;
  {
    // Decoding a long file takes a good part of a second and touches nothing
    // of the program's state: the playback thread keeps time meanwhile. No
    // event is handled here while the baton is away.
    BatonReleased decoding;
    data = DecodeFile(path, rate, &why);
  }
  if (whyNot) *whyNot = why;
  return data ? std::make_shared<Sound>(std::move(data)) : nullptr;
}

SoundRef Sound::FromMemory(const void* bytes, size_t size, std::string* whyNot) {
  auto data = DecodeMemory(bytes, size, AudioOutput::SampleRate(), whyNot);
  return data ? std::make_shared<Sound>(std::move(data)) : nullptr;
}

// The FolderItem member that belongs with the sounds.
std::shared_ptr<Sound> FolderItem::OpenAsSound() const {
  std::string why;
  auto sound = Sound::OpenFile(path_.string(), &why);  // lets the baton go while it decodes
  if (!sound) lastError_ = why.empty() ? "not a sound file" : why;
  return sound;
}

}  // namespace fw
