// libFuzzer target for opening sound files: the checks around libsndfile (the
// 60-second limit, cut files, channel mapping) and the conversion to the
// output rate. The first byte picks the output rate; the rest is the file,
// decoded once from memory and once by path, and both must agree.
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/sound/decode.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// libsndfile is not instrumented, so what it made of a file is handed to
// libFuzzer as extra features: the format, the channel count, the outcome and
// each line of libsndfile's log.
__attribute__((used, section("__libfuzzer_extra_counters"))) uint8_t gFeatures[1 << 14];

void Feature(uint32_t hash) { gFeatures[hash % sizeof gFeatures] = 1; }

// Words holding a digit (sizes, positions, hex markers) are left out, so that
// a line counts once whatever numbers it reports.
uint32_t Hash(const char* text, size_t size) {
  uint32_t h = 2166136261u;
  for (size_t start = 0; start < size;) {
    size_t end = start;
    bool digit = false;
    for (; end < size && text[end] != ' '; ++end)
      if (std::isdigit(static_cast<uint8_t>(text[end]))) digit = true;
    for (size_t i = start; !digit && i <= end && i < size; ++i)
      h = (h ^ static_cast<uint8_t>(text[i])) * 16777619u;
    start = end + 1;
  }
  return h;
}

void NoteWhatLibsndfileSaw(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) return Feature(Hash(sf_strerror(nullptr), std::strlen(sf_strerror(nullptr))));
  Feature(static_cast<uint32_t>(info.format) * 31u +
          static_cast<uint32_t>(std::min(info.channels, 9)));
  static char log[16384];
  log[0] = 0;
  sf_command(file, SFC_GET_LOG_INFO, log, sizeof log - 1);
  for (const char* line = log; *line;) {
    const char* end = std::strchr(line, '\n');
    const size_t size = end ? static_cast<size_t>(end - line) : std::strlen(line);
    Feature(Hash(line, size));
    line += size + (end ? 1 : 0);
  }
  sf_close(file);
}

// The input as an ordinary file, rewritten for each input and removed at exit;
// in memory where /dev/shm allows, since rewriting a file on disk this often
// waits on the disk.
const std::string& WriteInput(const uint8_t* data, size_t size) {
  static struct TempFile {
    std::string path = "/dev/shm/fuzz_sound_XXXXXX";
    int fd = mkstemp(path.data());
    TempFile() {
      if (fd < 0) fd = mkstemp((path = "/tmp/fuzz_sound_XXXXXX").data());
    }
    ~TempFile() { unlink(path.c_str()); }
  } file;
  Check(file.fd >= 0 && ftruncate(file.fd, 0) == 0);
  Check(pwrite(file.fd, data, size, 0) == static_cast<ssize_t>(size));
  return file.path;
}

void CheckDecoded(const fw::SampleData* d, const std::string& why, int rate) {
  if (!d) {
    Feature(Hash(why.data(), why.size()));
    Check(!why.empty());
    return;
  }
  Check(d->sampleRate == rate && d->frames >= 1);
  Check(d->samples.size() == static_cast<size_t>(d->frames) * 2);
  Check(static_cast<double>(d->frames) <= fw::kMaxSoundSeconds * rate + 16);
  for (float s : d->samples) Check(std::isfinite(s));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static constexpr int kRates[] = {44100, 48000, 22050, 96000};
  const int rate = kRates[data[0] % 4];
  const std::string& path = WriteInput(data + 1, size - 1);
  NoteWhatLibsndfileSaw(path);

  std::string whyMemory, whyFile;
  const auto fromMemory = fw::DecodeMemory(data + 1, size - 1, rate, &whyMemory);
  CheckDecoded(fromMemory.get(), whyMemory, rate);
  const auto fromFile = fw::DecodeFile(path, rate, &whyFile);
  CheckDecoded(fromFile.get(), whyFile, rate);
  Check(!fromMemory == !fromFile);
  if (fromMemory) Check(fromMemory->samples == fromFile->samples);
  return 0;
}
