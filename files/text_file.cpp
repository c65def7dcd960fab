#include "files/text_file.h"

namespace files {

namespace {
std::string Sentence(std::string text) {
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}
}  // namespace

bool ReadTextFile(const fw::FolderItem& item, size_t maxBytes, std::string& text,
                  std::string& why) {
  // A folder, pipe or device is refused by the open itself, as is a file
  // larger than maxBytes.
  auto in = item.OpenAsTextFile(maxBytes);
  if (!in) {
    why = item.LastError().empty() ? "it cannot be opened." : Sentence(item.LastError());
    return false;
  }
  text = in->ReadAll();
  in->Close();
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
