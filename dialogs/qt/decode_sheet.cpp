#include "dialogs/qt/decode_sheet.h"

#include "dialogs/qt/qt_text.h"
#include "dialogs/qt/text_spin_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvan {

CDecoderPage::CDecoderPage(MemoryImage& image, int decoder, const TwoToneTexts& texts, QWidget* parent)
    : ImagePage(parent), image_(image), decoder_(decoder)
{
    auto* layout = new QGridLayout(this);
    int row = 0;
    for (std::size_t t = 0; t < tones_.size(); ++t) {
        tones_[t] = new TextSpinBox(
            [](const QString& text, bool up) { return qs(TwoToneTables::stepDecoderTone(text.toStdString(), up)); },
            6);
        auto* label = new QLabel(qs(texts.decoderTones[t]));
        layout->addWidget(label, row, 0);
        layout->addWidget(tones_[t], row++, 1);
        // The C and D tones exist on the page but are never shown or stored.
        if (t >= 2) {
            label->hide();
            tones_[t]->hide();
        }
    }
    for (std::size_t t = 0; t < times_.size(); ++t) {
        const TimeSpin& spin = TwoToneTables::decoderTimeSpins()[t];
        times_[t] = new TextSpinBox(
            [&spin](const QString& text, bool up) { return qs(spin.step(text.toStdString(), up)); }, 4);
        layout->addWidget(new QLabel(qs(texts.decoderTimes[t])), row, 0);
        layout->addWidget(times_[t], row++, 1);
    }
    layout->setRowStretch(row, 1);
    layout->setColumnStretch(2, 1);
}

void CDecoderPage::load()
{
    const DecoderPageValues v = TwoToneTables::readDecoder(image_, decoder_);
    tones_[0]->setText(qs(v.aTone));
    tones_[1]->setText(qs(v.bTone));
    for (std::size_t t = 0; t < times_.size(); ++t)
        times_[t]->setText(qs(v.times[t]));
}

void CDecoderPage::store()
{
    DecoderPageValues v;
    v.aTone = tones_[0]->text().toStdString();
    v.bTone = tones_[1]->text().toStdString();
    for (std::size_t t = 0; t < times_.size(); ++t)
        v.times[t] = times_[t]->text().toStdString();
    TwoToneTables::writeDecoder(v, decoder_, image_);
}

CDecodeSheet::CDecodeSheet(MemoryImage& image, const TwoToneTexts& texts, QWidget* parent) : QWidget(parent)
{
    tabs_ = new QTabWidget(this);
    for (int k = 0; k < twotone::kDecoderCount; ++k) {
        pages_[static_cast<std::size_t>(k)] = new CDecoderPage(image, k, texts);
        tabs_->addTab(pages_[static_cast<std::size_t>(k)], qs(texts.decoderTab) + " " + QString::number(k + 1));
    }
    tabs_->setCurrentIndex(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
}

} // namespace tolvan
