#include "app/qt/window_connections.h"

#include "app/qt/main_frame.h"
#include "dialogs/qt/debug_mode_dlg.h"
#include "dialogs/qt/optional_features_dlg.h"
#include "dialogs/qt/signalling_features_dlg.h"
#include "dialogs/qt/two_tone_dlg.h"
#include "editor/qt/tol_view.h"
#include "link/port_names.h"
#include "report/form_list_texts.h"
#include "report/qt/report_print.h"

#include <QComboBox>

namespace tolvan {
namespace {

// What the form's lists show, for the report and Test Mode.
FormListTexts formTexts(const CTolView& view)
{
    return formListTexts(view.form(), view.language());
}

// The report shows the table as it is now; the image gets the cells first.
MemoryImage imageForReport(CTolView& view)
{
    MemoryImage image = view.document().image();
    view.gridToImage(image);
    return image;
}

// `Source` is what the dialog is built from: the edition, or its layout.
template <typename Dialog, typename Source>
bool runImageDialog(CMainFrame& frame, CTolView& view, const Source& source)
{
    // The dialog edits a copy; OK puts it into the document.
    MemoryImage image = view.document().image();
    Dialog dialog(image, source, view.language(), &frame);
    if (dialog.exec() != QDialog::Accepted || image == view.document().image())
        return false;
    view.document().image() = std::move(image);
    return true;
}

template <typename Dialog>
bool runImageDialog(CMainFrame& frame, CTolView& view)
{
    return runImageDialog<Dialog>(frame, view, view.document().edition());
}

} // namespace

void connectWindowCommands(CMainFrame& frame, CloneWindowOptions clone)
{
    CTolView& view = frame.view();
    const Edition& edition = view.document().edition();
    const Language language = view.language();
    view.setTransfer([&frame, &edition, language, clone](Direction direction, const std::string& port,
                                                         const MemoryImage& image) {
        return runCloneWithProgress(&frame, edition, language, direction, port, image, clone);
    });
    FrameHooks hooks;
    if (edition.optionalFeatures)
        hooks.optionalFeatures = [&frame](CTolView& v) { return runImageDialog<COptionalFeaturesDlg>(frame, v); };
    if (const auto& layout = edition.signallingFeatures)
        hooks.optionalFeatures = [&frame, &layout](CTolView& v) {
            return runImageDialog<CSignallingFeaturesDlg>(frame, v, *layout);
        };
    if (edition.hasTwoTone)
        hooks.twoTone = [&frame](CTolView& v) { return runImageDialog<CTwoToneDlg>(frame, v); };
    hooks.testMode = [&frame](CTolView& v) {
        SystemPortOpener opener(v.document().edition(), &programIniFile(), v.language());
        CDebugModeDlg dialog(v.document().edition(), v.language(), v.portName(), formTexts(v).field, opener,
                             nullptr, &frame);
        dialog.exec();
    };
    hooks.print = [&frame](CTolView& v) {
        printReport(&frame, v.document().edition(), v.language(), v.table(), formTexts(v), imageForReport(v));
    };
    hooks.printPreview = [&frame](CTolView& v) {
        previewReport(&frame, v.document().edition(), v.language(), v.table(), formTexts(v), imageForReport(v));
    };
    hooks.printSetup = [&frame](CTolView&) { printSetup(&frame); };
    frame.setHooks(std::move(hooks));
}

} // namespace tolvan
