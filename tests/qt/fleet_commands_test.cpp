// The fleet commands of the window in every program and language: verify after
// writing, compare with a file and with the radio, import channels, and the
// several-radios log, against the in-process virtual radio without pauses.
#include "window_fixture.h"

#include "app/qt/open_question.h"
#include "editor/table_csv_import.h"
#include "program/opener_texts.h"

#include "temp_dir.h"

using namespace tolvan;

namespace {

// Each program in each language, its fleet commands attached and the sample
// in the window, saved; what the commands show is kept, one message a line,
// and compared with the snapshot at the end.
class FleetWindow : public WindowTest {
protected:
    // `posixOnly` names the notes of cases Windows cannot make (a named pipe).
    void eachRun(const char* snapshot, const std::function<void()>& body, const char* posixOnly = nullptr)
    {
        for (const ProgramRun& run : everyProgramAndLanguage()) {
            SCOPED_TRACE(run.edition->id);
            startRun(run);
            body();
        }
        expectGolden("qt", snapshot, out, [&](const std::string& line) {
            return tolvan::testing::kWindows && posixOnly && line.starts_with(posixOnly);
        });
    }
    void startRun(const ProgramRun& run)
    {
        dialogs.shown.clear();
        ProgramSettings(run.edition->id).remove("Settings/VerifyAfterWriting");
        w = start(run.edition->id.c_str(), nullptr, run.chineseSystem);
        ASSERT_TRUE(w);
        e = &w->document().edition();
        radio = &WindowTest::radio();
        radio->memory() = sampleCodeplug(*e);
        fleet = &w->fleet();
        fleet->showDialog = [this](QDialog& d) {
            if (auto* text = d.findChild<QPlainTextEdit*>())
                note("shown", text->toPlainText());
            if (onDialog)
                onDialog(d);
        };
        w->frame().show();
        w->document().replaceImage(sampleCodeplug(*e));
        w->frame().view().imageToGrid();
        w->document().setModified(false);
        out += "== " + run.edition->id + (run.chinese() ? " zh" : " en") + "\n";
        chinese = run.chinese();
    }
    // A Chinese program shows no Latin word of its own (file names, paths,
    // numbers, units and the radios' model letters aside).
    void expectProgramsWords(const std::string& what, QString text)
    {
        if (!chinese)
            return;
        text.remove(QRegularExpression(R"(TMP/\S*|[\w-]+\.(sin|csv)|\bTIME\b|MHz|TL(?=系列| - ))"));
        EXPECT_FALSE(text.contains(QRegularExpression("[A-Za-z]"))) << what << ": " << text.toStdString();
    }
    // What the program showed, or the test's own summary of it.
    void note(const std::string& what, QString text, bool programsWords = true)
    {
        text.replace(dir.path(), "TMP");
        if (programsWords)
            expectProgramsWords(what, text);
        out += what + ": " + text.toStdString() + "\n";
    }
    void noteLastMessage(const std::string& what)
    {
        ASSERT_FALSE(dialogs.shown.empty()) << what;
        note(what, "[" + dialogs.shown.back().title + "] " + dialogs.shown.back().text);
    }

