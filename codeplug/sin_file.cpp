#include "codeplug/sin_file.h"

#include "codeplug/safe_file.h"

#include <algorithm>

namespace tolvan {

SinLoadResult loadSin(const std::filesystem::path& path, std::size_t imageSize)
{
    SinLoadResult result;
    std::string bytes;
    const FileResult read = readFileSafely(path, bytes, imageSize, &result.fileSize);
    if (!read.ok()) {
        result.detail = read.reason;
        return result;
    }
    if (bytes.empty()) {
        result.status = SinStatus::Empty;
        return result;
    }
    if (bytes.size() < imageSize) {
        result.status = SinStatus::TooShort;
        result.detail = std::to_string(bytes.size()) + " bytes";
        return result;
    }
    MemoryImage image(imageSize);
    auto target = image.bytes(0, imageSize);
    std::copy(bytes.begin(), bytes.end(), target.begin());
    result.status = SinStatus::Ok;
    result.image = std::move(image);
    return result;
}

SinStatus saveSin(const std::filesystem::path& path, const MemoryImage& image, std::string* detail,
                  const OutputRules& rules)
{
    const auto& raw = image.raw();
    const FileResult written
        = writeFileSafely(path, std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()), rules);
    if (written.ok())
        return SinStatus::Ok;
    if (detail)
        *detail = written.reason;
    return SinStatus::CannotWrite;
}

std::string describeSinStatus(SinStatus status, const std::filesystem::path& path, std::size_t imageSize,
                              const std::string& detail)
{
    const std::string name = path.string();
    const std::string reason = detail.empty() ? std::string() : " (" + detail + ")";
    switch (status) {
    case SinStatus::Ok:
    case SinStatus::Declined:
        return {};
    case SinStatus::CannotOpen:
        return "Cannot open \"" + name + "\"" + reason + ".";
    case SinStatus::Empty:
        return "\"" + name + "\" is empty: it holds no channel data.";
    case SinStatus::TooShort:
        return "\"" + name + "\" is not a channel data file of this program: it holds " + detail + ", not "
               + std::to_string(imageSize) + ".";
    case SinStatus::CannotWrite:
    {
        std::error_code ec;
        const bool existed = std::filesystem::exists(std::filesystem::symlink_status(path, ec));
        return "Cannot save \"" + name + "\"" + reason + "." + (existed ? " The previous file is unchanged." : "");
    }
    }
    return {};
}

} // namespace tolvan
