// Writes the default kit into a kit folder: ten synthesized drum sounds as
// 16-bit mono 44.1 kHz WAV files and the kit file "Default Kit.trk" naming
// them for rows 1 to 10, each name followed by "*".
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/drum_synth.h"
#include "tools/wav_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s KIT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  constexpr int kRate = 44100;
  std::string kitText;
  for (const tools::DrumSound& d : tools::SynthDefaultKit(kRate)) {
    const std::string path = folder + "/" + d.fileName;
    if (!tools::WriteWav16Mono(path, d.samples, kRate)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    kitText += d.fileName + "*";
  }
  const std::string kitPath = folder + "/Default Kit.trk";
  std::ofstream kit(kitPath, std::ios::binary | std::ios::trunc);
  kit << kitText;
  if (!kit) {
    std::fprintf(stderr, "cannot write %s\n", kitPath.c_str());
    return 1;
  }
  return 0;
}
