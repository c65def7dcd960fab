// The default kit and the default pattern bank that the build places beside
// the programs: what they must hold, read straight from their bytes, and
// musically sane sounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/bank_format.h"
#include "files/kit_format.h"
#include "platform/sound/sound.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBin = fs::read_symlink("/proc/self/exe").parent_path();
const fs::path kKit = kBin / "TKTRKits" / "Default Kit";

std::string ReadAll(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// Value `index` of a bank text, counting from 0 between the stars.
std::string ValueAt(const std::string& text, int index) {
  size_t at = 0;
  for (int i = 0; i < index; ++i) at = text.find('*', at) + 1;
  return text.substr(at, text.find('*', at) - at);
}
// Index of a cell's on/off value: 23 header values, 363 cells a pattern.
int CellAt(int pattern, int row, int step) {
  return 23 + 2 * ((pattern - 1) * 363 + row * 33 + step);
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
  // Pattern 1 is a rock beat: kick on step 1, snare on the backbeat, a ghost kick.
  EXPECT_EQ(ValueAt(text, CellAt(1, 1, 1)) + "," + ValueAt(text, CellAt(1, 1, 1) + 1), "1,100");
  EXPECT_EQ(ValueAt(text, CellAt(1, 1, 11)) + "," + ValueAt(text, CellAt(1, 1, 11) + 1), "1,50");
  EXPECT_EQ(ValueAt(text, CellAt(1, 2, 5)) + ValueAt(text, CellAt(1, 2, 13)), "11");
  EXPECT_EQ(ValueAt(text, CellAt(1, 2, 6)), "0");
  // Patterns 6 and 7 are shorter; the last ones are left empty for the user.
  EXPECT_EQ(ValueAt(text, CellAt(6, 0, 0)) + ValueAt(text, CellAt(7, 0, 0)), "34");
  int notes = 0;
  for (int p = 10; p <= 50; ++p)
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) notes += v.hit(p, r, s) != 0;
  EXPECT_EQ(notes, 0);
}

// The samples of a plain 44-byte-header WAV file whose header says 16-bit
// mono PCM at 44100 Hz with chunk sizes matching the file; empty otherwise.
std::vector<int16_t> MonoSamples(const std::string& b) {
  auto u = [&b](size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | uint8_t(b[at + i]);
    return v;
  };
  if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 8, "WAVEfmt ") ||
      b.compare(36, 4, "data") || u(20, 2) != 1 || u(22, 2) != 1 || u(24, 4) != 44100 ||
      u(34, 2) != 16 || u(40, 4) != b.size() - 44 || u(4, 4) != b.size() - 8)
    return {};
  std::vector<int16_t> s((b.size() - 44) / 2);
  for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(u(44 + 2 * i, 2));
  return s;
}

// Crossings of zero per second: a rough measure of how bright a sound is.
double ZeroCrossingRate(const std::vector<int16_t>& s) {
  int crossings = 0;
  for (size_t i = 1; i < s.size(); ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
  return crossings * 44100.0 / static_cast<double>(s.size());
}

TEST(DefaultKit, TenDistinctPlayableSoundsEachLikeItsInstrument) {
  const std::string text = ReadAll(kKit / "Default Kit.trk");
  ASSERT_EQ(std::count(text.begin(), text.end(), '*'), 10);
  kit::RowNames names;
  std::string why;
  EXPECT_EQ(text,
            "Kick.wav*Snare.wav*ClosedHat.wav*OpenHat.wav*Clap.wav*LowTom.wav*HighTom.wav*"
            "RimShot.wav*Cowbell.wav*Crash.wav*");
  ASSERT_TRUE(kit::ReadKitFile(text, names, why)) << why;

  std::vector<int16_t> row[11];
  double zcr[11] = {};
  for (int r = 1; r <= 10; ++r) {
    const std::string& name = names[r - 1];
    const fw::SoundRef sound = fw::Sound::OpenFile((kKit / name).string(), &why);
    ASSERT_TRUE(sound) << name << ": " << why;
    EXPECT_GT(sound->DurationSeconds(), 0.05) << name;
    EXPECT_LT(sound->DurationSeconds(), 3.0) << name;
    row[r] = MonoSamples(ReadAll(kKit / name));
    ASSERT_FALSE(row[r].empty()) << name << " is not 16-bit mono 44100 Hz PCM";
    int peak = 0;
    for (int16_t s : row[r]) peak = std::max(peak, std::abs(int(s)));
    // Well below full scale, so that rows sounding together have room in the
    // mix (the default kit mix test plays them); their tails are checked there too.
    EXPECT_GT(peak, 32767 / 8) << name << " is too quiet";
    zcr[r] = ZeroCrossingRate(row[r]);
  }
  // Rows: 1 kick, 2 snare, 3 closed hat, 4 open hat, 5 clap, 6 low tom,
  // 7 high tom, 8 rim, 9 cowbell, 10 crash.
  EXPECT_LT(zcr[1], 400) << "the bottom row is a deep kick";
  EXPECT_GT(zcr[2], 4 * zcr[1]);
  EXPECT_GT(std::min({zcr[3], zcr[4]}), 5000);
  EXPECT_GT(zcr[10], 4000);
  EXPECT_GT(std::min({zcr[5], zcr[8], zcr[9]}), 1000);
  EXPECT_LT(zcr[1], zcr[6]);
  EXPECT_LT(zcr[6], zcr[7]);
  // The open hat rings on after the closed one; the crash is the longest.
  EXPECT_GT(row[4].size(), 3 * row[3].size());
  for (int r = 1; r <= 9; ++r) EXPECT_GT(row[10].size(), row[r].size()) << names[r - 1];
}

}  // namespace
