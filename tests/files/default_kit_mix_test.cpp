// The default kit and bank that the build places beside the programs, started
// as the program starts and mixed offline through the real mixer: no pattern
// may drive the output into its clamp, and no sound may be cut off loud.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/base/numbers.h"
#include "platform/sound/mixer.h"
#include "platform/sound/sound_data.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

using DefaultKitMix = FilesTest;

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

TEST_F(DefaultKitMix, NoPatternAtAnySwingReachesFullScaleAndEverySoundDiesAway) {
  fw::SetApplicationFolder(fs::read_symlink("/proc/self/exe").parent_path());
  w.Event_Open();  // the start as the program makes it, with the build's default files
  ASSERT_TRUE(Messages().empty());
  ASSERT_EQ(w.percentvolume, 1.0);

  for (int row = 1; row <= 10; ++row) {
    const std::vector<float>& s = w.S(row)->Data()->samples;
    const size_t tail = static_cast<size_t>(2 * w.S(row)->Data()->sampleRate / 100);  // 10 ms
    ASSERT_GT(s.size(), 4 * tail);
    EXPECT_LE(Largest(s.data() + s.size() - tail, s.data() + s.size()),
              Largest(s.data(), s.data() + s.size()) / 1000)
        << w.StaticText3(row).Text() << " is cut off loud";
  }
  float loudest = 0;
  for (w.Swing = 0; w.Swing <= 8; ++w.Swing) {
    w.CalculateSwing();
    for (int pattern = 1; pattern <= 50; ++pattern) {
      w.ChangePattern(pattern - w.Pattern, true);
      const float peak = PlayTwiceRound(w);
      loudest = std::max(loudest, peak);
      EXPECT_LT(peak, 1.0f) << "pattern " << pattern << " at swing " << w.Swing;
    }
  }
  std::printf("default bank at volume 100, every swing: loudest sample %.2f dBFS\n",
              20 * std::log10(loudest));
}

}  // namespace
}  // namespace filestest
