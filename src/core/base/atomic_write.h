#pragma once
// Replacing a user's file in one step: the content goes to a new temporary file in the
// target's folder, is flushed to the disk and renamed over the target, so a failure or a
// power cut leaves either the old file or the new one, never a mixture or an empty file.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/base/message.h"

namespace helion {

// The outcome of a replacement: true when the file holds the new content, otherwise
// why not, in words for a message ("permission denied", "the disk is full").
struct FileWrite {
    std::string failure;
    bool readOnly = false;  // refused because the user made the file read-only
    explicit operator bool() const { return failure.empty(); }
};

// What a symbolic link at the path stands for. A user may keep a file elsewhere on purpose
// and link to it: the file it names is replaced and the link stays. A file the program
// names for itself (a backup) may have been linked to anything: the link is replaced.
enum class LinkAtPath { ReplaceItsFile, ReplaceTheLink };

// Refuses to replace anything but a regular file (a folder, a device), and a file the user
// made read-only: its folder would let a rename replace it, but the user asked us not to.
// The new file keeps the old one's permission bits.
FileWrite writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                              LinkAtPath link = LinkAtPath::ReplaceItsFile);

// " cannot be written: permission denied." to follow the file's name in a message.
std::string cannotBeWritten(const FileWrite& result);

// A message about a failed write: a read-only file is the user's own choice, so a warning;
// any other failure is an error.
Message failedWriteMessage(const FileWrite& result, std::string text);

// The same with the temporary names chosen by `nextTemporaryName` (attempt 0, 1, ...)
// instead of random ones. A name that already exists, a symbolic link included, is never
// opened: the next one is tried.
FileWrite writeFileAtomically(const std::filesystem::path& path, std::string_view content, LinkAtPath link,
                              const std::function<std::string(int attempt)>& nextTemporaryName);

}  // namespace helion
