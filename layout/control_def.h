// The readable description of one control of a window: its kind, name,
// index, place, picture, events and the few record values that differ from
// control to control. RecordEntries turns a description into the entry list
// of its design record, in the order the record setter expects for its kind.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "layout/record_encoder.h"

namespace layout {

enum class ControlKind : uint8_t { Canvas, StaticText, BevelButton, EditField, Oval };

// Picture assets set on a control before its record is applied (a canvas's
// backdrop, the bevel button's icon).
enum class Art : uint8_t {
  None,
  red,
  playbutton,
  lightstrip,
  greenbutton,
  clearbuttoncopy,
  clearbutton,
  upArrow,
  downArrow,
  lilgreenbutton,
  lilredbutton,
  lilbluebutton,
  lilbrownbutton,
  barred,
  barorange,
  baryellow,
  barlime,
  bargreen,
  savepict,
  loadkit,
  savekit,
  newkit,
  volumebutton,
  dice,
  gridoff1,
};

struct EventBinding {
  std::string_view event;    // "MouseDown", "Paint", ...
  std::string_view handler;  // "SR3_MouseDown", ...
};

inline constexpr uint32_t kLabelYellow = 0xDBD200;

struct ControlDef {
  ControlKind kind = ControlKind::Canvas;
  std::string_view name;
  int32_t index = kNoValue;  // kNoValue outside a control array
  int32_t left = 0, top = 0, width = 0, height = 0;
  int32_t tabIndex = kNoValue;  // ovals have none
  Art picture = Art::None;
  std::array<EventBinding, 2> events{};  // bound in this order; empty event = unused

  // Canvas flags (AutoDeactivate and Enabled also for the other kinds).
  bool autoDeactivate = true;
  bool enabled = true;
  bool useFocusRing = true;
  bool eraseBackground = true;

  // Text of a label, caption of a button.
  std::string_view text;
  int32_t textAlign = 0;
  uint32_t colour = kLabelYellow;  // TextColor of a label or field, FillColor of a lamp
  int32_t textSize = 9;
  bool bold = false;

