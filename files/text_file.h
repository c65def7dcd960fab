// Whole-file text reading and writing for the kit and bank files, with a
// reason for every failure so the caller can tell the user.
#pragma once
#include <cstddef>
#include <string>

#include "platform/base/files.h"

namespace files {

// Reads the whole file. False, with a reason, when it cannot be read or is
// larger than maxBytes (no file this program writes comes near the limits).
bool ReadTextFile(const fw::FolderItem& item, size_t maxBytes, std::string& text, std::string& why);

// Writes the text as the file's whole content; an existing file is replaced
// only once the new one is complete. False, with a reason, on any failure.
bool WriteTextFile(const fw::FolderItem& item, const std::string& text, std::string& why);

constexpr size_t kMaxBankBytes = 16u << 20;
constexpr size_t kMaxKitBytes = 1u << 20;

}  // namespace files
