// The six named file types, made at start-up and released at exit.
#include "files/file_types.h"

#include <memory>

namespace {
std::unique_ptr<fw::FileType> gText, gTRKit, gWav, gAiff, gAny, gSd2;

std::unique_ptr<fw::FileType> Make(const char* name, const char* ext, const char* type,
                                   const char* creator) {
  auto t = std::make_unique<fw::FileType>();
  t->Name = name;
  t->Extensions = ext;
  t->MacType = type;
  t->MacCreator = creator;
  return t;
}
}  // namespace

namespace FileTypes1 {

void Initialize() {
  gText = Make("Text", "", "trTK", "trTK");
  gTRKit = Make("TRKit", ".trk", "trTK", "trTK");
  gWav = Make("wav", ".wav", "WAVE", "TVOD");
  gAiff = Make("aiff", ".aiff", "AIFC", "TVOD");
  gAny = Make("any", "", "????", "????");
  gSd2 = Make("sd2", ".sd2", "sd2f", "sd2f");
}

void Finalize() {
  gText.reset();
  gTRKit.reset();
  gWav.reset();
  gAiff.reset();
  gAny.reset();
  gSd2.reset();
}

const fw::FileType* pText() { return gText.get(); }
const fw::FileType* pTRKit() { return gTRKit.get(); }
const fw::FileType* pWav() { return gWav.get(); }
const fw::FileType* pAiff() { return gAiff.get(); }
const fw::FileType* pAny() { return gAny.get(); }
const fw::FileType* pSd2() { return gSd2.get(); }

}  // namespace FileTypes1
