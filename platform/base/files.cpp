// Files and folders. Every writer goes through a temporary file beside its
// target and renames it into place only when it is complete and synced.
#include "platform/base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>

#include "platform/base/regular_file.h"

namespace fs = std::filesystem;

namespace fw {

namespace {

std::string ErrnoText(int err) { return std::strerror(err); }

mode_t DefaultFileMode() {
  // The process's umask, read without changing it (umask() would, for a moment,
  // for every thread).
  static const mode_t mode = [] {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("Umask:", 0) == 0) {
        const mode_t mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        return static_cast<mode_t>(0666 & ~mask);
      }
    }
    return static_cast<mode_t>(0644);
  }();
  return mode;
}

// The path without trailing separators (except for the root itself).
fs::path Trimmed(const fs::path& p) {
  std::string s = p.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return fs::path(s);
}

// Makes the rename of a file in dir durable. Failure only weakens durability.
void SyncFolder(const fs::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Creates a new temporary file beside target. Returns its descriptor, or -1
// with errno set. Its name is short and of fixed length: any name the target
// can have leaves room for it.
int CreateTempBeside(const fs::path& target, fs::path& temp) {
  const std::string pattern = (target.parent_path() / ".tk-XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  const int fd = ::mkostemp(buf.data(), O_CLOEXEC);
  if (fd >= 0) temp = fs::path(buf.data());
  return fd;
}

// Reads fd to its end, handing each chunk to take; false (errno set) when a
// read fails or take refuses a chunk.
template <class Take>
bool ReadChunks(int fd, Take&& take) {
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!take(buf, static_cast<size_t>(n))) return false;
  }
}

std::string TooLarge(uintmax_t bytes) {
  return "it is too large (" + std::to_string(bytes / 1024) + " KB)";
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Where writing to target really goes: a symbolic link is followed, so the
// link stays and the file it names is replaced.
fs::path WriteTarget(const fs::path& target) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path real = fs::canonical(target, ec);
    if (!ec) return real;
  }
  return target;
}

std::mutex& AppFolderMutex() {
  static std::mutex m;
  return m;
}
fs::path& AppFolderOverride() {
  static fs::path p;
  return p;
}

}  // namespace

// ---- FolderItem

FolderItem::FolderItem(fs::path path) : path_(std::move(path)) {}

std::string FolderItem::Name() const { return Trimmed(path_).filename().string(); }

bool FolderItem::Exists() const {
  std::error_code ec;
  return fs::exists(path_, ec);
}

bool FolderItem::Directory() const {
  std::error_code ec;
  return fs::is_directory(path_, ec);
}

FolderItemRef FolderItem::Child(const std::string& name) const {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
      name.find('\0') != std::string::npos) {
    lastError_ = "\"" + name.substr(0, name.find('\0')) + "\" is not a valid name";
    return nullptr;
  }
  return std::make_shared<FolderItem>(Trimmed(path_) / name);
}

FolderItemRef FolderItem::Parent() const {
  const fs::path self = Trimmed(path_);
  const fs::path parent = self.parent_path();
  if (parent.empty() || parent == self) return nullptr;
  return std::make_shared<FolderItem>(parent);
}

bool FolderItem::ReadableFile() const {
  std::error_code ec;
  return fs::is_regular_file(path_, ec) && ::access(path_.c_str(), R_OK) == 0;
}

bool FolderItem::SameFileAs(const FolderItem& other) const {
  std::error_code ec;
  return path_ == other.path_ || fs::equivalent(path_, other.path_, ec);
}

size_t FolderItem::MaxNameBytes() const {
  const long max = ::pathconf(path_.c_str(), _PC_NAME_MAX);
  return max > 0 ? static_cast<size_t>(max) : 255;
}

bool FolderItem::CreateAsFolder() const {
  std::error_code ec;
  fs::create_directory(path_, ec);
  std::error_code statError;
  if (fs::is_directory(path_, statError)) return true;
  // mkdir's own reason stands; only where it found something in the way does
  // a look at that say more (a link that loops).
  if (statError && (!ec || ec == std::errc::file_exists)) ec = statError;
  lastError_ =
      !ec || ec == std::errc::file_exists ? "a file of that name is in the way" : ec.message();
  return false;
}

bool FolderItem::Delete() const {
  std::error_code ec;
  if (fs::remove(path_, ec)) return true;
  lastError_ = ec ? ec.message() : "it does not exist";
  return false;
}

