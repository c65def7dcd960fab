#include "tools/drum_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/dsp.h"

namespace tools {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The longest a sound may ring; Finish ends it where it has died away.
size_t Length(int rate, double seconds) { return static_cast<size_t>(rate * seconds); }

// A sine whose frequency glides from `start` down to `end` with time constant
// `tau`; the phase is integrated so the glide is smooth.
class Glide {
 public:
  Glide(double rate, double start, double end, double tau)
      : rate_(rate), start_(start), end_(end), tau_(tau) {}
  float Next(double t) {
    const double f = end_ + (start_ - end_) * std::exp(-t / tau_);
    phase_ += kTwoPi * f / rate_;
    return static_cast<float>(std::sin(phase_));
  }

 private:
  double rate_, start_, end_, tau_;
  double phase_ = 0;
};

// Six detuned square tones, the classic source of metallic cymbal sounds.
float MetalSource(double t, double scale, double limit) {
  static constexpr double kFreqs[] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
  float sum = 0;
  for (double f : kFreqs) sum += BandLimitedSquare(f * scale, t, limit);
  return sum / 6.0f;
}

std::vector<float> Hat(int rate, double seconds, double tau, double settle, uint32_t seed) {
  std::vector<float> s(Length(rate, seconds));
  Noise noise(seed);
  Biquad hp1 = Biquad::HighPass(rate, 7000, 0.7);
  Biquad hp2 = Biquad::HighPass(rate, 7000, 0.7);
  Biquad band = Biquad::BandPass(rate, 10000, 0.8);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const float src = 0.7f * MetalSource(t, 1.0, 20000) + 0.45f * noise.Next();
    const float x = hp2.Process(hp1.Process(src));
    s[i] = (0.6f * x + 0.5f * band.Process(x)) * Decay(t, tau, settle) *
           (t < 0.0005 ? t / 0.0005f : 1.0f);
  }
  return s;
}

std::vector<float> Tom(int rate, double start, double end, double tau, uint32_t seed) {
  std::vector<float> s(Length(rate, 1.2));
  Glide tone(rate, start, end, 0.09);
  Noise noise(seed);
  Biquad thump = Biquad::LowPass(rate, 1800, 0.7);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const float body = tone.Next(t) * Decay(t, tau, 0.5);
    const float hit = thump.Process(noise.Next()) * Decay(t, 0.006);
    s[i] = std::tanh(1.4f * (body + 0.5f * hit));
  }
  Finish(s, 0.38f);
  return s;
}

}  // namespace

std::vector<float> SynthKick(int rate) {
  std::vector<float> s(Length(rate, 1.2));
  Glide tone(rate, 160, 46, 0.04);
  Noise noise(11);
  Biquad click = Biquad::BandPass(rate, 3000, 0.9);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const float attack = t < 0.001 ? static_cast<float>(t / 0.001) : 1.0f;
    const float body = tone.Next(t) * Decay(t, 0.2, 0.55) * attack;
    const float tick = click.Process(noise.Next()) * Decay(t, 0.0025);
    s[i] = std::tanh(1.8f * body + 1.2f * tick);
  }
  Finish(s, 0.5f);
  return s;
}

std::vector<float> SynthSnare(int rate) {
  std::vector<float> s(Length(rate, 0.8));
  Glide low(rate, 230, 180, 0.03);
  Glide high(rate, 380, 330, 0.03);
  Noise noise(23);
  Biquad hp = Biquad::HighPass(rate, 1200, 0.7);
  Biquad lp = Biquad::LowPass(rate, 9000, 0.7);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const float tone = (0.6f * low.Next(t) + 0.4f * high.Next(t)) * Decay(t, 0.05);
    const float snap = lp.Process(hp.Process(noise.Next())) * Decay(t, 0.11, 0.3);
    s[i] = std::tanh(1.6f * (0.55f * tone + 0.9f * snap));
  }
  Finish(s, 0.5f);
  return s;
}

std::vector<float> SynthClosedHat(int rate) {
  std::vector<float> s = Hat(rate, 0.3, 0.022, 0.1, 37);
  Finish(s, 0.3f);
  return s;
}

