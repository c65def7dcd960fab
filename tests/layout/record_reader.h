// A small independent reader of design records for the layout tests: splits
// a record into (name, value bytes) by the width each name's type implies.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace layout_test {

// Names of one-byte booleans, three-byte colours and length-prefixed strings;
// every other value is four bytes.
constexpr std::string_view kBooleans =
    " LockLeft LockTop LockRight LockBottom Visible AutoDeactivate Enabled UseFocusRing"
    " AcceptFocus AcceptTabs EraseBackground Multiline Bold Italic Underline Border"
    " ScrollbarHorizontal ScrollbarVertical Styled Password ReadOnly Value Default Cancel"
    " Composite HasBackColor FullScreen MenuBarVisible CloseButton Resizeable LiveResize"
    " MaximizeButton MinimizeButton ";
constexpr std::string_view kColours = " TextColor BackColor FillColor BorderColor ";
constexpr std::string_view kStrings =
    " Name HelpTag InitialParent Text TextFont DataSource DataField Caption Format Mask Title"
    " BalloonHelp URL ";

inline uint32_t Be32(std::string_view b) {
  return (uint32_t(uint8_t(b[0])) << 24) | (uint32_t(uint8_t(b[1])) << 16) |
         (uint32_t(uint8_t(b[2])) << 8) | uint32_t(uint8_t(b[3]));
}

struct RawEntry {
  std::string name;
  std::string value;  // the raw value bytes
};

// One parsed record; `ok` is false when it does not parse to its very end.
struct Record {
  std::vector<RawEntry> entries;
  bool ok = false;

  explicit Record(std::string_view r) {
    auto in = [](std::string_view list, const std::string& name) {
      return list.find(" " + name + " ") != std::string_view::npos;
    };
    std::size_t pos = 0;
    while (pos < r.size()) {
      const std::size_t sp = r.find(' ', pos);
      if (sp == std::string_view::npos || sp == pos) return;
      RawEntry e{std::string(r.substr(pos, sp - pos)), {}};
      pos = sp + 1;
      std::size_t width = in(kBooleans, e.name) ? 1 : in(kColours, e.name) ? 3 : 4;
      if (in(kStrings, e.name)) {
        if (pos + 4 > r.size()) return;
        width = 4 + Be32(r.substr(pos, 4));
      }
      if (pos + width > r.size()) return;
      e.value = std::string(r.substr(pos, width));
      pos += width;
      entries.push_back(std::move(e));
    }
    ok = true;
  }

  const RawEntry* Find(std::string_view name) const {
    for (const auto& e : entries)
      if (e.name == name) return &e;
    return nullptr;
  }
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  int32_t Int(std::string_view name) const { return int32_t(Be32(Find(name)->value)); }
  bool Bool(std::string_view name) const { return Find(name)->value[0] != 0; }
  std::string Str(std::string_view name) const { return Find(name)->value.substr(4); }
  uint32_t Colour(std::string_view name) const { return Be32('\0' + Find(name)->value); }
  std::vector<std::string> Names() const {
    std::vector<std::string> n;
    for (const auto& e : entries) n.push_back(e.name);
    return n;
  }
};

}  // namespace layout_test
