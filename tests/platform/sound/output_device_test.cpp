// The output device going away and coming back, through a device the tests
// unplug and plug in again; it hears through a capture sink.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/base/clock.h"
#include "platform/sound/audio_capture.h"
#include "platform/sound/audio_device.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound.h"

namespace {

using namespace std::chrono_literals;

bool WaitFor(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

// A device the tests unplug and plug in again; it hears through a capture sink.
struct Socket {
  std::mutex m;
  std::condition_variable released;
  bool plugged = true;
  bool holdOpens = false;  // an open waits until released
  int attempts = 0;        // opens tried
  int alive = 0;           // devices not yet destroyed
  fw::CaptureSink* open = nullptr;

  template <typename F>
  auto With(F f) {
    std::lock_guard<std::mutex> lock(m);
    auto result = f();
    released.notify_all();
    return result;
  }
};

class PluggedDevice : public fw::OutputDevice {
 public:
  explicit PluggedDevice(Socket& s) : s_(s) {
    s_.With([&] { return ++s_.alive; });
  }
  ~PluggedDevice() override {
    sink_.Stop();
    s_.With([&] { return --s_.alive, s_.open = s_.open == &sink_ ? nullptr : s_.open; });
  }
  bool Open(fw::Mixer* mixer, std::string* why) override {
    std::unique_lock<std::mutex> lock(s_.m);
    ++s_.attempts;
    s_.released.wait(lock, [&] { return !s_.holdOpens; });
    if (!s_.plugged) {
      *why = "unplugged";
      return false;
    }
    if (!sink_.Start(mixer, "", why)) return false;
    s_.open = &sink_;
    return true;
  }
  bool IsLost() const override {
    return s_.With([&] { return !s_.plugged; });
  }

 private:
  Socket& s_;
  fw::CaptureSink sink_;
};

class OutputDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::AudioOutput::Stop();
    fw::testing::SetOutputDevices([this] { return std::make_unique<PluggedDevice>(s); }, 5, 10);
  }
  void TearDown() override {
    fw::AudioOutput::Stop();
    fw::testing::SetOutputDevices({}, 500, 3000);
  }
  void Plug(bool plugged) {
    s.With([&] { return s.plugged = plugged; });
  }
  int Attempts() {
    return s.With([&] { return s.attempts; });
  }
  // What the open device heard since the last call.
  fw::CapturedAudio Heard() {
    return s.With([&] { return s.open ? s.open->Take() : fw::CapturedAudio{}; });
  }

  Socket s;
};

fw::SoundRef Click() {
  auto d = std::make_shared<fw::SampleData>();
  d->sampleRate = fw::AudioOutput::SampleRate();
  d->frames = 48;
  d->samples.assign(static_cast<size_t>(d->frames) * 2, 0.5f);
  return std::make_shared<fw::Sound>(d);
}

TEST_F(OutputDevice, AnUnpluggedDeviceIsNoticedRetriedAndHeardAgainWhenBack) {
  fw::SoundRef click = Click();
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(fw::AudioOutput::Start());
  Plug(false);
  ASSERT_TRUE(WaitFor([] { return fw::AudioOutput::IsSilent(); }));
  const int attempts = Attempts();
  ASSERT_TRUE(WaitFor([&] { return Attempts() >= attempts + 2; }));
  click->Play();  // unheard, and not kept for later either
  EXPECT_TRUE(fw::AudioOutput::IsSilent());

  Plug(true);
  ASSERT_TRUE(WaitFor([] { return !fw::AudioOutput::IsSilent(); }));
  EXPECT_TRUE(fw::AudioOutput::IsRunning());
  int64_t frames = 0;  // pulled again, long enough for the clock mapping to settle
  ASSERT_TRUE(
      WaitFor([&] { return (frames += Heard().Frames()) > click->Data()->sampleRate / 5; }));
  const double before = fw::Microseconds();
  click->Play();
  double onset = -1;
  ASSERT_TRUE(WaitFor([&] {
    const fw::CapturedAudio heard = Heard();
    for (int64_t i = 0; i < heard.Frames() && onset < 0; ++i) {
      if (heard.samples[static_cast<size_t>(2 * i)] != 0.0f) {
        onset =
            heard.startMicros + static_cast<double>(heard.firstFrame + i) * 1e6 / heard.sampleRate;
      }
    }
    return onset >= 0;
  }));
  EXPECT_NEAR(onset - before, fw::AudioOutput::LatencyMicroseconds(), 500);

  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said,
            "Taktora: audio output lost; running silent.\n"
            "Taktora: audio output reopened.\n");
}

TEST_F(OutputDevice, StoppingWhileLostOrWhileReopeningNeitherHangsNorLeaks) {
  ASSERT_TRUE(fw::AudioOutput::Start());
  Plug(false);
  ASSERT_TRUE(WaitFor([] { return fw::AudioOutput::IsSilent(); }));
  fw::AudioOutput::Stop();
  EXPECT_EQ(s.With([&] { return s.alive; }), 0);

  Plug(true);
  ASSERT_TRUE(fw::AudioOutput::Start());
  const int attempts = s.With([&] { return s.holdOpens = true, s.attempts; });
  Plug(false);
  ASSERT_TRUE(WaitFor([&] { return Attempts() > attempts; }));  // a reopen is held
  auto stopping = std::async(std::launch::async, [] { fw::AudioOutput::Stop(); });
  s.With([&] { return s.holdOpens = false, s.plugged = true; });
  ASSERT_EQ(stopping.wait_for(5s), std::future_status::ready);
  EXPECT_FALSE(fw::AudioOutput::IsRunning());
  EXPECT_EQ(s.With([&] { return s.alive; }), 0);
}

}  // namespace
