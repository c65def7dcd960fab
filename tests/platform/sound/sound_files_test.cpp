// Opening sound files: the formats in use, converted once to the
// output rate, and every orderly refusal.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/base/thread.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/sound.h"
#include "platform/sound/sound_data.h"

namespace {

namespace fs = std::filesystem;

class SoundFiles : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_); }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  // A 440 Hz tone at `level` (left) and its negation (right, if stereo).
  std::string WriteTone(const std::string& name, int format, int rate, int channels,
                        sf_count_t frames, float level = 0.5f) {
    SF_INFO info{0, rate, channels, format, 0, 0};
    SNDFILE* f = sf_open(Path(name).c_str(), SFM_WRITE, &info);
    EXPECT_NE(f, nullptr) << name << ": " << sf_strerror(nullptr);
    std::vector<float> buf;
    for (sf_count_t i = 0; i < frames; ++i) {
      const float x = level * static_cast<float>(std::sin(2 * M_PI * 440.0 * i / rate));
      for (int c = 0; c < channels; ++c) buf.push_back(c == 1 ? -x : x);
    }
    if (f) sf_writef_float(f, buf.data(), frames), sf_close(f);
    return Path(name);
  }

  const fs::path dir_ = fs::temp_directory_path() / ("taktora_sound_" + std::to_string(getpid()));
};

TEST_F(SoundFiles, EveryFormatAndRateOpensAsTheSameToneAtTheOutputRate) {
  const int rate = fw::AudioOutput::SampleRate();
  // Stereo at the output rate in the kinds of file in use; then mono at
  // another rate, and four channels of which the first two are kept (format,
  // channels, rate).
  const std::tuple<int, int, int> cases[] = {
      {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, rate},  {SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, rate},
      {SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 2, rate}, {SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 2, rate},
      {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050}, {SF_FORMAT_WAV | SF_FORMAT_FLOAT, 4, rate}};
  int n = 0;
  for (const auto& [format, channels, fileRate] : cases) {
    const std::string name = "tone" + std::to_string(++n);
    SCOPED_TRACE(name);
    std::string why;
    fw::SoundRef s =
        fw::Sound::OpenFile(WriteTone(name, format, fileRate, channels, fileRate / 10), &why);
    ASSERT_NE(s, nullptr) << why;
    const fw::SampleData& d = *s->Data();
    EXPECT_EQ(d.sampleRate, rate);
    EXPECT_NEAR(s->DurationSeconds(), 0.1, 0.002);
    int crossings = 0;  // rising, of a 440 Hz tone
    float peak = 0;
    for (size_t i = 2; i < d.samples.size(); i += 2) {
      crossings += d.samples[i - 2] < 0 && d.samples[i] >= 0;
      peak = std::max(peak, d.samples[i]);
      // The right channel is the negated left: channels stay apart.
      ASSERT_NEAR(d.samples[i + 1], channels == 1 ? d.samples[i] : -d.samples[i], 4e-3);
    }
    EXPECT_NEAR(crossings, 44, 1);
    EXPECT_NEAR(peak, 0.5, 0.011);
  }
}

TEST_F(SoundFiles, SamplesNearTheFloatLimitStayFiniteThroughConversion) {
  // A square wave at the float limit: converting it overshoots the limit.
  SF_INFO info{22050 / 4, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0, 0};
  SNDFILE* f = sf_open(Path("loud.wav").c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr);
  std::vector<float> square(22050 / 4);
  for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 2) % 2 ? -3.4e38f : 3.4e38f;
  sf_writef_float(f, square.data(), static_cast<sf_count_t>(square.size()));
  sf_close(f);
  fw::SoundRef s = fw::Sound::OpenFile(Path("loud.wav"));
  ASSERT_NE(s, nullptr);
  for (float x : s->Data()->samples) ASSERT_TRUE(std::isfinite(x));
}

TEST_F(SoundFiles, WhatIsNotASoundIsRefusedWithAReason) {
  std::ofstream(Path("text.wav")) << "This is not a sound file at all, only some words.\n";
  // A WAV with a header and no frames, and one whose only frame is too short
  // to last one frame at the output rate.
  WriteTone("empty.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 0);
  WriteTone("instant.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 4 * fw::AudioOutput::SampleRate(), 1,
            1);
  // A rate no sound is recorded at: a minute of it would not fit in memory.
  WriteTone("fast.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 768000, 1, 64);
  // 8 kHz 8-bit keeps the files small; the limit is in time, not bytes.
  WriteTone("long.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1, 61 * 8000);
  fw::SoundRef minute = fw::Sound::OpenFile(
      WriteTone("minute.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1, 60 * 8000));
  ASSERT_NE(minute, nullptr);
  EXPECT_NEAR(minute->DurationSeconds(), 60.0, 0.001);
  // A WAV cut inside its header, one cut inside its samples, and a cut FLAC.
  const std::string whole =
      WriteTone("whole.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 44100);
  ASSERT_NE(fw::Sound::OpenFile(whole), nullptr);
  for (auto [name, size] : {std::pair{"cut_header.wav", 30}, {"cut_data.wav", 20044}}) {
    fs::copy_file(whole, Path(name));
    fs::resize_file(Path(name), size);
  }
  const std::string flac =
      WriteTone("whole.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1, 44100);
  fs::resize_file(flac, fs::file_size(flac) / 2);

  for (const std::string name : {"text.wav", "long.wav", "empty.wav", "instant.wav", "fast.wav",
                                 "cut_header.wav", "cut_data.wav", "whole.flac", "missing.wav"}) {
    std::string why;
    EXPECT_EQ(fw::Sound::OpenFile(Path(name), &why), nullptr) << name;
    EXPECT_FALSE(why.empty()) << name;
    const char* reason = name == "text.wav"   ? "its format is unknown"
                         : name == "long.wav" ? "longer than 60 seconds"
                                              : "";
    EXPECT_NE(why.find(reason), std::string::npos) << name << ": " << why;
  }
}

TEST_F(SoundFiles, DecodingLetsTheBatonGo) {
  // Long enough that the other thread, started just before, is surely queued
  // for the baton by the time the decoding lets it go.
  const int rate = fw::AudioOutput::SampleRate() / 2;
  const std::string path =
      WriteTone("long.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 2, 4 * rate);
  std::atomic<bool> decoded{false}, ranWhileDecoding{false};
  std::promise<void> queued;
  std::thread other;
  {
    fw::BatonGuard hold;
    other = std::thread([&] {
      queued.set_value();
      fw::Baton::Acquire();
      ranWhileDecoding = !decoded;
      fw::Baton::Release();
    });
    queued.get_future().wait();
    EXPECT_NE(fw::Sound::OpenFile(path), nullptr);
    decoded = true;
    EXPECT_TRUE(fw::Baton::HeldByThisThread());
  }
  fw::BatonReleased letOtherFinish;
  other.join();
  EXPECT_TRUE(ranWhileDecoding);
}

}  // namespace
