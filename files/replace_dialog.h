// The small window that asks whether an existing kit folder may be replaced.
// It does not block the main window; "Yes" writes the kit as it stands then.
#pragma once
#include "platform/ui/window.h"

class wSaveReplace : public fw::Window {
 public:
  // The one dialog: the open one, or a new one.
  static wSaveReplace& Instance();

  void Layout() override;
  void CreateControls() override;
  void PushButton1_Action();  // "Yes"
  void PushButton2_Action();  // "No"
};
