#include "app/qt/fleet_commands.h"

#include "app/fleet_texts.h"

#include "app/qt/fleet_log_dlg.h"
#include "app/qt/main_frame.h"
#include "app/qt/open_question.h"
#include "app/qt/user_dialogs.h"
#include "codeplug/sin_file.h"
#include "editor/qt/tol_view.h"
#include "editor/table_csv_import.h"
#include "link/write_verify.h"
#include "program/qt/local_path.h"
#include "program/qt/program_settings.h"
#include "program/opener_texts.h"
#include "program/sin_status_text.h"
#include "report/image_diff.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tolvan {
namespace {

// The store of the recent-file list; the verify choice is kept beside it.
const char* const kVerifyKey = "Settings/VerifyAfterWriting";

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// While an exchange of these commands runs, the window's commands are off, as
// for Read and Write (the exchange's pump passes must not open or replace the
// document). Inside the window's own Write the view has already said so.
class TransferMark {
public:
    explicit TransferMark(CTolView& view) : view_(view), own_(!view.transferRunning())
    {
        if (own_)
            emit view_.transferStateChanged(true);
    }
    ~TransferMark()
    {
        if (own_)
            emit view_.transferStateChanged(false);
    }
    TransferMark(const TransferMark&) = delete;
    TransferMark& operator=(const TransferMark&) = delete;

private:
    CTolView& view_;
    bool own_;
};

} // namespace

FleetCommands::FleetCommands(CMainFrame& frame, const StartupLanguage& language, UserDialogs& dialogs,
                             CloneWindowOptions clone)
    : QObject(&frame), frame_(frame), language_(language), dialogs_(dialogs), clone_(clone)
{
    showDialog = [](QDialog& d) { d.exec(); };
    verify_ = frame_.attachCommand(cmd::VerifyAfterWriting, [] {});
    verify_->setCheckable(true);
    verify_->setChecked(ProgramSettings(language_.baseName).value(kVerifyKey, true).toBool());
    connect(verify_, &QAction::toggled, this,
            [this](bool on) { ProgramSettings(language_.baseName).setValue(kVerifyKey, on); });
    compareFile_ = frame_.attachCommand(cmd::CompareWithFile, [this] { runCompareWithFile(); });
    compareRadio_ = frame_.attachCommand(cmd::CompareWithRadio, [this] { runCompareWithRadio(); });
    import_ = frame_.attachCommand(cmd::ImportChannels, [this] { runImport(); });
    several_ = frame_.attachCommand(cmd::WriteToSeveral, [this] { runWriteToSeveral(); });
}

const FleetTexts& FleetCommands::texts() const
{
    return fleetTexts(frame_.document().edition().uiLanguage(frame_.view().language()));
}

MemoryImage FleetCommands::documentImage() const
{
    frame_.view().commitCellEdit();
    MemoryImage image = frame_.document().image();
    frame_.view().gridToImage(image);
    return image;
}

FleetCommands::WriteResult FleetCommands::writeDocument(bool startAtOnce, bool alwaysVerify, QWidget* over)
{
    QWidget* parent = over ? over : &frame_;
    CTolView& view = frame_.view();
    const Edition& edition = frame_.document().edition();
    const Language language = view.language();
    const MemoryImage sent = documentImage();
    const TransferMark mark(view);
    CloneOutcome written;
    CloneWindowOptions options = linkOptions();
    options.outcome = &written;
    options.startAtOnce = startAtOnce;
    runCloneWithProgress(parent, edition, language, Direction::Write, view.portName(), sent, options);
    if (written.result != CloneResult::Completed)
        return {false, false, written.message.empty() ? q(texts().cancelled) : q(written.message)};
    if (!alwaysVerify && !verify_->isChecked())
        return {true, true, q(writtenText(edition, language))};
    CloneOutcome readBack;
    options = linkOptions();
    options.outcome = &readBack;
    options.startAtOnce = true;
    options.title = verifyTitle(edition, language);
    options.password = readBackRequest(edition, sent).password;
    runCloneWithProgress(parent, edition, language, Direction::Read, view.portName(), sent, options);
    const VerifyOutcome verified = judgeReadBack(edition, language, sent, std::move(readBack));
    return {true, verified.verified, q(verified.message)};
}

void FleetCommands::showVerdict(const WriteResult& result)
{
    // A technician writing twenty radios must not dismiss twenty boxes.
    if (result.ok)
        frame_.statusBar()->showMessage(result.text);
    else
        dialogs_.ask(&frame_, QMessageBox::Warning, frame_.messageCaption(), result.text, QMessageBox::Ok);
}

CloneWindowOptions FleetCommands::linkOptions() const
{
    // The caption is asked for each time: a branded program names itself once started.
    CloneWindowOptions options = clone_;
    options.messageCaption = frame_.messageCaption().toStdString();
    return options;
}

CloneWindowOptions FleetCommands::readOptions() const
{
    CloneWindowOptions options = linkOptions();
    if (frame_.view().form().hasPassword())
        options.password = frame_.view().form().password();
    return options;
}

TransferFunction FleetCommands::transfer()
{
    return [this](Direction direction, const std::string& port, const MemoryImage& image) -> std::optional<MemoryImage> {
        if (direction == Direction::Read)
            return runCloneWithProgress(&frame_, frame_.document().edition(), frame_.view().language(), direction,
                                        port, image, readOptions());
        const WriteResult result = writeDocument(false, false);
        // A plain write stays silent; a read-back says how it went.
        if (result.written && verify_->isChecked())
            showVerdict(result);
        return result.ok ? std::optional<MemoryImage>(image) : std::nullopt;
    };
}

