// The audio output: one mixer, pulled either by the sound device or by a
// capture sink that records exactly what would be heard.
//
// Every voice starts at the output frame that sounds at the moment its Play
// was called plus LatencyMicroseconds(), whatever the buffer size and
// whenever the buffers are made. Output starts by itself on the first Play
// (so code that never plays needs no device), or explicitly here.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class OutputDevice;

// What a capture sink recorded. Output frame f sounds at clock moment
// startMicros + f * 1e6 / sampleRate; samples begin at frame firstFrame.
struct CapturedAudio {
  int sampleRate = 0;
  double startMicros = 0;
  int64_t firstFrame = 0;
  std::vector<float> samples;  // interleaved left, right
  int64_t Frames() const { return static_cast<int64_t>(samples.size() / 2); }
};

class AudioOutput {
 public:
  // Opens the default sound device. When there is none, says so once on
  // stderr and runs silent (returns false). Does nothing while running.
  // From then on a device that goes away (unplugged) is noticed within half
  // a second; the default one is opened instead, and while there is none the
  // output runs silent and tries again every few seconds, with a line on
  // stderr when the device is lost and when it is back.
  static bool Start();
  // Instead of the device: a sink that pulls the mixer on an absolute clock
  // schedule and keeps what it gets in memory. Stops whatever ran before.
  static bool StartCaptureToMemory();
  // The frames the memory capture holds so far; it keeps recording.
  static CapturedAudio TakeCapture();
  // Stops the output and drops every voice; the next Play starts it again.
  static void Stop();

  // The output rate every sound is converted to at load: the default
  // device's own rate where it tells, else 48000. Fixed once asked.
  static int SampleRate();
  // The fixed delay from Play to the first sample of the voice.
  static double LatencyMicroseconds();
  // True while the device or a capture sink pulls the mixer.
  static bool IsRunning();
  // True while the device is wanted and none is open.
  static bool IsSilent();
};

namespace testing {
// Devices come from `make` instead of the sound system (an empty function
// restores it); a lost device is noticed within pollMs and a new one tried
// every retryMs while there is none.
void SetOutputDevices(std::function<std::unique_ptr<OutputDevice>()> make, int pollMs, int retryMs);
}  // namespace testing

}  // namespace fw
