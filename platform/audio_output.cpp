// The one output: a mixer and whichever sink pulls it.
#include "platform/audio_output.h"

#include <cstdio>
#include <memory>
#include <mutex>

#include "platform/audio_capture.h"
#include "platform/audio_device.h"
#include "platform/audio_engine.h"
#include "platform/mixer.h"

namespace fw {
namespace {

constexpr int kFallbackRate = 48000;
// Covers a block being made late by up to a few blocks; the same for every hit.
constexpr double kLatencyMicros = 20000;

class Engine {
 public:
  ~Engine() { StopLocked(); }

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
    std::string why;
    device_ = make_ ? make_() : std::make_unique<AudioDevice>();
    if (device_->Open(&TheMixer(), &why)) return true;
    device_.reset();
    silent_ = true;
    if (warned_) return false;
    warned_ = true;
    std::fprintf(stderr, "Taktora: no audio output (%s); running silent.\n",
                 why.empty() ? "no device" : why.c_str());
    return false;
  }

  bool StartCaptureLocked(const std::string& wavPath) {
    StopLocked();
    std::string why;
    if (capture_.Start(&TheMixer(), wavPath, &why)) return true;
    std::fprintf(stderr, "Taktora: audio capture failed (%s).\n", why.c_str());
    return false;
  }

  void StopLocked() {
    device_.reset();
    capture_.Stop();
    if (mixer_) mixer_->Reset();
    silent_ = false;
  }

  bool Running() const { return device_ || capture_.IsRunning(); }
  bool Silent() const { return silent_; }
  CaptureSink& Capture() { return capture_; }

  void SetDevices(std::function<std::unique_ptr<OutputDevice>()> make, int pollMs, int retryMs) {
    make_ = std::move(make);
    pollMs_ = pollMs;
    retryMs_ = retryMs;
  }

 private:
  int rate_ = 0;
  std::unique_ptr<Mixer> mixer_;
  std::function<std::unique_ptr<OutputDevice>()> make_;
  int pollMs_ = 500;
  int retryMs_ = 3000;
  std::unique_ptr<OutputDevice> device_;
  CaptureSink capture_;
  bool silent_ = false;  // a device was wanted and none opened
  bool warned_ = false;  // the no-device line is said once per run
};

Engine& TheEngine() {
  static Engine engine;
  return engine;
}

}  // namespace

bool AudioOutput::Start() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.StartDeviceLocked();
}

bool AudioOutput::StartCapture(const std::string& wavPath) {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return !wavPath.empty() && e.StartCaptureLocked(wavPath);
}

bool AudioOutput::StartCaptureToMemory() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.StartCaptureLocked("");
}

CapturedAudio AudioOutput::TakeCapture() {
  Engine& e = TheEngine();
  std::lock_guard<std::mutex> lock(e.mutex);
  return e.Capture().Take();
}

void AudioOutput::Stop() {
  Engine& e = TheEngine();
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
