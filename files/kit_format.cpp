#include "files/kit_format.h"

#include "platform/base/numbers.h"

namespace kit {

std::string WriteKitFile(const RowNames& names) {
  std::string out;
  for (const auto& n : names) {
    out += n;
    out += '*';
  }
  return out;
}

bool ReadKitFile(std::string_view text, RowNames& names, std::string& why) {
  RowNames read;
  size_t start = 0;
  for (int i = 0; i < 10; ++i) {
    const size_t star = text.find('*', start);
    if (star == std::string_view::npos) {
      if (i == 9) {  // the tenth name without its "*"
        read[i] = std::string(text.substr(start));
        break;
      }
      why = text.empty() ? std::string("it is empty.")
                         : "it holds " + fw::Str(i + 1) + " row names, and a kit has 10.";
      return false;
    }
    read[i] = std::string(text.substr(start, star - start));
    start = star + 1;
  }
  names = std::move(read);
  return true;
}

std::string KitNameFromFileName(std::string_view fileName) {
  if (fw::TextEquals(fw::Right(fileName, 4), ".trk"))
    return std::string(fileName.substr(0, fileName.find('.')));
  return std::string(fileName);
}

}  // namespace kit
