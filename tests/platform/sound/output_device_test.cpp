// The output device going away and coming back, through a device the tests
// unplug and plug in again, and which makes audio only when the test pulls it.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/base/clock.h"
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
  bool plugged = true, holdOpens = false;  // an open waits while held
  int attempts = 0, alive = 0;             // opens tried, devices not yet destroyed
  fw::Mixer* open = nullptr;
  int64_t frame = 0;  // the next frame the open device makes

  template <typename F>
  auto With(F f) {
    std::lock_guard lock(m);
    auto result = f();
    released.notify_all();
    return result;
  }
  // Makes one block on the open device, its first frame sounding now: the
  // moment its first sound is heard, or 0 when it is silent or nothing is open.
  double Pull() {
    std::lock_guard lock(m);
    if (!open) return 0;
    const double now = fw::Microseconds(), perFrame = 1e6 / open->SampleRate();
    float out[2 * 256];
    open->SetClock(frame, now, perFrame);
    open->Render(out, 256, frame);
    frame += 256;
    for (int i = 0; i < 256; ++i)
      if (out[2 * i] != 0) return now + i * perFrame;
    return 0;
  }
};

class PluggedDevice : public fw::OutputDevice {
 public:
  explicit PluggedDevice(Socket& s) : s_(s) {
    s_.With([&] { return ++s_.alive; });
  }
  ~PluggedDevice() override {
    s_.With([&] { return --s_.alive, s_.open = nullptr; });
  }
  bool Open(fw::Mixer* mixer, std::string* why) override {
    std::unique_lock lock(s_.m);
    ++s_.attempts;
    s_.released.wait(lock, [&] { return !s_.holdOpens; });
    if (!s_.plugged) return *why = "unplugged", false;
    return s_.open = mixer, true;
  }
  bool IsLost() const override {
    return s_.With([&] { return !s_.plugged; });
  }

 private:
  Socket& s_;
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
  for (int block = 0; block < 40; ++block) EXPECT_EQ(s.Pull(), 0) << "a hit kept while unplugged";
  const double played = fw::Microseconds();
  click->Play();
  double heard = 0;
  EXPECT_TRUE(WaitFor([&] { return (heard = s.Pull()) != 0; }));
  // Heard at its moment: the play moment plus the latency (a pull may come late).
  EXPECT_GE(heard - played, AudioOutput::LatencyMicroseconds() - 1e6 / d->sampleRate);
  EXPECT_LT(heard - played, AudioOutput::LatencyMicroseconds() + 20000);
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
  ASSERT_TRUE(WaitFor([&] { return Attempts() > attempts; }));  // held
  auto stopping = std::async(std::launch::async, [] { AudioOutput::Stop(); });
  s.With([&] { return s.holdOpens = false, s.plugged = true; });
  ASSERT_EQ(stopping.wait_for(5s), std::future_status::ready);
  EXPECT_FALSE(AudioOutput::IsRunning());
  EXPECT_EQ(s.With([&] { return s.alive; }), 0);
}

}  // namespace
