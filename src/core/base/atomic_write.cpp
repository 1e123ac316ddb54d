#include "core/base/atomic_write.h"

#include "core/base/file_error.h"

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

}  // namespace

std::string cannotBeWritten(const FileWrite& result) { return " cannot be written: " + result.failure + "."; }

FileWrite writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
    const std::string targetName = path.filename().string();
    return writeFileAtomically(path, content, [&](int) { return randomTemporaryName(targetName); });
}

FileWrite writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                              const std::function<std::string(int attempt)>& nextTemporaryName) {
    if (path.empty() || !path.has_filename()) return {"no file name was given"};
    std::filesystem::path target = path;
    mode_t mode = defaultFileMode();
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) return failed(EISDIR);
        if (!S_ISREG(existing.st_mode)) return {"it is not a regular file"};
        mode = existing.st_mode & 07777;
        std::error_code error;
        const auto resolved = std::filesystem::canonical(path, error);
        if (error) return failed(error.value());
        target = resolved;
    } else if (errno != ENOENT) {
        return failed(errno);
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
