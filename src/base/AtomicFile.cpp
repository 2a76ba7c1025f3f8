#include "base/AtomicFile.h"

#include <fcntl.h>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <array>
#include <cerrno>
#include <ostream>
#include <streambuf>
#include <string>

namespace valdren {

namespace {

namespace fs = std::filesystem;

// What saving asks of the system, on each: paths go to the wide-character calls on Windows, so
// that any file name works there.
#ifdef _WIN32
bool Writable(const fs::path& file) {
  return ::_waccess(file.c_str(), 2) == 0;
}
int CreateNew(const fs::path& file) {
  return ::_wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}
bool FlushToDisk(int fd) {
  return ::_commit(fd) == 0;
}
// Replaces the target in one step, or fails and leaves it as it was (as Windows does while another
// program has the target open without leave to delete it).
bool Replace(const fs::path& from, const fs::path& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
// MOVEFILE_WRITE_THROUGH has already put the new name on the disk.
void SyncFolder(const fs::path&) {}
#else
bool Writable(const fs::path& file) {
  return ::access(file.c_str(), W_OK) == 0;
}
int CreateNew(const fs::path& file) {
  return ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
bool FlushToDisk(int fd) {
  return ::fsync(fd) == 0;
}
bool Replace(const fs::path& from, const fs::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}
void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

// An output buffer over a file descriptor, so that the file can be flushed to the disk before it
// replaces the old one.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    const char* at = pbase();
    while (at < pptr()) {
      const auto written = ::write(fd_, at, static_cast<unsigned>(pptr() - at));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      at += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return true;
  }

  int fd_;
  std::array<char, 1 << 16> buffer_;
};

// A new file beside the target, created under a name no other file has.
int CreateTemporary(const fs::path& target, fs::path& temporary) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  fs::path stem(".");
  stem += target.filename();
  stem += "." + std::to_string(::getpid());
  for (int attempt = 0; attempt < 1000; ++attempt) {
    fs::path name = stem;
    name += "." + std::to_string(attempt) + ".tmp";
    temporary = folder / name;
    const int fd = CreateNew(temporary);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The new file would replace a symbolic link by a file; the file the link names is replaced.
fs::path ResolvedTarget(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  fs::path resolved = fs::canonical(path, error);
  return error ? path : resolved;
}

AtomicWrite Abandon(int fd, const fs::path& temporary, AtomicWrite status) {
  if (fd >= 0) ::close(fd);
  std::error_code ignored;
  fs::remove(temporary, ignored);
  return status;
}

}  // namespace

std::string_view AtomicWriteMessage(AtomicWrite status) {
  switch (status) {
    case AtomicWrite::kDone:
      return "";
    case AtomicWrite::kUnableToOpen:
      return "Unable to open file";
    case AtomicWrite::kErrorWriting:
      return "Error writing file";
    case AtomicWrite::kErrorClosing:
      break;
  }
  return "Error closing file";
}

AtomicWrite WriteAtomically(const fs::path& path, const std::function<bool(std::ostream&)>& write) {
  const fs::path target = ResolvedTarget(path);
  // A file that could not be opened for writing in place is not replaced behind the user's back.
  std::error_code error;
  const fs::file_status old = fs::status(target, error);
  const bool exists = fs::exists(old);
  if (exists && (fs::is_directory(old) || !Writable(target))) return AtomicWrite::kUnableToOpen;

  fs::path temporary;
  const int fd = CreateTemporary(target, temporary);
  if (fd < 0) return AtomicWrite::kUnableToOpen;
  if (exists) fs::permissions(temporary, old.permissions() & fs::perms::mask, error);

  {
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    if (!write(out)) return Abandon(fd, temporary, AtomicWrite::kErrorWriting);
    if (!out.flush()) return Abandon(fd, temporary, AtomicWrite::kErrorClosing);
  }
  if (!FlushToDisk(fd)) return Abandon(fd, temporary, AtomicWrite::kErrorClosing);
  if (::close(fd) != 0) return Abandon(-1, temporary, AtomicWrite::kErrorClosing);
  if (!Replace(temporary, target)) return Abandon(-1, temporary, AtomicWrite::kErrorClosing);
  SyncFolder(target);
  return AtomicWrite::kDone;
}

}  // namespace valdren
