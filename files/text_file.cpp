#include "files/text_file.h"

#include <filesystem>
#include <system_error>

namespace files {

namespace {
std::string Sentence(std::string text) {
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}
}  // namespace

bool ReadTextFile(const fw::FolderItem& item, size_t maxBytes, std::string& text,
                  std::string& why) {
  std::error_code ec;
  if (std::filesystem::is_directory(item.Path(), ec)) {
    why = "it is a folder.";
    return false;
  }
  // A pipe or a device would block or never end.
  if (std::filesystem::exists(item.Path(), ec) &&
      !std::filesystem::is_regular_file(item.Path(), ec)) {
    why = "it is not a regular file.";
    return false;
  }
  const auto size = std::filesystem::file_size(item.Path(), ec);
  if (!ec && size > maxBytes) {
    why = "it is too large (" + std::to_string(size / 1024) + " KB).";
    return false;
  }
  auto in = item.OpenAsTextFile();
  if (!in) {
    why = item.LastError().empty() ? "it cannot be opened." : Sentence(item.LastError());
    return false;
  }
  text = in->ReadAll();
  in->Close();
  if (text.size() > maxBytes) {
    why = "it is too large.";
    return false;
  }
  return true;
}

bool WriteTextFile(const fw::FolderItem& item, const std::string& text, std::string& why) {
  auto out = item.CreateTextFile();
  if (!out) {
    why = item.LastError().empty() ? "it cannot be created." : Sentence(item.LastError());
    return false;
  }
  const bool wrote = out->Write(text);
  if (!out->Close() || !wrote) {
    why = "writing it failed: " + Sentence(out->LastError());
    return false;
  }
  return true;
}

}  // namespace files
