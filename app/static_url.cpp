#include "app/static_url.h"

#include "platform/ui/application.h"
#include "platform/ui/events.h"

stStaticURL::stStaticURL() {
  InstallEventHandler("Open", fw::PlainHandler([this](fw::Control&) { Event_Open(); }));
  InstallEventHandler("MouseEnter", fw::PlainHandler([this](fw::Control&) { Event_MouseEnter(); }));
  InstallEventHandler("MouseExit", fw::PlainHandler([this](fw::Control&) { Event_MouseExit(); }));
  InstallEventHandler("MouseDown", fw::MouseDownHandler([this](fw::Control&, int x, int y) {
                        return Event_MouseDown(x, y);
                      }));
  InstallEventHandler(
      "MouseUp", fw::MouseHandler([this](fw::Control&, int x, int y) { Event_MouseUp(x, y); }));
}

bool stStaticURL::SetProperty(std::string_view name, const fw::PropertyValue& v) {
  if (name == "URL" && v.type == fw::PropertyValue::Type::String) {
    URL = v.string;
    return true;
  }
  return fw::StaticText::SetProperty(name, v);
}

void stStaticURL::Event_Open() {
  SetTextColor(kNormalColor);
  SetUnderline(true);
}

void stStaticURL::Event_MouseEnter() { SetTextColor(kHoverColor); }

void stStaticURL::Event_MouseExit() { SetTextColor(kNormalColor); }

bool stStaticURL::Event_MouseDown(int, int) {
  SetTextColor(kPressedColor);
  return true;  // the release comes back to Event_MouseUp
}

void stStaticURL::Event_MouseUp(int x, int y) {
  // Only a release strictly inside the label opens the address; the edges
  // count as outside.
  bool inside = x > 0 && x < Width() && y > 0 && y < Height();
  if (inside) fw::ShowURL(URL.empty() ? Text() : URL);
  SetTextColor(kReleasedColor);
}
