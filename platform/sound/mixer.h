// The mixer: voices handed over from program threads through a lock-free
// queue, each starting at the output frame that matches its clock moment.
//
// Two sides. Start, Stop, StopAll and Reclaim are called from ordinary
// threads (serialised by a mutex of their own that the pulling side never
// touches). SetClock and Render are called by the one thread that pulls audio
// (the device callback or the capture sink); they never block and never
// allocate or free memory. Sample data stays alive while a voice plays it:
// finished slots come back through a second queue and are released by the
// next Start, Stop or Reclaim.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/sound/sound_data.h"
#include "platform/sound/spsc_queue.h"

namespace fw {

class Mixer {
 public:
  // Frames over which a stopped voice fades out instead of clicking.
  static constexpr int kStopFadeFrames = 64;

  explicit Mixer(int sampleRate, int maxVoices = 256);
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // ---- program side ----
  // Schedules data to sound from clock moment atMicros on, tagged with owner.
  // False when the hand-over queue or the slot pool is full (the hit is lost).
  bool Start(std::shared_ptr<const SampleData> data, uint64_t owner, double atMicros,
             float gainLeft, float gainRight);
  // Stops (with a short fade) every voice of that owner, started or pending.
  bool Stop(uint64_t owner);
  bool StopAll();
  // Releases the data of voices that have finished.
  void Reclaim();
  // Drops every voice and pending command. Only while nothing pulls audio.
  void Reset();

  // ---- pulling side ----
  // From now on output frame `frame` sounds at clock moment `micros`, and
  // each frame lasts microsPerFrame.
  void SetClock(int64_t frame, double micros, double microsPerFrame);
  // Mixes `frames` stereo frames, the first being output frame startFrame,
  // into out (interleaved, overwritten, clamped to [-1, 1]).
  void Render(float* out, int frames, int64_t startFrame);
  int ActiveVoices() const { return activeCount_; }
  int SampleRate() const { return sampleRate_; }

 private:
  enum class Kind : uint8_t { Start, Stop, StopAll };
  struct Command {
    Kind kind = Kind::Start;
    uint32_t slot = 0;
    uint64_t owner = 0;
    double atMicros = 0;
    float gainLeft = 0, gainRight = 0;
  };
  struct Voice {
    const float* samples = nullptr;
    int64_t frames = 0;
    int64_t pos = 0;
    double atMicros = 0;  // its clock moment, mapped anew each block until it starts
    uint64_t owner = 0;
    uint64_t order = 0;  // smaller is older
    float gainLeft = 0, gainRight = 0;
    int fadeLeft = 0;  // > 0 while fading out
    uint32_t slot = 0;
    bool started = false;
  };

  bool PushLocked(const Command& c);
  void ReclaimLocked();
  void TakeCommands();
  void Activate(const Command& c);
  void Retire(int index);
  int64_t FrameOf(double micros, int64_t blockStart) const;
  void MixVoice(Voice& v, float* out, int frames, int64_t blockStart);

  const int sampleRate_;
  const int maxVoices_;

  // Program side.
  std::mutex programMutex_;
  std::vector<uint32_t> freeSlots_;
  std::vector<std::shared_ptr<const SampleData>> slots_;
  SpscQueue<Command> commands_;
  SpscQueue<uint32_t> retired_;

  // Pulling side.
  std::vector<Voice> voices_;
  int activeCount_ = 0;
  uint64_t nextOrder_ = 0;
  bool clockSet_ = false;
  int64_t clockFrame_ = 0;
  double clockMicros_ = 0;
  double microsPerFrame_ = 0;
};

}  // namespace fw
