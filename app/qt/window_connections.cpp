#include "app/qt/window_connections.h"

#include "app/qt/fleet_commands.h"
#include "app/qt/main_frame.h"
#include "dialogs/qt/debug_mode_dlg.h"
#include "dialogs/qt/key_assignment_dlg.h"
#include "dialogs/qt/optional_features_dlg.h"
#include "dialogs/qt/signalling_features_dlg.h"
#include "dialogs/qt/settings_lists_dlg.h"
#include "dialogs/qt/two_tone_dlg.h"
#include "editor/qt/tol_view.h"
#include "link/port_names.h"
#include "report/form_list_texts.h"
#include "report/qt/report_print.h"

#include <QComboBox>

#include <memory>

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

// How a dialog over the image ends: with OK (Cancel drops what it changed), or
// with every way out keeping what is on screen (Two Tone has no OK).
enum class DialogEnd { OkKeeps, EveryCloseKeeps };

// The dialog that `make` builds over a copy of the image; when it ends as
// `end` says, the copy goes into the document.
template <typename MakeDialog>
bool runImageDialog(CTolView& view, MakeDialog make, DialogEnd end = DialogEnd::OkKeeps)
{
    MemoryImage image = view.document().image();
    const bool accepted = [&] {
        const auto dialog = make(image);
        return dialog->exec() == QDialog::Accepted;
    }();  // destroyed here: a dialog still showing writes its page on the way out
    if ((!accepted && end == DialogEnd::OkKeeps) || image == view.document().image())
        return false;
    view.document().image() = std::move(image);
    return true;
}

} // namespace

FleetCommands& composeWindowCommands(CMainFrame& frame, const StartupLanguage& language, UserDialogs& dialogs,
                                     const CloneWindowOptions& link)
{
    const Edition& edition = frame.document().edition();
    FrameHooks hooks;
    // A dialog is attached only where the edition has what it edits.
    if (const auto& layout = edition.optionalFeatures)
        hooks.optionalFeatures = [&frame, &layout = *layout](CTolView& v) {
            return runImageDialog(v, [&](MemoryImage& image) {
                return std::make_unique<COptionalFeaturesDlg>(image, layout, v.document().edition(), v.language(),
                                                              &frame);
            });
        };
    if (const auto& layout = edition.signallingFeatures)
        hooks.optionalFeatures = [&frame, &layout = *layout](CTolView& v) {
            return runImageDialog(v, [&](MemoryImage& image) {
                return std::make_unique<CSignallingFeaturesDlg>(image, layout, v.language(), &frame);
            });
        };
    if (edition.settingsLists)
        hooks.optionalFeatures = [&frame](CTolView& v) {
            return runImageDialog(v, [&](MemoryImage& image) {
                return std::make_unique<CSettingsListsDlg>(image, v.document().edition(), v.language(), &frame);
            });
        };
    if (edition.keyAssignment)
        hooks.keyAssignment = [&frame](CTolView& v) {
            return runImageDialog(v, [&](MemoryImage& image) {
                return std::make_unique<CKeyAssignmentDlg>(image, v.document().edition(), v.language(), &frame);
            });
        };
    if (edition.hasTwoTone)
        hooks.twoTone = [&frame](CTolView& v) {
            return runImageDialog(v, [&](MemoryImage& image) {
                return std::make_unique<CTwoToneDlg>(image, v.document().edition(), v.language(), &frame,
                                                     frame.messageCaption());
            }, DialogEnd::EveryCloseKeeps);
        };
    hooks.testMode = [&frame, radio = link.opener](CTolView& v) {
        SystemPortOpener system(v.document().edition(), &programIniFile(), v.language());
        CDebugModeDlg dialog(v.document().edition(), v.language(), v.portName(), formTexts(v).field,
                             radio ? *radio : system, nullptr, &frame, frame.messageCaption());
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
    // The fleet commands own the transfer: a read passes the data password
    // shown, a write reads back when the user wants it.
    auto* fleet = new FleetCommands(frame, language, dialogs, link);
    frame.view().setTransfer(fleet->transfer());
    return *fleet;
}

} // namespace tolvan
