#include "tools/dsp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools {

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 2147483647.5 - 1.0);
}

namespace {

struct Coefficients {
  double w, cosw, alpha;
};

Coefficients Prepare(double rate, double freq, double q) {
  const double w = 2.0 * std::numbers::pi * freq / rate;
  return {w, std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad Biquad::LowPass(double rate, double freq, double q) {
  const Coefficients c = Prepare(rate, freq, q);
  const double a0 = 1 + c.alpha;
  Biquad f;
  f.b0_ = (1 - c.cosw) / 2 / a0;
  f.b1_ = (1 - c.cosw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c.cosw / a0;
  f.a2_ = (1 - c.alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double rate, double freq, double q) {
  const Coefficients c = Prepare(rate, freq, q);
  const double a0 = 1 + c.alpha;
  Biquad f;
  f.b0_ = (1 + c.cosw) / 2 / a0;
  f.b1_ = -(1 + c.cosw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c.cosw / a0;
  f.a2_ = (1 - c.alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(double rate, double freq, double q) {
  const Coefficients c = Prepare(rate, freq, q);
  const double a0 = 1 + c.alpha;
  Biquad f;
  f.b0_ = c.alpha / a0;
  f.b1_ = 0;
  f.b2_ = -c.alpha / a0;
  f.a1_ = -2 * c.cosw / a0;
  f.a2_ = (1 - c.alpha) / a0;
  return f;
}

float Biquad::Process(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

float BandLimitedSquare(double freq, double t, double limit) {
  double sum = 0;
  for (int k = 1; k * freq < limit; k += 2) {
    sum += std::sin(2.0 * std::numbers::pi * k * freq * t) / k;
  }
  return static_cast<float>(sum * 4.0 / std::numbers::pi);
}

float Decay(double t, double tau) { return static_cast<float>(std::exp(-t / tau)); }

float Decay(double t, double tau, double settle) {
  return static_cast<float>(std::exp(-t / tau - (t / settle) * (t / settle)));
}

void Finish(std::vector<float>& s, float peak) {
  float largest = 0;
  for (float v : s) largest = std::max(largest, std::fabs(v));
  if (largest == 0) return;
  const float gain = peak / largest;
  for (float& v : s) v *= gain;
  const float quiet = peak * 1e-4f;  // -80 dB
  size_t end = s.size();
  while (end > 0 && std::fabs(s[end - 1]) < quiet) --end;
  s.resize(end);
}

}  // namespace tools
