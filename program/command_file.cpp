#include "program/command_file.h"

#include "codeplug/sin_file.h"

#include <iostream>

namespace tolvan {

std::optional<MemoryImage> loadCommandFile(const Edition& edition, const std::filesystem::path& path,
                                           Language language, LongerFileUse use)
{
    SinLoadResult loaded = loadSin(path, edition.imageSize);
    if (loaded.status != SinStatus::Ok) {
        std::cerr << sinStatusText(loaded.status, path, edition.imageSize, loaded.detail, edition.uiLanguage(language))
                  << '\n';
        return std::nullopt;
    }
    if (loaded.longer()) {
        std::cerr << longerFileText(path, loaded.fileSize, edition, edition.uiLanguage(language), use) << '\n';
        if (use == LongerFileUse::WriteRefused)
            return std::nullopt;
    }
    return std::move(loaded.image);
}

} // namespace tolvan
