// The default kit and bank beside the programs, opened as the program opens
// them: what they hold, sounds like their instruments, and a mix through the
// real mixer that never reaches its clamp, with no sound cut off loud.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/base/numbers.h"
#include "platform/sound/mixer.h"
#include "platform/sound/sound.h"
#include "platform/sound/sound_data.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

using DefaultFiles = FilesTest;

float Largest(const float* from, const float* to) {
  float m = 0;
  for (; from != to; ++from) m = std::max(m, std::fabs(*from));
  return m;
}

// The loudest sample of the current pattern played twice round, each step
// when the play loop sounds it and with the gains it gives, mixed until the
// last tail has ended.
float PlayTwiceRound(Window1& w) {
  const int rate = w.S(1)->Data()->sampleRate;
  const double microsPerFrame = 1e6 / rate;
  fw::Mixer mixer(rate);
  std::vector<float> block(2 * 512);
  float peak = 0;
  int64_t done = -1;  // nothing sounds before the first hit
  auto renderTo = [&](int64_t end) {
    for (int n; done >= 0 && done < end; done += n) {
      n = static_cast<int>(std::min<int64_t>(512, end - done));
      mixer.SetClock(done, static_cast<double>(done) * microsPerFrame, microsPerFrame);
      mixer.Render(block.data(), n, done);
      peak = std::max(peak, Largest(block.data(), block.data() + 2 * n));
    }
  };
  double at = 0;
  for (int round = 0; round < 2; ++round)
    for (int step = 1; step <= w.NumBeats; ++step) {
      at += w.Beat(step);
      renderTo(static_cast<int64_t>(at / microsPerFrame));
      for (int row = 1; row <= 10; ++row) {
        if (w.Hit(w.Pattern, row, step) != 1) continue;
        const fw::ChannelGains g = fw::GainsFor(
            fw::ToInteger(w.percentvolume * w.SV(w.Pattern, row, step)), w.S(row)->Pan);
        if (done < 0) done = static_cast<int64_t>(at / microsPerFrame);
        mixer.Start(w.S(row)->Data(), static_cast<uint64_t>(row), at, g.left, g.right);
      }
    }
  while (done >= 0 && mixer.ActiveVoices() > 0) renderTo(done + 512);
  return peak;
}

TEST_F(DefaultFiles, OpenAsDemoGroovesOnTenSoundsLikeTheirInstruments) {
  fw::SetApplicationFolder(fs::read_symlink("/proc/self/exe").parent_path());
  w.Event_Open();
  ASSERT_TRUE(Messages().empty());
  // Pattern 1 is a rock beat: kick on step 1, a ghost kick, snare on the backbeat.
  EXPECT_EQ(
      std::tuple(w.SV(1, 1, 1), w.SV(1, 1, 11), w.SV(1, 2, 5), w.Hit(1, 2, 6), w.SV(1, 2, 13)),
      std::tuple(100, 50, 100, 0, 100));

  const std::string names[] = {"Kick.wav",    "Snare.wav",  "ClosedHat.wav", "OpenHat.wav",
                               "Clap.wav",    "LowTom.wav", "HighTom.wav",   "RimShot.wav",
                               "Cowbell.wav", "Crash.wav"};
  double zcr[10];  // crossings of zero a second: how bright a sound is
  for (int r = 0; r < 10; ++r) {
    EXPECT_EQ(w.StaticText3(r + 1).Text(), names[r]);
    const std::vector<float>& s = w.S(r + 1)->Data()->samples;
    int crossings = 0;  // of samples clear of the resampler's faint ripple
    float last = 0;
    for (size_t i = 0; i < s.size(); i += 2) {
      if (std::abs(s[i]) < 1e-3f) continue;
      crossings += (last < 0) != (s[i] < 0) && last != 0;
      last = s[i];
    }
    zcr[r] = crossings / w.S(r + 1)->DurationSeconds();
    // Loud enough to hear, and dying away before its end.
    const float peak = Largest(s.data(), s.data() + s.size());
    const size_t tail = static_cast<size_t>(2 * w.S(r + 1)->Data()->sampleRate / 100);  // 10 ms
    EXPECT_GT(peak, 1.0f / 8) << names[r] << " is too quiet";
    EXPECT_LE(Largest(s.data() + s.size() - tail, s.data() + s.size()), peak / 1000)
        << names[r] << " is cut off loud";
  }
  EXPECT_LT(zcr[0], 400) << "the bottom row is a deep kick";
  EXPECT_GT(zcr[1], 4 * zcr[0]);
  EXPECT_GT(std::min({zcr[2], zcr[3], zcr[9]}), 4000);  // hats and crash
  EXPECT_GT(std::min({zcr[4], zcr[7], zcr[8]}), 1000);  // clap, rim, cowbell
  EXPECT_TRUE(zcr[0] < zcr[5] && zcr[5] < zcr[6]);      // kick, low tom, high tom

  ASSERT_EQ(w.percentvolume, 1.0);
  for (w.Swing = 0; w.Swing <= 8; ++w.Swing) {
    w.CalculateSwing();
    for (int pattern = 1; pattern <= 50; ++pattern) {
      w.ChangePattern(pattern - w.Pattern, true);
      EXPECT_LT(PlayTwiceRound(w), 1.0f) << "pattern " << pattern << " at swing " << w.Swing;
    }
  }
}

}  // namespace
}  // namespace filestest
