// Saving the step-line display as a picture with separators and a caption.
#include "files/picture_export.h"

#include "engine/window1.h"
#include "platform/base/numbers.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace files {

namespace {
// The first n characters of a UTF-8 text: a cut never splits a character.
std::string LeftCharacters(const std::string& s, int n) {
  size_t end = 0;
  for (int count = 0; end < s.size(); ++end) {
    const auto byte = static_cast<unsigned char>(s[end]);
    if ((byte & 0xC0) != 0x80 && count++ == n) break;  // the lead byte of character n + 1
  }
  return s.substr(0, end);
}
}  // namespace

std::string PictureCaption(const std::string& tempo, int numBeats,
                           const std::array<std::string, 10>& rowNames, const std::string& mode) {
  std::string caption = tempo + "|" + fw::Str(static_cast<long long>(numBeats) * 16) + "|";
  for (const auto& name : rowNames) caption += LeftCharacters(name, 8) + "|";
  return caption + mode;
}

}  // namespace files

bool Window1::SavePicture_MouseDown(fw::Control&, int, int) {
  DrawBlackLines();
  fw::Graphics& g = p->Graphics();
  g.UseOldRenderer = false;
  g.ForeColor = fw::RGB(0, 0, 255);
  g.TextSize = 9;
  std::array<std::string, 10> names;
  for (int row = 1; row <= 10; ++row) names[row - 1] = StaticText3(row).Text();
  g.DrawString(files::PictureCaption(StaticText1().Text(), NumBeats, names, OctaveText().Text()), 1,
               10);
  if (auto file = fw::ShowSaveAsDialog(fw::DialogOptions{})) {
    if (!file->SaveAsPicture(p))
      fw::MsgBox("The picture \"" + file->Name() + "\" could not be saved: " + file->LastError() +
                 ".");
  }
  p->Graphics().UseOldRenderer = true;
  MeterDisplay();
  ClearPattern();
  PatternDraw();
  return false;
}
