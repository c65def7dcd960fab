// The small window that asks whether an existing kit folder may be replaced.
// It does not block the main window; "Yes" writes the kit as it stands then.
#pragma once
#include "platform/base/files.h"
#include "platform/ui/window.h"

class wSaveReplace : public fw::Window {
 public:
  // The one dialog: the open one, or a new one.
  static wSaveReplace& Instance();
  // Shows the dialog asking about the existing kit folder `folder`.
  static void AskAbout(fw::FolderItemRef folder);

  void Layout() override;
  void CreateControls() override;
  void PushButton1_Action();  // "Yes"
  void PushButton2_Action();  // "No"

 private:
  fw::FolderItemRef askedAbout_;  // the kit folder the question is about
};