bool FolderItem::CopyFileTo(const FolderItemRef& dest) const {
  if (!dest) {
    lastError_ = "no destination";
    return false;
  }
  const FolderItem target(dest->Directory() ? Trimmed(dest->Path()) / Name() : dest->Path());
  WriteBatch batch;
  if (batch.AddCopy(*this, target) && batch.Commit()) return true;
  lastError_ = batch.LastError();
  return false;
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
  if (Directory()) {
    lastError_ = "a folder of that name is in the way";
    return nullptr;
  }
  const fs::path target = WriteTarget(Trimmed(path_));
  if (target.filename().empty()) {
    lastError_ = "no file name";
    return nullptr;
  }
  const fs::path dir = target.parent_path();
  if (::access(dir.empty() ? "." : dir.c_str(), W_OK | X_OK) != 0) {
    lastError_ = ErrnoText(errno);
    return nullptr;
  }
  return std::make_unique<TextOutputStream>(*this);
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile(size_t maxBytes) const {
  struct stat st {};
  const UniqueFd in = OpenRegularFile(path_, st, lastError_);
  if (!in) return nullptr;
  if (static_cast<uintmax_t>(st.st_size) > maxBytes) {
    lastError_ = TooLarge(static_cast<uintmax_t>(st.st_size));
    return nullptr;
  }
  std::string content;
  bool tooLarge = false;
  // Checked again as it grows: the file may grow while it is read.
  const bool read = ReadChunks(in.Get(), [&](const char* chunk, size_t n) {
    tooLarge = content.size() + n > maxBytes;
    if (!tooLarge) content.append(chunk, n);
    return !tooLarge;
  });
  if (!read) {
    lastError_ = tooLarge ? "it is too large" : "the file could not be read";
    return nullptr;
  }
  return std::make_unique<TextInputStream>(std::move(content));
}

// ---- Text streams

TextInputStream::TextInputStream(std::string content) : content_(std::move(content)) {}

std::string TextInputStream::ReadAll() {
  std::string rest = content_.substr(pos_);
  pos_ = content_.size();
  return rest;
}

TextOutputStream::TextOutputStream(FolderItem target) : target_(std::move(target)) {}

bool TextOutputStream::Write(const std::string& text) {
  if (closed_ || !ok_) return false;
  text_ += text;
  return true;
}

bool TextOutputStream::Close() {
  if (closed_) return ok_;
  closed_ = true;
  if (ok_) {
    WriteBatch batch;
    ok_ = batch.AddBytes(target_, text_) && batch.Commit();
    lastError_ = batch.LastError();
  }
  text_.clear();
  return ok_;
}

// ---- Write batches

WriteBatch::~WriteBatch() { Discard(); }

void WriteBatch::Discard() {
  for (const Staged& f : staged_) ::unlink(f.temp.c_str());
  staged_.clear();
}

bool WriteBatch::Stage(const fs::path& target, int source, std::string_view bytes, unsigned mode) {
  fs::path temp;
  const int out = CreateTempBeside(target, temp);
  if (out < 0) {
    lastError_ = ErrnoText(errno);
    return false;
  }
  bool ok = true;
  int err = 0;
  if (source >= 0) {
    if (!ReadChunks(source,
                    [out](const char* chunk, size_t n) { return WriteAll(out, chunk, n); })) {
      ok = false;
      err = errno;
    }
  } else if (!WriteAll(out, bytes.data(), bytes.size())) {
    ok = false;
    err = errno;
  }
  if (ok && (::fchmod(out, static_cast<mode_t>(mode)) != 0 || ::fsync(out) != 0))
    ok = false, err = errno;
  if (::close(out) != 0 && ok) ok = false, err = errno;
  if (!ok) {
    ::unlink(temp.c_str());
    lastError_ = ErrnoText(err);
    return false;
  }
  staged_.push_back({temp, target});
  return true;
}

bool WriteBatch::AddCopy(const FolderItem& source, const FolderItem& target) {
  std::error_code ec;
  const fs::path& to = target.Path();
  // A copy onto the file itself (by any spelling of its path) changes nothing.
  if (fs::exists(to, ec) && fs::equivalent(source.Path(), to, ec)) return true;
  if (fs::is_directory(to, ec)) {
    lastError_ = "a folder of that name is in the way";
    return false;
  }
  struct stat st {};
  const UniqueFd in = OpenRegularFile(source.Path(), st, lastError_);
  if (!in) return false;
  return Stage(WriteTarget(Trimmed(to)), in.Get(), {}, st.st_mode & 0777);
}

bool WriteBatch::AddBytes(const FolderItem& target, std::string_view bytes) {
  if (target.Directory()) {
    lastError_ = "a folder of that name is in the way";
    return false;
  }
  const fs::path to = WriteTarget(Trimmed(target.Path()));
  if (to.filename().empty()) {
    lastError_ = "no file name";
    return false;
  }
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat st {};
  const mode_t mode = ::stat(to.c_str(), &st) == 0 ? (st.st_mode & 0777) : DefaultFileMode();
  return Stage(to, -1, bytes, mode);
}

bool WriteBatch::Commit() {
  std::vector<fs::path> created;
  for (size_t i = 0; i < staged_.size(); ++i) {
    struct stat st {};
    const bool existed = ::lstat(staged_[i].target.c_str(), &st) == 0;
    if (::rename(staged_[i].temp.c_str(), staged_[i].target.c_str()) != 0) {
      lastError_ = ErrnoText(errno);
      for (const fs::path& p : created) ::unlink(p.c_str());
      staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(i));
      Discard();
      return false;
    }
    if (!existed) created.push_back(staged_[i].target);
  }
  for (size_t i = 0; i < staged_.size(); ++i) {
    const fs::path dir = staged_[i].target.parent_path();
    if (i == 0 || dir != staged_[i - 1].target.parent_path()) SyncFolder(dir);
  }
  staged_.clear();
  return true;
}

// ---- Well-known folders

FolderItemRef ApplicationFolder() {
  {
    std::lock_guard lock(AppFolderMutex());
    if (!AppFolderOverride().empty()) return std::make_shared<FolderItem>(AppFolderOverride());
  }
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return std::make_shared<FolderItem>(fs::current_path(ec));
  return std::make_shared<FolderItem>(exe.parent_path());
}

void SetApplicationFolder(const fs::path& path) {
  std::lock_guard lock(AppFolderMutex());
  AppFolderOverride() = path;
}

FolderItemRef GetFolderItem(const std::string& path) {
  FolderItemRef app = ApplicationFolder();
  if (path.empty()) return app;
  if (path.find('\0') != std::string::npos) return nullptr;
  const fs::path p(path);
  if (p.is_absolute()) return std::make_shared<FolderItem>(p);
  return std::make_shared<FolderItem>(Trimmed(app->Path()) / p);
}

}  // namespace fw
