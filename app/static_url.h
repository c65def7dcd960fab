// A text label that opens an address when it is clicked and shows the
// pointer's state in its text colour.
#pragma once
#include <string>
#include <string_view>

#include "platform/ui/controls.h"

class stStaticURL : public fw::StaticText {
 public:
  static constexpr fw::Color kNormalColor = 0xDB7E86;
  static constexpr fw::Color kHoverColor = fw::RGB(255, 255, 0);
  static constexpr fw::Color kPressedColor = fw::RGB(255, 0, 0);
  static constexpr fw::Color kReleasedColor = fw::RGB(0, 0, 255);

  stStaticURL();

  // The address opened on a click; when empty, the label's own text is opened.
  std::string URL;

  // Takes "URL" from a design record; everything else is a StaticText's.
  bool SetProperty(std::string_view name, const fw::PropertyValue& v) override;

  void Event_Open();
  void Event_MouseEnter();
  void Event_MouseExit();
  bool Event_MouseDown(int x, int y);
  void Event_MouseUp(int x, int y);
};
