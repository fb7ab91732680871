#include "program/tol_doc.h"

#include <stdexcept>

namespace tolvan {

CTolDoc::CTolDoc(const Edition& edition) : edition_(&edition), image_(newDocumentImage(edition)) {}

void CTolDoc::OnNewDocument()
{
    image_ = newDocumentImage(*edition_);
    path_.clear();
    modified_ = false;
}

SinLoadResult CTolDoc::OnOpenDocument(const std::filesystem::path& path,
                                      const std::function<bool(const SinLoadResult&)>& acceptLonger)
{
    SinLoadResult result = loadSin(path, edition_->imageSize);
    if (result.longer() && acceptLonger && !acceptLonger(result)) {
        result.status = SinStatus::Declined;
        result.image.reset();
    }
    if (result.status == SinStatus::Ok) {
        image_ = *result.image;
        path_ = path;
        modified_ = false;
    }
    return result;
}

SinStatus CTolDoc::OnSaveDocument(const std::filesystem::path& path, std::string* detail)
{
    if (beforeSave)
        beforeSave(image_);
    const SinStatus status = saveSin(path, image_, detail);
    if (status == SinStatus::Ok) {
        path_ = path;
        modified_ = false;
    }
    return status;
}

void CTolDoc::replaceImage(MemoryImage image)
{
    if (image.size() != edition_->imageSize)
        throw std::invalid_argument("image size does not match the edition");
    image_ = std::move(image);
    modified_ = true;
}

} // namespace tolvan
