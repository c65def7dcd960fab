#include "layout/window_records.h"

#include "layout/control_def.h"
#include "layout/record_encoder.h"

namespace layout {
namespace {

// ---- Window records: 22 entries in one order for every window.
struct WindowDesign {
  int32_t placement;
  int32_t width, height;
  int32_t minWidth;
  bool composite;
  uint32_t backColor;
  std::string_view title;
};

constexpr EntryList WindowEntries(const WindowDesign& w) {
  EntryList l;
  l.Add(Int("Placement", w.placement))
      .Add(Int("Width", w.width))
      .Add(Int("Height", w.height))
      .Add(Int("MinWidth", w.minWidth))
      .Add(Int("MinHeight", 64))
      .Add(Int("MaxWidth", 32000))
      .Add(Int("MaxHeight", 32000))
      .Add(Int("Frame", 0))
      .Add(Bool("Composite", w.composite))
      .Add(Bool("HasBackColor", true))
      .Add(Colour("BackColor", w.backColor))
      .Add(Str("Title", w.title))
      .Add(Bool("Visible", true))
      .Add(Bool("FullScreen", false))
      .Add(Bool("MenuBarVisible", true))
      .Add(Bool("CloseButton", true))
      .Add(Bool("Resizeable", false))
      .Add(Bool("LiveResize", false))
      .Add(Bool("MaximizeButton", false))
      .Add(Bool("MinimizeButton", true))
      .Add(Str("BalloonHelp", ""))
      .Add(Int("MacProcID", 0));
  return l;
}

constexpr uint32_t kDialogBack = 0x171717;

constexpr EntryList kWindow1Entries =
    WindowEntries({0, 670, 478, kNoValue, false, 0x402527, "Taktora 1.2ub"});
constexpr EntryList kAboutEntries = WindowEntries({2, 284, 212, 64, false, kDialogBack, ""});
constexpr EntryList kReplaceEntries = WindowEntries({2, 365, 94, 64, true, kDialogBack, "Replace"});

// ---- Controls shared by the two small windows.
constexpr ControlDef Def(ControlKind kind, std::string_view name, int left, int top, int width,
                         int height, int tab) {
  return Placed(kind, name, kNoValue, left, top, width, height, tab);
}

constexpr ControlDef Text(std::string_view name, int left, int top, int width, int height, int tab,
                          std::string_view text, int align, uint32_t colour, int size,
                          bool bold = false) {
  ControlDef d = Def(ControlKind::StaticText, name, left, top, width, height, tab);
  d.text = text;
  d.textAlign = align;
  d.colour = colour;
  d.textSize = size;
  d.bold = bold;
  return d;
}

// ---- About window: icon, name, version, credits and the support link.
constexpr uint32_t kAboutOlive = 0xB9B100;
constexpr uint32_t kLinkRose = 0xDB7E86;

constexpr EntryList kCnvIconEntries =
    CanvasEntries(Def(ControlKind::Canvas, "cnvIcon", 110, 8, 64, 64, 0));
constexpr EntryList kStNameEntries =
    StaticTextEntries(Text("stName", 24, 71, 236, 19, 1, "Taktora", 1, kAboutOlive, 14, true));
constexpr EntryList kStDescriptionEntries = StaticTextEntries(
    Text("stDescription", 24, 88, 236, 18, 2, "ver 1.2ub", 1, kAboutOlive, 11), true);
constexpr EntryList kStaticText2Entries = StaticTextEntries(
    Text("StaticText2", 24, 135, 236, 51, 3,
         "Rhythm engine, sounds and pictures\rby the Taktora team", 1, kAboutOlive, 11),
    true);

constexpr EntryList LinkEntries() {
  EntryList l = StaticTextEntries(
      Text("stStaticURL2", 24, 173, 236, 19, 4, "Email Support", 1, kLinkRose, 10), false, true);
  l.Add(Str("URL", "mailto:support@taktora.example"));
  return l;
}
constexpr EntryList kStStaticURL2Entries = LinkEntries();

// ---- Replace dialog: entries from InitialParent back to Name, TabIndex last.
constexpr EntryList PushButtonEntries(std::string_view name, int left, int tab,
                                      std::string_view caption) {
  const ControlDef d = Def(ControlKind::Canvas, name, left, 46, 62, 20, tab);
  EntryList l;
  AddHead(l, d);
  l.Add(Int("TabIndex", d.tabIndex))
      .Add(Str("Caption", caption))
      .Add(Bool("Default", false))
      .Add(Bool("Cancel", false))
      .Add(Bool("Enabled", true))
      .Add(Bool("Visible", true))
      .Add(Str("HelpTag", ""))
      .Add(Bool("AutoDeactivate", true))
      .Add(Str("TextFont", "System"))
      .Add(Int("TextSize", 9))
      .Add(Bool("Bold", false))
      .Add(Bool("Italic", false))
      .Add(Bool("Underline", false))
      .Add(Str("InitialParent", ""));
  return ReversedTabIndexLast(l);
}

constexpr EntryList kReplaceStaticText1Entries = ReversedTabIndexLast(StaticTextEntries(
    Text("StaticText1", 82, 14, 263, 20, 0,
         "The Drum Kit already exists.  Do you want me to replace it?", 0, kLabelYellow, 9)));
constexpr EntryList kReplacePushButton1Entries = PushButtonEntries("PushButton1", 251, 1, "Yes");
constexpr EntryList kReplacePushButton2Entries = PushButtonEntries("PushButton2", 119, 2, "No");
constexpr EntryList kReplaceCanvas1Entries =
    ReversedTabIndexLast(CanvasEntries(Def(ControlKind::Canvas, "Canvas1", 6, 10, 64, 64, 3)));

}  // namespace
}  // namespace layout

using layout::AsView;
using layout::kEncoded;

constinit const std::string_view kWindow1Record = AsView(kEncoded<layout::kWindow1Entries>);
constinit const std::string_view kAboutTaktoraRecord = AsView(kEncoded<layout::kAboutEntries>);
constinit const std::string_view kSaveReplaceRecord = AsView(kEncoded<layout::kReplaceEntries>);

constinit const std::string_view kAboutCnvIconRecord = AsView(kEncoded<layout::kCnvIconEntries>);
constinit const std::string_view kAboutStNameRecord = AsView(kEncoded<layout::kStNameEntries>);
constinit const std::string_view kAboutStDescriptionRecord =
    AsView(kEncoded<layout::kStDescriptionEntries>);
constinit const std::string_view kAboutStaticText2Record =
    AsView(kEncoded<layout::kStaticText2Entries>);
constinit const std::string_view kAboutStStaticURL2Record =
    AsView(kEncoded<layout::kStStaticURL2Entries>);

constinit const std::string_view kReplaceStaticText1Record =
    AsView(kEncoded<layout::kReplaceStaticText1Entries>);
constinit const std::string_view kReplacePushButton1Record =
    AsView(kEncoded<layout::kReplacePushButton1Entries>);
constinit const std::string_view kReplacePushButton2Record =
    AsView(kEncoded<layout::kReplacePushButton2Entries>);
constinit const std::string_view kReplaceCanvas1Record =
    AsView(kEncoded<layout::kReplaceCanvas1Entries>);
