#include "dialogs/qt/two_tone_dlg.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/qt/decode_sheet.h"
#include "dialogs/qt/encode_page.h"
#include "dialogs/qt/qt_text.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvan {

CTwoToneDlg::CTwoToneDlg(MemoryImage& image, const Edition& edition, Language language, QWidget* parent,
                         const QString& messageCaption)
    : QDialog(parent), image_(image), before_(image)
{
    const TwoToneTexts texts = twoToneTexts(edition.uiLanguage(language));
    setWindowTitle(qs(texts.caption));
    tabs_ = new QTabWidget(this);
    encode_ = new CEncodePage(image, texts, messageCaption);
    decode_ = new CDecodeSheet(image, texts);
    tabs_->addTab(encode_, qs(texts.encodeTab));
    tabs_->addTab(decode_, qs(texts.decodeTab));
    tabs_->setCurrentIndex(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(640, 480);
}

// Closing hides the pages, which writes the one on screen; a dialog destroyed
// while still showing writes it here, so no way out loses what was typed.
CTwoToneDlg::~CTwoToneDlg()
{
    if (!isVisible())
        return;
    if (tabs_->currentWidget() == encode_)
        encode_->store();
    else
        decode_->page(decode_->tabs()->currentIndex())->store();
}

} // namespace tolvan
