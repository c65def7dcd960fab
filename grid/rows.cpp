// Row labels (selection and sound loading) and row pads (audition while
// stopped, live recording while playing).
#include "engine/window1.h"
#include "grid/step_edit.h"
#include "grid/step_look.h"
#include "platform/base/numbers.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/events.h"

bool Window1::StaticText3_MouseDown(fw::Control& me, int, int) {
  const int k = me.Index();
  if (k < 1 || k > grid::kRows) return false;
  if (!fw::IsContextualClick()) {
    DrumName().SetText(StaticText3(k).Text());
    for (int i = 1; i <= grid::kRows; ++i) SoundEditFlag(i) = (i == k) ? 1 : 0;
    return false;
  }
  fw::FolderItemRef item = fw::GetOpenFolderItem({});
  if (!item) return false;
  fw::SoundRef sound = item->OpenAsSound();
  if (!sound) {
    // The row keeps the sound it had: every row always holds a playable one.
    fw::MsgBox("\"" + item->Name() +
               "\" is not a sound file Taktora can play: " + item->LastError() + ".");
    return false;
  }
  SoundItem(k) = item;
  S(k) = sound;
  StaticText3(k).SetTextColor(grid::kLoadedRowNameColor);
  StaticText3(k).SetText(item->Name());
  return false;
}

bool Window1::Canvas2_MouseDown(fw::Control& me, int, int) {
  const int k = me.Index();
  if (k < 1 || k > grid::kRows) return false;
  if (playon) {
    // Between the start and the first step CurrentBeat is not a step yet: such
    // a press records nothing. Right after the pattern was shortened it may
    // still lie beyond the length; the hit then goes to that hidden step, which
    // sounds again once the pattern is long enough.
    const int c = CurrentBeat;
    if (c < 1 || c > grid::kSteps) return false;
    grid::ShowStepOn(*this, k, c, 100);
    Canvas1().Refresh(true);
    return false;
  }
  if (fw::TextEquals(StaticText3(k).Text(), "Empty") || !S(k)) return false;
  S(k)->Volume = fw::ToInteger(static_cast<double>(MainVolume) * percentvolume);
  S(k)->Play();
  return false;
}
