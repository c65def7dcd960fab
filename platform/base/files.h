// Files and folders and text streams.
// Writers never destroy data: every file is written to a temporary file in
// its folder and renamed over the old one only when complete and synced (all
// through WriteBatch); a copy of a file onto itself changes nothing.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Sound;
class Picture;
using PictureRef = std::shared_ptr<Picture>;
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
  // A regular file (after following links) that this process may read.
  bool ReadableFile() const;
  // Whether both name one file (by any spelling of its path, or a hard link).
  bool SameFileAs(const FolderItem& other) const;
  // The longest name, in bytes, an item inside this folder can have.
  size_t MaxNameBytes() const;
  // The item of that name inside this folder (it need not exist); nullptr when
  // the name is empty, ".", "..", or holds a "/" or a NUL.
  FolderItemRef Child(const std::string& name) const;
  FolderItemRef Parent() const;
  // Creates this folder; true when it exists as a folder afterwards.
  bool CreateAsFolder() const;
  // Removes this file, or this folder when it is empty.
  bool Delete() const;
  // Copies this file into the folder dest (same name) or onto the file dest.
  // True on success; on failure nothing at the destination was destroyed.
  bool CopyFileTo(const FolderItemRef& dest) const;
  // A new text file; nullptr when its folder cannot take it. The file appears
  // (replacing any old one) on Close().
  std::unique_ptr<TextOutputStream> CreateTextFile() const;
  // nullptr when it cannot be opened or holds more than maxBytes.
  std::unique_ptr<TextInputStream> OpenAsTextFile(size_t maxBytes = 256u << 20) const;
  // The file as a sound; nullptr when it is not a sound this platform reads.
  // (Defined with the sounds, in platform/sound/.)
  std::shared_ptr<Sound> OpenAsSound() const;
  // Writes the picture as PNG; false on failure, the old file kept.
  // (Defined with the pictures, in platform/ui/.)
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
  explicit TextOutputStream(FolderItem target);
  bool Write(const std::string& text);
  // Writes the file and puts it in place; false (old file untouched) on any
  // failure along the way. Without Close nothing is written.
  bool Close();
  const std::string& LastError() const { return lastError_; }

 private:
  FolderItem target_;
  std::string text_;
  std::string lastError_;
  bool ok_ = true;
  bool closed_ = false;
};

// Files written beside their targets under temporary names, then put in place
// together: Commit renames each over its target only once every one of them
// is complete and synced. Until then, and after any failure, no target has
// changed; files not committed are removed with the batch.
class WriteBatch {
 public:
  WriteBatch() = default;
  ~WriteBatch();
  WriteBatch(const WriteBatch&) = delete;
  WriteBatch& operator=(const WriteBatch&) = delete;

  // A copy of the file source as target; nothing to do for a copy onto the
  // file itself. False, with LastError set, on failure.
  bool AddCopy(const FolderItem& source, const FolderItem& target);
  bool AddBytes(const FolderItem& target, std::string_view bytes);
  // False when a rename fails: the files this batch had newly created are
  // removed again, files it had already replaced stay replaced.
  bool Commit();
  const std::string& LastError() const { return lastError_; }

 private:
  struct Staged {
    std::filesystem::path temp, target;
  };
  bool Stage(const std::filesystem::path& target, int source, std::string_view bytes,
             unsigned mode);
  void Discard();
  std::vector<Staged> staged_;
  std::string lastError_;
};

// The folder that holds the program (and its TKTRKits and Patterns).
FolderItemRef ApplicationFolder();
// For tests: make another folder play the application folder.
void SetApplicationFolder(const std::filesystem::path& path);

FolderItemRef GetFolderItem(const std::string& path);

}  // namespace fw
