#include "codeplug/sin_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvan {
namespace {

std::string errnoText() { return std::strerror(errno); }

bool writeAll(int fd, const std::uint8_t* data, std::size_t size)
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

} // namespace

SinLoadResult loadSin(const std::filesystem::path& path, std::size_t imageSize)
{
    SinLoadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.detail = errnoText();
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result.detail = S_ISDIR(st.st_mode) ? "it is a folder" : errnoText();
        ::close(fd);
        return result;
    }
    MemoryImage image(imageSize);
    auto bytes = image.bytes(0, imageSize);
    std::size_t got = 0;
    while (got < imageSize) {
        const ssize_t n = ::read(fd, bytes.data() + got, imageSize - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.detail = errnoText();
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got == 0) {
        result.status = SinStatus::Empty;
        return result;
    }
    if (got < imageSize) {
        result.status = SinStatus::TooShort;
        result.detail = std::to_string(got) + " bytes";
        return result;
    }
    result.status = SinStatus::Ok;
    result.image = std::move(image);
    return result;
}

SinStatus saveSin(const std::filesystem::path& path, const MemoryImage& image, std::string* detail)
{
    auto fail = [&](std::string why) {
        if (detail)
            *detail = std::move(why);
        return SinStatus::CannotWrite;
    };

    const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string hidden = ".";
    hidden += path.filename().string();
    hidden += ".XXXXXX";
    std::string tmpl = (dir / hidden).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return fail(errnoText());

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    mode_t mode = 0666;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);

    const auto& raw = image.raw();
    const bool written = writeAll(fd, raw.data(), raw.size()) && ::fsync(fd) == 0;
    const std::string writeError = written ? std::string() : errnoText();
    if (::close(fd) != 0 || !written) {
        ::unlink(tmpl.c_str());
        return fail(written ? errnoText() : writeError);
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        const std::string why = errnoText();
        ::unlink(tmpl.c_str());
        return fail(why);
    }
    return SinStatus::Ok;
}

std::string describeSinStatus(SinStatus status, const std::filesystem::path& path, std::size_t imageSize,
                              const std::string& detail)
{
    const std::string name = path.string();
    const std::string reason = detail.empty() ? std::string() : " (" + detail + ")";
    switch (status) {
    case SinStatus::Ok:
        return {};
    case SinStatus::CannotOpen:
        return "Cannot open \"" + name + "\"" + reason + ".";
    case SinStatus::Empty:
        return "\"" + name + "\" is empty: it holds no channel data.";
    case SinStatus::TooShort:
        return "\"" + name + "\" is not a channel data file of this program: it holds " + detail + ", not "
               + std::to_string(imageSize) + ".";
    case SinStatus::CannotWrite:
        return "Cannot save \"" + name + "\"" + reason + ". The previous file is unchanged.";
    }
    return {};
}

} // namespace tolvan
