#include "app/qt/fleet_commands.h"

#include "app/qt/fleet_log_dlg.h"
#include "app/qt/main_frame.h"
#include "app/qt/user_dialogs.h"
#include "codeplug/sin_file.h"
#include "editor/qt/tol_view.h"
#include "editor/table_csv_import.h"
#include "link/write_verify.h"
#include "program/qt/local_path.h"
#include "report/image_diff.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QVBoxLayout>

namespace tolvan {
namespace {

// The store of the recent-file list; the verify choice is kept beside it.
const char* const kOrganisation = "Local AppWizard-Generated Applications";
const char* const kVerifyKey = "Settings/VerifyAfterWriting";

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QMenu* menuHolding(CMainFrame& frame, QAction* action)
{
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu() && top->menu()->actions().contains(action))
            return top->menu();
    return nullptr;
}

// The action that follows `action` in its menu (nullptr at the end).
QAction* after(QMenu* menu, QAction* action)
{
    const auto list = menu->actions();
    const auto i = list.indexOf(action);
    return i >= 0 && i + 1 < list.size() ? list[i + 1] : nullptr;
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
    verify_ = new QAction(text("&Verify After Writing", "写入后校验(&V)"), this);
    verify_->setCheckable(true);
    verify_->setChecked(QSettings(kOrganisation, q(language_.baseName)).value(kVerifyKey, true).toBool());
    connect(verify_, &QAction::toggled, this,
            [this](bool on) { QSettings(kOrganisation, q(language_.baseName)).setValue(kVerifyKey, on); });
    compareFile_ = new QAction(text("Compare With &File...", "与文件比较(&F)..."), this);
    compareRadio_ = new QAction(text("&Compare With Radio...", "与对讲机比较(&C)..."), this);
    import_ = new QAction(text("&Import Channels...", "导入频道(&I)..."), this);
    several_ = new QAction(text("Write To &Several Radios...", "写入多台对讲机(&S)..."), this);
    connect(compareFile_, &QAction::triggered, this, &FleetCommands::runCompareWithFile);
    connect(compareRadio_, &QAction::triggered, this, &FleetCommands::runCompareWithRadio);
    connect(import_, &QAction::triggered, this, &FleetCommands::runImport);
    connect(several_, &QAction::triggered, this, &FleetCommands::runWriteToSeveral);
    // Not while a transfer runs, like the frame's own commands.
    connect(&frame_.view(), &CTolView::transferStateChanged, this, [this](bool running) {
        for (QAction* a : {compareFile_, compareRadio_, import_, several_})
            a->setEnabled(!running);
    });
}

QString FleetCommands::text(const char* english, const char* chinese) const
{
    return frame_.document().edition().uiLanguage(frame_.view().language()) == Language::English
               ? QString::fromUtf8(english)
               : QString::fromUtf8(chinese);
}

void FleetCommands::addToMenus()
{
    if (QMenu* file = menuHolding(frame_, frame_.action(cmd::Print))) {
        QAction* print = frame_.action(cmd::Print);
        file->insertAction(print, compareFile_);
        file->insertAction(print, import_);
        file->insertSeparator(print);
    }
    if (QMenu* program = menuHolding(frame_, frame_.action(cmd::WriteToRadio))) {
        QAction* next = after(program, frame_.action(cmd::WriteToRadio));
        program->insertAction(next, verify_);
        program->insertAction(next, several_);
        program->insertAction(next, compareRadio_);
    }
}

MemoryImage FleetCommands::documentImage() const
{
    frame_.view().commitCellEdit();
    MemoryImage image = frame_.document().image();
    frame_.view().gridToImage(image);
    return image;
}

FleetCommands::WriteResult FleetCommands::writeDocument(bool startAtOnce, bool alwaysVerify)
{
    CTolView& view = frame_.view();
    const Edition& edition = frame_.document().edition();
    const Language language = view.language();
    const MemoryImage sent = documentImage();
    const TransferMark mark(view);
    CloneOutcome written;
    CloneWindowOptions options = clone_;
    options.outcome = &written;
    options.startAtOnce = startAtOnce;
    runCloneWithProgress(&frame_, edition, language, Direction::Write, view.portName(), sent, options);
    if (written.result != CloneResult::Completed)
        return {false, false, written.message.empty() ? text("Cancelled.", "已取消。") : q(written.message)};
    if (!alwaysVerify && !verify_->isChecked())
        return {true, true, q(writtenText(edition, language))};
    CloneOutcome readBack;
    options = clone_;
    options.outcome = &readBack;
    options.startAtOnce = true;
    options.title = verifyTitle(edition, language);
    options.password = readBackRequest(edition, sent).password;
    runCloneWithProgress(&frame_, edition, language, Direction::Read, view.portName(), sent, options);
    const VerifyOutcome verified = judgeReadBack(edition, language, sent, std::move(readBack));
    return {true, verified.verified, q(verified.message)};
}

void FleetCommands::showVerdict(const WriteResult& result)
{
    dialogs_.ask(&frame_, result.ok ? QMessageBox::Information : QMessageBox::Warning, QString(), result.text,
                 QMessageBox::Ok);
}

void FleetCommands::showComparison(const QString& title, const MemoryImage& other)
{
    const Edition& edition = frame_.document().edition();
    const Language language = frame_.view().language();
    const ImageComparison c = compareImages(edition, language, documentImage(), other);
    QDialog dialog(&frame_);
    dialog.setWindowTitle(title);
    auto* textView = new QPlainTextEdit(q(comparisonText(edition, language, c)), &dialog);
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
    const QString path = dialogs_.openFileName(&frame_, QStringLiteral("Channel Data (*.sin)"));
    if (path.isEmpty())
        return;
    const Edition& edition = frame_.document().edition();
    const SinLoadResult loaded = loadSin(path.toStdString(), edition.imageSize);
    if (loaded.status != SinStatus::Ok) {
        dialogs_.ask(&frame_, QMessageBox::Warning, QString(),
                     q(describeSinStatus(loaded.status, path.toStdString(), edition.imageSize, loaded.detail)),
                     QMessageBox::Ok);
        return;
    }
    showComparison(text("Compare With File", "与文件比较"), *loaded.image);
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
                                     frame_.document().image(), clone_);
    }
    if (radio)
        showComparison(text("Compare With Radio", "与对讲机比较"), *radio);
}

