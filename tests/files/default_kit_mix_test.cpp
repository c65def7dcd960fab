// The default kit and bank that the build places beside the programs, started
// as the program starts and mixed offline through the real mixer: no pattern
// may drive the output into its clamp, and no sound may be cut off loud.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

#include "platform/base/numbers.h"
#include "platform/sound/mixer.h"
#include "platform/sound/sound_data.h"
#include "tests/files/files_fixture.h"

namespace filestest {
namespace {

using DefaultKitMix = FilesTest;

double Dbfs(double level) { return 20 * std::log10(level); }

float Largest(std::vector<float>::const_iterator from, std::vector<float>::const_iterator to) {
  return std::accumulate(from, to, 0.0f,
                         [](float a, float b) { return std::max(a, std::fabs(b)); });
}

struct Mix {
  float peak = 0;
  int clamped = 0;  // samples at full scale
};

// Plays the current pattern twice round, each step when the play loop sounds
// it and with the gains it gives, and mixes until the last tail has ended.
Mix PlayTwiceRound(Window1& w) {
  const int rate = w.S(1)->Data()->sampleRate;
  const double microsPerFrame = 1e6 / rate;
  fw::Mixer mixer(rate);
  std::vector<float> block(2 * 512);
  Mix mix;
  int64_t done = 0;
  bool started = false;
  auto renderTo = [&](int64_t end) {
    if (!started) done = end;  // nothing sounds yet
    while (done < end) {
      const int n = static_cast<int>(std::min<int64_t>(512, end - done));
      mixer.SetClock(done, static_cast<double>(done) * microsPerFrame, microsPerFrame);
      mixer.Render(block.data(), n, done);
      for (int i = 0; i < 2 * n; ++i) {
        const float a = std::fabs(block[static_cast<size_t>(i)]);
        mix.peak = std::max(mix.peak, a);
        mix.clamped += a >= 1;
      }
      done += n;
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
        started = true;
        mixer.Start(w.S(row)->Data(), static_cast<uint64_t>(row), at, g.left, g.right);
      }
    }
  do renderTo(done + 512);
  while (mixer.ActiveVoices() > 0);
  return mix;
}

TEST_F(DefaultKitMix, NoPatternAtAnySwingReachesFullScaleAndEverySoundDiesAway) {
  fw::SetApplicationFolder(fs::read_symlink("/proc/self/exe").parent_path());
  w.Event_Open();  // the start as the program makes it, with the build's default files
  ASSERT_TRUE(Messages().empty());
  ASSERT_EQ(w.percentvolume, 1.0);

  for (int row = 1; row <= 10; ++row) {
    const fw::SampleData& d = *w.S(row)->Data();
    const size_t tail = static_cast<size_t>(2 * d.sampleRate / 100);  // the last 10 ms
    ASSERT_GT(d.samples.size(), 4 * tail);
    const float peak = Largest(d.samples.begin(), d.samples.end());
    const float end = Largest(d.samples.end() - static_cast<long>(tail), d.samples.end());
    EXPECT_LE(end, peak / 1000) << w.StaticText3(row).Text() << " ends " << Dbfs(peak) - Dbfs(end)
                                << " dB below its peak";
  }

  float loudest = 0;
  for (int swing = 0; swing <= 8; ++swing) {
    w.Swing = swing;
    w.CalculateSwing();
    for (int pattern = 1; pattern <= 50; ++pattern) {
      w.ChangePattern(pattern - w.Pattern, true);
      const Mix mix = PlayTwiceRound(w);
      loudest = std::max(loudest, mix.peak);
      EXPECT_LT(mix.peak, 1.0f) << "pattern " << pattern << " at swing " << swing << ": "
                                << mix.clamped << " samples at full scale";
    }
  }
  std::printf("default bank at volume 100, every swing: loudest sample %.2f dBFS\n", Dbfs(loudest));
}

}  // namespace
}  // namespace filestest
