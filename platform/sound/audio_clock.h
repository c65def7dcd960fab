// Follows the relation between output frames and the microsecond clock.
//
// Whoever pulls audio (the device callback, the capture sink) reports the
// clock reading at each block. The readings jitter, and always late rather
// than early: a block is made when the system gets round to it. And the audio
// clock drifts against CLOCK_MONOTONIC. So each block's error is taken as the
// smallest lateness over the last few blocks (the punctual readings; a late
// wake-up changes nothing), and a second-order delay-locked loop smooths that:
// the mapping moves by a small fraction of each error, follows drift without
// jumps, and starts afresh only after a gross break (a stall, a restart).
#pragma once
#include <array>
#include <cstdint>

namespace fw {

class Mixer;

class ClockTracker {
 public:
  // bandwidthHz sets how quickly the loop follows; lower is smoother.
  explicit ClockTracker(int sampleRate, double bandwidthHz = 0.5);

  // The block starting at output frame `frame` is being made at clock
  // reading nowMicros.
  void Update(double nowMicros, int64_t frame);

  // The smoothed clock moment of frame `frame` (valid after one Update).
  double MicrosAt(int64_t frame) const;
  double Micros() const { return micros_; }
  double MicrosPerFrame() const { return microsPerFrame_; }

  // Errors above this restart the loop.
  static constexpr double kRestartMicros = 20000;
  // How many recent readings the punctual one is sought among.
  static constexpr int kWindow = 32;

 private:
  struct Reading {
    int64_t frame;
    double micros;
  };

  void Restart(double nowMicros, int64_t frame);
  double Limit(double microsPerFrame) const;

  const double nominalMicrosPerFrame_;
  const double bandwidthHz_;
  bool started_ = false;
  int64_t frame_ = 0;
  double micros_ = 0;
  double microsPerFrame_;
  int64_t restartFrame_ = 0;
  double restartMicros_ = 0;
  std::array<Reading, kWindow> recent_{};
  int recentCount_ = 0;
  int recentNext_ = 0;
};

// What every sink of the mixer (the device callback, the capture sink) does
// per block: reads the clock, tells the mixer the clock moment the block's
// first frame will sound at, and mixes the block. The buffer made now is
// heard after the one playing now: one block later.
class MixerPuller {
 public:
  // Frames per block: about 5 ms at 48 kHz.
  static constexpr int kBlockFrames = 256;
  // From making a block to hearing it.
  static double DelayMicros(int sampleRate) { return kBlockFrames * 1e6 / sampleRate; }

  explicit MixerPuller(Mixer& mixer);
  // Makes the next `frames` output frames into out (interleaved stereo).
  void Pull(float* out, int frames);
  // The output frame the next Pull starts at.
  int64_t NextFrame() const { return frame_; }

 private:
  Mixer& mixer_;
  ClockTracker tracker_;
  const double delayMicros_;
  int64_t frame_ = 0;
};

}  // namespace fw
