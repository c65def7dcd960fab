// The About window: icon, name, version, credits and the support link. A press
// on the window closes it.
#pragma once
#include "platform/ui/window.h"

class AboutTaktora : public fw::Window {
 public:
  // The open About window, or a new one, built and shown.
  static AboutTaktora& Instance();
  static constexpr const char* kClassName = "AboutTaktora.AboutTaktora";

  void Layout() override;
  void CreateControls() override;
  bool Event_MouseDown(int x, int y) override;

 private:
  void _CreateControls0();
};
