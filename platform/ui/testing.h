// Seams for tests: answer dialogs and message boxes headless, read what they
// said, and deliver input through the same path real input takes.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace fw {

class Window;
class Control;

namespace testing {

enum class DialogKind { Open, SaveAs, SelectFolder };

// While an answerer is installed no dialog is shown: each dialog calls it and
// returns its path ("" = cancel). Message boxes are recorded, not shown.
using DialogAnswerer = std::function<std::string(DialogKind kind, const std::string& suggested)>;
void SetDialogAnswerer(DialogAnswerer answerer);
void ClearDialogAnswerer();

// Every message box text since the last call of ClearMessages.
const std::vector<std::string>& Messages();
void ClearMessages();

// Input routed by position in the window's content area, like a real event.
enum class Button { Left, Right };
void Click(Window& w, int x, int y, Button b = Button::Left, bool ctrl = false);
void Press(Window& w, int x, int y, Button b = Button::Left, bool ctrl = false);
void Drag(Window& w, int x, int y);  // moves with the button held
void Release(Window& w, int x, int y);
void MoveMouse(Window& w, int x, int y);
void TypeKey(Window& w, const std::string& key);  // "a", " ", "\b" ...

// While an opener is installed, ShowURL hands it the address instead of
// opening it with the desktop; an empty opener restores the desktop.
using URLOpener = std::function<void(const std::string& url)>;
void SetURLOpener(URLOpener opener);

// The window system's close box of the window, as if the user clicked it.
void ClickCloseBox(Window& w);
// A key combination such as "Ctrl+Q" typed into the window (menu shortcuts).
void TypeShortcut(Window& w, const std::string& keys);
// The window's menu bar as text: each menu as "Title[item|item|-|item]",
// menus separated by " "; an item with a shortcut as "Text(Ctrl+Q)";
// an empty string when the window has no menu bar.
std::string DescribeMenuBar(Window& w);

// Runs pending events (repaints, posted refreshes) for up to ms milliseconds.
void ProcessEvents(int ms = 0);

// How wide the widest line of a single-line label's text is in the label's own
// font, in pixels; -1 for any other control (a multi-line label wraps instead).
int LabelTextWidth(const Control& c);

// The window's content as it is painted now, as a picture.
std::shared_ptr<class Picture> Grab(Window& w);

}  // namespace testing
}  // namespace fw
