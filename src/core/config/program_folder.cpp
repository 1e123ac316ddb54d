#include "core/config/program_folder.h"

#include <cstdlib>
#include <system_error>

#include <unistd.h>

#include "core/base/text_file.h"
#include "core/config/options.h"
#include "core/config/shipped_copies.h"

namespace helion {

namespace {

// A program file (helion, helion-cli) beside the data in an unpacked copy is not data.
bool isProgramFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    const auto permissions = entry.status(error).permissions();
    return !error && (permissions & std::filesystem::perms::owner_exec) != std::filesystem::perms::none;
}

// Brings one shipped file into the folder: copies it when the folder lacks it, refreshes
// a copy still as it was shipped, and leaves a copy the user changed alone. Records the
// content of the copy when it is the shipped one; false when the copy cannot be written.
bool bringIn(const std::filesystem::path& source, const std::filesystem::path& target, ShippedCopies& copies) {
    const auto shipped = readTextFile(source);
    if (!shipped) return false;
    const std::string name = target.filename().string();
    const std::uint64_t shippedHash = contentHash(*shipped);
    const auto recorded = copies.find(name);
    std::error_code error;
    if (std::filesystem::exists(target, error)) {
        // Already recorded as this release ships it: the copy is either that or the user's.
        if (recorded != copies.end() && recorded->second == shippedHash) return true;
        const auto present = readTextFile(target);
        if (!present) return true;
        const std::uint64_t presentHash = contentHash(*present);
        const bool asCopied = recorded != copies.end() && recorded->second == presentHash;
        if (presentHash == shippedHash) copies[name] = shippedHash;
        if (presentHash == shippedHash || !asCopied) return true;
    }
    if (!writeFileAtomically(target, *shipped)) return false;
    copies[name] = shippedHash;
    return true;
}

// Copies every shipped data file the folder lacks or holds as an older release shipped
// it; returns the files that failed.
std::vector<Message> fillFrom(const std::filesystem::path& shipped, const std::filesystem::path& folder) {
    std::vector<Message> messages;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        messages.push_back(errorMessage("The folder " + folder.string() + " cannot be created: " + error.message()));
        return messages;
    }
    ShippedCopies copies = readShippedCopies(folder);
    const ShippedCopies before = copies;
    for (std::filesystem::directory_iterator entry(shipped, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!entry->is_regular_file(error) || isProgramFile(*entry) || entry->path().filename() == kAtlasFile ||
            entry->path().filename() == kShippedCopiesFile)
            continue;
        const auto target = folder / entry->path().filename();
        if (!bringIn(entry->path(), target, copies))
            messages.push_back(
                errorMessage("The file " + target.string() + " cannot be copied from " + entry->path().string() + "."));
    }
    if (error)
        messages.push_back(
            errorMessage("The shipped data folder " + shipped.string() + " cannot be read: " + error.message()));
    if (copies != before && !writeShippedCopies(folder, copies))
        messages.push_back(errorMessage("The file " + (folder / kShippedCopiesFile).string() + " cannot be written."));
    return messages;
}

}  // namespace

bool isWritableFolder(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool holdsShippedData(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / kOptionsMasterFile, error);
}

ProgramFolder resolveProgramFolder(const std::filesystem::path& executableDir,
                                   const std::filesystem::path& shippedDataDir,
                                   const std::filesystem::path& userDataHome, FolderCheck isWritable) {
    if (holdsShippedData(executableDir) && isWritable(executableDir)) return {executableDir, false, {}};
    ProgramFolder result{userDataHome / kUserFolderName, true, {}};
    result.messages = fillFrom(shippedDataDir, result.folder);
    return result;
}

std::optional<std::filesystem::path> findShippedData(const std::filesystem::path& executableDir) {
    const std::filesystem::path candidates[] = {
        executableDir,
        executableDir.parent_path() / HELION_INSTALLED_DATA_DIR,
    };
    for (const auto& candidate : candidates)
        if (holdsShippedData(candidate)) return candidate.lexically_normal();
    return std::nullopt;
}

std::filesystem::path xdgDataHome(const char* xdgDataHomeVariable, const char* homeVariable) {
    if (xdgDataHomeVariable != nullptr && std::filesystem::path(xdgDataHomeVariable).is_absolute())
        return xdgDataHomeVariable;
    const std::filesystem::path home = homeVariable != nullptr && *homeVariable != '\0' ? homeVariable : "/tmp";
    return home / ".local" / "share";
}

std::filesystem::path executableDirectory() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : executable.parent_path();
}

ProgramFolder programFolderOfThisProcess() {
    const auto executableDir = executableDirectory();
    const auto userHome = xdgDataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    const auto shipped = findShippedData(executableDir);
    if (!shipped) {
        ProgramFolder result{userHome / kUserFolderName, true, {}};
        result.messages.push_back(errorMessage("The shipped data files of Helion cannot be found; " +
                                               result.folder.string() + " is used as it is."));
        return result;
    }
    return resolveProgramFolder(executableDir, *shipped, userHome);
}

}  // namespace helion
