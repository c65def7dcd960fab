// Compile-time encoder of design records. A record is described as a list of
// named, typed entries; Encode turns the list into the exact bytes the record
// setter reads: name, one space, then the value by type (Integer 4 bytes
// big-endian with 0x80000000 for "no value", Boolean 1 byte, Color 3 bytes
// r g b, String a 4-byte big-endian count and the bytes).
//
// Everything here runs at compile time; a record is a constant std::array of
// its exact length, seen by the rest of the program as a std::string_view.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace layout {

enum class ValueType { Integer, Boolean, Color, String };

// The Integer that means "this property has no value".
inline constexpr int32_t kNoValue = INT32_MIN;

struct Entry {
  std::string_view name;
  ValueType type = ValueType::Integer;
  int32_t integer = 0;
  bool boolean = false;
  uint32_t color = 0;  // 0xRRGGBB
  std::string_view text;
};

constexpr Entry Int(std::string_view name, int32_t v) {
  return {name, ValueType::Integer, v, false, 0, {}};
}
constexpr Entry NoValue(std::string_view name) { return Int(name, kNoValue); }
constexpr Entry Bool(std::string_view name, bool v) {
  return {name, ValueType::Boolean, 0, v, 0, {}};
}
constexpr Entry Colour(std::string_view name, uint32_t rgb) {
  return {name, ValueType::Color, 0, false, rgb, {}};
}
constexpr Entry Str(std::string_view name, std::string_view s) {
  return {name, ValueType::String, 0, false, 0, s};
}

// An ordered list of entries with room for the largest record (40 entries).
struct EntryList {
  static constexpr std::size_t kCapacity = 48;
  std::array<Entry, kCapacity> entries{};
  std::size_t count = 0;

  constexpr EntryList& Add(const Entry& e) {
    if (count == kCapacity) throw "design record: too many entries";
    entries[count++] = e;
    return *this;
  }
  constexpr const Entry& operator[](std::size_t i) const { return entries[i]; }
  constexpr std::size_t size() const { return count; }
  constexpr const Entry* begin() const { return entries.data(); }
  constexpr const Entry* end() const { return entries.data() + count; }
};

// The same entries from the last back to the first, with the TabIndex entry
// moved to the very end (the order the replace dialog's records use).
constexpr EntryList ReversedTabIndexLast(const EntryList& forward) {
  EntryList out;
  bool hasTab = false;
  Entry tab;
  for (std::size_t i = forward.size(); i-- > 0;) {
    if (forward[i].name == "TabIndex") {
      hasTab = true;
      tab = forward[i];
      continue;
    }
    out.Add(forward[i]);
  }
  if (hasTab) out.Add(tab);
  return out;
}

constexpr std::size_t ValueSize(const Entry& e) {
  switch (e.type) {
    case ValueType::Integer:
      return 4;
    case ValueType::Boolean:
      return 1;
    case ValueType::Color:
      return 3;
    case ValueType::String:
      return 4 + e.text.size();
  }
  return 0;
}

constexpr std::size_t EncodedSize(const EntryList& list) {
  std::size_t n = 0;
  for (const Entry& e : list) n += e.name.size() + 1 + ValueSize(e);
  return n;
}

// Writes the encoded list at out[pos...]; returns the position after it.
template <class Bytes>
constexpr std::size_t EncodeInto(const EntryList& list, Bytes& out, std::size_t pos) {
  auto put32 = [&](uint32_t v) {
    out[pos++] = static_cast<char>((v >> 24) & 0xFF);
    out[pos++] = static_cast<char>((v >> 16) & 0xFF);
    out[pos++] = static_cast<char>((v >> 8) & 0xFF);
    out[pos++] = static_cast<char>(v & 0xFF);
  };
  for (const Entry& e : list) {
    for (char c : e.name) out[pos++] = c;
    out[pos++] = ' ';
    switch (e.type) {
      case ValueType::Integer:
        put32(static_cast<uint32_t>(e.integer));
        break;
      case ValueType::Boolean:
        out[pos++] = e.boolean ? 1 : 0;
        break;
      case ValueType::Color:
        out[pos++] = static_cast<char>((e.color >> 16) & 0xFF);
        out[pos++] = static_cast<char>((e.color >> 8) & 0xFF);
        out[pos++] = static_cast<char>(e.color & 0xFF);
        break;
      case ValueType::String:
        put32(static_cast<uint32_t>(e.text.size()));
        for (char c : e.text) out[pos++] = c;
        break;
    }
  }
  return pos;
}

template <std::size_t N>
constexpr std::array<char, N> Encode(const EntryList& list) {
  if (EncodedSize(list) != N) throw "design record: size mismatch";
  std::array<char, N> out{};
  EncodeInto(list, out, 0);
  return out;
}

// The encoded bytes of a constant entry list, of exactly its length:
//   constexpr EntryList kFooEntries = ...;
//   constexpr std::string_view kFoo = AsView(kEncoded<kFooEntries>);
template <const EntryList& List>
inline constexpr std::array<char, EncodedSize(List)> kEncoded = Encode<EncodedSize(List)>(List);

template <std::size_t N>
constexpr std::string_view AsView(const std::array<char, N>& bytes) {
  return std::string_view(bytes.data(), N);
}

// Many records encoded back to back into one constant block: Source is a
// constant array of items and Entries(item) gives an item's entry list.
// offsets[i] .. offsets[i + 1] bound record i.
template <class Item, std::size_t Count, class Entries>
constexpr std::size_t TotalSize(const std::array<Item, Count>& items, Entries entries) {
  std::size_t n = 0;
  for (const Item& it : items) n += EncodedSize(entries(it));
  return n;
}

template <std::size_t Total, std::size_t Count>
struct RecordBlock {
  std::array<char, Total> bytes{};
  std::array<std::size_t, Count + 1> offsets{};

  constexpr std::string_view Record(std::size_t i) const {
    return std::string_view(bytes.data() + offsets[i], offsets[i + 1] - offsets[i]);
  }
};

template <std::size_t Total, class Item, std::size_t Count, class Entries>
constexpr RecordBlock<Total, Count> EncodeBlock(const std::array<Item, Count>& items,
                                                Entries entries) {
  RecordBlock<Total, Count> block;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < Count; ++i) {
    block.offsets[i] = pos;
    pos = EncodeInto(entries(items[i]), block.bytes, pos);
  }
  block.offsets[Count] = pos;
  if (pos != Total) throw "design record block: size mismatch";
  return block;
}

}  // namespace layout
