// Writes the seed corpus of fuzz_sound into the folder given: tiny sound
// files of every kind libsndfile writes (those it cannot are left out), each
// behind the byte that picks the output rate, plus files at and past the
// 60-second limit that stay small because their rate is low or their samples
// are silent and compressed.
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// A virtual file in memory, so each seed is written in one piece.
struct Buffer {
  std::vector<unsigned char> bytes;
  sf_count_t pos = 0;
};

sf_count_t Length(void* u) {
  return static_cast<sf_count_t>(static_cast<Buffer*>(u)->bytes.size());
}
sf_count_t Seek(sf_count_t offset, int whence, void* u) {
  auto* b = static_cast<Buffer*>(u);
  const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? b->pos : Length(u);
  b->pos = base + offset;
  return b->pos;
}
sf_count_t Read(void* ptr, sf_count_t count, void* u) {
  auto* b = static_cast<Buffer*>(u);
  sf_count_t n = 0;
  for (; n < count && b->pos < Length(u); ++n)
    static_cast<unsigned char*>(ptr)[n] = b->bytes[b->pos++];
  return n;
}
sf_count_t Write(const void* ptr, sf_count_t count, void* u) {
  auto* b = static_cast<Buffer*>(u);
  if (b->pos + count > Length(u)) b->bytes.resize(static_cast<size_t>(b->pos + count));
  for (sf_count_t i = 0; i < count; ++i)
    b->bytes[b->pos++] = static_cast<const unsigned char*>(ptr)[i];
  return count;
}
sf_count_t Tell(void* u) { return static_cast<Buffer*>(u)->pos; }

bool Seed(const std::string& dir, const std::string& name, int format, int rate, int channels,
          sf_count_t frames, bool silent, unsigned char rateByte) {
  Buffer buffer;
  SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* f = sf_open_virtual(&io, SFM_WRITE, &info, &buffer);
  if (!f) return false;  // not every kind takes every rate and channel count
  std::vector<float> samples(static_cast<size_t>(frames * channels));
  for (size_t i = 0; !silent && i < samples.size(); ++i)
    samples[i] = 0.5f * static_cast<float>(std::sin(0.3 * static_cast<double>(i)));
  sf_writef_float(f, samples.data(), frames);
  sf_close(f);
  std::FILE* out = std::fopen((dir + "/" + name).c_str(), "wb");
  if (!out) return false;
  std::fputc(rateByte, out);
  const bool ok =
      std::fwrite(buffer.bytes.data(), 1, buffer.bytes.size(), out) == buffer.bytes.size();
  return std::fclose(out) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sound_seeds DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  struct Kind {
    const char* name;
    int format;
  };
  const Kind kinds[] = {
      {"pcm16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
      {"u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8},
      {"pcm24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24},
      {"float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT},
      {"double.wav", SF_FORMAT_WAV | SF_FORMAT_DOUBLE},
      {"ulaw.wav", SF_FORMAT_WAV | SF_FORMAT_ULAW},
      {"ima.wav", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM},
      {"msadpcm.wav", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM},
      {"gsm.wav", SF_FORMAT_WAV | SF_FORMAT_GSM610},
      {"wavex.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16},
      {"pcm16.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
      {"float.aifc", SF_FORMAT_AIFF | SF_FORMAT_FLOAT},
      {"pcm16.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
      {"vorbis.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
      {"opus.ogg", SF_FORMAT_OGG | SF_FORMAT_OPUS},
      {"pcm16.caf", SF_FORMAT_CAF | SF_FORMAT_PCM_16},
      {"pcm16.w64", SF_FORMAT_W64 | SF_FORMAT_PCM_16},
      {"pcm16.au", SF_FORMAT_AU | SF_FORMAT_PCM_16},
      {"layer3.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III},
  };
  int written = 0;
  unsigned char rateByte = 0;
  for (const Kind& k : kinds) {
    // Mono, stereo and four channels, at rates below, at and above the output.
    written += Seed(dir, std::string("mono_") + k.name, k.format, 8000, 1, 64, false, rateByte++);
    written +=
        Seed(dir, std::string("stereo_") + k.name, k.format, 48000, 2, 32, false, rateByte++);
    written += Seed(dir, std::string("quad_") + k.name, k.format, 96000, 4, 16, false, rateByte++);
  }
  // About the 60-second limit, kept small by a low rate or by silence: a
  // second too long in each kind that states its length up front, and exactly
  // a minute at a rate too low to convert.
  const Kind lengthy[] = {
      {"61s.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8},
      {"61s.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_S8},
      {"61s.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
      {"61s.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
      {"61s.caf", SF_FORMAT_CAF | SF_FORMAT_PCM_S8},
  };
  for (const Kind& k : lengthy) {
    for (int rate : {1, 8, 1000, 8000}) {
      if (Seed(dir, std::to_string(rate) + "hz_" + k.name, k.format, rate, 1, 61 * rate, true, 0)) {
        ++written;
        break;
      }
    }
  }
  written += Seed(dir, "60s_1hz.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 1, 60, false, 1);
  std::printf("%d seeds\n", written);
  return written > 0 ? 0 : 1;
}