    std::unique_ptr<ProgramWindow> w;
    const Edition* e = nullptr;
    VirtualRadio* radio = nullptr;
    FleetCommands* fleet = nullptr;
    std::function<void(QDialog&)> onDialog;
    std::string out;
    bool chinese = false;
};

TEST_F(FleetWindow, VerifyAfterWritingIsOnByDefaultAndCatchesAWrongByte)
{
    eachRun("fleet_verify", [&] {
        CMainFrame& frame = w->frame();
        QAction* verify = fleet->verifyAfterWriting();
        EXPECT_TRUE(verify->isCheckable() && verify->isChecked());
        WindowCloser startEachTransfer(true, true);
        frame.action(cmd::WriteToRadio)->trigger();
        EXPECT_TRUE(dialogs.shown.empty()) << "a match needs no box to dismiss";
        note("write, status bar", frame.statusText());
        radio->faults.wrongByte = {{e->recordOffset(3), 0x42}};
        frame.action(cmd::WriteToRadio)->trigger();
        noteLastMessage("write, channel 3 wrong");

        // Off: a write says nothing, and the choice is remembered.
        verify->setChecked(false);
        const auto shown = dialogs.shown.size();
        const int reads = radio->blocksRead();
        frame.action(cmd::WriteToRadio)->trigger();
        EXPECT_EQ(dialogs.shown.size(), shown);
        EXPECT_EQ(radio->blocksRead(), reads);
        EXPECT_FALSE(ProgramSettings(w->language().baseName).value("Settings/VerifyAfterWriting", true).toBool());
    });
}

// Comparing with a file and with the radio, and an import refused, leave the
// document alone. The open, unedited file
// compared with itself, and with a radio holding it, is identical, though a
// save rewrites some of its bytes; the window names the sides it compares.
TEST_F(FleetWindow, CompareLeavesTheDocumentAloneAndImportAppliesAWholeFileOrNothing)
{
    eachRun("fleet_compare_and_import", [&] {
        writeFile("sample.sin", sampleCodeplug(*e));
        ASSERT_TRUE(w->frame().openFile(path("sample.sin")));
        dialogs.openNames = {path("sample.sin")};
        fleet->compareWithFile()->trigger();
        pressWhenShown();
        fleet->compareWithRadio()->trigger();
        std::ofstream(path("empty.sin").toStdString());
        dialogs.openNames = {path("empty.sin")};
        fleet->compareWithFile()->trigger();
        noteLastMessage("compare, an empty file");

        // Stored as the window stores it, so that channel 2 is the only difference.
        MemoryImage stored = w->document().image();
        w->frame().view().gridToImage(stored);
        const MemoryImage other = withChannel2Moved(*e, stored);
        ASSERT_EQ(saveSin(path("other.sin").toStdString(), other), SinStatus::Ok);
        dialogs.openNames = {path("other.sin")};
        fleet->compareWithFile()->trigger();
        radio->memory() = other;
        pressWhenShown();
        fleet->compareWithRadio()->trigger();

        ChannelTable table(*e, w->language().language);
        table.loadFromImage(withChannel2Moved(*e, sampleCodeplug(*e)));
        std::ofstream(path("list.csv").toStdString(), std::ios::binary) << channelTableCsv(table) << "999";
        dialogs.openNames = {path("list.csv")};
        fleet->importChannels()->trigger();
        noteLastMessage("import, a line too many");
        if (tolvan::testing::makeFifo(path("pipe.csv").toStdString())) {  // no writer: a careless read waits for ever
            dialogs.openNames = {path("pipe.csv")};
            fleet->importChannels()->trigger();
            noteLastMessage("import, a pipe");
        }
        EXPECT_EQ(w->document().image(), sampleCodeplug(*e));
        EXPECT_FALSE(w->document().isModified());  // a whole file applied: the user scenarios

        // Another program's file, channel 2 on 174 MHz (off some radios' band):
        // every message it gives, Yes to importing around what does not fit.
        const Edition& program = *findEdition(e->id == "cps-twotone" ? "cps-fleet" : "cps-twotone");
        MemoryImage theirs = sampleCodeplug(program);
        ChannelFields f = program.records().read(program, theirs, 2);
        f.rx = f.tx = 17400000;
        program.records().write(program, theirs, 2, f);
        ASSERT_EQ(saveSin(path("other.sin").toStdString(), theirs), SinStatus::Ok);
        dialogs.openNames = {path("other.sin")};
        dialogs.answers = {QMessageBox::Yes};
        const std::size_t before = dialogs.shown.size();
        fleet->importChannels()->trigger();
        for (std::size_t i = before; i < dialogs.shown.size(); ++i)
            note("import another program's file", dialogs.shown[i].text, false);  // names columns such as PTTID
        note("channel 2 after it", QString::fromStdString(frequencyText(e->records().read(*e, w->document().image(), 2).rx)));
    }, "import, a pipe:");
}

TEST_F(FleetWindow, SeveralRadiosOneAfterAnotherWithALog)
{
    onDialog = [this](QDialog& d) {
        auto& log = dynamic_cast<FleetLogDlg&>(d);
        log.writeNext();
        radio->faults.silentFromBlock = 3;
        {
            WindowCloser answer(true, true);  // the exchange's own message for the broken write
            log.writeNext();
        }
        for (int row = 0; row < log.log()->rowCount(); ++row)
            note("log", log.log()->item(row, 0)->text() + " | " + log.log()->item(row, 2)->text());
        // A log is an export: it never replaces a channel data file.
        writeFile("radio.sin", sampleCodeplug(*e));
        dialogs.saveNames = {path("radio.sin")};
        EXPECT_FALSE(log.saveLog());
        noteLastMessage("save log over radio.sin");
        EXPECT_EQ(loadSin(path("radio.sin").toStdString(), e->imageSize).image, sampleCodeplug(*e));
        dialogs.saveNames = {path("log.csv")};
        ASSERT_TRUE(log.saveLog());
        QFile csv(path("log.csv"));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        // The time column changes from run to run.
        const QRegularExpression time("^(\\d+),[^,]*,", QRegularExpression::MultilineOption);
        note("saved", QString::fromUtf8(csv.readAll()).replace(time, "\\1,TIME,"));
    };
    eachRun("fleet_log", [&] {
        fleet->writeToSeveral()->trigger();
        EXPECT_EQ(radio->memory().at(e->recordOffset(1)), w->document().image().at(e->recordOffset(1)));
    });
}

} // namespace

