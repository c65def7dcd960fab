// The one output: a mixer and whichever sink pulls it.
#include "platform/sound/audio_output.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/sound/audio_capture.h"
#include "platform/sound/audio_device.h"
#include "platform/sound/mixer.h"
#include "platform/sound/voices.h"

namespace fw {
namespace {

constexpr int kFallbackRate = 48000;
// Covers a block being made late by up to a few blocks; the same for every hit.
constexpr double kLatencyMicros = 20000;

using Steady = std::chrono::steady_clock;
using DeviceMaker = std::function<std::unique_ptr<OutputDevice>()>;

std::unique_ptr<OutputDevice> MakeDevice(const DeviceMaker& make) {
  return make ? make() : std::make_unique<AudioDevice>();
}

// Besides the sinks, a watcher thread: while a device is wanted it looks
// every poll whether the device went away, and while there is none tries the
// default one again every retry. It runs no program code and never takes the
// baton.
class Engine {
 public:
  ~Engine() {
    {
      std::lock_guard<std::mutex> lock(mutex);
      quit_ = true;
    }
    wake_.notify_all();
    if (watcher_.joinable()) watcher_.join();
    StopLocked();
  }

  // Serialises changes of sink, which may wait for a device to open or
  // close; taken before `mutex`, and never by Play, so the watcher trying a
  // slow device never holds up the playback thread.
  std::mutex changing;
  // Guards the rest; held only briefly.
  std::mutex mutex;

  int Rate() {
    if (rate_ == 0) {
      const int preferred = AudioDevice::PreferredRate();
      rate_ = preferred > 0 ? preferred : kFallbackRate;
    }
    return rate_;
  }

  Mixer& TheMixer() {
    if (!mixer_) mixer_ = std::make_unique<Mixer>(Rate());
    return *mixer_;
  }

  bool StartDeviceLocked() {
    if (Running()) return true;
    if (silent_) return false;
    wanted_ = true;
    if (!watcher_.joinable()) watcher_ = std::thread([this] { Watch(); });
    wake_.notify_all();
    std::string why;
    std::unique_ptr<OutputDevice> device = MakeDevice(make_);
    if (device->Open(&TheMixer(), &why)) {
      device_ = std::move(device);
      return true;
    }
    GoSilentLocked();
    if (warned_) return false;
    warned_ = true;
    std::fprintf(stderr, "Taktora: no audio output (%s); running silent.\n",
                 why.empty() ? "no device" : why.c_str());
    return false;
  }

  void StartCaptureLocked() {
    StopLocked();
    capture_.Start(&TheMixer());
  }

  void StopLocked() {
    device_.reset();
    capture_.Stop();
    if (mixer_) mixer_->Reset();
    wanted_ = false;
    silent_ = false;
  }

  bool Running() const { return device_ || capture_.IsRunning(); }
  bool Silent() const { return silent_; }
  CaptureSink& Capture() { return capture_; }

  void SetDevices(DeviceMaker make, int pollMs, int retryMs) {
    make_ = std::move(make);
    poll_ = std::chrono::milliseconds(pollMs);
    retry_ = std::chrono::milliseconds(retryMs);
  }

 private:
  void GoSilentLocked() {
    silent_ = true;
    nextTry_ = Steady::now() + retry_;
    // Nothing pulls now. What was playing or due is dropped rather than
    // heard late when a device comes back.
    if (mixer_) mixer_->Reset();
  }

  void Watch() {
    std::unique_lock<std::mutex> lock(mutex);
    while (!quit_) {
      if (!wanted_) {
        wake_.wait(lock, [this] { return quit_ || wanted_; });
        continue;
      }
      wake_.wait_for(lock, poll_, [this] { return quit_; });
      if (quit_) break;
      lock.unlock();
      {
        std::lock_guard<std::mutex> change(changing);
        Check();
      }
      lock.lock();
    }
  }

  // Runs holding `changing`, so no sink starts or stops meanwhile; whatever
  // may wait on a device happens outside `mutex`.
  void Check() {
    std::unique_ptr<OutputDevice> lost;
    DeviceMaker make;
    Mixer* mixer = nullptr;
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (!wanted_) return;
      if (device_ && device_->IsLost()) {
        lost = std::move(device_);
        silent_ = true;
      } else if (!silent_ || Steady::now() < nextTry_) {
        return;
      }
      make = make_;
      mixer = &TheMixer();
    }
    if (lost) {
      lost.reset();  // waits for a block under way; it pulls no more
      std::fputs("Taktora: audio output lost; running silent.\n", stderr);
    }
    std::string why;
    std::unique_ptr<OutputDevice> device = MakeDevice(make);
    const bool opened = device->Open(mixer, &why);
    std::lock_guard<std::mutex> lock(mutex);
    if (!opened) {
      GoSilentLocked();
      return;
    }
    device_ = std::move(device);
    silent_ = false;
    std::fputs("Taktora: audio output reopened.\n", stderr);
  }

  int rate_ = 0;
  std::unique_ptr<Mixer> mixer_;
  DeviceMaker make_;
  std::unique_ptr<OutputDevice> device_;
  CaptureSink capture_;
  bool wanted_ = false;  // the device is the sink, open or not
  bool silent_ = false;  // the device is wanted and none is open
  bool warned_ = false;  // the no-device line is said once per run

  std::thread watcher_;
  std::condition_variable wake_;
  bool quit_ = false;
  Steady::duration poll_ = std::chrono::milliseconds(500);
  Steady::duration retry_ = std::chrono::seconds(3);
  Steady::time_point nextTry_;
};

Engine& TheEngine() {
  static Engine engine;
  return engine;
}

}  // namespace

bool AudioOutput::Start() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> change(e.changing);
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.StartDeviceLocked();
}

bool AudioOutput::StartCaptureToMemory() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> change(e.changing);
  std::lock_guard<std::mutex> lock(e.mutex);
  e.StartCaptureLocked();
  return true;
}

CapturedAudio AudioOutput::TakeCapture() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.Capture().Take();
}

void AudioOutput::Stop() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> change(e.changing);
  std::lock_guard<std::mutex> lock(e.mutex);
  e.StopLocked();
}

int AudioOutput::SampleRate() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.Rate();
}

double AudioOutput::LatencyMicroseconds() { return kLatencyMicros; }

bool AudioOutput::IsRunning() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.Running();
}

bool AudioOutput::IsSilent() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.Silent();
}

namespace testing {

void SetOutputDevices(std::function<std::unique_ptr<OutputDevice>()> make, int pollMs,
                      int retryMs) {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> change(e.changing);
  std::lock_guard<std::mutex> lock(e.mutex);
  e.SetDevices(std::move(make), pollMs, retryMs);
}

}  // namespace testing

namespace audio {

void PlayVoice(std::shared_ptr<const SampleData> data, uint64_t owner, double atMicros,
               float gainLeft, float gainRight) {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  if (!e.StartDeviceLocked()) return;
  e.TheMixer().Start(std::move(data), owner, atMicros, gainLeft, gainRight);
}

void StopVoices(uint64_t owner) {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  if (e.Running()) e.TheMixer().Stop(owner);
}

}  // namespace audio
}  // namespace fw
