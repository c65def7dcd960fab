// The default kit and the default pattern bank that the build places beside
// the programs: what they must hold, read straight from their bytes, and
// sounds that are like their instruments.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/bank_format.h"
#include "platform/base/numbers.h"
#include "platform/sound/sound.h"
#include "platform/sound/sound_data.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBin = fs::read_symlink("/proc/self/exe").parent_path();

std::string ReadAll(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST(DefaultBank, IsAValidBankOfDemoGrooves) {
  const std::string text = ReadAll(kBin / "Patterns" / "My Pattern");
  bank::BankValues v;
  std::string why;
  ASSERT_TRUE(bank::ReadBank(text, v, why)) << why;
  EXPECT_EQ(std::count(text.begin(), text.end(), '*'), 36323);
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
  // Tempo 120 in octaves without swing; rows 3 and 4 panned half left.
  EXPECT_EQ(text.rfind("120*Octaves*0*255*255*255*255*150*255*150*255*", 0), 0u);
  // Pattern 1 is a rock beat: kick on step 1, a ghost kick, snare on the
  // backbeat; value 23 + 2 * (row * 33 + step) is a step of pattern 1.
  const std::vector<std::string> values = fw::Split(text, "*");
  std::vector<std::string> cells;
  for (int at : {23 + 2 * (1 * 33 + 1), 23 + 2 * (1 * 33 + 11), 23 + 2 * (2 * 33 + 5),
                 23 + 2 * (2 * 33 + 6), 23 + 2 * (2 * 33 + 13)})
    for (int k : {0, 1}) cells.push_back(values[static_cast<size_t>(at + k)]);
  EXPECT_EQ(cells,
            (std::vector<std::string>{"1", "100", "1", "50", "1", "100", "0", "0", "1", "100"}));
  // Patterns 6 and 7 are shorter; the last ones are left empty for the user.
  EXPECT_EQ(std::pair(v.hit(6, 0, 0), v.hit(7, 0, 0)), std::pair(3, 4));
  int notes = 0;
  for (int p = 10; p <= 50; ++p)
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) notes += v.hit(p, r, s) != 0;
  EXPECT_EQ(notes, 0);
}

TEST(DefaultKit, TenDistinctPlayableSoundsEachLikeItsInstrument) {
  const fs::path kit = kBin / "TKTRKits" / "Default Kit";
  const std::string names[] = {"Kick.wav",    "Snare.wav",  "ClosedHat.wav", "OpenHat.wav",
                               "Clap.wav",    "LowTom.wav", "HighTom.wav",   "RimShot.wav",
                               "Cowbell.wav", "Crash.wav"};
  std::string text;
  for (const auto& n : names) text += n + "*";
  EXPECT_EQ(ReadAll(kit / "Default Kit.trk"), text);

  double zcr[10], seconds[10];  // crossings of zero a second: how bright a sound is
  for (int r = 0; r < 10; ++r) {
    std::string why;
    const fw::SoundRef sound = fw::Sound::OpenFile((kit / names[r]).string(), &why);
    ASSERT_TRUE(sound) << names[r] << ": " << why;
    const std::vector<float>& s = sound->Data()->samples;
    seconds[r] = sound->DurationSeconds();
    EXPECT_TRUE(seconds[r] > 0.05 && seconds[r] < 3.0) << names[r];
    int crossings = 0;  // of samples clear of the resampler's faint ripple
    float peak = 0, last = 0;
    for (size_t i = 0; i < s.size(); i += 2) {
      if (std::abs(s[i]) < 1e-3f) continue;
      crossings += (last < 0) != (s[i] < 0) && last != 0;
      last = s[i];
      peak = std::max(peak, std::abs(s[i]));
    }
    // Well below full scale, so that rows sounding together have room in the
    // mix (the default kit mix test plays them).
    EXPECT_GT(peak, 1.0f / 8) << names[r] << " is too quiet";
    zcr[r] = crossings / seconds[r];
  }
  EXPECT_LT(zcr[0], 400) << "the bottom row is a deep kick";
  EXPECT_GT(zcr[1], 4 * zcr[0]);
  EXPECT_GT(std::min({zcr[2], zcr[3], zcr[9]}), 4000);  // hats and crash
  EXPECT_GT(std::min({zcr[4], zcr[7], zcr[8]}), 1000);  // clap, rim, cowbell
  EXPECT_TRUE(zcr[0] < zcr[5] && zcr[5] < zcr[6]);      // kick, low tom, high tom
  // The open hat rings on after the closed one; the crash is the longest.
  EXPECT_GT(seconds[3], 3 * seconds[2]);
  EXPECT_EQ(std::max_element(seconds, seconds + 10) - seconds, 9);
}

}  // namespace
