// Voices on the running output, for Sound objects: the platform's own door
// from Play and Stop to the mixer (defined with the output).
#pragma once
#include <cstdint>
#include <memory>

#include "platform/sound/sound_data.h"

namespace fw::audio {

// Schedules a voice at clock moment atMicros, starting the output first if
// nothing runs. Does nothing while running silent.
void PlayVoice(std::shared_ptr<const SampleData> data, uint64_t owner, double atMicros,
               float gainLeft, float gainRight);
// Stops the voices tagged with owner.
void StopVoices(uint64_t owner);

}  // namespace fw::audio
