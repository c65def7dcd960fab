// The design record reader: steps over each entry by the width its name's
// type gives, and sets the property on the object by name.
#include "platform/ui/design_record.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "platform/ui/window.h"

namespace fw {

namespace {

using T = PropertyValue::Type;

// Every property name a record may hold, with its one type.
const std::unordered_map<std::string_view, T>& TypeTable() {
  static const std::unordered_map<std::string_view, T> table = {
      // Common to every control.
      {"Name", T::String},
      {"Index", T::Integer},
      {"Left", T::Integer},
      {"Top", T::Integer},
      {"Width", T::Integer},
      {"Height", T::Integer},
      {"LockLeft", T::Boolean},
      {"LockTop", T::Boolean},
      {"LockRight", T::Boolean},
      {"LockBottom", T::Boolean},
      {"TabPanelIndex", T::Integer},
      {"TabIndex", T::Integer},
      {"Visible", T::Boolean},
      {"HelpTag", T::String},
      {"AutoDeactivate", T::Boolean},
      {"Enabled", T::Boolean},
      {"InitialParent", T::String},
      // Canvas.
      {"UseFocusRing", T::Boolean},
      {"AcceptFocus", T::Boolean},
      {"AcceptTabs", T::Boolean},
      {"EraseBackground", T::Boolean},
      // Text.
      {"Text", T::String},
      {"TextAlign", T::Integer},
      {"TextColor", T::Color},
      {"Multiline", T::Boolean},
      {"TextFont", T::String},
      {"TextSize", T::Integer},
      {"Bold", T::Boolean},
      {"Italic", T::Boolean},
      {"Underline", T::Boolean},
      {"DataSource", T::String},
      {"DataField", T::String},
      // EditField.
      {"Border", T::Boolean},
      {"ScrollbarHorizontal", T::Boolean},
      {"ScrollbarVertical", T::Boolean},
      {"Styled", T::Boolean},
      {"Password", T::Boolean},
      {"BackColor", T::Color},
      {"Format", T::String},
      {"Mask", T::String},
      {"ReadOnly", T::Boolean},
      {"LimitText", T::Integer},
      {"Alignment", T::Integer},
      // BevelButton and PushButton.
      {"Caption", T::String},
      {"CaptionAlign", T::Integer},
      {"CaptionPlacement", T::Integer},
      {"CaptionDelta", T::Integer},
      {"IconAlign", T::Integer},
      {"IconDX", T::Integer},
      {"IconDY", T::Integer},
      {"Bevel", T::Integer},
      {"HasMenu", T::Integer},
      {"Value", T::Boolean},
      {"MenuValue", T::Integer},
      {"ButtonType", T::Integer},
      {"Default", T::Boolean},
      {"Cancel", T::Boolean},
      // Oval.
      {"FillColor", T::Color},
      {"BorderWidth", T::Integer},
      {"BorderColor", T::Color},
      // The link label's own property.
      {"URL", T::String},
      // Windows.
      {"Placement", T::Integer},
      {"MinWidth", T::Integer},
      {"MinHeight", T::Integer},
      {"MaxWidth", T::Integer},
      {"MaxHeight", T::Integer},
      {"Frame", T::Integer},
      {"Composite", T::Boolean},
      {"HasBackColor", T::Boolean},
      {"Title", T::String},
      {"FullScreen", T::Boolean},
      {"MenuBarVisible", T::Boolean},
      {"CloseButton", T::Boolean},
      {"Resizeable", T::Boolean},
      {"LiveResize", T::Boolean},
      {"MaximizeButton", T::Boolean},
      {"MinimizeButton", T::Boolean},
      {"BalloonHelp", T::String},
      {"MacProcID", T::Integer},
  };
  return table;
}

uint32_t BigEndian32(std::string_view r, size_t at) {
  return (uint32_t{static_cast<uint8_t>(r[at])} << 24) |
         (uint32_t{static_cast<uint8_t>(r[at + 1])} << 16) |
         (uint32_t{static_cast<uint8_t>(r[at + 2])} << 8) |
         uint32_t{static_cast<uint8_t>(r[at + 3])};
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Entry {
  std::string_view name;
  PropertyValue value;
};

// Reads every entry; on a malformed record says why and returns false.
bool Parse(std::string_view r, std::vector<Entry>* out, std::string* error) {
  size_t pos = 0;
  while (pos < r.size()) {
    size_t space = r.find(' ', pos);
    if (space == std::string_view::npos) {
      *error = "an entry at byte " + std::to_string(pos) + " has no space after its name";
      return false;
    }
    std::string_view name = r.substr(pos, space - pos);
    bool wellFormed = !name.empty() && IsLetter(name[0]);
    for (char c : name) wellFormed = wellFormed && (IsLetter(c) || IsDigit(c));
    if (!wellFormed) {
      *error = "the bytes at " + std::to_string(pos) + " are not a property name";
      return false;
    }
    PropertyValue v;
    if (!RecordPropertyType(name, &v.type)) {
      *error = "unknown property name \"" + std::string(name) + "\"";
      return false;
    }
    for (const Entry& e : *out) {
      if (e.name == name) {
        *error = "the property \"" + std::string(name) + "\" occurs twice";
        return false;
      }
    }
    pos = space + 1;
    size_t left = r.size() - pos;
    bool fits = true;
    switch (v.type) {
      case T::Integer:
        fits = left >= 4;
        if (fits) {
          uint32_t u = BigEndian32(r, pos);
          v.hasValue = u != 0x80000000u;
          v.integer = static_cast<int32_t>(u);
          pos += 4;
        }
        break;
      case T::Boolean:
        fits = left >= 1;
        if (fits) {
          uint8_t b = static_cast<uint8_t>(r[pos]);
          if (b > 1) {
            *error = "the Boolean \"" + std::string(name) + "\" is neither 0 nor 1";
            return false;
          }
          v.boolean = b == 1;
          pos += 1;
        }
        break;
      case T::Color:
        fits = left >= 3;
        if (fits) {
          v.color = RGB(static_cast<uint8_t>(r[pos]), static_cast<uint8_t>(r[pos + 1]),
                        static_cast<uint8_t>(r[pos + 2]));
          pos += 3;
        }
        break;
      case T::String:
        fits = left >= 4 && BigEndian32(r, pos) <= left - 4;
        if (fits) {
          size_t n = BigEndian32(r, pos);
          v.string = std::string(r.substr(pos + 4, n));
          pos += 4 + n;
        }
        break;
    }
    if (!fits) {
      *error = "the record ends inside the value of \"" + std::string(name) + "\"";
      return false;
    }
    out->push_back({name, std::move(v)});
  }
  return true;
}

template <class Object>
bool Apply(Object& object, std::string_view record, std::string* error) {
  std::vector<Entry> entries;
  if (!Parse(record, &entries, error)) return false;
  for (const Entry& e : entries) {
    if (!object.SetProperty(e.name, e.value)) {
      *error = "the property \"" + std::string(e.name) + "\" is not one this object has, or " +
               "its value is out of range";
      return false;
    }
  }
  return true;
}

[[noreturn]] void Fail(const std::string& what, const std::string& error) {
  std::fprintf(stderr, "Taktora: the design record of %s is broken: %s\n", what.c_str(),
               error.c_str());
  std::abort();
}

}  // namespace

bool RecordPropertyType(std::string_view name, PropertyValue::Type* type) {
  const auto& table = TypeTable();
  auto it = table.find(name);
  if (it == table.end()) return false;
  *type = it->second;
  return true;
}

bool TryApplyRecord(Control& control, std::string_view record, std::string* error) {
  return Apply(control, record, error);
}

bool TryApplyRecord(Window& window, std::string_view record, std::string* error) {
  return Apply(window, record, error);
}

void ApplyRecord(Control& control, std::string_view record) {
  std::string error;
  if (!Apply(control, record, &error)) {
    std::string what = std::string("the ") + control.ClassName() + " \"" + control.Name() + "\"";
    if (control.Index() != kNoIndex) what += "(" + std::to_string(control.Index()) + ")";
    Fail(what, error);
  }
}

void ApplyRecord(Window& window, std::string_view record) {
  std::string error;
  if (!Apply(window, record, &error)) Fail("the window \"" + window.Title() + "\"", error);
}

}  // namespace fw
