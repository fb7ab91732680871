// The fleet commands of the window in every program and language: verify after
// writing, compare with a file and with the radio, import channels, and the
// several-radios log, against the in-process virtual radio without pauses.
#include "window_fixture.h"

using namespace tolvan;

namespace {

// A frequency the edition takes as typed with the sample's form (inside the
// form's band where the edition checks one).
TenHz wanted(const Edition& e)
{
    FormSettings form(e);
    form.loadFromImage(sampleCodeplug(e));
    for (int i = 0; i < form.count(); ++i)
        if (form.list(i).label == "Field" && !e.bands.empty())
            return e.bands.at(static_cast<std::size_t>(form.selection(i))).low + 1250;
    return 43501250;
}

// Channel 2 moved to that frequency.
MemoryImage changed(const Edition& e)
{
    MemoryImage image = sampleCodeplug(e);
    ChannelFields f = e.records().read(e, image, 2);
    f.rx = f.tx = wanted(e);
    e.records().write(e, image, 2, f);
    return image;
}

class FleetWindow : public WindowTest, public ::testing::WithParamInterface<ProgramRun> {
protected:
    void SetUp() override
    {
        w = start(GetParam().edition->id.c_str(), nullptr, GetParam().chineseSystem);
        ASSERT_TRUE(w);
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QString::fromStdString(w->language().baseName))
            .remove("Settings/VerifyAfterWriting");
        e = &w->document().edition();
        radio = std::make_unique<VirtualRadio>(sampleCodeplug(*e));
        opener = std::make_unique<RadioPortOpener>(*radio);
        const CloneWindowOptions clone{.opener = opener.get(), .pauses = false};
        connectWindowCommands(w->frame(), clone);
        fleet = attachFleetCommands(w->frame(), w->language(), dialogs, clone);
        fleet->showDialog = [this](QDialog& d) {
            if (auto* text = d.findChild<QPlainTextEdit*>())
                shownText = text->toPlainText().toStdString();
            if (onDialog)
                onDialog(d);
        };
        w->frame().show();
        english = e->uiLanguage(w->language().language) == Language::English;
    }
    std::string say(const char* en, const char* zh) const { return english ? en : zh; }

    std::unique_ptr<ProgramWindow> w;
    const Edition* e = nullptr;
    std::unique_ptr<VirtualRadio> radio;
    std::unique_ptr<RadioPortOpener> opener;
    FleetCommands* fleet = nullptr;
    std::string shownText;
    std::function<void(QDialog&)> onDialog;
    bool english = true;
};

TEST_P(FleetWindow, VerifyAfterWritingIsOnByDefaultAndCatchesAWrongByte)
{
    CMainFrame& frame = w->frame();
    QAction* verify = fleet->verifyAfterWriting();
    EXPECT_TRUE(verify->isCheckable() && verify->isChecked());

    pressStartWhenShown();
    frame.action(cmd::WriteToRadio)->trigger();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text.toStdString(),
              say("Verified: the radio holds what was written.", "校验通过：对讲机中的数据与写入的一致。"));

    radio->faults.wrongByte = {{e->recordOffset(3), 0x42}};
    pressStartWhenShown();
    frame.action(cmd::WriteToRadio)->trigger();
    EXPECT_EQ(dialogs.shown.back().text.toStdString(),
              say("Verify failed: the radio does not hold what was written.\nChannels: 3",
                  "校验失败：对讲机中的数据与写入的不一致。\n信道：3"));

    // Off: a write says nothing, and the choice is remembered.
    verify->setChecked(false);
    const auto shown = dialogs.shown.size();
    const int reads = radio->blocksRead();
    pressStartWhenShown();
    frame.action(cmd::WriteToRadio)->trigger();
    EXPECT_EQ(dialogs.shown.size(), shown);
    EXPECT_EQ(radio->blocksRead(), reads);
    EXPECT_FALSE(QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                           QString::fromStdString(w->language().baseName))
                     .value("Settings/VerifyAfterWriting", true)
                     .toBool());
}

