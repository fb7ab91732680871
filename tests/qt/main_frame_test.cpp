// The main window's own paths: unsaved changes, files that fail to open or
// save, and transfers seen from the window.
#include "window_fixture.h"

#include "temp_dir.h"

using namespace tolvan;
namespace fs = std::filesystem;

namespace {

MemoryImage imageWithChannel(int channel, std::uint8_t mhzBcd)
{
    MemoryImage image = newDocumentImage(*findEdition("cps-twotone"));
    const std::uint8_t rx[] = {0x00, 0x00, 0x50, mhzBcd};
    image.write(static_cast<std::size_t>(16 * (channel - 1)), rx);
    return image;
}

} // namespace

// Each command that would replace a changed document asks first, and the
// answer decides. What each case asked, and what it left (the document changed
// or not, its list's choice and file, the saved file's byte, or the window
// closed), is in the snapshot.
TEST_F(WindowTest, UnsavedChangesAreAskedAboutBeforeTheyAreReplaced)
{
    writeFile("other.sin", imageWithChannel(1, 0x44));
    writeFile("recent.sin", imageWithChannel(2, 0x44));
    enum class Command { New, Open, Recent, Drop, Close };
    const char* const names[] = {"New", "Open", "Recent file", "Drop", "Close"};
    using B = QMessageBox;
    const std::pair<Command, B::StandardButton> cases[] = {
        {Command::New, B::Cancel},     {Command::New, B::Discard},  {Command::New, B::Save},
        {Command::Open, B::Cancel},    {Command::Open, B::Discard}, {Command::Recent, B::Cancel},
        {Command::Recent, B::Save},    {Command::Drop, B::Cancel},  {Command::Drop, B::Discard},
        {Command::Close, B::Cancel},   {Command::Close, B::Discard},
    };
    std::string out;
    for (const auto& [command, answer] : cases) {
        auto w = start("cps-twotone");
        CMainFrame& frame = w->frame();
        CTolDoc& doc = w->document();
        // Remember a recent file, then start from a saved document and change it.
        ASSERT_TRUE(frame.openFile(path("recent.sin")));
        ASSERT_TRUE(frame.openFile(path("other.sin")));
        dialogs.saveNames = {path("saved.sin")};
        frame.fileSaveAs();
        frame.view().formList(1)->setCurrentIndex(5);
        emit frame.view().formList(1)->activated(5);
        ASSERT_TRUE(doc.isModified());

        dialogs.shown.clear();
        dialogs.answers = {answer};
        dialogs.openNames = {path("other.sin")};
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("other.sin"))});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        switch (command) {
        case Command::New: frame.action(cmd::New)->trigger(); break;
        case Command::Open: frame.action(cmd::Open)->trigger(); break;
        case Command::Recent: frame.action(cmd::RecentFile1 + 2)->trigger(); break;
        case Command::Drop: static_cast<QObject&>(frame).event(&drop); break;
        case Command::Close: frame.show(); frame.close(); break;
        }
        out += names[int(command)];
        out += answer == B::Cancel ? ", Cancel:" : answer == B::Save ? ", Save:" : ", Discard:";
        for (const auto& shown : dialogs.shown)
            out += " asked [" + QString(shown.text).replace('\n', ' ').toStdString() + "]"
                   + (shown.buttons == (B::Save | B::Discard | B::Cancel) ? " Save/Discard/Cancel;" : " other buttons;");
        const auto saved = loadSin(path("saved.sin").toStdString(), doc.edition().imageSize).image.value();
        if (command == Command::Close)
            out += frame.isVisible() ? " window open\n" : " window closed\n";
        else
            out += std::string(doc.isModified() ? " changed" : " unchanged") + ", list 1 at "
                   + std::to_string(frame.view().form().selection(1)) + ", file "
                   + fs::path(doc.path()).filename().string() + ", saved byte " + hexBytes(saved.bytes(0x80A, 1)) + "\n";
    }
    expectGolden("qt", "unsaved_changes", out);
}

// A bad file is named in the message, in the window's language, and the open
// document stays as it was; a refused save keeps the document, its name and
// the file that was there. The messages are in the snapshot.
TEST_F(WindowTest, AFileThatFailsToOpenOrSaveKeepsTheDocument)
{
    const fs::path folder = dir.path().toStdString();
    QDir(dir.path()).mkdir("folder.sin");
    // Windows has no named pipe, and Wine makes no symbolic link.
    const bool posix = tolvan::testing::makeFifo(folder / "pipe.sin");
    if (posix)
        fs::create_symlink("nowhere.sin", folder / "dangling.sin");
    std::string out;
    for (const ProgramRun& run : everyProgramAndLanguage()) {
        SCOPED_TRACE(run.edition->id);
        auto w = start(run.edition->id.c_str(), nullptr, run.chineseSystem);
        CMainFrame& frame = w->frame();
        out += "== " + run.edition->id + (run.chinese() ? " zh" : " en") + "\n";
        const MemoryImage good = newDocumentImage(*run.edition);
        writeFile("good.sin", good);
        writeFile("short.sin", good, 100);
        std::ofstream(path("empty.sin").toStdString());
        writeFile("ro.sin", good);
        fs::permissions(folder / "ro.sin", fs::perms::owner_read);
        ASSERT_TRUE(frame.openFile(path("good.sin")));
        const QString title = frame.windowTitle();
        for (const char* bad : {"short.sin", "empty.sin", "missing.sin", "folder.sin", "ro.sin", "pipe.sin", "dangling.sin"}) {
            SCOPED_TRACE(bad);
            if (!posix && QString(bad).contains(QRegularExpression("pipe|dangling")))
                continue;
            const bool save = QString(bad).contains(QRegularExpression("ro|pipe|dangling"));
            dialogs.shown.clear();
            w->document().setModified(save);
            dialogs.saveNames = {path(bad)};
            EXPECT_FALSE(save ? frame.fileSaveAs() : frame.openFile(path(bad)));
            ASSERT_EQ(dialogs.shown.size(), 1u);
            const QString shown = dialogs.shown[0].title + " | " + dialogs.shown[0].text;
            out += QString(shown).replace(dir.path(), "TMP").toStdString() + "\n";
            EXPECT_EQ(w->document().path(), folder / "good.sin");
            EXPECT_EQ(frame.windowTitle(), title);
            EXPECT_EQ(w->document().isModified(), save);
        }
        // Qt's own buttons and file dialogs speak the window's language too.
        out += QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString() + "\n";
        std::ifstream in(folder / "ro.sin", std::ios::binary);
        EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}), good.raw());
        in.close();
        // Windows removes no read-only file.
        fs::permissions(folder / "ro.sin", fs::perms::owner_write, fs::perm_options::add);
        fs::remove(folder / "ro.sin");
    }
    EXPECT_EQ(fs::is_fifo(folder / "pipe.sin"), posix);
    EXPECT_FALSE(fs::exists(folder / "nowhere.sin"));
    expectGolden("qt", "open_and_save_failures", out, [&](const std::string& line) {
        return !posix && QString::fromStdString(line).contains(QRegularExpression("pipe|dangling"));
    });
}

