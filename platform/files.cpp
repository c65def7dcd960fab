// Files and folders. Every writer goes through a temporary file beside its
// target and renames it into place only when it is complete and synced.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>

#include "platform/regular_file.h"
#include "platform/sound.h"

namespace fs = std::filesystem;

namespace fw {

namespace {

// Text files larger than this are not read into memory.
constexpr uintmax_t kMaxTextFile = 256u * 1024u * 1024u;

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
// with errno set.
int CreateTempBeside(const fs::path& target, fs::path& temp) {
  fs::path dir = target.parent_path();
  std::string pattern = (dir / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  const int fd = ::mkostemp(buf.data(), O_CLOEXEC);
  if (fd >= 0) temp = fs::path(buf.data());
  return fd;
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

bool FolderItem::CreateAsFolder() const {
  std::error_code ec;
  fs::create_directory(path_, ec);
  if (fs::is_directory(path_)) return true;
  lastError_ = ec ? ec.message() : "a file of that name is in the way";
  return false;
}

bool FolderItem::CopyFileTo(const FolderItemRef& dest) const {
  if (!dest) {
    lastError_ = "no destination";
    return false;
  }
  std::error_code ec;
  if (!fs::is_regular_file(path_, ec)) {
    lastError_ = Exists() ? "only files can be copied" : "the file does not exist";
    return false;
  }
  fs::path target = dest->Directory() ? Trimmed(dest->Path()) / Name() : dest->Path();
  // A copy onto the file itself (by any spelling of its path) changes nothing.
  if (fs::exists(target, ec) && fs::equivalent(path_, target, ec)) return true;
  if (fs::is_directory(target, ec)) {
    lastError_ = "a folder of that name is in the way";
    return false;
  }
  target = WriteTarget(target);

  struct stat st {};
  const UniqueFd in = OpenRegularFile(path_, st, lastError_);
  if (!in) return false;
  fs::path temp;
  const int out = CreateTempBeside(target, temp);
  if (out < 0) {
    lastError_ = ErrnoText(errno);
    return false;
  }
  bool ok = true;
  int err = 0;
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(in.Get(), buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || (n > 0 && !WriteAll(out, buf, static_cast<size_t>(n)))) {
      ok = false;
      err = errno;
      break;
    }
    if (n == 0) break;
  }
  if (ok && (::fchmod(out, st.st_mode & 0777) != 0 || ::fsync(out) != 0)) ok = false, err = errno;
  if (::close(out) != 0 && ok) ok = false, err = errno;
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) ok = false, err = errno;
  if (!ok) {
    ::unlink(temp.c_str());
    lastError_ = ErrnoText(err);
    return false;
  }
  SyncFolder(target.parent_path());
  return true;
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
  fs::path temp;
  const int fd = CreateTempBeside(target, temp);
  if (fd < 0) {
    lastError_ = ErrnoText(errno);
    return nullptr;
  }
  return std::make_unique<TextOutputStream>(target, temp, fd);
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
  struct stat st {};
  const UniqueFd in = OpenRegularFile(path_, st, lastError_);
  if (!in) return nullptr;
  if (static_cast<uintmax_t>(st.st_size) > kMaxTextFile) {
    lastError_ = "the file is too large";
    return nullptr;
  }
  std::string content;
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(in.Get(), buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      lastError_ = "the file could not be read";
      return nullptr;
    }
    if (n == 0) break;
    // Checked again as it grows: the file may grow while it is read.
    if (content.size() + static_cast<size_t>(n) > kMaxTextFile) {
      lastError_ = "the file is too large";
      return nullptr;
    }
    content.append(buf, static_cast<size_t>(n));
  }
  return std::make_unique<TextInputStream>(std::move(content));
}

std::shared_ptr<Sound> FolderItem::OpenAsSound() const {
  std::string why;
  auto sound = Sound::OpenFile(path_.string(), &why);  // lets the baton go while it decodes
  if (!sound) lastError_ = why.empty() ? "not a sound file" : why;
  return sound;
}

bool FolderItem::SaveAsPicture(const PictureRef& pic) const {
  if (!pic) {
    lastError_ = "no picture";
    return false;
  }
  if (Directory()) {
    lastError_ = "a folder of that name is in the way";
    return false;
  }
  if (!pic->SavePNG(WriteTarget(Trimmed(path_)).string())) {
    lastError_ = "the picture could not be written";
    return false;
  }
  return true;
}

// ---- Text streams

TextInputStream::TextInputStream(std::string content) : content_(std::move(content)) {}

std::string TextInputStream::ReadAll() {
  std::string rest = content_.substr(pos_);
  pos_ = content_.size();
  return rest;
}

TextOutputStream::TextOutputStream(fs::path target, fs::path temp, int fd)
    : target_(std::move(target)), temp_(std::move(temp)), fd_(fd) {
  ok_ = fd_ >= 0;
}

TextOutputStream::~TextOutputStream() {
  if (closed_) return;
  if (fd_ >= 0) ::close(fd_);
  if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool TextOutputStream::Write(const std::string& text) {
  if (closed_ || !ok_) return false;
  if (!WriteAll(fd_, text.data(), text.size())) ok_ = false;
  return ok_;
}

bool TextOutputStream::Close() {
  if (closed_) return ok_;
  closed_ = true;
  if (fd_ < 0) return ok_ = false;
  if (ok_) {
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st {};
    const mode_t mode = ::stat(target_.c_str(), &st) == 0 ? (st.st_mode & 0777) : DefaultFileMode();
    if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0) ok_ = false;
  }
  if (::close(fd_) != 0) ok_ = false;
  fd_ = -1;
  if (ok_ && ::rename(temp_.c_str(), target_.c_str()) != 0) ok_ = false;
  if (!ok_) {
    ::unlink(temp_.c_str());
    return false;
  }
  SyncFolder(target_.parent_path());
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