void FleetCommands::runImport()
{
    const QString path = dialogs_.openFileName(&frame_, QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    MemoryImage image = documentImage();
    // The command line's own reader and import: a pipe, a device or a huge file is refused.
    const CsvFileImport result = importChannelFile(frame_.document().edition(), frame_.view().language(),
                                                   localPath(path), QFileInfo(path).fileName().toStdString(), image);
    if (!result.ok) {
        dialogs_.ask(&frame_, QMessageBox::Warning, QString(), q(result.message), QMessageBox::Ok);
        return;
    }
    if (result.channelsChanged == 0)
        return;
    frame_.document().replaceImage(std::move(image));
    frame_.view().imageToGrid();
}

void FleetCommands::runWriteToSeveral()
{
    FleetLogDlg::Texts t{text("Write To Several Radios", "写入多台对讲机"),
                         text("Connect the next radio, then press Write Next Radio.",
                              "请连接下一台对讲机，然后按“写入下一台”。"),
                         text("&Write Next Radio", "写入下一台(&W)"),
                         text("&Save Log...", "保存记录(&S)..."),
                         text("Close", "关闭"),
                         text("No.", "序号"),
                         text("Time", "时间"),
                         text("Result", "结果"),
                         text("FAILED: ", "失败：")};
    FleetLogDlg dialog(&frame_, t, dialogs_, [this](bool& ok) {
        const WriteResult r = writeDocument(true, true);
        ok = r.ok;
        return r.text;
    });
    showDialog(dialog);
}

FleetCommands* attachFleetCommands(CMainFrame& frame, const StartupLanguage& language, UserDialogs& dialogs,
                                   CloneWindowOptions clone)
{
    auto* commands = new FleetCommands(frame, language, dialogs, clone);
    commands->addToMenus();
    CTolView& view = frame.view();
    view.setTransfer([commands, &frame, clone](Direction direction, const std::string& port,
                                               const MemoryImage& image) -> std::optional<MemoryImage> {
        if (direction == Direction::Read)
            return runCloneWithProgress(&frame, frame.document().edition(), frame.view().language(), direction, port,
                                        image, clone);
        const FleetCommands::WriteResult result = commands->writeDocument(false, false);
        // A read-back's verdict gets a box of its own; a plain write stays silent.
        if (result.written && commands->verifyAfterWriting()->isChecked())
            commands->showVerdict(result);
        return result.ok ? std::optional<MemoryImage>(image) : std::nullopt;
    });
    return commands;
}

} // namespace tolvan
