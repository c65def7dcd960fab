#include "platform/sound/mixer.h"

#include <algorithm>
#include <cmath>

namespace fw {

Mixer::Mixer(int sampleRate, int maxVoices)
    : sampleRate_(sampleRate),
      maxVoices_(maxVoices),
      slots_(static_cast<size_t>(maxVoices) * 2),
      commands_(static_cast<size_t>(maxVoices) * 16),
      retired_(static_cast<size_t>(maxVoices) * 2),
      voices_(static_cast<size_t>(maxVoices)),
      microsPerFrame_(1e6 / sampleRate) {
  freeSlots_.reserve(slots_.size());
  for (size_t i = slots_.size(); i-- > 0;) freeSlots_.push_back(static_cast<uint32_t>(i));
}

bool Mixer::PushLocked(const Command& c) {
  ReclaimLocked();
  return commands_.Push(c);
}

void Mixer::ReclaimLocked() {
  uint32_t slot;
  while (retired_.Pop(&slot)) {
    slots_[slot].reset();
    freeSlots_.push_back(slot);
  }
}

bool Mixer::Start(std::shared_ptr<const SampleData> data, uint64_t owner, double atMicros,
                  float gainLeft, float gainRight) {
  if (!data || data->frames <= 0) return false;
  std::lock_guard<std::mutex> lock(programMutex_);
  ReclaimLocked();
  if (freeSlots_.empty()) return false;
  const uint32_t slot = freeSlots_.back();
  slots_[slot] = std::move(data);
  Command c;
  c.kind = Kind::Start;
  c.slot = slot;
  c.owner = owner;
  c.atMicros = atMicros;
  c.gainLeft = gainLeft;
  c.gainRight = gainRight;
  if (!commands_.Push(c)) {
    slots_[slot].reset();
    return false;
  }
  freeSlots_.pop_back();
  return true;
}

bool Mixer::Stop(uint64_t owner) {
  std::lock_guard<std::mutex> lock(programMutex_);
  Command c;
  c.kind = Kind::Stop;
  c.owner = owner;
  return PushLocked(c);
}

bool Mixer::StopAll() {
  std::lock_guard<std::mutex> lock(programMutex_);
  Command c;
  c.kind = Kind::StopAll;
  return PushLocked(c);
}

void Mixer::Reclaim() {
  std::lock_guard<std::mutex> lock(programMutex_);
  ReclaimLocked();
}

void Mixer::Reset() {
  std::lock_guard<std::mutex> lock(programMutex_);
  Command c;
  while (commands_.Pop(&c)) {
    if (c.kind == Kind::Start) retired_.Push(c.slot);
  }
  while (activeCount_ > 0) Retire(activeCount_ - 1);
  ReclaimLocked();
  clockSet_ = false;
}

void Mixer::SetClock(int64_t frame, double micros, double microsPerFrame) {
  clockFrame_ = frame;
  clockMicros_ = micros;
  microsPerFrame_ = microsPerFrame;
  clockSet_ = true;
}

void Mixer::Retire(int index) {
  retired_.Push(voices_[static_cast<size_t>(index)].slot);
  --activeCount_;
  if (index != activeCount_)
    voices_[static_cast<size_t>(index)] = voices_[static_cast<size_t>(activeCount_)];
}

void Mixer::Activate(const Command& c) {
  if (activeCount_ == maxVoices_) {
    int oldest = 0;
    for (int i = 1; i < activeCount_; ++i) {
      if (voices_[static_cast<size_t>(i)].order < voices_[static_cast<size_t>(oldest)].order) {
        oldest = i;
      }
    }
    Retire(oldest);
  }
  const SampleData* data = slots_[c.slot].get();
  Voice& v = voices_[static_cast<size_t>(activeCount_++)];
  v = Voice{};
  v.samples = data->samples.data();
  v.frames = data->frames;
  v.owner = c.owner;
  v.order = nextOrder_++;
  v.gainLeft = c.gainLeft;
  v.gainRight = c.gainRight;
  v.slot = c.slot;
  v.atMicros = c.atMicros;
}

int64_t Mixer::FrameOf(double micros, int64_t blockStart) const {
  if (!clockSet_) return blockStart;
  return clockFrame_ + std::llround((micros - clockMicros_) / microsPerFrame_);
}

void Mixer::TakeCommands() {
  Command c;
  while (commands_.Pop(&c)) {
    if (c.kind == Kind::Start) {
      Activate(c);
      continue;
    }
    for (int i = 0; i < activeCount_;) {
      Voice& v = voices_[static_cast<size_t>(i)];
      if (c.kind == Kind::Stop && v.owner != c.owner) {
        ++i;
      } else if (!v.started) {
        Retire(i);  // never sounded: nothing to fade
      } else {
        if (v.fadeLeft == 0) v.fadeLeft = kStopFadeFrames;
        ++i;
      }
    }
  }
}

void Mixer::MixVoice(Voice& v, float* out, int frames, int64_t blockStart) {
  int64_t begin = 0;
  if (!v.started) {
    // The mapping may have been refined (or restarted) since it was queued.
    const int64_t offset = FrameOf(v.atMicros, blockStart) - blockStart;
    if (offset >= frames) return;
    begin = std::max<int64_t>(0, offset);  // a late voice starts at once, whole
    v.started = true;
  }
  int64_t n = std::min<int64_t>(frames - begin, v.frames - v.pos);
  const float* src = v.samples + 2 * v.pos;
  float* dst = out + 2 * begin;
  if (v.fadeLeft > 0) {
    n = std::min<int64_t>(n, v.fadeLeft);
    for (int64_t i = 0; i < n; ++i) {
      const float fade = static_cast<float>(v.fadeLeft - i) / kStopFadeFrames;
      dst[2 * i] += src[2 * i] * v.gainLeft * fade;
      dst[2 * i + 1] += src[2 * i + 1] * v.gainRight * fade;
    }
    v.fadeLeft -= static_cast<int>(n);
    if (v.fadeLeft == 0) v.pos = v.frames;  // faded out: done
  } else {
    const float gl = v.gainLeft, gr = v.gainRight;
    for (int64_t i = 0; i < n; ++i) {
      dst[2 * i] += src[2 * i] * gl;
      dst[2 * i + 1] += src[2 * i + 1] * gr;
    }
  }
  v.pos = std::min(v.frames, v.pos + n);
}

void Mixer::Render(float* out, int frames, int64_t startFrame) {
  TakeCommands();
  std::fill(out, out + 2 * static_cast<size_t>(frames), 0.0f);
  for (int i = 0; i < activeCount_;) {
    Voice& v = voices_[static_cast<size_t>(i)];
    MixVoice(v, out, frames, startFrame);
    if (v.pos >= v.frames) {
      Retire(i);
    } else {
      ++i;
    }
  }
  for (size_t i = 0; i < 2 * static_cast<size_t>(frames); ++i) {
    out[i] = std::clamp(out[i], -1.0f, 1.0f);
  }
}

}  // namespace fw
