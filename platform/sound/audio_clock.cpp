#include "platform/sound/audio_clock.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "platform/base/clock.h"
#include "platform/sound/mixer.h"

namespace fw {

ClockTracker::ClockTracker(int sampleRate, double bandwidthHz)
    : nominalMicrosPerFrame_(1e6 / sampleRate),
      bandwidthHz_(bandwidthHz),
      microsPerFrame_(nominalMicrosPerFrame_) {}

void ClockTracker::Restart(double nowMicros, int64_t frame) {
  // After a long enough run, the rate seen over it is a better start than
  // the nominal one (a dummy driver runs some percent fast and would
  // otherwise break the loop again and again); a rate far off nominal means
  // the output stalled, and the nominal rate is the better guess.
  const int64_t span = frame - restartFrame_;
  microsPerFrame_ = nominalMicrosPerFrame_;
  if (started_ && span > 0 && static_cast<double>(span) * nominalMicrosPerFrame_ > 2e5) {
    const double seen = (nowMicros - restartMicros_) / static_cast<double>(span);
    if (Limit(seen) == seen) microsPerFrame_ = seen;
  }
  started_ = true;
  frame_ = restartFrame_ = frame;
  micros_ = restartMicros_ = nowMicros;
  recent_[0] = {frame, nowMicros};
  recentCount_ = 1;
  recentNext_ = 1;
}

void ClockTracker::Update(double nowMicros, int64_t frame) {
  const int64_t elapsed = frame - frame_;
  if (!started_ || elapsed <= 0) {
    Restart(nowMicros, frame);
    return;
  }
  recent_[static_cast<size_t>(recentNext_)] = {frame, nowMicros};
  recentNext_ = (recentNext_ + 1) % kWindow;
  recentCount_ = std::min(recentCount_ + 1, kWindow);
  double error = std::numeric_limits<double>::infinity();
  for (int i = 0; i < recentCount_; ++i) {
    const Reading& r = recent_[static_cast<size_t>(i)];
    error = std::min(error, r.micros - MicrosAt(r.frame));
  }
  if (std::abs(error) > kRestartMicros) {
    Restart(nowMicros, frame);
    return;
  }
  const double predicted = MicrosAt(frame);
  if (recentCount_ < kWindow) {
    // Acquiring: follow the most punctual reading so far directly.
    frame_ = frame;
    micros_ = predicted + error;
    return;
  }
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

MixerPuller::MixerPuller(Mixer& mixer)
    : mixer_(mixer), tracker_(mixer.SampleRate()), delayMicros_(DelayMicros(mixer.SampleRate())) {}

void MixerPuller::Pull(float* out, int frames) {
  tracker_.Update(Microseconds(), frame_);
  mixer_.SetClock(frame_, tracker_.Micros() + delayMicros_, tracker_.MicrosPerFrame());
  mixer_.Render(out, frames, frame_);
  frame_ += frames;
}

}  // namespace fw
