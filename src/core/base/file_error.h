#pragma once
// Why a file could not be read or written, in words for a message.

#include <filesystem>
#include <string>

namespace helion {

// "permission denied", "the disk is full", "it is a folder" for an errno value.
std::string fileErrorText(int error);

// Why the file cannot be opened for reading: "it is missing", "its symbolic links loop".
std::string whyUnreadable(const std::filesystem::path& file);

}  // namespace helion