std::vector<float> SynthOpenHat(int rate) {
  std::vector<float> s = Hat(rate, 1.2, 0.2, 0.5, 41);
  Finish(s, 0.3f);
  return s;
}

std::vector<float> SynthClap(int rate) {
  std::vector<float> s(Length(rate, 0.8));
  Noise noise(53);
  Biquad band = Biquad::BandPass(rate, 1150, 1.2);
  Biquad hp = Biquad::HighPass(rate, 600, 0.7);
  static constexpr double kBursts[] = {0.0, 0.011, 0.021, 0.032};
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    float env = 0;
    for (double b : kBursts) {
      if (t >= b) env = std::max(env, Decay(t - b, 0.0045));
    }
    const double tailStart = kBursts[3];
    if (t >= tailStart) env = std::max(env, 0.55f * Decay(t - tailStart, 0.085, 0.3));
    s[i] = band.Process(hp.Process(noise.Next())) * env;
  }
  Finish(s, 0.55f);
  return s;
}

std::vector<float> SynthLowTom(int rate) { return Tom(rate, 150, 92, 0.17, 61); }

std::vector<float> SynthHighTom(int rate) { return Tom(rate, 250, 168, 0.13, 67); }

std::vector<float> SynthRimShot(int rate) {
  std::vector<float> s(Length(rate, 0.2));
  Noise noise(71);
  Biquad hp = Biquad::HighPass(rate, 2500, 0.7);
  Biquad ring = Biquad::BandPass(rate, 1700, 12);
  double p1 = 0, p2 = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    p1 += kTwoPi * 1667 / rate;
    p2 += kTwoPi * 455 / rate;
    const float click = hp.Process(noise.Next()) * Decay(t, 0.0015);
    const float tone =
        static_cast<float>(0.6 * std::sin(p1) + 0.4 * std::sin(p2)) * Decay(t, 0.011);
    s[i] = click + tone + 4.0f * ring.Process(click);
  }
  Finish(s, 0.38f);
  return s;
}

std::vector<float> SynthCowbell(int rate) {
  std::vector<float> s(Length(rate, 0.9));
  Biquad band = Biquad::BandPass(rate, 2600, 0.8);
  Biquad lp = Biquad::LowPass(rate, 7000, 0.7);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const float tones =
        0.5f * BandLimitedSquare(545, t, 12000) + 0.5f * BandLimitedSquare(815, t, 12000);
    const float env = 0.6f * Decay(t, 0.012) + 0.4f * Decay(t, 0.13, 0.4);
    const float x = lp.Process(tones);
    s[i] = (0.5f * x + 0.9f * band.Process(x)) * env;
  }
  Finish(s, 0.32f);
  return s;
}

std::vector<float> SynthCrash(int rate) {
  std::vector<float> s(Length(rate, 3.0));
  Noise noise(83);
  Biquad hp1 = Biquad::HighPass(rate, 3000, 0.7);
  Biquad hp2 = Biquad::HighPass(rate, 3000, 0.7);
  Biquad shimmer = Biquad::BandPass(rate, 6500, 1.5);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const float src = 0.55f * MetalSource(t, 1.48, 20000) + 0.65f * noise.Next();
    const float x = hp2.Process(hp1.Process(src));
    const float env = (t < 0.002 ? static_cast<float>(t / 0.002) : 1.0f) *
                      (0.35f * Decay(t, 0.05) + 0.65f * Decay(t, 0.65, 1.2));
    s[i] = (0.7f * x + 0.6f * shimmer.Process(x)) * env;
  }
  Finish(s, 0.28f);
  return s;
}

std::vector<DrumSound> SynthDefaultKit(int rate) {
  return {
      {"Kick.wav", SynthKick(rate)},           {"Snare.wav", SynthSnare(rate)},
      {"ClosedHat.wav", SynthClosedHat(rate)}, {"OpenHat.wav", SynthOpenHat(rate)},
      {"Clap.wav", SynthClap(rate)},           {"LowTom.wav", SynthLowTom(rate)},
      {"HighTom.wav", SynthHighTom(rate)},     {"RimShot.wav", SynthRimShot(rate)},
      {"Cowbell.wav", SynthCowbell(rate)},     {"Crash.wav", SynthCrash(rate)},
  };
}

}  // namespace tools
