// The decoded samples behind a Sound: immutable once made, shared by every
// clone and by every voice that plays them.
#pragma once
#include <cstdint>
#include <vector>

namespace fw {

struct SampleData {
  int sampleRate = 0;          // the output rate the samples were converted to
  int64_t frames = 0;          // stereo frames
  std::vector<float> samples;  // interleaved left, right; size 2 * frames
};

}  // namespace fw
