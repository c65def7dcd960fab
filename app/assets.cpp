#include "app/assets.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/asset_cache.h"
#include "platform/sound/sound.h"
#include "platform/ui/resources.h"

namespace {

// The pictures in table order; the sound `blank` stands between TKtrIcon
// (position 14) and barlime in that order.
enum PictureId {
  kLilredbutton,
  kLilgreenbutton,
  kTwothirdsvolume,
  kUpArrow,
  kDownArrow,
  kHalfvolume,
  kRed,
  kClearbutton,
  kGreenbutton,
  kBluebuttonon,
  kLightstrip,
  kLight,
  kPlaybutton,
  kTKtrIcon,
  kBarlime,
  kBarorange,
  kBarred,
  kBaryellow,
  kBargreen,
  kSavepict,
  kLilbrownbutton,
  kLilbluebutton,
  kLoadkit,
  kNewkit,
  kSavekit,
  kVolumebutton,
  kDice,
  kClearbuttoncopy,
  kTKDrumscopy1,
  kGridoff1,
  kGridon4,
  kPictureCount
};
constexpr int kBlankAfter = kTKtrIcon;  // released right after this picture

constexpr int kPictureNumbers[kPictureCount] = {
    168, 169, 170, 171, 172, 173, 174, 175, 176, 179, 181, 182, 184, 187, 188, 189,
    190, 191, 192, 193, 194, 195, 198, 199, 200, 201, 202, 203, 205, 206, 207};
constexpr int kBlankSoundNumber = 168;

CachedAsset<fw::Picture> gPictures[kPictureCount];
CachedAsset<fw::Sound> gBlank;

fw::PictureRef Picture(PictureId id) {
  return gPictures[id].Get(kPictureNumbers[id], [](int n) { return fw::GetPicture(n); });
}

void PutLE(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A tenth of a second of silence as a 16-bit mono WAV file in memory.
fw::SoundRef MakeSilence() {
  const uint32_t rate = 44100, frames = rate / 10, dataBytes = frames * 2;
  std::vector<uint8_t> wav;
  for (char c : std::string("RIFF")) wav.push_back(static_cast<uint8_t>(c));
  PutLE(wav, 36 + dataBytes, 4);
  for (char c : std::string("WAVEfmt ")) wav.push_back(static_cast<uint8_t>(c));
  PutLE(wav, 16, 4);        // format chunk size
  PutLE(wav, 1, 2);         // PCM
  PutLE(wav, 1, 2);         // mono
  PutLE(wav, rate, 4);      // frames per second
  PutLE(wav, rate * 2, 4);  // bytes per second
  PutLE(wav, 2, 2);         // bytes per frame
  PutLE(wav, 16, 2);        // bits per sample
  for (char c : std::string("data")) wav.push_back(static_cast<uint8_t>(c));
  PutLE(wav, dataBytes, 4);
  wav.resize(wav.size() + dataBytes, 0);
  return fw::Sound::FromMemory(wav.data(), wav.size());
}

fw::SoundRef FetchBlank(int number) {
  if (auto s = fw::GetSound(number)) return s;
  // A row must always hold a sound; without the resource it holds silence
  // made here.
  std::fprintf(stderr, "taktora: silent sound resource %d missing, using silence\n", number);
  return MakeSilence();
}

}  // namespace

fw::PictureRef lilredbutton() { return Picture(kLilredbutton); }
fw::PictureRef lilgreenbutton() { return Picture(kLilgreenbutton); }
fw::PictureRef twothirdsvolume() { return Picture(kTwothirdsvolume); }
fw::PictureRef upArrow() { return Picture(kUpArrow); }
fw::PictureRef downArrow() { return Picture(kDownArrow); }
fw::PictureRef halfvolume() { return Picture(kHalfvolume); }
fw::PictureRef red() { return Picture(kRed); }
fw::PictureRef clearbutton() { return Picture(kClearbutton); }
fw::PictureRef greenbutton() { return Picture(kGreenbutton); }
fw::PictureRef bluebuttonon() { return Picture(kBluebuttonon); }
fw::PictureRef lightstrip() { return Picture(kLightstrip); }
fw::PictureRef light() { return Picture(kLight); }
fw::PictureRef playbutton() { return Picture(kPlaybutton); }
fw::PictureRef TKtrIcon() { return Picture(kTKtrIcon); }
fw::SoundRef blank() { return gBlank.Get(kBlankSoundNumber, FetchBlank); }
fw::PictureRef barlime() { return Picture(kBarlime); }
fw::PictureRef barorange() { return Picture(kBarorange); }
fw::PictureRef barred() { return Picture(kBarred); }
fw::PictureRef baryellow() { return Picture(kBaryellow); }
fw::PictureRef bargreen() { return Picture(kBargreen); }
fw::PictureRef savepict() { return Picture(kSavepict); }
fw::PictureRef lilbrownbutton() { return Picture(kLilbrownbutton); }
fw::PictureRef lilbluebutton() { return Picture(kLilbluebutton); }
fw::PictureRef loadkit() { return Picture(kLoadkit); }
fw::PictureRef newkit() { return Picture(kNewkit); }
fw::PictureRef savekit() { return Picture(kSavekit); }
fw::PictureRef volumebutton() { return Picture(kVolumebutton); }
fw::PictureRef dice() { return Picture(kDice); }
fw::PictureRef clearbuttoncopy() { return Picture(kClearbuttoncopy); }
fw::PictureRef TKDrumscopy1() { return Picture(kTKDrumscopy1); }
fw::PictureRef gridoff1() { return Picture(kGridoff1); }
fw::PictureRef gridon4() { return Picture(kGridon4); }

void ReleaseAssets() {
  for (int i = 0; i < kPictureCount; ++i) {
    gPictures[i].Release();
    if (i == kBlankAfter) gBlank.Release();
  }
}