void FleetCommands::showComparison(const QString& title, const MemoryImage& other, ComparedSides sides)
{
    const Edition& edition = frame_.document().edition();
    const Language language = frame_.view().language();
    const ImageComparison c = compareAsSaved(edition, language, documentImage(), other);
    QDialog dialog(&frame_);
    dialog.setWindowTitle(title);
    auto* textView = new QPlainTextEdit(q(comparisonText(edition, language, c, sides)), &dialog);
    textView->setReadOnly(true);
    textView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(textView);
    layout->addWidget(buttons);
    dialog.resize(560, 420);
    showDialog(dialog);
}

void FleetCommands::runCompareWithFile()
{
    const QString path = dialogs_.openFileName(&frame_, frame_.fileType());
    if (path.isEmpty())
        return;
    const Edition& edition = frame_.document().edition();
    const SinLoadResult loaded = loadSin(path.toStdString(), edition.imageSize);
    if (loaded.status != SinStatus::Ok) {
        dialogs_.ask(&frame_, QMessageBox::Warning, frame_.messageCaption(),
                     q(sinStatusText(loaded.status, path.toStdString(), edition.imageSize, loaded.detail,
                                       edition.uiLanguage(frame_.view().language()))),
                     QMessageBox::Ok);
        return;
    }
    // Another radio's file, by its length: compared only when the user says so.
    if (loaded.longer()
        && dialogs_.ask(&frame_, QMessageBox::Question, frame_.messageCaption(),
                        q(longerFileText(localPath(path), loaded.fileSize, edition, frame_.view().language(),
                                         LongerFileUse::Compare)),
                        QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return;
    showComparison(q(texts().compareWithFile), *loaded.image, ComparedSides::DocumentAndFile);
}

void FleetCommands::runCompareWithRadio()
{
    CTolView& view = frame_.view();
    const Edition& edition = frame_.document().edition();
    // A staging read: the document is not touched.
    std::optional<MemoryImage> radio;
    {
        const TransferMark mark(view);
        radio = runCloneWithProgress(&frame_, edition, view.language(), Direction::Read, view.portName(),
                                     frame_.document().image(), readOptions());
    }
    if (radio)
        showComparison(q(texts().compareWithRadio), *radio, ComparedSides::DocumentAndRadio);
}

void FleetCommands::runImport()
{
    // A list of any of the programs, or another program's file (its channels only).
    const QString path = dialogs_.openFileName(&frame_, QStringLiteral("CSV (*.csv);;") + frame_.fileType());
    if (path.isEmpty())
        return;
    const Edition& edition = frame_.document().edition();
    const Language language = frame_.view().language();
    std::optional<const Edition*> imageOf;
    if (path.endsWith(QStringLiteral(".sin"), Qt::CaseInsensitive))
        imageOf = nullptr;
    auto import = [&](MemoryImage& image, bool skipUnfit) {
        // The command line's own reader and import: a pipe, a device or a huge file is refused.
        return importChannelFile(edition, language, localPath(path), QFileInfo(path).fileName().toStdString(), image,
                                 {.skipUnfit = skipUnfit}, imageOf);
    };
    MemoryImage image = documentImage();
    CsvFileImport result = import(image, false);
    if (!result.ok && result.layoutOpen) {
        // Programs of the file's length read its channels differently: the user says whose it is.
        const Language ui = edition.uiLanguage(language);
        OpenQuestion whose(result.layouts, localPath(path), ui, &frame_, openerTexts(ui).whoseChannels);
        showDialog(whose);
        if (!whose.chosen())
            return;
        imageOf = whose.chosen();
        image = documentImage();
        result = import(image, false);
    }
    if (!result.ok) {
        // Where only cells this radio cannot hold stopped it, the rest may come in around them.
        MemoryImage around = documentImage();
        CsvFileImport skipping = import(around, true);
        const bool offer = skipping.ok;
        const auto answer =
            dialogs_.ask(&frame_, QMessageBox::Warning, frame_.messageCaption(),
                         q(result.message) + (offer ? q("\n\n" + texts().skipUnfit) : QString()),
                         offer ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        if (!offer || answer != QMessageBox::Yes)
            return;
        result = std::move(skipping);
        image = std::move(around);
    }
    if (!result.notes.empty()) {
        QString notes;
        for (const std::string& note : result.notes)
            notes += q(note) + QLatin1Char('\n');
        dialogs_.ask(&frame_, QMessageBox::Information, frame_.messageCaption(), notes.trimmed(), QMessageBox::Ok);
    }
    if (result.channelsChanged == 0)
        return;
    frame_.view().record(EditKind::ImportChannels, [&] {
        frame_.document().replaceImage(std::move(image));
        frame_.view().imageToGrid();
    });
}

void FleetCommands::runWriteToSeveral()
{
    const FleetTexts& w = texts();
    FleetLogDlg::Texts t{q(w.severalTitle), q(w.connectNext), q(w.writeNext), q(w.saveLog),  q(w.close),
                         q(w.number),       q(w.time),        q(w.result),    q(w.failed), q(w.stopWriting),
                         frame_.messageCaption(),
                         frame_.document().edition().uiLanguage(frame_.view().language())};
    FleetLogDlg* self = nullptr;
    FleetLogDlg dialog(&frame_, t, dialogs_, [this, &self](bool& ok) {
        const WriteResult r = writeDocument(true, true, self);
        ok = r.ok;
        return r.text;
    });
    self = &dialog;
    showDialog(dialog);
}

} // namespace tolvan
