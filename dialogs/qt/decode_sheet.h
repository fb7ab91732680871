#pragma once

#include "dialogs/dialog_texts.h"
#include "dialogs/qt/image_page.h"
#include "dialogs/two_tone_tables.h"

#include <QWidget>

#include <array>

class QTabWidget;

namespace tolvan {

class TextSpinBox;

// One of the eight decoders. Read from the image each time it is shown,
// written back each time it is hidden.
class CDecoderPage : public ImagePage {
    Q_OBJECT
public:
    CDecoderPage(MemoryImage& image, int decoder, const TwoToneTexts& texts, QWidget* parent = nullptr);

    void load() override;
    void store() override;

    TextSpinBox* toneBox(int tone) const { return tones_[static_cast<std::size_t>(tone)]; }  // 0 = A ... 3 = D
    TextSpinBox* timeBox(int time) const { return times_[static_cast<std::size_t>(time)]; }

private:
    MemoryImage& image_;
    int decoder_;
    std::array<TextSpinBox*, 4> tones_{};
    std::array<TextSpinBox*, 4> times_{};
};

// The "Decode" tab: a tab per decoder, the first shown first.
class CDecodeSheet : public QWidget {
    Q_OBJECT
public:
    CDecodeSheet(MemoryImage& image, const TwoToneTexts& texts, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    CDecoderPage* page(int decoder) const { return pages_[static_cast<std::size_t>(decoder)]; }

private:
    QTabWidget* tabs_ = nullptr;
    std::array<CDecoderPage*, twotone::kDecoderCount> pages_{};
};

} // namespace tolvan
