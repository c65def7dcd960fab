// The caption written over the step-line display when it is saved as a picture.
#pragma once
#include <array>
#include <string>

namespace files {

// Tempo, pattern width in pixels, the first 8 characters of each row name,
// and the interval mode, joined by "|".
std::string PictureCaption(const std::string& tempo, int numBeats,
                           const std::array<std::string, 10>& rowNames, const std::string& mode);

}  // namespace files
