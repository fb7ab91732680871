#pragma once

#include "codeplug/memory_image.h"
#include "editions/edition.h"

#include <QDialog>

class QTabWidget;

namespace tolvan {

class CEncodePage;
class CDecodeSheet;

// The encode table and the eight decoders. There is no OK: the window's close
// box closes it, and the page on screen is written into the image then. Its
// message boxes carry `messageCaption`, the program's.
class CTwoToneDlg : public QDialog {
    Q_OBJECT
public:
    CTwoToneDlg(MemoryImage& image, const Edition& edition, Language language, QWidget* parent = nullptr,
                const QString& messageCaption = {});
    ~CTwoToneDlg() override;

    // Whether closing changed any byte of the image (for the unsaved-changes prompt).
    bool imageChanged() const { return image_ != before_; }

    QTabWidget* tabs() const { return tabs_; }
    CEncodePage* encodePage() const { return encode_; }
    CDecodeSheet* decodeSheet() const { return decode_; }

private:
    MemoryImage& image_;
    const MemoryImage before_;
    QTabWidget* tabs_ = nullptr;
    CEncodePage* encode_ = nullptr;
    CDecodeSheet* decode_ = nullptr;
};

} // namespace tolvan
