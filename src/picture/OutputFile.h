#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "svg/SvgSurface.h"

namespace picture {

// A picture file being written. What is appended goes to a temporary file first, so
// that a draw that fails or runs short of memory leaves the target as it was, and
// Commit puts it in place:
// - a regular file, or a name not yet taken, is replaced in one step: the temporary
//   file beside it is synced to disk and renamed over it, so that neither a reader
//   nor a crash ever finds it half written or empty. Through a symbolic link the
//   link's target is replaced and the link kept;
// - anything else that exists (a FIFO, a device, a terminal) cannot be replaced
//   without harm: the bytes are written into it, as the shell's > would;
// - "-" is standard output, written into likewise.
// The path is bytes, as the system takes it: a name need not be valid UTF-8.
class OutputFile : public svg::DocumentOutput {
 public:
  explicit OutputFile(std::string path);
  // A temporary file never committed is removed.
  ~OutputFile() override;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // A failure to write is kept for Commit to report; what follows it is dropped.
  void Append(std::string_view bytes) override;
  void Restart() override;
  // Puts the bytes on disk and lets go of the temporary file, ahead of Commit: many
  // files can so wait to be put in place together without holding the system's
  // handles. The system's reason, when they could not be.
  std::optional<std::string> Seal();
  // The system's reason, when the bytes could not all be put in place.
  std::optional<std::string> Commit();
  // Commit, all but putting the new name itself on disk: many files put in place in
  // one folder need the folder synced once (SyncFolder), not once each. The folder
  // to sync, empty when the file was written into rather than replaced.
  std::optional<std::string> CommitNameLater(std::string& folder);

 private:
  bool Open();
  void Fail(int error);
  std::optional<std::string> Replace(std::string& folder);
  std::optional<std::string> CopyInto(int target);
  void CloseTemporary();

  std::string path_;
  // Written into, not replaced.
  bool direct_ = false;
  // Where a regular file's bytes go before the rename; empty for an unnamed file.
  std::string temporaryName_;
  std::string target_;
  int temporary_ = -1;
  bool sealed_ = false;
  std::optional<std::string> failure_;
};

// Puts the names last changed in a folder on disk with it.
void SyncFolder(const std::string& folder);

}  // namespace picture
