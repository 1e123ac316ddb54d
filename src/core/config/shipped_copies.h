#pragma once
// The record of the shipped data files copied into a per-user folder: one line per file,
// the file's name and a hash of the content it had when it was copied. A later start
// compares a copy with its record: a copy still as shipped is the program's to refresh
// when a new release ships a different file; a copy that differs is the user's and is
// never touched.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace helion {

inline constexpr std::string_view kShippedCopiesFile = "SHIPPED.SUM";

// FNV-1a, 64 bits: stable across builds and machines, unlike std::hash.
std::uint64_t contentHash(std::string_view content);

using ShippedCopies = std::map<std::string, std::uint64_t>;  // file name -> content hash

// An unreadable or missing record, or a malformed line, records nothing for that file.
ShippedCopies readShippedCopies(const std::filesystem::path& folder);
bool writeShippedCopies(const std::filesystem::path& folder, const ShippedCopies& copies);

}  // namespace helion
