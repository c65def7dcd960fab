// The application's resources: pictures and sounds by number.
#pragma once
#include <memory>

#include "platform/picture.h"

namespace fw {

class Sound;

// nullptr when the program carries no resource of that number.
PictureRef GetPicture(int number);
std::shared_ptr<Sound> GetSound(int number);

}  // namespace fw
