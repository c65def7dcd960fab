// What the benchmarks share to turn what they heard and timed into numbers.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sound/audio_output.h"

namespace bench {

// The value below which a fraction p of v lies (p = 1: the largest); 0 for
// no values.
inline double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

// The clock moment of the first frame of each run of non-zero output.
inline std::vector<double> Onsets(const fw::CapturedAudio& heard) {
  std::vector<double> onsets;
  const int64_t gap = heard.sampleRate / 1000;
  int64_t last = -gap - 1;
  for (int64_t i = 0; i < heard.Frames(); ++i) {
    if (heard.samples[static_cast<size_t>(2 * i)] == 0.0f) continue;
    if (i - last > gap) {
      onsets.push_back(heard.startMicros +
                       static_cast<double>(heard.firstFrame + i) * 1e6 / heard.sampleRate);
    }
    last = i;
  }
  return onsets;
}

}  // namespace bench
