// Event handlers that controls and windows call into program code.
#pragma once
#include <functional>
#include <string_view>

namespace fw {

class Control;
class Graphics;

// The handler kinds, by event name:
//   "Open", "Action", "MouseEnter", "MouseExit"  -> PlainHandler
//   "Paint"                                        -> PaintHandler
//   "MouseDown"                                    -> MouseDownHandler
//   "MouseDrag", "MouseUp"                         -> MouseHandler
// Mouse positions are relative to the control's top-left corner.
using PlainHandler = std::function<void(Control& me)>;
using PaintHandler = std::function<void(Control& me, Graphics& g)>;
using MouseDownHandler = std::function<bool(Control& me, int x, int y)>;
using MouseHandler = std::function<void(Control& me, int x, int y)>;

// True while the mouse press being handled is contextual: a right-button
// press, or a left press with Ctrl held.
bool IsContextualClick();

}  // namespace fw
