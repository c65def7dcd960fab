// The default kit and the default pattern bank that the build places beside
// the programs: exact file formats, readable by the program's own readers,
// and musically sane contents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "files/bank_format.h"
#include "files/kit_format.h"
#include "platform/sound.h"

namespace {

namespace fs = std::filesystem;

fs::path BinFolder() { return fs::read_symlink("/proc/self/exe").parent_path(); }

std::string ReadAll(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

int StepsOfLengthCode(int code) { return 32 - 4 * (code - 1); }

class DefaultBank : public ::testing::Test {
 protected:
  void SetUp() override {
    text = ReadAll(BinFolder() / "Patterns" / "My Pattern");
    ASSERT_FALSE(text.empty()) << "no default bank beside the program";
    std::string why;
    ASSERT_TRUE(bank::ReadBank(text, values, why)) << why;
  }
  std::string text;
  bank::BankValues values;
};

TEST_F(DefaultBank, HasExactlyTheBankLayoutWithNoLineEnds) {
  EXPECT_EQ(std::count(text.begin(), text.end(), '*'), 36323);
  EXPECT_EQ(text.back(), '*');
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(text.rfind("120*Octaves*0*", 0), 0u);
  // The writer of the program gives back the same bytes.
  EXPECT_EQ(bank::WriteBank(values), text);
}

TEST_F(DefaultBank, PanColoursAreTheFivePanPositions) {
  const std::set<std::pair<int, int>> allowed = {
      {255, 0}, {255, 150}, {255, 255}, {150, 255}, {0, 255}};
  std::set<std::pair<int, int>> used;
  for (const auto& c : values.colors) {
    EXPECT_TRUE(allowed.count({c[0], c[1]})) << c[0] << "," << c[1];
    used.insert({c[0], c[1]});
  }
  EXPECT_GE(used.size(), 3u) << "the demo bank should spread the kit";
}

TEST_F(DefaultBank, EveryCellHoldsAStateThePatternEditorCanShow) {
  std::set<int> lengthCodes;
  for (int p = 1; p <= bank::kPatterns; ++p) {
    const int code = values.hit(p, 0, 0);
    ASSERT_GE(code, 1) << "pattern " << p;
    ASSERT_LE(code, 4) << "pattern " << p;
    lengthCodes.insert(code);
    EXPECT_EQ(values.velocity(p, 0, 0), 0);
    for (int r = 0; r <= 10; ++r) {
      for (int s = 0; s <= 32; ++s) {
        if (r == 0 && s == 0) continue;
        const int hit = values.hit(p, r, s), sv = values.velocity(p, r, s);
        if (r == 0 || s == 0 || s > StepsOfLengthCode(code)) {
          EXPECT_EQ(hit, 0) << p << "/" << r << "/" << s;
          EXPECT_EQ(sv, 0) << p << "/" << r << "/" << s;
        } else if (hit == 0) {
          EXPECT_EQ(sv, 0) << p << "/" << r << "/" << s;
        } else {
          EXPECT_EQ(hit, 1);
          EXPECT_TRUE(sv == 100 || sv == 50 || sv == 10) << p << "/" << r << "/" << s;
        }
      }
    }
  }
  EXPECT_TRUE(lengthCodes.count(3)) << "a 24-step pattern is part of the demo";
}

TEST_F(DefaultBank, HoldsAFewDemoGroovesAndLeavesTheRestEmpty) {
  auto notes = [this](int p) {
    int n = 0;
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) n += values.hit(p, r, s);
    return n;
  };
  for (int p = 1; p <= 5; ++p) EXPECT_GE(notes(p), 12) << "pattern " << p;
  // Pattern 1 is a rock beat: kick on the first step, snare on the backbeat.
  EXPECT_EQ(values.velocity(1, 1, 1), 100);
  EXPECT_EQ(values.hit(1, 2, 5), 1);
  EXPECT_EQ(values.hit(1, 2, 13), 1);
  for (int p = 10; p <= bank::kPatterns; ++p) {
    EXPECT_EQ(notes(p), 0) << "pattern " << p;
    EXPECT_EQ(values.hit(p, 0, 0), 1) << "pattern " << p;
  }
  // Accents, normal and ghost notes all occur.
  std::set<int> velocities(values.cells.begin(), values.cells.end());
  EXPECT_TRUE(velocities.count(100) && velocities.count(50) && velocities.count(10));
}

// The 16-bit samples of a canonical 44-byte-header PCM WAV file, after
// checking its header says 16-bit mono 44100 Hz.
std::vector<int16_t> MonoSamples(const std::string& bytes, std::string& why) {
  auto u32 = [&bytes](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
  };
  auto u16 = [&u32](size_t at) { return u32(at) & 0xFFFF; };
  if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 8, "WAVEfmt ") ||
      bytes.compare(36, 4, "data")) {
    why = "not a plain WAV file";
    return {};
  }
  if (u16(20) != 1 || u16(22) != 1 || u32(24) != 44100 || u16(34) != 16) {
    why = "not 16-bit mono PCM at 44100 Hz";
    return {};
  }
  if (u32(40) != bytes.size() - 44 || u32(4) != bytes.size() - 8) {
    why = "chunk sizes do not match the file";
    return {};
  }
  std::vector<int16_t> samples((bytes.size() - 44) / 2);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(u16(44 + 2 * i));
  return samples;
}

