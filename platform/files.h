// Files and folders, text streams, file types and the file dialogs.
// Writers never destroy data: a text file is written to a temporary file in
// the same folder and renamed over the old one only when complete; a copy
// onto an existing file replaces it only once the new copy is complete; a copy
// of a file onto itself changes nothing.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace fw {

class Sound;
class FolderItem;
using FolderItemRef = std::shared_ptr<FolderItem>;

class TextOutputStream;
class TextInputStream;

class FolderItem {
 public:
  explicit FolderItem(std::filesystem::path path);
  const std::filesystem::path& Path() const { return path_; }
  std::string Name() const;  // last component
  bool Exists() const;
  bool Directory() const;
  // The item of that name inside this folder (it need not exist); nullptr when
  // the name is empty, ".", "..", or holds a "/" or a NUL.
  FolderItemRef Child(const std::string& name) const;
  FolderItemRef Parent() const;
  // Creates this folder; true when it exists as a folder afterwards.
  bool CreateAsFolder() const;
  // Copies this file into the folder dest (same name) or onto the file dest.
  // True on success; on failure nothing at the destination was destroyed.
  bool CopyFileTo(const FolderItemRef& dest) const;
  // A new text file written through a temporary file; nullptr when it cannot
  // be created. The file appears (replacing any old one) on Close().
  std::unique_ptr<TextOutputStream> CreateTextFile() const;
  // nullptr when it cannot be opened.
  std::unique_ptr<TextInputStream> OpenAsTextFile() const;
  // The file as a sound; nullptr when it is not a sound this platform reads.
  std::shared_ptr<Sound> OpenAsSound() const;
  // Writes the picture as PNG (through a temporary file); false on failure.
  bool SaveAsPicture(const PictureRef& pic) const;
  // The reason of the last failed operation on this item, for messages.
  const std::string& LastError() const { return lastError_; }

 private:
  std::filesystem::path path_;
  mutable std::string lastError_;
};

class TextInputStream {
 public:
  explicit TextInputStream(std::string content);
  std::string ReadAll();
  void Close() {}

 private:
  std::string content_;
  size_t pos_ = 0;
};

class TextOutputStream {
 public:
  TextOutputStream(std::filesystem::path target, std::filesystem::path temp, int fd);
  ~TextOutputStream();  // discards the temporary file unless Close() succeeded
  bool Write(const std::string& text);
  // Flushes, syncs and renames into place; false (old file untouched) on any
  // failure along the way.
  bool Close();

 private:
  std::filesystem::path target_, temp_;
  int fd_;
  bool ok_ = true;
  bool closed_ = false;
};

// The folder that holds the program (and its TKTRKits and Patterns).
FolderItemRef ApplicationFolder();
// For tests: make another folder play the application folder.
void SetApplicationFolder(const std::filesystem::path& path);

FolderItemRef GetFolderItem(const std::string& path);

// A named file type for the file dialogs.
class FileType {
 public:
  std::string Name;
  std::string Extensions;  // ".trk;.txt" style; empty = any
  std::string MacType;
  std::string MacCreator;
};

// File dialogs (modal; the baton is let go while they are open). Each returns
// nullptr when cancelled. filter: the file types offered (empty = any file).
FolderItemRef GetOpenFolderItem(const std::vector<const FileType*>& filter);
FolderItemRef OpenDialog(const std::vector<const FileType*>& filter, const std::string& title = "");
FolderItemRef SaveAsDialog(const std::string& suggestedName, const std::string& title = "");
FolderItemRef SelectFolderDialog(const std::string& title = "");

// Everything a file dialog can be told; fields left empty take the dialog's
// defaults. The three functions above are shorthands for these.
struct DialogOptions {
  std::string Title;
  std::string PromptText;           // a line of help text above the file list
  std::string SuggestedFileName;    // save dialog: the name it starts with
  std::string ActionButtonCaption;  // the caption of the accepting button
  FolderItemRef InitialDirectory;   // the folder shown first
  std::vector<const FileType*> Filter;
};
FolderItemRef ShowOpenDialog(const DialogOptions& options);
FolderItemRef ShowSaveAsDialog(const DialogOptions& options);
FolderItemRef ShowSelectFolderDialog(const DialogOptions& options);

}  // namespace fw
