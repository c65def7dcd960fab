// Small signal-processing pieces for synthesizing drum sounds.
#pragma once
#include <cstdint>
#include <vector>

namespace tools {

// Repeatable white noise in -1..1 (xorshift), so every build makes the same kit.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
  float Next();

 private:
  uint32_t state_;
};

// A second-order filter (the usual audio-cookbook designs).
class Biquad {
 public:
  static Biquad LowPass(double rate, double freq, double q);
  static Biquad HighPass(double rate, double freq, double q);
  static Biquad BandPass(double rate, double freq, double q);  // 0 dB peak gain
  float Process(float x);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A square wave built from its odd harmonics below `limit` Hz, so it has no
// aliasing; value at time t seconds.
float BandLimitedSquare(double freq, double t, double limit);

// Exponential decay exp(-t / tau).
float Decay(double t, double tau);
// A decay that gathers pace: exp(-t / tau - (t / settle)^2). The early ring
// keeps its time constant; past about `settle` seconds the sound dies away
// quickly, so a long ring still ends within a short file.
float Decay(double t, double tau, double settle);

// Scales the whole sound so that its largest magnitude is `peak`, and ends it
// after its last sample within 80 dB of that peak: the sound has died away on
// its own, and what is dropped is silence to the ear.
void Finish(std::vector<float>& s, float peak);

}  // namespace tools
