#include "platform/audio_clock.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw {

ClockTracker::ClockTracker(int sampleRate, double bandwidthHz)
    : nominalMicrosPerFrame_(1e6 / sampleRate),
      bandwidthHz_(bandwidthHz),
      microsPerFrame_(nominalMicrosPerFrame_) {}

void ClockTracker::Update(double nowMicros, int64_t frame) {
  const int64_t elapsed = frame - frame_;
  const double predicted = MicrosAt(frame);
  const double error = nowMicros - predicted;
  if (!started_ || elapsed <= 0 || std::abs(error) > kRestartMicros) {
    // After a long enough run, the frames per microsecond seen over it are a
    // better start than the nominal rate (a dummy driver runs some percent
    // fast and would otherwise break the loop again and again).
    const int64_t span = frame - restartFrame_;
    if (started_ && span > 0 && static_cast<double>(span) * nominalMicrosPerFrame_ > 2e5) {
      microsPerFrame_ = Limit((nowMicros - restartMicros_) / static_cast<double>(span));
    } else {
      microsPerFrame_ = nominalMicrosPerFrame_;
    }
    started_ = true;
    frame_ = restartFrame_ = frame;
    micros_ = restartMicros_ = nowMicros;
    return;
  }
  // A single late wake-up (the usual outlier) may pull the loop only so far.
  const double period = static_cast<double>(elapsed) * microsPerFrame_;
  const double limited = std::clamp(error, -period / 8, period / 8);
  const double omega = 2 * std::numbers::pi * bandwidthHz_ * period * 1e-6;
  frame_ = frame;
  micros_ = predicted + std::numbers::sqrt2 * omega * limited;
  microsPerFrame_ = Limit(microsPerFrame_ + omega * omega * limited / static_cast<double>(elapsed));
}

double ClockTracker::Limit(double microsPerFrame) const {
  // The audio clock is near nominal (a dummy driver runs some percent fast).
  return std::clamp(microsPerFrame, nominalMicrosPerFrame_ * 0.9, nominalMicrosPerFrame_ * 1.1);
}

double ClockTracker::MicrosAt(int64_t frame) const {
  return micros_ + static_cast<double>(frame - frame_) * microsPerFrame_;
}

}  // namespace fw
