#include "codeplug/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvan {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kTempPrefix = ".tolvan-";  // + 6 characters of mkstemp
constexpr std::time_t kStaleSeconds = 60;

FileResult failure(FileFault fault, std::string reason)
{
    return {fault, std::move(reason)};
}

FileResult systemError(int error)
{
    return failure(FileFault::SystemError, std::strerror(error));
}

std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a regular file";
    if (S_ISFIFO(mode))
        return "it is a pipe, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    return "it is not a regular file";
}

bool endsWithSin(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".sin";
}

// Where the data goes: the path itself, or the file a symbolic link names.
struct Target {
    fs::path path;
    bool exists = false;
    struct stat st {};
};

FileResult resolve(const fs::path& given, Target& out)
{
    out.path = given;
    struct stat lst {};
    if (::lstat(given.c_str(), &lst) != 0) {
        if (errno != ENOENT)
            return systemError(errno);
        // A new file: its folder must be there.
        const fs::path dir = given.has_parent_path() ? given.parent_path() : fs::path(".");
        struct stat dst {};
        if (::stat(dir.c_str(), &dst) != 0)
            return systemError(errno);
        if (!S_ISDIR(dst.st_mode))
            return systemError(ENOTDIR);
        return {};
    }
    if (S_ISLNK(lst.st_mode)) {
        struct stat st {};
        if (::stat(given.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return systemError(errno);
            std::error_code ec;
            const fs::path to = fs::read_symlink(given, ec);
            return failure(FileFault::DanglingLink, "it is a link to \"" + to.string() + "\", which does not exist");
        }
        char* real = ::realpath(given.c_str(), nullptr);
        if (!real)
            return systemError(errno);
        out.path = real;
        std::free(real);
    }
    if (::stat(out.path.c_str(), &out.st) != 0)
        return systemError(errno);
    out.exists = true;
    return {};
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Temporary files that a killed save left behind; only this system's own names,
// only the user's own regular files, only when they are clearly abandoned.
void removeStaleTemporaries(const fs::path& dir)
{
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(d)) {
        if (!isSafeFileTemporary(entry->d_name))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(d), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && now - st.st_mtime > kStaleSeconds)
            ::unlinkat(::dirfd(d), entry->d_name, 0);
    }
    ::closedir(d);
}

void syncFolder(const fs::path& dir)
{
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

FileResult check(const fs::path& given, const OutputRules& rules, Target& target)
{
    if (rules.isExport && endsWithSin(given.filename().string()))
        return failure(FileFault::ChannelFile, "it is a channel data file (.sin), which an export never replaces");
    if (FileResult r = resolve(given, target); !r.ok())
        return r;
    if (!target.exists)
        return {};
    if (rules.isExport && endsWithSin(target.path.filename().string()))
        return failure(FileFault::ChannelFile, "it leads to a channel data file (.sin), which an export never replaces");
    // Any name of an input (another spelling, a link, a hard link) is the same file.
    for (const fs::path* input : {&rules.input, &rules.secondInput}) {
        struct stat in {};
        if (!input->empty() && ::stat(input->c_str(), &in) == 0 && in.st_dev == target.st.st_dev
            && in.st_ino == target.st.st_ino)
            return failure(FileFault::SameAsInput, "it is the input file \"" + input->string() + "\"");
    }
    if (!S_ISREG(target.st.st_mode))
        return failure(FileFault::NotRegular, kindOf(target.st.st_mode));
    // A file without any write permission is protected on purpose, even from
    // a user (root) whom the system would let through.
    if ((target.st.st_mode & 0222) == 0)
        return failure(FileFault::ReadOnly, "it is read-only");
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        if (errno == EACCES || errno == EROFS || errno == EPERM)
            return failure(FileFault::ReadOnly, errno == EROFS ? std::strerror(errno) : "it is read-only");
        return systemError(errno);
    }
    return {};
}

// The new file is made in the target's folder and renamed there: the folder
// must take it, or the work (a read from the radio) is done for nothing.
// A folder without any write permission is refused even to root, as a file is.
FileResult checkFolder(const fs::path& target)
{
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0)
        return systemError(errno);
    const std::string readOnly = "its folder \"" + dir.string() + "\" is read-only";
    if ((st.st_mode & 0222) == 0)
        return failure(FileFault::ReadOnly, readOnly);
    if (::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        if (errno == EACCES || errno == EPERM)
            return failure(FileFault::ReadOnly, readOnly);
        return errno == EROFS ? failure(FileFault::ReadOnly, std::strerror(errno)) : systemError(errno);
    }
    return {};
}