namespace {

// Presses Cancel, once, on the progress window whose caption is `title` when
// it has shown `after` steps: a click through the window system, so a modal
// window that would block it blocks it here too.
class CancelMidTransfer {
public:
    CancelMidTransfer(QString title, int after) : title_(std::move(title)), after_(after)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<CProgressDlg*>(w); d && !pressed && d->isRunning()
                                                              && d->windowTitle() == title_
                                                              && d->progressBar()->value() >= after_) {
                    pressed = true;
                    QPushButton* cancel = d->cancelButton();
                    QTest::mouseClick(d->windowHandle(), Qt::LeftButton, {},
                                      cancel->mapTo(d, cancel->rect().center()));
                }
        });
        timer_.start(0);
    }
    bool pressed = false;

private:
    QString title_;
    int after_;
    QTimer timer_;
};

} // namespace

// Cancel stops every transfer a command starts, also the writes of Write To
// Several Radios under their modal log; closing that log mid-write asks, then
// stops the write and logs the radio. What each left is in the snapshot.
TEST_F(FleetWindow, EveryTransferStopsAtCancel)
{
    eachRun("fleet_cancel", [&] {
        CMainFrame& frame = w->frame();
        const Language language = frame.view().language();
        const QString reading = QString::fromStdString(cloneTitle(*e, language, Direction::Read));
        const QString writing = QString::fromStdString(cloneTitle(*e, language, Direction::Write));
        const QString verifying = QString::fromStdString(verifyTitle(*e, language));
        const auto run = [&](const char* what, const QString& title, const std::function<void()>& command) {
            radio->memory() = newDocumentImage(*e);
            const int read = radio->blocksRead(), written = radio->blocksWritten();
            dialogs.shown.clear();
            CancelMidTransfer cancel(title, 3);
            WindowCloser startAndAnswer(true, true);
            command();
            EXPECT_EQ(cancel.pressed, !title.isEmpty()) << what;
            QStringList messages = startAndAnswer.messages;
            for (const auto& m : dialogs.shown)
                messages << m.text;
            // How far it got depends on the machine's pace; that it stopped does not.
            const auto part = [](int done, int all) { return done == 0 ? "none" : done < all ? "part" : "all"; };
            expectProgramsWords(what, messages.join(" / "));
            note(what, QString("read %1, written %2, document %3; %4")
                           .arg(part(radio->blocksRead() - read, e->link.readBlocks))
                           .arg(part(radio->blocksWritten() - written, e->link.writeBlocks))
                           .arg(w->document().isModified() ? "changed" : "unchanged")
                           .arg(messages.join(" / ")),
                 false);
        };
        run("read", reading, [&] { frame.action(cmd::ReadFromRadio)->trigger(); });
        run("write", writing, [&] { frame.action(cmd::WriteToRadio)->trigger(); });
        run("verify", verifying, [&] { frame.action(cmd::WriteToRadio)->trigger(); });
        run("compare with radio", reading, [&] { fleet->compareWithRadio()->trigger(); });
        onDialog = [&](QDialog& d) {
            auto& log = dynamic_cast<FleetLogDlg&>(d);
            log.writeNext();
            note("several, logged", log.log()->item(0, 2)->text());
        };
        run("several, Cancel", writing, [&] { fleet->writeToSeveral()->trigger(); });
        // Esc on the log while its write runs: asked, yes, the write stops and the log goes.
        bool closed = false;
        onDialog = [&](QDialog& d) {
            auto& log = dynamic_cast<FleetLogDlg&>(d);
            dialogs.answers = {QMessageBox::Yes};
            bool pressed = false;
            QTimer esc;
            QObject::connect(&esc, &QTimer::timeout, [&] {
                if (!pressed && cloneTransferRunning()) {
                    pressed = true;
                    QTest::keyClick(log.windowHandle(), Qt::Key_Escape);
                }
            });
            esc.start(0);
            log.show();
            log.writeNext();
            closed = !log.isVisible();
            note("several, Esc, logged", log.log()->item(0, 2)->text());
        };
        run("several, Esc", "", [&] { fleet->writeToSeveral()->trigger(); });
        EXPECT_TRUE(closed) << "the log closes once the write has stopped";
        onDialog = nullptr;
    });
}