  constexpr int EventCount() const {
    return events[1].event.empty() ? (events[0].event.empty() ? 0 : 1) : 2;
  }
};

// A control of the given kind at its place; the rest keeps its defaults.
constexpr ControlDef Placed(ControlKind kind, std::string_view name, int32_t index, int32_t left,
                            int32_t top, int32_t width, int32_t height, int32_t tab) {
  ControlDef d;
  d.kind = kind;
  d.name = name;
  d.index = index;
  d.left = left;
  d.top = top;
  d.width = width;
  d.height = height;
  d.tabIndex = tab;
  return d;
}

// Name, Index, Left, Top, Width, Height, the four locks, TabPanelIndex: the
// head every control record starts with.
constexpr void AddHead(EntryList& l, const ControlDef& d) {
  l.Add(Str("Name", d.name))
      .Add(Int("Index", d.index))
      .Add(Int("Left", d.left))
      .Add(Int("Top", d.top))
      .Add(Int("Width", d.width))
      .Add(Int("Height", d.height))
      .Add(Bool("LockLeft", false))
      .Add(Bool("LockTop", false))
      .Add(Bool("LockRight", false))
      .Add(Bool("LockBottom", false))
      .Add(Int("TabPanelIndex", 0));
}

constexpr EntryList CanvasEntries(const ControlDef& d) {
  EntryList l;
  AddHead(l, d);
  l.Add(Int("TabIndex", d.tabIndex))
      .Add(Bool("Visible", true))
      .Add(Str("HelpTag", ""))
      .Add(Bool("AutoDeactivate", d.autoDeactivate))
      .Add(Bool("Enabled", d.enabled))
      .Add(Bool("UseFocusRing", d.useFocusRing))
      .Add(Bool("AcceptFocus", false))
      .Add(Bool("AcceptTabs", false))
      .Add(Bool("EraseBackground", d.eraseBackground))
      .Add(Str("InitialParent", ""));
  return l;
}

// StaticText entries; `multiline` and `underline` are False on the main window.
constexpr EntryList StaticTextEntries(const ControlDef& d, bool multiline = false,
                                      bool underline = false) {
  EntryList l;
  AddHead(l, d);
  l.Add(Int("TabIndex", d.tabIndex))
      .Add(Str("Text", d.text))
      .Add(Int("TextAlign", d.textAlign))
      .Add(Colour("TextColor", d.colour))
      .Add(Bool("Multiline", multiline))
      .Add(Bool("Enabled", d.enabled))
      .Add(Bool("Visible", true))
      .Add(Str("HelpTag", ""))
      .Add(Bool("AutoDeactivate", d.autoDeactivate))
      .Add(Str("TextFont", "System"))
      .Add(Int("TextSize", d.textSize))
      .Add(Bool("Bold", d.bold))
      .Add(Bool("Italic", false))
      .Add(Bool("Underline", underline))
      .Add(Str("DataSource", ""))
      .Add(Str("DataField", ""))
      .Add(Str("InitialParent", ""));
  return l;
}

// The transport button; its InitialParent stands directly after TabIndex.
constexpr EntryList BevelButtonEntries(const ControlDef& d) {
  EntryList l;
  AddHead(l, d);
  l.Add(Int("TabIndex", d.tabIndex))
      .Add(Str("InitialParent", ""))
      .Add(Bool("Visible", true))
      .Add(Str("HelpTag", ""))
      .Add(Bool("AutoDeactivate", d.autoDeactivate))
      .Add(Bool("Enabled", d.enabled))
      .Add(Str("Caption", d.text))
      .Add(Int("CaptionAlign", 3))
      .Add(Int("CaptionPlacement", 1))
      .Add(Int("CaptionDelta", 0))
      .Add(Int("IconAlign", 1))
      .Add(Int("IconDX", 0))
      .Add(Int("IconDY", 0))
      .Add(Int("Bevel", 2))
      .Add(Int("HasMenu", 0))
      .Add(Bool("Value", false))
      .Add(Int("MenuValue", 0))
      .Add(Int("ButtonType", 1))
      .Add(Bool("AcceptFocus", false))
      .Add(Str("TextFont", "System"))
      .Add(Int("TextSize", d.textSize))
      .Add(Bool("Bold", false))
      .Add(Bool("Italic", false))
      .Add(Bool("Underline", false));
  return l;
}

inline constexpr uint32_t kKitNameBack = 0x301C1D;

// The kit-name field.
constexpr EntryList EditFieldEntries(const ControlDef& d) {
  EntryList l;
  AddHead(l, d);
  l.Add(Int("TabIndex", d.tabIndex))
      .Add(Bool("Border", false))
      .Add(Bool("Multiline", false))
      .Add(Bool("ScrollbarHorizontal", false))
      .Add(Bool("ScrollbarVertical", false))
      .Add(Bool("Styled", false))
      .Add(Bool("Password", false))
      .Add(Bool("UseFocusRing", false))
      .Add(Colour("TextColor", d.colour))
      .Add(Colour("BackColor", kKitNameBack))
      .Add(Bool("Enabled", d.enabled))
      .Add(Str("Format", ""))
      .Add(Bool("Visible", true))
      .Add(Str("HelpTag", ""))
      .Add(Bool("AutoDeactivate", d.autoDeactivate))
      .Add(Str("TextFont", "System"))
      .Add(Int("TextSize", d.textSize))
      .Add(Bool("Bold", false))
      .Add(Bool("Italic", false))
      .Add(Bool("Underline", false))
      .Add(Str("Text", d.text))
      .Add(Str("Mask", ""))
      .Add(Bool("ReadOnly", false))
      .Add(Int("LimitText", 0))
      .Add(Bool("AcceptTabs", false))
      .Add(Int("Alignment", 2))
      .Add(Str("DataSource", ""))
      .Add(Str("DataField", ""))
      .Add(Str("InitialParent", ""));
  return l;
}

inline constexpr uint32_t kLampYellow = 0xFFFF00;

// A row lamp: no TabIndex.
constexpr EntryList OvalEntries(const ControlDef& d) {
  EntryList l;
  AddHead(l, d);
  l.Add(Bool("Visible", true))
      .Add(Str("HelpTag", ""))
      .Add(Bool("AutoDeactivate", d.autoDeactivate))
      .Add(Bool("Enabled", d.enabled))
      .Add(Colour("FillColor", d.colour))
      .Add(Int("BorderWidth", 0))
      .Add(Colour("BorderColor", 0x000000))
      .Add(Str("InitialParent", ""));
  return l;
}

constexpr EntryList RecordEntries(const ControlDef& d) {
  switch (d.kind) {
    case ControlKind::Canvas:
      return CanvasEntries(d);
    case ControlKind::StaticText:
      return StaticTextEntries(d);
    case ControlKind::BevelButton:
      return BevelButtonEntries(d);
    case ControlKind::EditField:
      return EditFieldEntries(d);
    case ControlKind::Oval:
      return OvalEntries(d);
  }
  return {};
}

}  // namespace layout
