#pragma once
// The records file on disk: read whole, replaced whole.

#include <string>
#include <string_view>

namespace vemo {

// The program writes about 11 KB at most; anything much larger is no records file.
inline constexpr long kMaxRecordsFileSize = 1024 * 1024;

// The file's bytes; throws PlatformError::cannotOpen(name) when it is missing,
// cannot be read, is not a regular file (a directory, a FIFO, a device, or a
// link to one) or is larger than kMaxRecordsFileSize. Never blocks.
std::string ReadWholeFile(const std::string& name);

// Replaces the file's content atomically: the bytes go to a new file in the
// same directory, which is flushed to the disk and renamed over the old one,
// so a crash leaves either the old or the new content. A symbolic link is
// followed and the file it points to is replaced, the link kept. The new file
// takes the old one's permissions (and owner, where allowed).
//
// Throws PlatformError::cannotCreate(name), leaving the old file alone, when
// the old file may not be written (no write access; a file without any write
// permission bit counts as read-only even for the superuser), when it is not
// a regular file, or when the new file cannot be made.
void ReplaceFile(const std::string& name, std::string_view bytes);

}  // namespace vemo
