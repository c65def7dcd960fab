// Writes the sound an empty row plays: a tenth of a second of digital silence,
// 16-bit mono at 44100 Hz.
#include <cstdio>
#include <vector>

#include "tools/wav_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
    return 2;
  }
  constexpr int kRate = 44100;
  const std::vector<float> silence(kRate / 10, 0.0f);
  if (!tools::WriteWav16Mono(argv[1], silence, kRate)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
