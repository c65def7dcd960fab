// The one-key commands of the main window.
#include "app/assets.h"
#include "engine/window1.h"
#include "grid/step_look.h"
#include "platform/base/numbers.h"
#include "platform/ui/picture.h"

bool Window1::Event_KeyDown(const std::string& key) {
  if (fw::TextEquals(key, " ")) {
    // Decided on the playing flag, not on the button's caption; the caption
    // follows at the end of the start and in the middle of the stop.
    if (!playon) {
      playon = true;
      disablebuttons();
      RunPlayLoop();
      Play().SetCaption("Stop");
    } else {
      playon = false;
      StopRowSounds();
      Play().SetCaption("Play");
      DrawBlackLines();
      enablebuttons();
    }
  }
  if (fw::TextEquals(key, "c")) {
    copypattern();
    fw::Clipboard().SetPicture(p);
  }
  if (fw::TextEquals(key, "v")) pastepattern();
  if (fw::TextEquals(key, ".")) ChangePattern(+1, false);
  if (fw::TextEquals(key, ",")) ChangePattern(-1, false);
  if (fw::TextEquals(key, fw::Chr(8)) && !DrumName().Text().empty()) {
    // Empties the first row whose label equals the selected name.
    for (int row = 1; row <= 10; ++row) {
      if (!fw::TextEquals(DrumName().Text(), StaticText3(row).Text())) continue;
      StaticText3(row).SetTextColor(grid::kEmptyRowNameColor);
      StaticText3(row).SetText("Empty");
      SoundItem(row) = nullptr;
      S(row) = blank();
      DrumName().SetText("");
    }
  }
  return false;
}
