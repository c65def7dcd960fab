#include "tools/wav_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace tools {
namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWav16Mono(const std::vector<int16_t>& samples, int sampleRate) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  PutU32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);  // size of the format chunk
  PutU16(out, 1);   // PCM
  PutU16(out, 1);   // mono
  PutU32(out, static_cast<uint32_t>(sampleRate));
  PutU32(out, static_cast<uint32_t>(sampleRate) * 2);  // bytes per second
  PutU16(out, 2);                                      // bytes per frame
  PutU16(out, 16);                                     // bits per sample
  PutTag(out, "data");
  PutU32(out, dataBytes);
  for (int16_t s : samples) PutU16(out, static_cast<uint16_t>(s));
  return out;
}

bool WriteWav16Mono(const std::string& path, const std::vector<float>& samples, int sampleRate) {
  std::vector<int16_t> pcm;
  pcm.reserve(samples.size());
  for (float s : samples) {
    const float c = std::clamp(s, -1.0f, 1.0f);
    pcm.push_back(static_cast<int16_t>(std::lround(c * 32767.0f)));
  }
  const std::vector<uint8_t> bytes = EncodeWav16Mono(pcm, sampleRate);
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

}  // namespace tools
