#include "core/base/file_error.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace helion {

std::string fileErrorText(int error) {
    switch (error) {
        case EACCES:
        case EPERM: return "permission denied";
        case ENOSPC:
        case EDQUOT: return "the disk is full";
        case EISDIR: return "it is a folder";
        case EROFS: return "the disk is read-only";
        case ENOENT: return "its folder does not exist";
        case ENOTDIR: return "a part of its folder is not a folder";
        case ENAMETOOLONG: return "its name is too long";
        case ELOOP: return "its symbolic links loop";
        default: return std::strerror(error);
    }
}

std::string whyUnreadable(const std::filesystem::path& file) {
    struct stat info {};
    const auto failure = [] { return errno == ENOENT ? std::string("it is missing") : fileErrorText(errno); };
    if (::lstat(file.c_str(), &info) != 0) return failure();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return failure();
    const bool folder = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    ::close(fd);
    if (folder) return fileErrorText(EISDIR);
    return S_ISREG(info.st_mode) ? "a read failed" : "it is not a regular file";
}

}  // namespace helion