TEST_P(FleetWindow, CompareWithFileAndWithRadioLeaveTheDocumentAlone)
{
    const MemoryImage other = changed(*e);
    ASSERT_EQ(saveSin(path("other.sin").toStdString(), other), SinStatus::Ok);
    dialogs.openNames = {path("other.sin")};
    w->document().replaceImage(sampleCodeplug(*e));
    w->frame().view().imageToGrid();
    w->document().setModified(false);
    fleet->compareWithFile()->trigger();
    const std::string expected = say("Channel 2\n", "信道 2\n");
    EXPECT_TRUE(shownText.starts_with(expected)) << shownText;
    EXPECT_NE(shownText.find(frequencyText(wanted(*e))), std::string::npos) << shownText;

    radio->memory() = other;
    shownText.clear();
    pressStartWhenShown();
    fleet->compareWithRadio()->trigger();
    EXPECT_TRUE(shownText.starts_with(expected)) << shownText;
    EXPECT_EQ(w->document().image(), sampleCodeplug(*e));
    EXPECT_FALSE(w->document().isModified());
}

TEST_P(FleetWindow, ImportChannelsAppliesAWholeFileOrNothing)
{
    w->document().replaceImage(sampleCodeplug(*e));
    w->frame().view().imageToGrid();
    w->document().setModified(false);
    ChannelTable table(*e, w->language().language);
    table.loadFromImage(changed(*e));
    {
        std::ofstream out(path("list.csv").toStdString(), std::ios::binary);
        out << channelTableCsv(table) << "999";
    }
    dialogs.openNames = {path("list.csv")};
    fleet->importChannels()->trigger();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_TRUE(dialogs.shown.back().text.contains(QString::number(e->channelCount + 2))) << dialogs.shown.back().text.toStdString();
    EXPECT_EQ(w->document().image(), sampleCodeplug(*e));
    EXPECT_FALSE(w->document().isModified());

    std::ofstream(path("list.csv").toStdString(), std::ios::binary) << channelTableCsv(table);
    dialogs.openNames = {path("list.csv")};
    fleet->importChannels()->trigger();
    EXPECT_EQ(e->records().read(*e, w->document().image(), 2).rx, wanted(*e));
    EXPECT_TRUE(w->document().isModified());
    EXPECT_EQ(w->frame().view().table().cell(2, Column::Receive), frequencyText(wanted(*e)));
}

TEST_P(FleetWindow, SeveralRadiosOneAfterAnotherWithALog)
{
    onDialog = [this](QDialog& d) {
        auto& log = dynamic_cast<FleetLogDlg&>(d);
        log.writeNext();
        radio->faults.silentFromBlock = 3;
        // The exchange shows its own message for the broken write; answer it.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        answer.start(5);
        log.writeNext();
        answer.stop();
        ASSERT_EQ(log.log()->rowCount(), 2);
        EXPECT_EQ(log.log()->item(0, 0)->text(), "1");
        EXPECT_EQ(log.log()->item(0, 2)->text().toStdString(),
                  say("Verified: the radio holds what was written.", "校验通过：对讲机中的数据与写入的一致。"));
        EXPECT_TRUE(log.log()->item(1, 2)->text().startsWith(QString::fromStdString(say("FAILED: ", "失败："))));
        dialogs.saveNames = {path("log.csv")};
        ASSERT_TRUE(log.saveLog());
        std::ifstream in(path("log.csv").toStdString(), std::ios::binary);
        const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(csv.starts_with(say("No.,Time,Result\r\n1,", "序号,时间,结果\r\n1,"))) << csv;
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
    };
    fleet->writeToSeveral()->trigger();
    EXPECT_EQ(radio->memory().at(e->recordOffset(1)), w->document().image().at(e->recordOffset(1)));
}

INSTANTIATE_TEST_SUITE_P(Every, FleetWindow, ::testing::ValuesIn(everyProgramAndLanguage()),
                         [](const auto& info) {
                             std::string name = info.param.edition->id;
                             std::erase(name, '-');
                             return name + (info.param.chineseSystem ? "Chinese" : "");
                         });

} // namespace
