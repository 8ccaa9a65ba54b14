#include "records/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "shell/event_entry.h"

namespace vemo {

namespace {

// A descriptor that closes itself.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { close(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // True when the descriptor closed cleanly (a late write error shows here).
  bool close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the path of the file to replace, which need not
// exist yet (a dangling link names the file to create). Nothing on a loop.
bool ResolveLinks(const std::string& name, std::string& target) {
  constexpr int kMaxLinks = 40;
  target = name;
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t length = ::readlink(target.c_str(), buffer.data(), buffer.size());
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size()) return false;
    const std::string link(buffer.data(), static_cast<std::size_t>(length));
    target = link.starts_with('/') ? link : DirectoryOf(target) + "/" + link;
  }
  return false;
}

// The permissions a newly created file would get. Reading the mask means
// setting it for a moment; the program has only the one thread.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; a failure here loses nothing already written.
void SyncDirectory(const std::string& directory) {
  FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

}  // namespace

std::string ReadWholeFile(const std::string& name) {
  // Without blocking: opening a FIFO for reading would otherwise wait for a
  // writer. Only a regular file of sensible size is read; a device or a pipe
  // could feed bytes without end.
  FileDescriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat st {};
  if (!file.valid() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxRecordsFileSize)
    throw PlatformError::cannotOpen(name);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw PlatformError::cannotOpen(name);
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    // A file that grows while it is read is refused like one that was too large.
    if (bytes.size() > static_cast<std::size_t>(kMaxRecordsFileSize)) throw PlatformError::cannotOpen(name);
  }
  return bytes;
}

void ReplaceFile(const std::string& name, std::string_view bytes) {
  std::string target;
  if (!ResolveLinks(name, target)) throw PlatformError::cannotCreate(name);

  struct stat old {};
  mode_t mode = NewFileMode();
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    const bool writable = ::access(target.c_str(), W_OK) == 0 && (old.st_mode & 0222) != 0;
    if (!S_ISREG(old.st_mode) || !writable) throw PlatformError::cannotCreate(name);
    mode = old.st_mode & 07777;
  } else if (errno != ENOENT) {
    throw PlatformError::cannotCreate(name);
  }

  const std::string directory = DirectoryOf(target);
  std::string temp = directory + "/." + BaseOf(target) + ".XXXXXX";
  FileDescriptor file(::mkstemp(temp.data()));
  if (!file.valid()) throw PlatformError::cannotCreate(name);

  // The owner may only be handed on by the superuser; elsewhere the attempt fails harmlessly.
  if (exists) (void)!::fchown(file.get(), old.st_uid, old.st_gid);
  const bool written = WriteAll(file.get(), bytes) && ::fchmod(file.get(), mode) == 0 &&
                       ::fsync(file.get()) == 0 && file.close() && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!written) {
    ::unlink(temp.c_str());
    throw PlatformError::cannotCreate(name);
  }
  SyncDirectory(directory);
}

}  // namespace vemo
