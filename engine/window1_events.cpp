// Binding of control events to the main window's handler methods by name.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>

#include "engine/window1.h"
#include "platform/ui/events.h"

namespace {

using PlainMethod = void (Window1::*)(fw::Control&);
using PaintMethod = void (Window1::*)(fw::Control&, fw::Graphics&);
using MouseDownMethod = bool (Window1::*)(fw::Control&, int, int);
using MouseMethod = void (Window1::*)(fw::Control&, int, int);
using Method = std::variant<PlainMethod, PaintMethod, MouseDownMethod, MouseMethod>;

const std::unordered_map<std::string_view, Method>& HandlerTable() {
  static const std::unordered_map<std::string_view, Method> table = {
      {"Canvas1_Open", PlainMethod{&Window1::Canvas1_Open}},
      {"Canvas1_Paint", PaintMethod{&Window1::Canvas1_Paint}},
      {"PointerCanvas_Paint", PaintMethod{&Window1::PointerCanvas_Paint}},
      {"Play_Action", PlainMethod{&Window1::Play_Action}},
      {"Canvas3_MouseDown", MouseDownMethod{&Window1::Canvas3_MouseDown}},
      {"Canvas4_MouseDown", MouseDownMethod{&Window1::Canvas4_MouseDown}},
      {"Canvas5_MouseDown", MouseDownMethod{&Window1::Canvas5_MouseDown}},
      {"Canvas6_MouseDown", MouseDownMethod{&Window1::Canvas6_MouseDown}},
      {"SwingUp_MouseDown", MouseDownMethod{&Window1::SwingUp_MouseDown}},
      {"SwingDown_MouseDown", MouseDownMethod{&Window1::SwingDown_MouseDown}},
      {"Canvas11_MouseDown", MouseDownMethod{&Window1::Canvas11_MouseDown}},
      {"Canvas11_MouseDrag", MouseMethod{&Window1::Canvas11_MouseDrag}},
      {"SR1_MouseDown", MouseDownMethod{&Window1::SR1_MouseDown}},
      {"SR2_MouseDown", MouseDownMethod{&Window1::SR2_MouseDown}},
      {"SR3_MouseDown", MouseDownMethod{&Window1::SR3_MouseDown}},
      {"SR4_MouseDown", MouseDownMethod{&Window1::SR4_MouseDown}},
      {"SR5_MouseDown", MouseDownMethod{&Window1::SR5_MouseDown}},
      {"SR6_MouseDown", MouseDownMethod{&Window1::SR6_MouseDown}},
      {"SR7_MouseDown", MouseDownMethod{&Window1::SR7_MouseDown}},
      {"SR8_MouseDown", MouseDownMethod{&Window1::SR8_MouseDown}},
      {"SR9_MouseDown", MouseDownMethod{&Window1::SR9_MouseDown}},
      {"SR10_MouseDown", MouseDownMethod{&Window1::SR10_MouseDown}},
      {"CR_MouseDown", MouseDownMethod{&Window1::CR_MouseDown}},
      {"PClear_MouseDown", MouseDownMethod{&Window1::PClear_MouseDown}},
      {"Canvas12_MouseDown", MouseDownMethod{&Window1::Canvas12_MouseDown}},
      {"Canvas15_MouseDown", MouseDownMethod{&Window1::Canvas15_MouseDown}},
      {"Canvas10_MouseDown", MouseDownMethod{&Window1::Canvas10_MouseDown}},
      {"Canvas7_MouseDown", MouseDownMethod{&Window1::Canvas7_MouseDown}},
      {"StaticText3_MouseDown", MouseDownMethod{&Window1::StaticText3_MouseDown}},
      {"Canvas2_MouseDown", MouseDownMethod{&Window1::Canvas2_MouseDown}},
      {"RedBar_MouseDown", MouseDownMethod{&Window1::RedBar_MouseDown}},
      {"OrangeBar_MouseDown", MouseDownMethod{&Window1::OrangeBar_MouseDown}},
      {"Yellowbar_MouseDown", MouseDownMethod{&Window1::Yellowbar_MouseDown}},
      {"Limebar_MouseDown", MouseDownMethod{&Window1::Limebar_MouseDown}},
      {"GreenBar_MouseDown", MouseDownMethod{&Window1::GreenBar_MouseDown}},
      {"Canvas8_MouseDown", MouseDownMethod{&Window1::Canvas8_MouseDown}},
      {"LPattern_MouseDown", MouseDownMethod{&Window1::LPattern_MouseDown}},
      {"SavePattern_MouseDown", MouseDownMethod{&Window1::SavePattern_MouseDown}},
      {"KitLoad_MouseDown", MouseDownMethod{&Window1::KitLoad_MouseDown}},
      {"KitSave_MouseDown", MouseDownMethod{&Window1::KitSave_MouseDown}},
      {"KitNew_MouseDown", MouseDownMethod{&Window1::KitNew_MouseDown}},
      {"KitName1_MouseEnter", PlainMethod{&Window1::KitName1_MouseEnter}},
      {"KitName1_MouseExit", PlainMethod{&Window1::KitName1_MouseExit}},
      {"SavePicture_MouseDown", MouseDownMethod{&Window1::SavePicture_MouseDown}},
  };
  return table;
}

// The handler kind each event takes (see platform/ui/events.h).
int KindOfEvent(std::string_view event) {
  if (event == "Open" || event == "Action" || event == "MouseEnter" || event == "MouseExit")
    return 0;
  if (event == "Paint") return 1;
  if (event == "MouseDown") return 2;
  if (event == "MouseDrag" || event == "MouseUp") return 3;
  return -1;
}

[[noreturn]] void BadBinding(const fw::Control& c, std::string_view event, std::string_view handler,
                             const char* why) {
  std::fprintf(stderr, "taktora: cannot bind %s of control %s to %s: %s\n",
               std::string(event).c_str(), c.Name().c_str(), std::string(handler).c_str(), why);
  std::abort();
}

}  // namespace

void Window1::BindEvent(fw::Control& c, std::string_view event, std::string_view handler) {
  const auto& table = HandlerTable();
  auto it = table.find(handler);
  if (it == table.end()) BadBinding(c, event, handler, "no such handler");
  const Method& m = it->second;
  if (KindOfEvent(event) != static_cast<int>(m.index()))
    BadBinding(c, event, handler, "the handler does not fit that event");

  if (auto* plain = std::get_if<PlainMethod>(&m)) {
    c.InstallEventHandler(
        event, fw::PlainHandler([this, f = *plain](fw::Control& me) { (this->*f)(me); }));
  } else if (auto* paint = std::get_if<PaintMethod>(&m)) {
    c.InstallEventHandler(
        event, fw::PaintHandler(
                   [this, f = *paint](fw::Control& me, fw::Graphics& g) { (this->*f)(me, g); }));
  } else if (auto* down = std::get_if<MouseDownMethod>(&m)) {
    c.InstallEventHandler(event,
                          fw::MouseDownHandler([this, f = *down](fw::Control& me, int x, int y) {
                            return (this->*f)(me, x, y);
                          }));
  } else if (auto* mouse = std::get_if<MouseMethod>(&m)) {
    c.InstallEventHandler(
        event, fw::MouseHandler(
                   [this, f = *mouse](fw::Control& me, int x, int y) { (this->*f)(me, x, y); }));
  }
}
