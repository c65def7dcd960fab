#include "platform/sound/audio_device.h"

#include <SDL.h>
#include <dlfcn.h>

namespace fw {
namespace {

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints its own lines on stderr while SDL probes for a card; we say
// what matters in one line of our own. SDL loads ALSA at run time, so its
// error hook is looked up the same way.
void QuietAlsa() {
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
  if (!alsa) return;
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetHandler = int (*)(Handler);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
    set(IgnoreAlsaMessage);
  }
  dlclose(alsa);
}

bool InitAudio(std::string* why) {
  if (SDL_WasInit(SDL_INIT_AUDIO)) return true;
  // SDL would otherwise take over SIGINT and SIGTERM and turn them into quit
  // events that nobody reads, so the program could no longer be stopped by
  // Ctrl+C or kill. The window's own close handling is enough.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  QuietAlsa();
  if (!ok && why) *why = SDL_GetError();
  return ok;
}

}  // namespace

int AudioDevice::PreferredRate() {
  if (!InitAudio(nullptr)) return 0;
  SDL_AudioSpec spec{};
  char* name = nullptr;
  if (SDL_GetDefaultAudioInfo(&name, &spec, 0) != 0) return 0;
  SDL_free(name);
  return spec.freq >= 8000 && spec.freq <= 384000 ? spec.freq : 0;
}

bool AudioDevice::Open(Mixer* mixer, std::string* why) {
  Close();
  if (!InitAudio(why)) return false;
  puller_.emplace(*mixer);
  SDL_AudioSpec want{};
  want.freq = mixer->SampleRate();
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  want.samples = kBlockFrames;
  want.callback = &AudioDevice::Callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants, so the
  // callback always sees our rate, format and block size.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    if (why) *why = SDL_GetError();
    puller_.reset();
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

bool AudioDevice::IsLost() const {
  // SDL stops an open, unpaused device only when it goes away; it keeps
  // calling back, into nothing.
  return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
}

void AudioDevice::Close() {
  if (device_ != 0) {
    SDL_CloseAudioDevice(device_);  // waits for a running callback
    device_ = 0;
  }
  puller_.reset();
}

void AudioDevice::Callback(void* user, uint8_t* stream, int len) {
  static_cast<AudioDevice*>(user)->puller_->Pull(reinterpret_cast<float*>(stream),
                                                 len / static_cast<int>(2 * sizeof(float)));
}

}  // namespace fw
