// A small independent reader of design records for the layout tests: splits
// a record into (name, value bytes) by the width each name's type implies.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace layout_test {

struct RawEntry {
  std::string name;
  std::string value;  // the raw value bytes
};

inline const std::set<std::string>& BooleanNames() {
  static const std::set<std::string> names = {"LockLeft",
                                              "LockTop",
                                              "LockRight",
                                              "LockBottom",
                                              "Visible",
                                              "AutoDeactivate",
                                              "Enabled",
                                              "UseFocusRing",
                                              "AcceptFocus",
                                              "AcceptTabs",
                                              "EraseBackground",
                                              "Multiline",
                                              "Bold",
                                              "Italic",
                                              "Underline",
                                              "Border",
                                              "ScrollbarHorizontal",
                                              "ScrollbarVertical",
                                              "Styled",
                                              "Password",
                                              "ReadOnly",
                                              "Value",
                                              "Default",
                                              "Cancel",
                                              "Composite",
                                              "HasBackColor",
                                              "FullScreen",
                                              "MenuBarVisible",
                                              "CloseButton",
                                              "Resizeable",
                                              "LiveResize",
                                              "MaximizeButton",
                                              "MinimizeButton"};
  return names;
}
inline const std::set<std::string>& ColorNames() {
  static const std::set<std::string> names = {"TextColor", "BackColor", "FillColor", "BorderColor"};
  return names;
}
inline const std::set<std::string>& StringNames() {
  static const std::set<std::string> names = {
      "Name",    "HelpTag", "InitialParent", "Text",  "TextFont",    "DataSource", "DataField",
      "Caption", "Format",  "Mask",          "Title", "BalloonHelp", "URL"};
  return names;
}

inline uint32_t Be32(std::string_view b) {
  return (uint32_t(uint8_t(b[0])) << 24) | (uint32_t(uint8_t(b[1])) << 16) |
         (uint32_t(uint8_t(b[2])) << 8) | uint32_t(uint8_t(b[3]));
}

// Entries of a record, or nothing when it does not parse to its very end.
inline std::optional<std::vector<RawEntry>> ReadRecord(std::string_view r) {
  std::vector<RawEntry> out;
  std::size_t pos = 0;
  while (pos < r.size()) {
    const std::size_t sp = r.find(' ', pos);
    if (sp == std::string_view::npos || sp == pos) return std::nullopt;
    RawEntry e{std::string(r.substr(pos, sp - pos)), {}};
    pos = sp + 1;
    std::size_t width = 4;
    if (BooleanNames().count(e.name)) {
      width = 1;
    } else if (ColorNames().count(e.name)) {
      width = 3;
    } else if (StringNames().count(e.name)) {
      if (pos + 4 > r.size()) return std::nullopt;
      width = 4 + Be32(r.substr(pos, 4));
    }
    if (pos + width > r.size()) return std::nullopt;
    e.value = std::string(r.substr(pos, width));
    pos += width;
    out.push_back(std::move(e));
  }
  return out;
}

// Convenience views of one parsed record.
struct Record {
  std::vector<RawEntry> entries;

  explicit Record(std::string_view bytes) {
    auto parsed = ReadRecord(bytes);
    if (parsed) entries = std::move(*parsed);
    ok = parsed.has_value();
  }
  bool ok = false;

  const RawEntry* Find(std::string_view name) const {
    for (const auto& e : entries)
      if (e.name == name) return &e;
    return nullptr;
  }
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  int32_t Int(std::string_view name) const { return int32_t(Be32(Find(name)->value)); }
  bool Bool(std::string_view name) const { return Find(name)->value[0] != 0; }
  std::string Str(std::string_view name) const { return Find(name)->value.substr(4); }
  uint32_t Colour(std::string_view name) const {
    const std::string& v = Find(name)->value;
    return (uint32_t(uint8_t(v[0])) << 16) | (uint32_t(uint8_t(v[1])) << 8) | uint8_t(v[2]);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> n;
    for (const auto& e : entries) n.push_back(e.name);
    return n;
  }
};

}  // namespace layout_test
