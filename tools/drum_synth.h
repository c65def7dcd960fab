// The ten drum sounds of the default kit, synthesized from oscillators, noise
// and filters. Every sound is mono, -1..1, at the given rate, and ends once it
// has died away on its own.
//
// The program's mixer adds rows at their velocity and pan with no headroom of
// its own, so the kit brings it: the kick and snare peak at half scale and the
// others lower, the more so the further the default bank pans them, so that
// the rows the default bank sounds together stay below full scale.
#pragma once
#include <string>
#include <vector>

namespace tools {

struct DrumSound {
  std::string fileName;  // the file the kit names, e.g. "Kick.wav"
  std::vector<float> samples;
};

std::vector<float> SynthKick(int rate);
std::vector<float> SynthSnare(int rate);
std::vector<float> SynthClosedHat(int rate);
std::vector<float> SynthOpenHat(int rate);
std::vector<float> SynthClap(int rate);
std::vector<float> SynthLowTom(int rate);
std::vector<float> SynthHighTom(int rate);
std::vector<float> SynthRimShot(int rate);
std::vector<float> SynthCowbell(int rate);
std::vector<float> SynthCrash(int rate);

// All ten, in kit order: row 1 (bottom of the grid) first.
std::vector<DrumSound> SynthDefaultKit(int rate);

}  // namespace tools
