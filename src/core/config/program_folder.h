#pragma once
// The program folder: every data file (options, settings, orb files, names, cities,
// time zones, help texts) is this folder joined with the file's name.
//
// It is the executable's own folder when that folder holds the shipped data files and
// is writable (a copy unpacked in one folder of its own). Otherwise it is the per-user
// folder <XDG data home>/helion, which is filled from the shipped data on first start;
// every later start adds whatever file it lacks and refreshes the files the user never
// changed when a new release ships them changed. A file the user changed is never
// overwritten. The shipped data is looked for beside the executable, then in the
// installed data folder (<prefix>/share/helion beside <prefix>/bin; the build tree has
// the same layout, linked to the source tree's data/).

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/base/message.h"

namespace helion {

inline constexpr std::string_view kUserFolderName = "helion";
// The atlas place list is only ever read, from where it was shipped; a copy in every
// user's folder would cost five megabytes and go stale with the next release.
inline constexpr std::string_view kAtlasFile = "ATLAS.DAT";

struct ProgramFolder {
    std::filesystem::path folder;
    bool perUser = false;
    std::vector<Message> messages;  // the per-user folder could not be made or filled
};

// A folder holds the shipped data when it holds the master options file.
bool holdsShippedData(const std::filesystem::path& folder);

// Whether the process may create and replace files in the folder.
bool isWritableFolder(const std::filesystem::path& folder);
using FolderCheck = bool (*)(const std::filesystem::path& folder);

// Decides the program folder as described above, and fills the per-user folder from
// `shippedDataDir` when that is the one chosen. `isWritable` decides whether the
// executable's folder may be written (tests that run as root, who may write anywhere,
// give their own).
ProgramFolder resolveProgramFolder(const std::filesystem::path& executableDir,
                                   const std::filesystem::path& shippedDataDir,
                                   const std::filesystem::path& userDataHome,
                                   FolderCheck isWritable = isWritableFolder);

// The executable's folder or the data folder installed beside it, whichever holds the
// shipped data first.
std::optional<std::filesystem::path> findShippedData(const std::filesystem::path& executableDir);

// $XDG_DATA_HOME when it is an absolute path, otherwise $HOME/.local/share.
std::filesystem::path xdgDataHome(const char* xdgDataHomeVariable, const char* homeVariable);

std::filesystem::path executableDirectory();

// All of the above for the running program, from its environment.
ProgramFolder programFolderOfThisProcess();

}  // namespace helion