// A file of a length several programs share, whose channels they read
// differently: Import Channels asks whose file it is, names each candidate by
// its radio, and imports with the layout chosen; Cancel imports nothing.
TEST_F(WindowTest, ImportChannelsAsksWhoseFileWhereProgramsReadItDifferently)
{
    const Edition& ccir = *findEdition("cps-ccir");
    MemoryImage msk = sampleCodeplug(ccir);
    ChannelFields f = ccir.records().read(ccir, msk, 1);
    f.signalling = 1;  // MSK here, DTMF in the FleetSync radios
    ccir.records().write(ccir, msk, 1, f);
    ASSERT_EQ(saveSin(path("msk.sin").toStdString(), msk), SinStatus::Ok);
    bool askedSomewhere = false;
    for (const Edition* e : allEditions()) {
        auto w = start(e->id.c_str());
        const Language ui = e->uiLanguage(Language::English);
        const MemoryImage shown = w->document().image();
        MemoryImage before = shown;
        w->frame().view().gridToImage(before);  // as the window stores it before an import
        // What the plain import makes of the file in this program: a question or not.
        MemoryImage scratch = before;
        const CsvFileImport open = importChannelFile(*e, ui, path("msk.sin").toStdString(), "msk.sin", scratch, {}, nullptr);
        askedSomewhere = askedSomewhere || open.layoutOpen;
        for (bool cancel : {true, false}) {
            SCOPED_TRACE(e->id + (cancel ? ": Cancel" : ": the last candidate"));
            QStringList offered;
            const Edition* chosen = nullptr;
            w->fleet().showDialog = [&](QDialog& d) {
                auto& whose = dynamic_cast<OpenQuestion&>(d);
                offered = {whose.findChild<QLabel*>()->text()};
                for (QPushButton* b : whose.programButtons())
                    offered << b->text().section(' ', 0, 0);
                if (!cancel) {
                    chosen = open.layouts.back();
                    whose.programButtons().back()->click();
                }
            };
            dialogs.openNames = {path("msk.sin")};
            dialogs.answers = {QMessageBox::No};  // cells this radio cannot hold: nothing around them
            w->fleet().importChannels()->trigger();
            QStringList expected;
            if (open.layoutOpen) {
                expected << QString::fromStdString(openerTexts(ui).whoseChannels).arg("msk.sin");
                for (const Edition* candidate : open.layouts)
                    expected << QString::fromStdString(candidate->id);
            }
            EXPECT_EQ(offered.join(" | ").toStdString(), expected.join(" | ").toStdString());
            if (!open.layoutOpen)
                continue;  // imported or refused as any file: no question
            MemoryImage imported = chosen ? before : shown;  // Cancel: the document as it was
            if (chosen)
                importChannelFile(*e, ui, path("msk.sin").toStdString(), "msk.sin", imported, {}, chosen);
            EXPECT_TRUE(w->document().image() == imported) << imageChanges(imported, w->document().image());
        }
    }
    EXPECT_TRUE(askedSomewhere) << "the file leaves its program open nowhere: the case is not tried";
}
