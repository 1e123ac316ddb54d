#include "core/base/atomic_write.h"

#include "core/base/file_error.h"
#include "core/base/message.h"

#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace helion {
namespace {

constexpr int kTemporaryNameAttempts = 100;

FileWrite failed(int error) { return {fileErrorText(error)}; }

// Closes the descriptor when it goes out of scope, unless it was closed on purpose.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // The result of close(2), which reports a delayed write error (a full disk on NFS).
    int close() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

std::string randomTemporaryName(const std::string& targetName) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device entropy;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = "." + targetName + ".";
    for (int i = 0; i < 8; ++i) name += kLetters[pick(entropy)];
    return name + ".tmp";
}

// The permission bits a new file gets from the process's file-creation mask.
mode_t defaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable: the folder's entry is on the disk too.
void syncFolder(const std::filesystem::path& folder) {
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
}

// The permission bits, not access(2), decide: the superuser may write any file, yet a file
// whose owner took away its own write bit was made read-only on purpose. Others are judged
// by the bit of the class they fall into, as the system would judge them.
bool madeReadOnly(const struct stat& file) {
    const uid_t user = ::geteuid();
    if (user == 0 || user == file.st_uid) return (file.st_mode & S_IWUSR) == 0;
    if (::getegid() == file.st_gid) return (file.st_mode & S_IWGRP) == 0;
    return (file.st_mode & S_IWOTH) == 0;
}

}  // namespace

Message failedWriteMessage(const FileWrite& result, std::string text) {
    return result.readOnly ? warningMessage(std::move(text)) : errorMessage(std::move(text));
}

std::string cannotBeWritten(const FileWrite& result) { return " cannot be written: " + result.failure + "."; }

FileWrite writeFileAtomically(const std::filesystem::path& path, std::string_view content, LinkAtPath link) {
    const std::string targetName = path.filename().string();
    return writeFileAtomically(path, content, link, [&](int) { return randomTemporaryName(targetName); });
}

FileWrite writeFileAtomically(const std::filesystem::path& path, std::string_view content, LinkAtPath link,
                              const std::function<std::string(int attempt)>& nextTemporaryName) {
    if (path.empty() || !path.has_filename()) return {"no file name was given"};
    std::filesystem::path target = path;
    mode_t mode = defaultFileMode();
    struct stat existing {};
    // lstat sees a link itself: renaming over it puts the new file where the link was and
    // leaves what it named alone.
    const bool replaceTheLink = link == LinkAtPath::ReplaceTheLink;
    const int found = replaceTheLink ? ::lstat(path.c_str(), &existing) : ::stat(path.c_str(), &existing);
    if (found != 0 && errno != ENOENT) return failed(errno);
    if (found == 0 && !S_ISLNK(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) return failed(EISDIR);
        if (!S_ISREG(existing.st_mode)) return {"it is not a regular file"};
        if (madeReadOnly(existing)) return {"it is read-only", true};
        mode = existing.st_mode & 07777;
        std::error_code error;
        const auto resolved = std::filesystem::canonical(path, error);
        if (error) return failed(error.value());
        target = resolved;
    }
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();

    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kTemporaryNameAttempts && fd < 0; ++attempt) {
        temporary = folder / nextTemporaryName(attempt);
        // O_EXCL with O_CREAT fails on any existing name, a symbolic link included, so a
        // link planted at the temporary name can never redirect the write.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) return failed(errno);
    }
    if (fd < 0) return {"no temporary file could be made beside it"};
    Descriptor file(fd);

    int error = 0;
    if (::fchmod(file.get(), mode) != 0) error = errno;
    if (error == 0 && !writeAll(file.get(), content)) error = errno != 0 ? errno : EIO;
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (const int closed = file.close(); error == 0 && closed != 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failed(error);
    }
    syncFolder(folder);
    return {};
}

}  // namespace helion
