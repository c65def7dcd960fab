// Creation of the main window's 407 controls, in the order of the control
// table: create and add the control, set its picture, apply its design record,
// bind its events.
#include "app/assets.h"
#include "engine/window1.h"
#include "layout/main_window_table.h"
#include "platform/ui/design_record.h"

namespace {

using layout::Art;
using layout::ControlKind;

fw::PictureRef PictureOf(Art art) {
  switch (art) {
    case Art::None:
      return nullptr;
    case Art::red:
      return red();
    case Art::playbutton:
      return playbutton();
    case Art::lightstrip:
      return lightstrip();
    case Art::greenbutton:
      return greenbutton();
    case Art::clearbuttoncopy:
      return clearbuttoncopy();
    case Art::clearbutton:
      return clearbutton();
    case Art::upArrow:
      return upArrow();
    case Art::downArrow:
      return downArrow();
    case Art::lilgreenbutton:
      return lilgreenbutton();
    case Art::lilredbutton:
      return lilredbutton();
    case Art::lilbluebutton:
      return lilbluebutton();
    case Art::lilbrownbutton:
      return lilbrownbutton();
    case Art::barred:
      return barred();
    case Art::barorange:
      return barorange();
    case Art::baryellow:
      return baryellow();
    case Art::barlime:
      return barlime();
    case Art::bargreen:
      return bargreen();
    case Art::savepict:
      return savepict();
    case Art::loadkit:
      return loadkit();
    case Art::savekit:
      return savekit();
    case Art::newkit:
      return newkit();
    case Art::volumebutton:
      return volumebutton();
    case Art::dice:
      return dice();
    case Art::gridoff1:
      return gridoff1();
  }
  return nullptr;
}

}  // namespace

void Window1::CreateControls() {
  for (const layout::ControlEntry& e : layout::kMainWindowControls) {
    const int index = e.index == layout::kNoValue ? fw::kNoIndex : e.index;
    fw::Control* control = nullptr;
    switch (e.kind) {
      case ControlKind::Canvas: {
        auto& c = New<fw::Canvas>(e.name, index);
        if (e.picture != Art::None) c.SetBackdrop(PictureOf(e.picture));
        control = &c;
        break;
      }
      case ControlKind::BevelButton: {
        auto& b = New<fw::BevelButton>(e.name, index);
        if (e.picture != Art::None) b.SetIcon(PictureOf(e.picture));
        control = &b;
        break;
      }
      case ControlKind::StaticText:
        control = &New<fw::StaticText>(e.name, index);
        break;
      case ControlKind::EditField:
        control = &New<fw::EditField>(e.name, index);
        break;
      case ControlKind::Oval:
        control = &New<fw::Oval>(e.name, index);
        break;
    }
    fw::ApplyRecord(*control, e.record);
    for (int i = 0; i < e.eventCount; ++i) {
      BindEvent(*control, e.events[i].event, e.events[i].handler);
    }
  }
}
