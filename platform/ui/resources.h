// The application's pictures by number (its sounds: platform/sound/sound.h).
#pragma once
#include <memory>

#include "platform/ui/picture.h"

namespace fw {

// nullptr when the program carries no resource of that number.
PictureRef GetPicture(int number);

}  // namespace fw
