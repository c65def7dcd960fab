#include "platform/sound/audio_capture.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#include <time.h>

namespace fw {
namespace {

int64_t NowNanos() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void SleepUntil(int64_t nanos) {
  timespec ts{static_cast<time_t>(nanos / 1000000000), static_cast<long>(nanos % 1000000000)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
  }
}

// Asks for a prompt wake-up: no timer slack, and a real-time priority where
// the system grants one (it often does not; then the slack alone helps).
void TuneThisThread() {
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  sched_param param{};
  param.sched_priority = 10;
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
}

}  // namespace

void CaptureSink::Start(Mixer* mixer) {
  Stop();
  mixer_ = mixer;
  {
    std::lock_guard<std::mutex> lock(takeMutex_);
    kept_.clear();
    kept_.reserve(static_cast<size_t>(mixer->SampleRate()) * 2 * 30);
    keptFirstFrame_ = 0;
  }
  // The first block is made a little from now.
  startNanos_ = NowNanos() + 2000000;
  running_ = true;
  thread_ = std::thread([this] { Run(); });
}

void CaptureSink::Stop() {
  running_ = false;
  if (thread_.joinable()) thread_.join();
}

CapturedAudio CaptureSink::Take() {
  CapturedAudio out;
  if (!mixer_) return out;
  out.sampleRate = mixer_->SampleRate();
  out.startMicros =
      static_cast<double>(startNanos_) / 1000.0 + MixerPuller::DelayMicros(out.sampleRate);
  std::lock_guard<std::mutex> lock(takeMutex_);
  out.firstFrame = keptFirstFrame_;
  out.samples.swap(kept_);
  keptFirstFrame_ += out.Frames();
  kept_.reserve(out.samples.capacity());
  return out;
}

void CaptureSink::Run() {
  TuneThisThread();
  const int rate = mixer_->SampleRate();
  MixerPuller puller(*mixer_);
  std::vector<float> block(2 * kBlockFrames);
  while (running_) {
    SleepUntil(startNanos_ + puller.NextFrame() * 1000000000 / rate);
    puller.Pull(block.data(), kBlockFrames);
    std::lock_guard<std::mutex> lock(takeMutex_);
    kept_.insert(kept_.end(), block.begin(), block.end());
  }
}

}  // namespace fw
