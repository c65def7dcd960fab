// Design records: the byte strings that give windows and controls their
// initial properties. An entry is a name, one space, and a value whose width
// follows from the name's type: Integer 4 bytes big-endian (0x80000000 = no
// value), Boolean 1, Color 3 (r, g, b), String 4-byte big-endian count + bytes.
#pragma once
#include <string>
#include <string_view>

#include "platform/ui/controls.h"

namespace fw {

class Window;

// Type of a record property name; false when the name is unknown.
bool RecordPropertyType(std::string_view name, PropertyValue::Type* type);

// Reads a record entry by entry, by width, and sets each property on the
// control (or window). Entries may come in any order. A malformed record or an
// unknown name aborts with a message naming the record: records are constants
// of the program, so that is a programming error.
void ApplyRecord(Control& control, std::string_view record);
void ApplyRecord(Window& window, std::string_view record);

// The same, reporting instead of aborting: false with the reason in *error.
// A malformed record or an unknown name changes nothing; a name the object
// refuses stops the reading there.
bool TryApplyRecord(Control& control, std::string_view record, std::string* error);
bool TryApplyRecord(Window& window, std::string_view record, std::string* error);

}  // namespace fw
