// Writing 16-bit mono PCM WAV files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// The RIFF/WAVE bytes of 16-bit mono PCM at the given rate.
std::vector<uint8_t> EncodeWav16Mono(const std::vector<int16_t>& samples, int sampleRate);

// Converts samples in -1..1 to 16 bits (clamping anything beyond) and writes
// the file. Returns false if the file cannot be written.
bool WriteWav16Mono(const std::string& path, const std::vector<float>& samples, int sampleRate);

}  // namespace tools
