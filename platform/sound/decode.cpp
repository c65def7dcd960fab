// Sound files to SampleData: libsndfile reads, libsamplerate converts once.
#include "platform/sound/decode.h"

#include <samplerate.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/base/regular_file.h"

namespace fw {
namespace {

void SetWhy(std::string* whyNot, const std::string& text) {
  if (whyNot) *whyNot = text;
}

// A file read from memory through libsndfile's virtual I/O.
struct MemoryFile {
  const unsigned char* bytes;
  sf_count_t size;
  sf_count_t pos;
};

sf_count_t MemLength(void* user) { return static_cast<MemoryFile*>(user)->size; }

sf_count_t MemSeek(sf_count_t offset, int whence, void* user) {
  auto* m = static_cast<MemoryFile*>(user);
  sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->pos : m->size;
  sf_count_t to = 0;
  // Past the end is allowed, as in a file: reads there find nothing.
  if (__builtin_add_overflow(base, offset, &to) || to < 0) return -1;
  m->pos = to;
  return m->pos;
}

sf_count_t MemRead(void* ptr, sf_count_t count, void* user) {
  auto* m = static_cast<MemoryFile*>(user);
  sf_count_t n = std::clamp<sf_count_t>(m->size - m->pos, 0, count);
  if (n > 0) std::memcpy(ptr, m->bytes + m->pos, static_cast<size_t>(n));
  m->pos += n;
  return n;
}

sf_count_t MemWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t MemTell(void* user) { return static_cast<MemoryFile*>(user)->pos; }

// libsndfile shortens a WAV or AIFF whose sample chunk runs past the end of
// the file and only says so in its log ("data : 88200 (should be 20000)").
bool LogSaysTruncated(SNDFILE* file) {
  char log[8192] = {0};
  sf_command(file, SFC_GET_LOG_INFO, log, sizeof log - 1);
  for (const char* line = log; line && *line;) {
    const char* end = std::strchr(line, '\n');
    std::string text(line, end ? end : line + std::strlen(line));
    bool sampleChunk = text.rfind("data", 0) == 0 || text.rfind("SSND", 0) == 0;
    if (sampleChunk && text.find("(should be") != std::string::npos) return true;
    line = end ? end + 1 : nullptr;
  }
  return false;
}

// A float file may hold anything: non-finite samples become silence, and
// samples are held to 60 dB past full scale, far beyond any real sound yet far
// enough from the float limit that conversion and mixing cannot overflow.
float Tame(float sample) {
  constexpr float kLoudest = 1000.0f;
  return std::isfinite(sample) ? std::clamp(sample, -kLoudest, kLoudest) : 0.0f;
}

// Reads every frame as stereo float; mono is doubled, channels past the
// second are dropped.
bool ReadStereo(SNDFILE* file, const SF_INFO& info, std::vector<float>* stereo,
                std::string* whyNot) {
  const int channels = info.channels;
  const sf_count_t maxFrames =
      static_cast<sf_count_t>(kMaxSoundSeconds * static_cast<double>(info.samplerate));
  // No room is reserved from the stated length: a few bytes of header could
  // claim hundreds of megabytes. Memory grows only with the frames decoded.
  const bool knownLength = info.frames > 0 && info.frames < SF_COUNT_MAX;
  constexpr sf_count_t kChunk = 4096;
  std::vector<float> chunk(static_cast<size_t>(kChunk * channels));
  sf_count_t total = 0;
  for (;;) {
    sf_count_t got = sf_readf_float(file, chunk.data(), kChunk);
    if (got <= 0) break;
    for (sf_count_t i = 0; i < got; ++i) {
      const float* frame = &chunk[static_cast<size_t>(i * channels)];
      const float left = Tame(frame[0]);
      const float right = channels == 1 ? left : Tame(frame[1]);
      stereo->push_back(left);
      stereo->push_back(right);
    }
    total += got;
    if (total > maxFrames) {
      SetWhy(whyNot, "longer than 60 seconds");
      return false;
    }
  }
  if (sf_error(file) != SF_ERR_NO_ERROR || (knownLength && total < info.frames)) {
    SetWhy(whyNot, std::string("the file is truncated or damaged (") + sf_strerror(file) + ")");
    return false;
  }
  if (total == 0) {
    SetWhy(whyNot, "the file holds no sound");
    return false;
  }
  return true;
}

std::shared_ptr<const SampleData> Resample(std::vector<float> stereo, int fromRate, int toRate,
                                           std::string* whyNot) {
  auto data = std::make_shared<SampleData>();
  data->sampleRate = toRate;
  const long inFrames = static_cast<long>(stereo.size() / 2);
  if (fromRate == toRate) {
    data->frames = inFrames;
    data->samples = std::move(stereo);
    return data;
  }
  const double ratio = static_cast<double>(toRate) / fromRate;
  const long outCapacity = static_cast<long>(inFrames * ratio) + 16;
  data->samples.assign(static_cast<size_t>(outCapacity) * 2, 0.0f);
  SRC_DATA src{};
  src.data_in = stereo.data();
  src.input_frames = inFrames;
  src.data_out = data->samples.data();
  src.output_frames = outCapacity;
  src.src_ratio = ratio;
  int err = src_simple(&src, SRC_SINC_MEDIUM_QUALITY, 2);
  if (err != 0) {
    SetWhy(whyNot, std::string("sample-rate conversion failed: ") + src_strerror(err));
    return nullptr;
  }
  data->frames = src.output_frames_gen;
  if (data->frames == 0) {  // shorter than half a frame at the output rate
    SetWhy(whyNot, "the file holds no sound");
    return nullptr;
  }
  data->samples.resize(static_cast<size_t>(data->frames) * 2);
  data->samples.shrink_to_fit();
  return data;
}

// Checks, decodes and converts an open file; closes it in every case.
std::shared_ptr<const SampleData> DecodeOpen(SNDFILE* file, const SF_INFO& info, int outputRate,
                                             std::string* whyNot) {
  struct Closer {
    SNDFILE* f;
    ~Closer() { sf_close(f); }
  } closer{file};
  if (info.channels < 1 || info.samplerate < 1 || info.frames == 0) {
    SetWhy(whyNot, "the file holds no sound");
    return nullptr;
  }
  // The 60-second limit bounds memory only with the rate bounded too; a few
  // bytes of compressed silence can decode to a minute at any stated rate.
  constexpr int kFastestRate = 384000;
  if (info.samplerate > kFastestRate) {
    SetWhy(whyNot, "its sample rate is above 384000 Hz");
    return nullptr;
  }
  const bool knownLength = info.frames < SF_COUNT_MAX;
  if (knownLength && static_cast<double>(info.frames) > kMaxSoundSeconds * info.samplerate) {
    SetWhy(whyNot, "longer than 60 seconds");
    return nullptr;
  }
  if (LogSaysTruncated(file)) {
    SetWhy(whyNot, "the file is truncated");
    return nullptr;
  }
  std::vector<float> stereo;
  if (!ReadStereo(file, info, &stereo, whyNot)) return nullptr;
  return Resample(std::move(stereo), info.samplerate, outputRate, whyNot);
}

// Why the last sf_open failed.
std::string OpenFailure() {
  std::string detail = sf_strerror(nullptr);
  while (!detail.empty() && detail.back() == '.') detail.pop_back();
  return "its format is unknown or it is damaged (" + detail + ")";
}

}  // namespace

std::shared_ptr<const SampleData> DecodeFile(const std::string& path, int outputRate,
                                             std::string* whyNot) {
  struct stat st {};
  std::string why;
  const UniqueFd fd = OpenRegularFile(path, st, why);
  if (!fd) {
    SetWhy(whyNot, why);
    return nullptr;
  }
  SF_INFO info{};
  // The descriptor stays ours: closed once, here, whatever libsndfile does.
  SNDFILE* file = sf_open_fd(fd.Get(), SFM_READ, &info, SF_FALSE);
  if (!file) {
    SetWhy(whyNot, OpenFailure());
    return nullptr;
  }
  return DecodeOpen(file, info, outputRate, whyNot);
}

std::shared_ptr<const SampleData> DecodeMemory(const void* bytes, size_t size, int outputRate,
                                               std::string* whyNot) {
  if (!bytes || size == 0) {
    SetWhy(whyNot, "the sound data is empty");
    return nullptr;
  }
  MemoryFile mem{static_cast<const unsigned char*>(bytes), static_cast<sf_count_t>(size), 0};
  SF_VIRTUAL_IO io{MemLength, MemSeek, MemRead, MemWrite, MemTell};
  SF_INFO info{};
  SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &mem);
  if (!file) {
    SetWhy(whyNot, OpenFailure());
    return nullptr;
  }
  return DecodeOpen(file, info, outputRate, whyNot);
}

}  // namespace fw
