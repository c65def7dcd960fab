// Turns sound files (on disk or in memory) into SampleData at a given rate.
#pragma once
#include <memory>
#include <string>

#include "platform/sound/sound_data.h"

namespace fw {

// The longest sound we accept; longer files are refused before decoding.
constexpr double kMaxSoundSeconds = 60.0;

// nullptr with a short reason in *whyNot when the file is not a regular file
// (a pipe is never opened the blocking way), is not a readable sound, holds
// no frames, is truncated or is longer than kMaxSoundSeconds.
// Mono becomes two equal channels; of more than two channels the first two
// are kept. The result is converted once to outputRate.
std::shared_ptr<const SampleData> DecodeFile(const std::string& path, int outputRate,
                                             std::string* whyNot);
std::shared_ptr<const SampleData> DecodeMemory(const void* bytes, size_t size, int outputRate,
                                               std::string* whyNot);

}  // namespace fw
