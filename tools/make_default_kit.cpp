// Writes the default kit into a kit folder: ten synthesized drum sounds as
// 16-bit mono 44.1 kHz WAV files and the kit file "Default Kit.trk" naming
// them for rows 1 to 10, each name followed by "*".
#include <cstdio>
#include <fstream>
#include <string>

#include "files/kit_format.h"
#include "tools/drum_synth.h"
#include "tools/wav_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s KIT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  constexpr int kRate = 44100;
  const std::vector<tools::DrumSound> sounds = tools::SynthDefaultKit(kRate);
  kit::RowNames names;
  for (size_t i = 0; i < sounds.size() && i < names.size(); ++i) {
    const tools::DrumSound& d = sounds[i];
    const std::string path = folder + "/" + d.fileName;
    if (!tools::WriteWav16Mono(path, d.samples, kRate)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    names[i] = d.fileName;
  }
  const std::string kitPath = folder + "/Default Kit.trk";
  std::ofstream file(kitPath, std::ios::binary | std::ios::trunc);
  file << kit::WriteKitFile(names);
  if (!file) {
    std::fprintf(stderr, "cannot write %s\n", kitPath.c_str());
    return 1;
  }
  return 0;
}
