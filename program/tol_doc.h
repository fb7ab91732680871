#pragma once

#include "codeplug/memory_image.h"
#include "codeplug/sin_file.h"
#include "editions/edition.h"

#include <filesystem>
#include <functional>
#include <string>

namespace tolvan {

// The one document of a program: the memory image, the file it came from, and
// whether it holds changes that are not saved.
class CTolDoc {
public:
    explicit CTolDoc(const Edition& edition);

    const Edition& edition() const { return *edition_; }
    MemoryImage& image() { return image_; }
    const MemoryImage& image() const { return image_; }

    const std::filesystem::path& path() const { return path_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    // File New: the edition's blank image, no file, nothing to save.
    void OnNewDocument();

    // File Open. On any failure (missing, empty or short file) the document keeps
    // its image, its name and its modified state. A file longer than the image
    // (most likely another radio's) is opened only when `acceptLonger`, given
    // what was loaded, agrees; otherwise the status is Declined.
    SinLoadResult OnOpenDocument(const std::filesystem::path& path,
                                 const std::function<bool(const SinLoadResult&)>& acceptLonger = {});

    // File Save / Save As: runs `beforeSave` (the table's grid-to-image), then
    // replaces the file safely. On success the document takes the path.
    SinStatus OnSaveDocument(const std::filesystem::path& path, std::string* detail = nullptr);

    // A completed read from the radio: the image is replaced and marked changed.
    void replaceImage(MemoryImage image);

    // Set by the view: copies the channel table into the image.
    std::function<void(MemoryImage&)> beforeSave;

private:
    const Edition* edition_;
    MemoryImage image_;
    std::filesystem::path path_;
    bool modified_ = false;
};

} // namespace tolvan