TEST(DefaultKit, KitFileNamesTenSoundsThatThePlayerOpens) {
  const fs::path folder = BinFolder() / "TKTRKits" / "Default Kit";
  const std::string text = ReadAll(folder / "Default Kit.trk");
  ASSERT_EQ(std::count(text.begin(), text.end(), '*'), 10);
  EXPECT_EQ(text.back(), '*');
  kit::RowNames names;
  std::string why;
  ASSERT_TRUE(kit::ReadKitFile(text, names, why)) << why;
  EXPECT_EQ(kit::WriteKitFile(names), text);
  std::set<std::string> distinct(names.begin(), names.end());
  EXPECT_EQ(distinct.size(), 10u);
  for (const std::string& name : names) {
    ASSERT_NE(name, "Empty");
    const fs::path path = folder / name;
    ASSERT_TRUE(fs::exists(path)) << name;
    std::string whyNot;
    const fw::SoundRef sound = fw::Sound::OpenFile(path.string(), &whyNot);
    ASSERT_TRUE(sound) << name << ": " << whyNot;
    EXPECT_GT(sound->DurationSeconds(), 0.05) << name;
    EXPECT_LT(sound->DurationSeconds(), 3.0) << name;
  }
}

TEST(DefaultKit, SoundsAreLoudButNeverClipAndEndInSilence) {
  const fs::path folder = BinFolder() / "TKTRKits" / "Default Kit";
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".wav") continue;
    std::string why;
    const std::vector<int16_t> s = MonoSamples(ReadAll(entry.path()), why);
    ASSERT_FALSE(s.empty()) << entry.path().filename() << ": " << why;
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    const std::string name = entry.path().filename().string();
    EXPECT_LT(peak, 32767) << name << " clips";
    EXPECT_GT(peak, 32767 / 2) << name << " is too quiet";
    EXPECT_LT(std::abs(static_cast<int>(s.back())), 64) << name << " ends with a click";
  }
}

// Crossings of zero per second: a rough measure of how bright a sound is.
double ZeroCrossingRate(const std::vector<int16_t>& s) {
  int crossings = 0;
  for (size_t i = 1; i < s.size(); ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
  return crossings * 44100.0 / static_cast<double>(s.size());
}

TEST(DefaultKit, EachRowSoundsLikeItsInstrument) {
  const fs::path folder = BinFolder() / "TKTRKits" / "Default Kit";
  kit::RowNames names;
  std::string why;
  ASSERT_TRUE(kit::ReadKitFile(ReadAll(folder / "Default Kit.trk"), names, why)) << why;
  std::vector<int16_t> row[11];
  for (int r = 1; r <= 10; ++r) {
    row[r] = MonoSamples(ReadAll(folder / names[r - 1]), why);
    ASSERT_FALSE(row[r].empty()) << names[r - 1] << ": " << why;
  }
  enum {
    kKick = 1,
    kSnare,
    kClosedHat,
    kOpenHat,
    kClap,
    kLowTom,
    kHighTom,
    kRim,
    kCowbell,
    kCrash
  };
  const double kick = ZeroCrossingRate(row[kKick]);
  EXPECT_LT(kick, 400) << "the bottom row is a deep kick";
  EXPECT_GT(ZeroCrossingRate(row[kClosedHat]), 5000);
  EXPECT_GT(ZeroCrossingRate(row[kOpenHat]), 5000);
  EXPECT_GT(ZeroCrossingRate(row[kCrash]), 4000);
  EXPECT_GT(ZeroCrossingRate(row[kSnare]), 4 * kick);
  EXPECT_LT(ZeroCrossingRate(row[kLowTom]), ZeroCrossingRate(row[kHighTom]));
  EXPECT_GT(ZeroCrossingRate(row[kLowTom]), kick);
  // The open hat rings on after the closed one; the crash is the longest.
  EXPECT_GT(row[kOpenHat].size(), 3 * row[kClosedHat].size());
  for (int r = 1; r <= 9; ++r) EXPECT_GT(row[kCrash].size(), row[r].size()) << names[r - 1];
  for (int r : {kClap, kRim, kCowbell}) EXPECT_GT(ZeroCrossingRate(row[r]), 1000) << names[r - 1];
}

}  // namespace
