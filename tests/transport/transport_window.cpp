#include "tests/transport/transport_window.h"

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <thread>

#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "platform/base/thread.h"
#include "platform/sound/sound_data.h"

namespace transporttest {

namespace {

// The main window of this program starts with an empty application folder:
// no default kit, no default bank, every row silent.
class EmptyStart : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("taktora-transport-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    fw::SetApplicationFolder(folder_);
    Window1::Instance();
  }
  void TearDown() override {
    Window1::Instance().playon = false;
    fw::JoinAllThreads();
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path folder_;
};

[[maybe_unused]] auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new EmptyStart);

}  // namespace

fw::SoundRef ImpulseSound(double level) {
  auto d = std::make_shared<fw::SampleData>();
  d->sampleRate = fw::AudioOutput::SampleRate();
  d->frames = 4;
  d->samples.assign(8, 0.0f);
  d->samples[0] = d->samples[1] = static_cast<float>(level);
  return std::make_shared<fw::Sound>(d);
}

int MaskOf(const HeardStep& step, double gain) {
  const double units = step.level / gain * 1024.0;
  const long mask = std::lround(units);
  if (std::abs(units - static_cast<double>(mask)) > 0.05) return -1;
  if (mask < 512 || mask > 1023) return -1;
  return static_cast<int>(mask);
}

std::vector<HeardStep> StepsIn(const fw::CapturedAudio& heard) {
  std::vector<HeardStep> steps;
  const double microsPerFrame = 1e6 / heard.sampleRate;
  const int64_t gapFrames = heard.sampleRate / 1000;  // sounds of one step lie within 1 ms
  int64_t last = -gapFrames - 1;
  for (int64_t i = 0; i < heard.Frames(); ++i) {
    const float left = heard.samples[static_cast<size_t>(2 * i)];
    if (left == 0.0f) continue;
    if (i - last > gapFrames) {
      HeardStep s;
      s.playMicros = heard.startMicros +
                     static_cast<double>(heard.firstFrame + i) * microsPerFrame -
                     fw::AudioOutput::LatencyMicroseconds();
      steps.push_back(s);
    }
    steps.back().level += left;
    last = i;
  }
  return steps;
}

void TransportWindow::SetUp() {
  StopAndSettle();
  for (int r = 1; r <= 10; ++r) {
    saved_[r] = w.S(r);
    fw::SoundRef s = ImpulseSound(std::ldexp(1.0, r - 1) / 1024.0);
    ASSERT_NE(s, nullptr);
    s->Pan = -100;  // left only, at full level
    w.S(r) = s;
  }
  w.NoteRepeat = false;
  w.Swing = 0;
  w.SwingText().SetText("0");
  w.CalculateSwing();
  SetTempo("600");  // a step every 25 ms
  w.MainVolume = 100;
  w.percentvolume = 1.0;
  w.VolumeText().SetText("100");
  for (int pattern = 1; pattern <= 4; ++pattern) MarkedPattern(pattern);
  w.Pattern = 1;
  w.StaticText20().SetText("1");
  w.Meter = 1;
  w.ClearDisplay();
  w.MeterDisplay();
  w.DrumName().SetText("");
  ASSERT_TRUE(fw::AudioOutput::StartCaptureToMemory());
}

void TransportWindow::TearDown() {
  StopAndSettle();
  fw::AudioOutput::Stop();
  for (int r = 1; r <= 10; ++r) w.S(r) = saved_[r];
  SetTempo("120");
}

void TransportWindow::StopAndSettle() {
  if (!w.playon) return;
  w.StopPlayback();
  EXPECT_TRUE(RunUntil([&] { return w.CurrentBeat == -1; }, 1000));
}

void TransportWindow::MarkedPattern(int pattern, int lengthCode) {
  for (int r = 1; r <= 10; ++r)
    for (int s = 1; s <= 32; ++s) {
      const bool on = r == 10 || (r >= 5 && (((s - 1) >> (r - 5)) & 1));
      w.Hit(pattern, r, s) = on ? 1 : 0;
      w.SV(pattern, r, s) = on ? 100 : 0;
    }
  w.Hit(pattern, 0, 0) = lengthCode;
}

void TransportWindow::SetTempo(const std::string& text) {
  w.StaticText1().SetText(text);
  w.CalculateInterval();
}

bool TransportWindow::RunUntil(const std::function<bool()>& done, int ms) {
  const double deadline = fw::Microseconds() + ms * 1000.0;
  while (!done()) {
    if (fw::Microseconds() > deadline) return false;
    fw::testing::ProcessEvents(1);
  }
  return true;
}

double TransportWindow::ChangeBetweenSteps(const std::function<void()>& change) {
  // Holding the baton, this thread keeps the loop from sounding anything.
  EXPECT_TRUE(fw::Baton::HeldByThisThread());
  const double at = fw::Microseconds();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  change();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  return at + 2000.0;
}

std::vector<HeardStep> TransportWindow::Heard() {
  fw::testing::ProcessEvents(static_cast<int>(fw::AudioOutput::LatencyMicroseconds() / 1000) + 30);
  return StepsIn(fw::AudioOutput::TakeCapture());
}

void TransportWindow::ClickOn(const fw::Control& c) {
  fw::testing::Click(w, c.Left() + c.Width() / 2, c.Top() + c.Height() / 2);
}

}  // namespace transporttest
