#include "picture/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace picture {
namespace {

std::string Reason(int error) { return std::strerror(error); }

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names at the end of any symbolic links.
std::string ResolvedTarget(const std::string& path) {
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

bool WriteAll(int file, std::string_view bytes, int& error) {
  while (!bytes.empty()) {
    const ssize_t written = write(file, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The permissions a file made afresh gets, as the shell's > gives them.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// A file with a unique name from `pattern` (ending in XXXXXX), or -1 with errno set.
int UniqueFile(std::string& pattern) {
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int file = mkostemp(name.data(), O_CLOEXEC);
  pattern = name.data();
  return file;
}

// A temporary file without a name, gone when closed, for bytes bound elsewhere.
int UnnamedTemporaryFile() {
  const char* setting = std::getenv("TMPDIR");
  const std::string folder = setting != nullptr && *setting != '\0' ? setting : "/tmp";
  const int file = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (file >= 0 || (errno != EOPNOTSUPP && errno != EISDIR)) return file;
  std::string name = folder + "/surfplot.XXXXXX";
  const int named = UniqueFile(name);
  if (named >= 0) unlink(name.c_str());
  return named;
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {}

OutputFile::~OutputFile() {
  CloseTemporary();
  if (!temporaryName_.empty()) unlink(temporaryName_.c_str());
}

void OutputFile::CloseTemporary() {
  if (temporary_ >= 0) close(temporary_);
  temporary_ = -1;
}

void OutputFile::Fail(int error) {
  if (!failure_) failure_ = Reason(error);
}

bool OutputFile::Open() {
  struct stat status {};
  const bool exists = path_ != "-" && stat(path_.c_str(), &status) == 0;
  direct_ = path_ == "-" || (exists && !S_ISREG(status.st_mode));
  if (direct_) {
    temporary_ = UnnamedTemporaryFile();
  } else {
    target_ = exists ? ResolvedTarget(path_) : path_;
    const std::string folder = FolderOf(target_);
    temporaryName_ = (target_.find('/') == std::string::npos ? "" : folder + "/") + "." +
                     target_.substr(target_.rfind('/') + 1) + ".XXXXXX";
    temporary_ = UniqueFile(temporaryName_);
    if (temporary_ < 0) temporaryName_.clear();
    // The file keeps the permissions it had; a new one gets those > would give it.
    else if (fchmod(temporary_, exists ? status.st_mode & 07777 : NewFileMode()) != 0)
      Fail(errno);
  }
  if (temporary_ < 0) Fail(errno);
  return !failure_;
}

void OutputFile::Append(std::string_view bytes) {
  if (failure_ || (temporary_ < 0 && !Open())) return;
  int error = 0;
  if (!WriteAll(temporary_, bytes, error)) Fail(error);
}

void OutputFile::Restart() {
  if (failure_ || temporary_ < 0) return;
  if (ftruncate(temporary_, 0) != 0 || lseek(temporary_, 0, SEEK_SET) < 0) Fail(errno);
}

std::optional<std::string> OutputFile::Seal() {
  if (!failure_ && temporary_ < 0 && !sealed_) Open();
  if (failure_ || direct_ || sealed_) return failure_;
  // On disk before the rename: a crash just after it must not leave an empty file
  // under the name.
  if (fsync(temporary_) != 0) Fail(errno);
  if (close(temporary_) != 0) Fail(errno);
  temporary_ = -1;
  sealed_ = true;
  return failure_;
}

std::optional<std::string> OutputFile::Commit() {
  std::string folder;
  auto failure = CommitNameLater(folder);
  if (!folder.empty()) SyncFolder(folder);
  return failure;
}

std::optional<std::string> OutputFile::CommitNameLater(std::string& folder) {
  if (auto failure = Seal()) return failure;
  if (!direct_) return Replace(folder);
  if (path_ == "-") return CopyInto(STDOUT_FILENO);
  const int target = open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (target < 0) return Reason(errno);
  std::optional<std::string> failure = CopyInto(target);
  if (close(target) != 0 && !failure) failure = Reason(errno);
  return failure;
}

std::optional<std::string> OutputFile::Replace(std::string& folder) {
  if (rename(temporaryName_.c_str(), target_.c_str()) != 0) return Reason(errno);
  temporaryName_.clear();
  folder = FolderOf(target_);
  return std::nullopt;
}

void SyncFolder(const std::string& folder) {
  const int handle = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle >= 0) {
    fsync(handle);
    close(handle);
  }
}

std::optional<std::string> OutputFile::CopyInto(int target) {
  if (lseek(temporary_, 0, SEEK_SET) < 0) return Reason(errno);
  std::array<char, 1 << 16> buffer{};
  for (;;) {
    const ssize_t got = read(temporary_, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Reason(errno);
    if (got == 0) return std::nullopt;
    int error = 0;
    if (!WriteAll(target, std::string_view(buffer.data(), static_cast<std::size_t>(got)), error))
      return Reason(error);
  }
}

}  // namespace picture
