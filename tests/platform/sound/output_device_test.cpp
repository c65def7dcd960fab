// The output device going away and coming back, through a device the tests
// unplug and plug in again; it hears through a capture sink.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/sound/audio_capture.h"
#include "platform/sound/audio_device.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound.h"

namespace {

using namespace std::chrono_literals;
using fw::AudioOutput;

bool WaitFor(const std::function<bool()>& done) {
  for (const auto deadline = std::chrono::steady_clock::now() + 5s; !done();
       std::this_thread::sleep_for(1ms))
    if (std::chrono::steady_clock::now() > deadline) return false;
  return true;
}

// The socket the test's devices plug into; all of it under `m`.
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
    if (!s_.plugged) return *why = "unplugged", false;
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
    AudioOutput::Stop();
    fw::testing::SetOutputDevices([this] { return std::make_unique<PluggedDevice>(s); }, 5, 10);
  }
  void TearDown() override {
    AudioOutput::Stop();
    fw::testing::SetOutputDevices({}, 500, 3000);
  }
  void Plug(bool plugged) {
    s.With([&] { return s.plugged = plugged; });
  }
  int Attempts() {
    return s.With([&] { return s.attempts; });
  }
  Socket s;
};

TEST_F(OutputDevice, AnUnpluggedDeviceIsNoticedRetriedAndHeardAgainWhenBack) {
  auto d = std::make_shared<fw::SampleData>();
  d->sampleRate = AudioOutput::SampleRate();
  d->frames = 48;
  d->samples.assign(96, 0.5f);
  const auto click = std::make_shared<fw::Sound>(d);
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(AudioOutput::Start());
  Plug(false);
  ASSERT_TRUE(WaitFor([] { return AudioOutput::IsSilent(); }));
  const int attempts = Attempts();
  ASSERT_TRUE(WaitFor([&] { return Attempts() >= attempts + 2; }));
  click->Play();  // unheard, and not kept for later either

  Plug(true);
  ASSERT_TRUE(WaitFor([] { return !AudioOutput::IsSilent(); }));
  // What the open device heard since the last call: silence, then the next hit.
  int64_t frames = 0;
  bool sounded = false;
  auto hear = [&] {
    const auto a = s.With([&] { return s.open ? s.open->Take() : fw::CapturedAudio{}; });
    frames += a.Frames();
    sounded |= std::any_of(a.samples.begin(), a.samples.end(), [](float x) { return x != 0; });
    return sounded;
  };
  ASSERT_TRUE(WaitFor([&] { return hear() || frames > d->sampleRate / 5; }));
  EXPECT_FALSE(sounded) << "the hit played while unplugged was kept";
  click->Play();
  EXPECT_TRUE(WaitFor(hear));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Taktora: audio output lost; running silent.\n"
            "Taktora: audio output reopened.\n");
}

TEST_F(OutputDevice, StoppingWhileLostOrWhileReopeningNeitherHangsNorLeaks) {
  ASSERT_TRUE(AudioOutput::Start());
  Plug(false);
  ASSERT_TRUE(WaitFor([] { return AudioOutput::IsSilent(); }));
  AudioOutput::Stop();
  EXPECT_EQ(s.With([&] { return s.alive; }), 0);

  Plug(true);
  ASSERT_TRUE(AudioOutput::Start());
  const int attempts = s.With([&] { return s.holdOpens = true, s.attempts; });
  Plug(false);
  ASSERT_TRUE(WaitFor([&] { return Attempts() > attempts; }));  // a reopen is held
  auto stopping = std::async(std::launch::async, [] { AudioOutput::Stop(); });
  s.With([&] { return s.holdOpens = false, s.plugged = true; });
  ASSERT_EQ(stopping.wait_for(5s), std::future_status::ready);
  EXPECT_FALSE(AudioOutput::IsRunning());
  EXPECT_EQ(s.With([&] { return s.alive; }), 0);
}

}  // namespace