FileResult checkAll(const fs::path& given, const OutputRules& rules, Target& target)
{
    if (FileResult r = check(given, rules, target); !r.ok())
        return r;
    return checkFolder(target.path);
}

} // namespace

bool isUsageFault(FileFault fault)
{
    return fault == FileFault::SameAsInput || fault == FileFault::ChannelFile;
}

bool isSafeFileTemporary(std::string_view name)
{
    if (name.size() != kTempPrefix.size() + 6 || !name.starts_with(kTempPrefix))
        return false;
    for (char c : name.substr(kTempPrefix.size()))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    return true;
}

FileResult checkOutputFile(const fs::path& target, const OutputRules& rules)
{
    Target resolved;
    return checkAll(target, rules, resolved);
}

FileResult writeFileSafely(const fs::path& given, std::string_view bytes, const OutputRules& rules)
{
    Target target;
    if (FileResult r = checkAll(given, rules, target); !r.ok())
        return r;

    const fs::path dir = target.path.has_parent_path() ? target.path.parent_path() : fs::path(".");
    std::string temp = (dir / (std::string(kTempPrefix) + "XXXXXX")).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);

    if (target.exists) {
        // Keep the owner where the system lets us, and the permissions always.
        if (::fchown(fd, target.st.st_uid, target.st.st_gid) != 0) {
            // Not permitted for another owner: the file becomes the user's own.
        }
        ::fchmod(fd, target.st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    int error = 0;
    if (!writeAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return systemError(error);
    }
    syncFolder(dir);
    removeStaleTemporaries(dir);
    return {};
}

int openRegularFile(const fs::path& path, FileResult& result)
{
    result = {};
    // Non-blocking, so a pipe without a writer cannot hang the open; a device
    // does not become the program's terminal.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result = systemError(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result = systemError(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        result = failure(FileFault::NotRegular, kindOf(st.st_mode));
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

namespace {

// Appends at most `limit` bytes of `fd` to `out`, then closes it.
FileResult readUpTo(int fd, std::string& out, std::size_t limit)
{
    FileResult result;
    char buffer[65536];
    while (out.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - out.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result = systemError(errno);
            break;
        }
        if (n == 0)
            break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return result;
}

FileResult tooLarge(std::size_t limit)
{
    return failure(FileFault::TooLarge,
                   "it is larger than " + std::to_string(limit) + " bytes, more than any such file this program writes");
}

} // namespace

FileResult readFileSafely(const fs::path& path, std::string& out, std::size_t limit, std::uintmax_t* fileSize)
{
    out.clear();
    FileResult result;
    const int fd = openRegularFile(path, result);
    if (fd < 0)
        return result;
    struct stat st {};
    const std::uintmax_t size = ::fstat(fd, &st) == 0 ? static_cast<std::uintmax_t>(st.st_size) : 0;
    result = readUpTo(fd, out, limit);
    if (fileSize)
        *fileSize = std::max<std::uintmax_t>(size, out.size());
    return result;
}

FileResult readWholeFile(const fs::path& path, std::string& out, std::size_t limit)
{
    out.clear();
    FileResult result;
    const int fd = openRegularFile(path, result);
    if (fd < 0)
        return result;
    // Refused by its size before a byte is read; a file that grows meanwhile
    // is caught by reading one byte past the limit.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && static_cast<std::uintmax_t>(st.st_size) > limit) {
        ::close(fd);
        return tooLarge(limit);
    }
    result = readUpTo(fd, out, limit + 1);
    if (result.ok() && out.size() > limit)
        result = tooLarge(limit);
    if (!result.ok())
        out.clear();
    return result;
}

bool createEmptyFile(const fs::path& path)
{
    // O_EXCL: never through a link that points nowhere, never over a file.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

std::string describeWriteFault(const FileResult& result, const fs::path& target)
{
    if (result.ok())
        return {};
    std::string text = "Cannot write \"" + target.string() + "\": " + result.reason + ".";
    struct stat st {};
    if (result.fault == FileFault::SystemError && ::lstat(target.c_str(), &st) == 0)
        text += " The previous file is unchanged.";
    return text;
}

} // namespace tolvan
