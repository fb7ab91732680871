#include "codeplug/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// What is the same on every system; the writer and the opener are the
// system's own (safe_file_posix.cpp, safe_file_win.cpp).

namespace tolvan {
namespace fs = std::filesystem;

bool isUsageFault(FileFault fault)
{
    return fault == FileFault::SameAsInput || fault == FileFault::ChannelFile;
}

bool isChannelFileName(const fs::path& path)
{
    const std::string name = path.filename().string();
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ".sin";
}

bool isSafeFileTemporary(std::string_view name)
{
    if (name.size() != kSafeFileTemporaryPrefix.size() + 6 || !name.starts_with(kSafeFileTemporaryPrefix))
        return false;
    for (char c : name.substr(kSafeFileTemporaryPrefix.size()))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    return true;
}

namespace {

// Appends at most `limit` bytes of `fd` to `out`, then closes it.
FileResult readUpTo(int fd, std::string& out, std::size_t limit)
{
    FileResult result;
    char buffer[65536];
    while (out.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - out.size());
        const auto n = ::read(fd, buffer, static_cast<unsigned>(want));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result = {FileFault::SystemError, std::strerror(errno)};
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
    return {FileFault::TooLarge,
            "it is larger than " + std::to_string(limit) + " bytes, more than any such file this program writes"};
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

std::string describeWriteFault(const FileResult& result, const fs::path& target)
{
    if (result.ok())
        return {};
    std::string text = "Cannot write \"" + target.string() + "\": " + result.reason + ".";
    std::error_code ec;
    if (result.fault == FileFault::SystemError && fs::exists(fs::symlink_status(target, ec)))
        text += " The previous file is unchanged.";
    return text;
}

} // namespace tolvan