TEST_F(WindowTest, ANameThatIsNotUtf8OpensAndSavesUnderItself)
{
    const fs::path name = fs::path(dir.path().toStdString()) / "radio\xe9\xff.sin";
    for (const Edition* e : allEditions()) {
        SCOPED_TRACE(e->id);
        auto w = start(e->id.c_str());
        ASSERT_EQ(saveSin(name, newDocumentImage(*e)), SinStatus::Ok);
        ASSERT_TRUE(w->frame().openFile(name));
        EXPECT_EQ(w->document().path(), name);
        fs::remove(name);
        ASSERT_TRUE(w->frame().fileSave());
        EXPECT_EQ(fs::file_size(name), e->imageSize);
        fs::remove(name);
    }
}

// Runs `during` once on each pump pass of the transfer that is running.
class DuringTransfer {
public:
    explicit DuringTransfer(std::function<void()> during) : during_(std::move(during))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (cloneTransferRunning())
                during_();
        });
        timer_.start(0);
    }

private:
    std::function<void()> during_;
    QTimer timer_;
};

TEST_F(WindowTest, ReadingAndWritingThroughTheTransfer)
{
    auto w = start("cps-twotone");
    CMainFrame& frame = w->frame();
    CTolView& view = frame.view();
    frame.show();
    frame.choosePort("virtual");
    bool commandsDisabled = false;
    const DuringTransfer watch([&] {
        commandsDisabled = !frame.action(cmd::New)->isEnabled() && !frame.action(cmd::Com2)->isEnabled();
    });

    radio().memory() = imageWithChannel(5, 0x43);
    radio().faults.silentFromBlock = 3;
    {
        WindowCloser startAndAnswer(true, true);
        frame.action(cmd::ReadFromRadio)->trigger();  // a broken read changes nothing
    }
    EXPECT_FALSE(w->document().isModified());
    EXPECT_EQ(view.grid()->textMatrix(5, 1), "");

    radio().faults = {};
    {
        WindowCloser start(true, true);
        frame.action(cmd::ReadFromRadio)->trigger();
    }
    EXPECT_TRUE(commandsDisabled);
    EXPECT_TRUE(frame.action(cmd::New)->isEnabled());
    EXPECT_EQ(view.grid()->textMatrix(5, 1), "435.00000");
    EXPECT_TRUE(w->document().isModified());
    EXPECT_EQ(loadSin(view.lastBackup(), 16 * 5).image.value().at(16 * 4 + 3), 0x43) << "the read's backup";

    // Writing commits the open cell editor and stores the table and the form
    // first; the bytes the radio received that differ from the document, its
    // table as stored before the changes, are in the snapshot.
    w->document().image().set(0x811, 0x00);
    MemoryImage before = w->document().image();
    view.table().storeToImage(before);
    radio().memory() = before;
    emit view.formList(3)->activated(1);  // Manul Setting: Close
    view.grid()->setCurrentCell(5, 1);
    emit view.grid()->keyPressed('1');
    ASSERT_TRUE(view.editing().model().editorOpen());
    view.editing().frequencyEdit()->setText("145");
    emit view.editing().frequencyEdit()->textEdited("145");
    {
        WindowCloser start(true, true);
        frame.action(cmd::WriteToRadio)->trigger();
    }
    expectGolden("qt", "transfer_write", imageChanges(before, radio().memory()));
    EXPECT_FALSE(view.editing().model().editorOpen());
}

TEST_F(WindowTest, ClosingDuringATransferCancelsItFirst)
{
    auto w = start("cps-twotone");
    CMainFrame& frame = w->frame();
    frame.show();
    bool closed = false;
    bool visibleAfterClose = false;
    const DuringTransfer closeBox([&] {
        if (closed)
            return;
        closed = true;
        frame.close();  // the close box, dispatched by a pump pass
        visibleAfterClose = frame.isVisible();
    });
    {
        WindowCloser start(true);
        frame.action(cmd::ReadFromRadio)->trigger();
    }
    QApplication::processEvents();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_FALSE(w->document().isModified()) << "the cancelled read changed nothing";
    EXPECT_TRUE(dialogs.shown.empty());
}
